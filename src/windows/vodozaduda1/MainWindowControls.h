#pragma once

#include <array>

class ClickLabel;
class FileListBox;
class PartList;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// The controls of the main translator window by their design names. The window makes them and
// hands them, or the few a concern needs, to its behaviour classes.
struct MainWindowControls
{
    // The dictionary side.
    QLabel *Label10 = nullptr;   // "1", green while the focus goes back to Text3
    QLineEdit *Text3 = nullptr;  // input field, "Textfeld 1"
    QCheckBox *Check1 = nullptr; // focus target after Enter
    QLabel *Label11 = nullptr;
    QLineEdit *Text1 = nullptr;       // search field, "Textfeld 2"
    QLabel *Label3 = nullptr;         // language pair of the loaded dictionary
    QLineEdit *Text2 = nullptr;       // name of the loaded dictionary
    QPushButton *Command17 = nullptr; // opens the dictionary panel
    QPushButton *Command18 = nullptr; // closes it
    QProgressBar *ProgressBar1 = nullptr;
    ClickLabel *Label9 = nullptr; // "X": hides the part lists
    QCheckBox *Check4 = nullptr;  // "Ton": sound off
    ClickLabel *Label4 = nullptr; // the description line
    ClickLabel *Label6 = nullptr;
    ClickLabel *Label7 = nullptr;
    ClickLabel *Label8 = nullptr;
    ClickLabel *Label5 = nullptr;
    std::array<PartList *, 4> Lists{}; // List1 to List4
    QGroupBox *Frame1 = nullptr;       // the dictionary panel
    FileListBox *File1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command44 = nullptr; // the marked dictionary in the text editor
    QPushButton *Command14 = nullptr; // loads the marked dictionary
    QPushButton *Command45 = nullptr; // "Land-Einstellung"
    QPushButton *Command2 = nullptr;  // "&EXIT"
    QLineEdit *Text5 = nullptr;       // the current entry as shown
    QPushButton *Command43 = nullptr; // "verstecken"
    QPushButton *Command19 = nullptr; // selection up
    QPushButton *Command20 = nullptr; // selection down

    // The letter side and the buttons between the two.
    QPushButton *Command29 = nullptr; // the selection into the letter
    QCheckBox *Check2 = nullptr;      // "schreiben": collect translations, wide window
    QCheckBox *Check3 = nullptr;      // "Stimme": the voice list from the pattern file
    QPushButton *Command28 = nullptr; // the speech settings window
    QPushButton *Command41 = nullptr; // the speaker window
    QPushButton *Command46 = nullptr; // the help window
    QComboBox *Combo1 = nullptr;      // the installed screen fonts
    QPushButton *Check5 = nullptr;    // "<": the font to the input fields
    QPushButton *Check6 = nullptr;    // "^": the font to the letter
    QPlainTextEdit *Text6 = nullptr;  // the letter
    QPushButton *Command22 = nullptr; // reads the first field
    QPushButton *Command24 = nullptr; // reads the second field
    QPushButton *Command26 = nullptr; // reads the third field
    QPushButton *Command27 = nullptr; // reads the first and second field
    QPushButton *Command23 = nullptr; // reads the entry
    QPushButton *Command33 = nullptr; // clears the letter
    QPushButton *Command36 = nullptr; // save as
    QPushButton *Command37 = nullptr; // "Speichern"
    QPushButton *Command31 = nullptr; // print
    QPushButton *Command32 = nullptr; // reads the letter
    QPushButton *Command47 = nullptr; // stops reading

    // Below the visible area.
    QListWidget *List5 = nullptr;     // the fields of the current entry
    QListWidget *List6 = nullptr;     // the voice prefixes
    QPushButton *Command38 = nullptr; // "Beschreibung :>"
    QPushButton *Command48 = nullptr; // "schrift": applies the font
    QTimer *Timer4 = nullptr;         // the focus back to the input field
};
