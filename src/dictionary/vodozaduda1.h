#pragma once

#include "app/Form.h"

#include <array>

class ClickLabel;
class DictionaryCatalogue;
class DictionaryLoading;
class FileListBox;
class FontChoice;
class LetterOutput;
class LetterWorkspace;
class MouseOverHelp;
class UnsavedLetter;
class ListBrowsing;
class QComboBox;
class QPlainTextEdit;
class PartList;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;
class WordLookup;

// The main translator window: the dictionary side (lookup, prefix search, choice of
// dictionary) and the letter side. Its behaviour lives in the classes it wires up here.
class vodozaduda1 : public Form
{
    Q_OBJECT
public:
    static constexpr const char *kName = "vodozaduda1";
    static constexpr int kClientWidth = 5805;
    static constexpr int kClientHeight = 4890;

    explicit vodozaduda1(QWidget *parent = nullptr);
    ~vodozaduda1() override;

    void load() override;
    void keyDown(int key) override;
    void unloadStep() override;
    void programEnds() override;


    // What other windows press.
    // "< wörterbuch Start": loads the dictionary named in the name field.
    void Command5();
    // "stimme uebernehmen": reloads the voice list from the pattern file.
    void Command42();
    // "&EXIT": ends the program.
    void Command2();
    // "Ton": sound off when ticked.
    bool isMuted() const;
    void setMuted(bool muted);

private:
    void buildControls();
    bool arrowsStayWithTheControl() const;

    QLineEdit *m_Text1 = nullptr;
    QLineEdit *m_Text2 = nullptr;
    QLineEdit *m_Text3 = nullptr;
    QLineEdit *m_Text4 = nullptr;
    QLineEdit *m_Text5 = nullptr;
    std::array<PartList *, 4> m_Lists{};
    QListWidget *m_List5 = nullptr;
    QListWidget *m_List6 = nullptr;
    QCheckBox *m_Check1 = nullptr;
    QCheckBox *m_Check2 = nullptr;
    QCheckBox *m_Check3 = nullptr;
    QCheckBox *m_Check4 = nullptr;
    QPlainTextEdit *m_Text6 = nullptr;
    QComboBox *m_Combo1 = nullptr;
    QPushButton *m_Check5 = nullptr;
    QPushButton *m_Check6 = nullptr;
    QPushButton *m_Command48 = nullptr;
    QLineEdit *m_Text7 = nullptr;
    QPushButton *m_Command31 = nullptr;
    QPushButton *m_Command36 = nullptr;
    QPushButton *m_Command37 = nullptr;
    QPushButton *m_Command38 = nullptr;
    ClickLabel *m_Label5 = nullptr;
    ClickLabel *m_Label6 = nullptr;
    ClickLabel *m_Label7 = nullptr;
    ClickLabel *m_Label8 = nullptr;
    QLabel *m_Label3 = nullptr;
    ClickLabel *m_Label4 = nullptr;
    ClickLabel *m_Label9 = nullptr;
    QLabel *m_Label10 = nullptr;
    QLabel *m_Label11 = nullptr;
    QGroupBox *m_Frame1 = nullptr;
    FileListBox *m_File1 = nullptr;
    QLabel *m_Label2 = nullptr;
    QProgressBar *m_ProgressBar1 = nullptr;
    QPushButton *m_Command2 = nullptr;
    QPushButton *m_Command14 = nullptr;
    QPushButton *m_Command17 = nullptr;
    QPushButton *m_Command18 = nullptr;
    QPushButton *m_Command19 = nullptr;
    QPushButton *m_Command20 = nullptr;
    QPushButton *m_Command22 = nullptr;
    QPushButton *m_Command23 = nullptr;
    QPushButton *m_Command24 = nullptr;
    QPushButton *m_Command26 = nullptr;
    QPushButton *m_Command27 = nullptr;
    QPushButton *m_Command28 = nullptr;
    QPushButton *m_Command29 = nullptr;
    QPushButton *m_Command32 = nullptr;
    QPushButton *m_Command33 = nullptr;
    QPushButton *m_Command41 = nullptr;
    QPushButton *m_Command46 = nullptr;
    QPushButton *m_Command47 = nullptr;
    QPushButton *m_Command43 = nullptr;
    QPushButton *m_Command44 = nullptr;
    QPushButton *m_Command45 = nullptr;
    QTimer *m_Timer4 = nullptr;

    WordLookup *m_lookup = nullptr;
    DictionaryLoading *m_loading = nullptr;
    DictionaryCatalogue *m_catalogue = nullptr;
    ListBrowsing *m_browsing = nullptr;
    LetterWorkspace *m_letter = nullptr;
    LetterOutput *m_output = nullptr;
    UnsavedLetter *m_unsaved = nullptr;
    FontChoice *m_fonts = nullptr;
    MouseOverHelp *m_hover = nullptr;
};
