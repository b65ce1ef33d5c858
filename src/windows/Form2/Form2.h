#pragma once

#include "core/ProgramState.h"
#include "core/WindowNames.h"
#include "shell/Form.h"

class CountryChoice;
class FileListBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The country window "Länderauswahl": the user chooses the language of the user interface by
// choosing a country file. Outside its visible area it holds the INI test panel and the
// maintenance buttons.
class Form2 : public Form
{
    Q_OBJECT
public:
    static constexpr const char *kName = WindowNames::kCountry;
    static constexpr int kClientWidth = 2790;
    static constexpr int kClientHeight = 2340;
    // The window's height once a country file was clicked, so that "Übernehmen ?" can be reached.
    static constexpr int kOpenHeight = 3195;
    // Heights count the title bar and the frame; the client area is that much lower.
    static constexpr int kFrameHeight = 495;

    // Who opened the window, which decides what it offers.
    using Opening = ProgramState::CountryOpening;

    explicit Form2(ProgramState &state, QWidget *parent = nullptr);
    ~Form2() override;

    void load() override;
    void keyDown(int key) override;

    // Shows the window as its opener offers it.
    void open(Opening opening);
    // The country file that applying reads (LandDatei).
    QString countryFile() const;
    // "land-laden...": applies the current country file to every window.
    void Command12();

private:
    void buildControls();
    void buildPanel();
    void buildMaintenance();
    void wireMaintenance();

    QGroupBox *m_Frame2 = nullptr;
    FileListBox *m_File1 = nullptr;
    QListWidget *m_List1 = nullptr;
    QPushButton *m_Command7 = nullptr;
    QPushButton *m_Command8 = nullptr;
    QPushButton *m_Command24 = nullptr;
    QPushButton *m_Command22 = nullptr;

    QGroupBox *m_Frame1 = nullptr;
    QLabel *m_Label3 = nullptr;
    QLineEdit *m_Text1 = nullptr;
    QLineEdit *m_Text2 = nullptr;
    QLineEdit *m_Text3 = nullptr;
    QLineEdit *m_Text4 = nullptr;
    QLineEdit *m_Text5 = nullptr;
    QLineEdit *m_Text6 = nullptr;
    // Fields of the panel that no operation uses.
    QLineEdit *m_Text7 = nullptr;
    QLineEdit *m_Text9 = nullptr;
    QLineEdit *m_Text11 = nullptr;
    QLineEdit *m_Text13 = nullptr;
    QLineEdit *m_Text15 = nullptr;
    QPushButton *m_Command1 = nullptr;
    QPushButton *m_Command2 = nullptr;
    QPushButton *m_Command3 = nullptr;
    QPushButton *m_Command4 = nullptr;

    QPushButton *m_Command23 = nullptr;
    QPushButton *m_Command16 = nullptr;
    QPushButton *m_Command17 = nullptr;
    QPushButton *m_Command6 = nullptr;
    QPushButton *m_Command18 = nullptr;
    QPushButton *m_Command12 = nullptr;
    QPushButton *m_Command11 = nullptr;
    QPushButton *m_Command20 = nullptr;
    QPushButton *m_Command10 = nullptr;
    QPushButton *m_Command21 = nullptr;
    QPushButton *m_Command15 = nullptr;
    QPushButton *m_Command14 = nullptr;
    QPushButton *m_Command13 = nullptr;
    QPushButton *m_Command9 = nullptr;
    QPushButton *m_Command5 = nullptr;
    QPushButton *m_Command19 = nullptr;

    CountryChoice *m_choice = nullptr;
    ProgramState &m_state;
};
