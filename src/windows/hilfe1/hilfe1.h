#pragma once

#include "core/LocalText.h"
#include "core/WindowNames.h"
#include "shell/Form.h"

class ClickLabel;
class ProgramState;
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
    static constexpr const char *kName = WindowNames::kHelp;
    static constexpr int kClientWidth = 8430;
    static constexpr int kClientHeight = 2205;
    static constexpr int kNormalWidth = 8595;
    static constexpr int kLargeWidth = 10500;
    // Widths count the window's frame; the client area is that much narrower.
    static constexpr int kFrameWidth = kNormalWidth - kClientWidth;
    static constexpr int kSignPointSize = 18;

    explicit hilfe1(ProgramState &state, QWidget *parent = nullptr);

    void load() override;
    void keyDown(int key) override;
    // F1 as everywhere; F2 and F3 are this window's own read and stop.
    SharedKeys sharedKeys() const override { return HelpKey; }

    // Sets the help line; a changed text is copied into the large print and, with auto-read
    // ticked, spoken, in the text's own language ("de", "en", ...).
    void setHelpText(const QString &text, const QString &language = LocalText::kGerman);
    QString helpText() const;
    // Starts the one placing of the window above the main window.
    void startPlacing();
    // What F1 and F2 do in every window: show the help placed, and play the help text once.
    void showPlaced();
    void playAndClear();
    // The program description page, which a country file names: opened only when it is a
    // page of the program.
    void openDescription();
    // The home page a country file names: a web address or a page of the program, nothing else.
    void openHomePage();
    // The language the help text is spoken in: that of the text shown ("de", "en", ...).
    QString speechLanguage() const;

    void speak();
    void pla();
    void stop();
    void pauseSpeech();
    void resume();
    void again();
    void largePrint(bool on);
    bool isLargePrint() const;

private:
    void buildControls();
    void buildKeys();
    void applyTexts();
    void greet();
    void showText(const LocalText &text);
    void textChanged();
    void place();
    void writeHandOff();

    ClickLabel *m_HLabel1 = nullptr;
    ClickLabel *m_Label2 = nullptr;
    ClickLabel *m_Label1 = nullptr;
    ClickLabel *m_Label3 = nullptr;
    ClickLabel *m_Label4 = nullptr;
    ClickLabel *m_Label5 = nullptr;
    ClickLabel *m_Label6 = nullptr;
    QCheckBox *m_Check1 = nullptr;
    QPushButton *m_Picture1S = nullptr;
    QPushButton *m_Image1 = nullptr;
    QPushButton *m_Image3 = nullptr;
    QPushButton *m_Image4 = nullptr;
    QPushButton *m_Image5 = nullptr;
    QPushButton *m_beende3 = nullptr;
    QPushButton *m_pla = nullptr;
    QPushButton *m_Command1 = nullptr;
    QLineEdit *m_Text1 = nullptr;
    QTimer *m_Timer1 = nullptr;
    // Lets a burst of new help texts (a mouse sweeping over controls) settle before reading.
    QTimer *m_autoRead = nullptr;
    QString m_language = LocalText::kGerman;
    // The greeting stands until the first help text comes: it follows the interface language.
    bool m_greeting = true;
    ProgramState &m_state;
};
