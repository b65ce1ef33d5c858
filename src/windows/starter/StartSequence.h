#pragma once

#include <QObject>
#include <QString>

class Form;
class ProgramState;
class QLineEdit;
class QListWidget;
class QWidget;

struct StartSequenceControls
{
    QListWidget *List2 = nullptr; // the default country the country choice stores
    QLineEdit *Text5 = nullptr;   // the value the default-settings chain writes next
    QLineEdit *Text6 = nullptr;   // the default voice line
    QListWidget *List1 = nullptr; // one line more than it holds is written per default file
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
    // Sets Text5, writes it to the file, waits. False when the window was unloaded meanwhile.
    bool writeDefault(const QString &file, const QString &value, double pauseAfter);
    [[nodiscard]] bool writeLines(const QString &file, const QString &value) const;

    Form &m_window;
    StartSequenceControls m_c;
    ProgramState &m_state;
};
