#pragma once

#include "app/Form.h"

class ClickLabel;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTimer;

// The help window "Hilfe:": shows the help text of the control under the mouse in large
// yellow print and reads it aloud, on request (F2) or by itself (auto-read).
class hilfe1 : public Form
{
    Q_OBJECT
public:
    static constexpr int kClientWidth = 8430;
    static constexpr int kClientHeight = 2205;
    static constexpr int kNormalWidth = 8595;
    static constexpr int kLargeWidth = 10500;
    // Widths count the window's frame; the client area is that much narrower.
    static constexpr int kFrameWidth = kNormalWidth - kClientWidth;
    static inline const QString kInitialText = QStringLiteral(" Hilfe Halmorix");
    static inline const QString kKeyText = QStringLiteral("F2,Play. F3,Pause. F4,Stop. F5,Weiter. F6,Nochmal.");
    static inline const QString kMakerAddress = QStringLiteral("https://hx-tolkarin.de");

    explicit hilfe1(QWidget *parent = nullptr);

    void load() override;
    void keyDown(int key) override;

    // Sets the help line; a changed text is copied into the large print and, with auto-read
    // ticked, spoken.
    void setHelpText(const QString &text);
    QString helpText() const;
    // Starts the one placing of the window above the main window.
    void startPlacing();
    // What F1 and F2 do in every window: show the help placed, and play the help text once.
    void showPlaced();
    void playAndClear();
    // The keys every window shares: F1 help, F2 read the help text, F3 stop speaking.
    // False for any other key.
    static bool commonKey(int key);

    void speak();
    void pla();
    void stop();
    void pauseSpeech();
    void resume();
    void again();
    void largePrint(bool on);
    bool isLargePrint() const;

    ClickLabel *HLabel1 = nullptr;
    ClickLabel *Label2 = nullptr;
    ClickLabel *Label1 = nullptr;
    ClickLabel *Label3 = nullptr;
    ClickLabel *Label4 = nullptr;
    ClickLabel *Label5 = nullptr;
    ClickLabel *Label6 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Picture1S = nullptr;
    QPushButton *Image1 = nullptr;
    QPushButton *Image3 = nullptr;
    QPushButton *Image4 = nullptr;
    QPushButton *Image5 = nullptr;
    QPushButton *beende3 = nullptr;
    QPushButton *plaButton = nullptr;
    QPushButton *Command1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QTimer *Timer1 = nullptr;
    // Lets a burst of new help texts (a mouse sweeping over controls) settle before reading.
    QTimer *autoRead = nullptr;

private:
    void buildControls();
    void textChanged();
    void place();
    void writeHandOff();
};
