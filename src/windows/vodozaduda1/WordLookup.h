#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <memory>

class CountryTexts;
class Form;
class LookupHint;
class ProgramState;
class PartList;
class WordForms;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

// The controls of the main window that the lookup works on.
struct LookupControls
{
    QLineEdit *text3 = nullptr; // input field, "Textfeld 1"
    QLineEdit *text1 = nullptr; // search field, "Textfeld 2"
    QLineEdit *text5 = nullptr; // current entry as displayed
    std::array<PartList *, 4> lists{};
    QListWidget *list5 = nullptr; // fields of the current entry
    QListWidget *list6 = nullptr; // voice prefixes
    QCheckBox *check1 = nullptr;  // focus target after Enter
    QCheckBox *check2 = nullptr;  // collect translations into the letter
    QLabel *label10 = nullptr;
    QLabel *label11 = nullptr;
    QLabel *label4 = nullptr; // description line: under which entry a form was found
};

// Word lookup and translation: every keystroke searches the four part lists, Enter splits
// the current entry, selects the translation and hands it to speech. A word typed into the
// input field that is no entry is found under its base form when one is ("Kinder" under Kind);
// when none is, spellings that are entries are offered once typing pauses.
class WordLookup : public QObject
{
    Q_OBJECT
public:
    WordLookup(Form &window, const LookupControls &controls, ProgramState &state, QObject *parent = nullptr);

    static QString speechRuntimeMessage(const CountryTexts &texts);

    // Enter with "schreiben" ticked: the letter side appends the translation instead.
    void setCollector(std::function<void()> collect) { m_collect = std::move(collect); }
    // The word forms of the loaded dictionary; without them only the exact entry is found.
    void setWordForms(std::shared_ptr<const WordForms> forms);

    void Text3_Change();
    void Text1_Change();
    void List_Click(int part);
    // The current entry as its dictionary line holds it (Text4); shown in Text5 when it changes.
    QString entry() const { return m_entry; }
    void setEntry(const QString &line);
    void Text5_Change();
    void Check1_Click();

    void Command29_Click();
    void Command7_Click();
    void Command8_Click();
    void Command11_Click();
    // Speaks the hand-off file just written, a text in that language.
    void Command39_Click(const QString &language = {});
    // The languages of the loaded dictionary's first field and translation.
    QString sourceLanguage() const;
    QString targetLanguage() const;
    void Command16_Click();

    // The text of the selected item of a field or voice list; empty without a selection.
    static QString selectedText(const QListWidget *list);
    // What is put in front of a spoken text: the selected voice line and the pattern lines
    // after it, so that a stored pattern's speed, volume and the rest apply, not its voice alone.
    static QString voicePrefix(const QListWidget *voices);
    // Selects a row of a field or voice list; false when there is no such row.
    static bool selectRow(QListWidget *list, int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hideLists();
    void enableLists();
    // Selects the first line beginning with wanted in each list, as the search does; true when
    // any list has one.
    bool selectInLists(const QString &wanted);
    // After the exact lookup of the input field: a form's entry, or the hint of a miss.
    void lookUpForm();

    Form &m_window;
    LookupControls m_c;
    QString m_entry;
    ProgramState &m_state;
    std::function<void()> m_collect;
    std::shared_ptr<const WordForms> m_forms;
    LookupHint *m_hint = nullptr;
    bool m_found = false; // the last search selected an entry
};
