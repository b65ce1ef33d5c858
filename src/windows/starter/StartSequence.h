#pragma once

#include <QObject>
#include <QString>

class Form;
class ProgramState;
class QWidget;

struct StartSequenceControls
{
    QWidget *Command19 = nullptr; // the wide country button
    QWidget *Picture2 = nullptr;  // its picture
};

// How the program starts. A later start hands over to the country window at once; the first
// start writes the default settings, lets the user choose a country and leads on to the main
// window and the help window.
class StartSequence : public QObject
{
    Q_OBJECT
public:
    // The voice pattern the first start writes.
    static inline const QString kDefaultVoice = QStringLiteral("#voice=name:lgx.en.bill#");

    StartSequence(Form &window, const StartSequenceControls &controls, ProgramState &state, QObject *parent = nullptr);

    // The first-run window's load, at the program's start: "startepack" on a later start; on
    // the first the default-settings chain, after which the window shows itself.
    void start();

    void Command13_Click(); // "startepack"
    // The default-settings chain from its first, second, ... fifth step.
    void Command14_Click(); // "ABSPEICHERN"
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    // "Land ?" and its picture: stores the default country, opens the country window to try one.
    void chooseCountry();
    // The wide country button and its picture: as "Land ?", then both go.
    void Command19_Click();
    void Command9_Click(); // "OK weiter >"
    void Command2_Click(); // the tray window and the country window shown
    void Command7_Click(); // ">": the tray window hidden

private:
    // Writes the value to the file, waits. False when the window was unloaded meanwhile.
    bool writeDefault(const QString &file, const QString &value, double pauseAfter);
    [[nodiscard]] static bool writeLine(const QString &file, const QString &value);

    Form &m_window;
    StartSequenceControls m_c;
    ProgramState &m_state;
};
