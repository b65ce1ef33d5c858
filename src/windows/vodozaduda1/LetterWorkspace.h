#pragma once

#include <QObject>
#include <QStringList>

class Form;
class ProgramState;
class ListBrowsing;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTimer;
class WordLookup;

// The controls of the letter side of the main window.
struct LetterControls
{
    QPlainTextEdit *text6 = nullptr; // the letter
    QCheckBox *check2 = nullptr;     // "schreiben": collect translations, wide window
    QCheckBox *check3 = nullptr;     // "Stimme": voice list from the pattern file
    QLineEdit *text3 = nullptr;
    QLineEdit *text5 = nullptr;
    QListWidget *list5 = nullptr;
    QListWidget *list6 = nullptr;
    QLabel *label4 = nullptr; // description label
    QTimer *timer4 = nullptr; // focus back to the input field
};

// The letter side: translations collected into the letter, single fields, the entry or the
// whole letter read aloud, and the voice prefix list.
class LetterWorkspace : public QObject
{
    Q_OBJECT
public:
    static constexpr int kNarrowWidth = 5925;
    static constexpr int kWideWidth = 11565;
    static constexpr int kWideLeft = 500;
    // Widths count the window's frame: the design client area is this much narrower.
    static constexpr int kFrameWidth = 120;

    LetterWorkspace(Form &window, const LetterControls &controls, WordLookup &lookup, ProgramState &state,
                    QObject *parent = nullptr);

    void Check2_Click();
    void Check3_Click();
    // Enter with "schreiben" ticked: translate, then append the translation to the caret's line.
    void collect();
    void Command32_Click();
    void Command47_Click();
    void Command33_Click();
    void Command22_Click();
    void Command24_Click();
    void Command26_Click();
    void Command27_Click();
    void Command23_Click();
    void Label4_DblClick();
    // The voice list from the pattern file.
    void Command42_Click();
    // The voice list from a pattern handed over.
    void takeOverVoices(const QStringList &pattern);
    void Command21_Click();
    void Command25_Click();
    // F7: the letter read aloud, then the focus into the letter.
    void readLetterKey();

private:
    enum class Field { First, Second, Third };
    void speakField(Field field);
    // The voice prefix and the letter through the "Hilfe" road; false when a step failed.
    bool readLetter();
    bool writeHandOff(const QString &text);
    // The letter as one text with the line ends it has in the hand-off file.
    QString letterText() const;
    void writeProtected();
    // Fills the voice list and marks its first entry once the current handler is done.
    void reloadVoices(const QStringList &entries);

    Form &m_window;
    LetterControls m_c;
    WordLookup &m_lookup;
    ProgramState &m_state;
};
