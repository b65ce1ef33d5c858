#pragma once

#include <QObject>
#include <QStringList>

class ProgramState;
class QLineEdit;
class QListWidget;

// The entry list of the speech settings window: pattern lines gathered from the entry field
// and the pattern file, counted, and written to "stimm.txt".
class PatternEntryList : public QObject
{
    Q_OBJECT
public:
    // text2 is the entry field, list1 the working list entries are taken over from.
    PatternEntryList(QLineEdit *text2, QListWidget *list1, const ProgramState &state, QObject *parent = nullptr);

    // The entries (List2) and what their count says (Label1UE).
    QStringList entries() const { return m_entries; }
    QString countCaption() const { return m_count; }

    // "Eintrag hinzufügen": the entry field's text added, or a message when it is empty.
    void Command3();
    // "öffne": the lines of the pattern file added behind the entries.
    void Command4();
    // "Datei öffnen": the entries replaced by the lines of the pattern file.
    void offne();
    // "speichern": false when "stimm.txt" could not be written.
    [[nodiscard]] bool speichernUE();
    // "loese1"
    void loese1();
    // "übernehme": the selected line of the working list into the entry field.
    void uebernehme();
    // "Muster übernehmen", "Eigenes Muster": the focus into the entry field.
    void focusEntry();

private:
    void addPatternFile();
    void count();

    QLineEdit *m_Text2 = nullptr;
    QListWidget *m_List1 = nullptr;
    QStringList m_entries;
    QString m_count;
    const ProgramState &m_state;
};
