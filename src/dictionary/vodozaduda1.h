#pragma once

#include "app/Form.h"

#include <array>

class ClickLabel;
class DictionaryCatalogue;
class DictionaryLoading;
class FileListBox;
class LetterWorkspace;
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
    static constexpr int kClientWidth = 5805;
    static constexpr int kClientHeight = 4890;
    static inline const QString kDescription = QStringLiteral(
        "Beispiel: [Woerterbuch-Muster.txt] Schreiben Sie in das gelb markierte Textfeld [hallo] danach "
        "drücken Sie auf die [Entertaste]! Nun wird das geschriebene Wort [hallo] hier im Beispiel Englisch "
        "also [hello] übersetzt und ausgesprochen! Gleichzeitig wird eine Liste angezeigt mit folgenden "
        "Einträgen: [hallo;hello;Gruss].");

    explicit vodozaduda1(QWidget *parent = nullptr);
    ~vodozaduda1() override;

    void load() override;
    void keyDown(int key) override;
    void unloadStep() override;

    WordLookup &lookup() { return *m_lookup; }
    DictionaryLoading &loading() { return *m_loading; }
    DictionaryCatalogue &catalogue() { return *m_catalogue; }
    ListBrowsing &browsing() { return *m_browsing; }
    LetterWorkspace &letter() { return *m_letter; }

    // A help text for the help line of the help window (the control under the mouse).
    void showHelpText(const QString &text);

    // Controls reached by other windows and by tests.
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    std::array<PartList *, 4> Lists{};
    QListWidget *List5 = nullptr;
    QListWidget *List6 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check4 = nullptr;
    QPlainTextEdit *Text6 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label3 = nullptr;
    ClickLabel *Label4 = nullptr;
    ClickLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QGroupBox *Frame1 = nullptr;
    FileListBox *File1 = nullptr;
    QLabel *Label2 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command14 = nullptr;
    QPushButton *Command17 = nullptr;
    QPushButton *Command18 = nullptr;
    QPushButton *Command19 = nullptr;
    QPushButton *Command20 = nullptr;
    QPushButton *Command22 = nullptr;
    QPushButton *Command23 = nullptr;
    QPushButton *Command24 = nullptr;
    QPushButton *Command26 = nullptr;
    QPushButton *Command27 = nullptr;
    QPushButton *Command28 = nullptr;
    QPushButton *Command29 = nullptr;
    QPushButton *Command32 = nullptr;
    QPushButton *Command33 = nullptr;
    QPushButton *Command41 = nullptr;
    QPushButton *Command46 = nullptr;
    QPushButton *Command47 = nullptr;
    QPushButton *Command43 = nullptr;
    QPushButton *Command44 = nullptr;
    QPushButton *Command45 = nullptr;
    QTimer *Timer4 = nullptr;

private:
    void buildControls();

    WordLookup *m_lookup = nullptr;
    DictionaryLoading *m_loading = nullptr;
    DictionaryCatalogue *m_catalogue = nullptr;
    ListBrowsing *m_browsing = nullptr;
    LetterWorkspace *m_letter = nullptr;
};
