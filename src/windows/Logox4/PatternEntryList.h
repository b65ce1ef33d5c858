#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QListWidget;

// The entry list of the speech settings window: pattern lines gathered from the entry field
// and the pattern file, counted, and written to "stimm.txt".
class PatternEntryList : public QObject
{
    Q_OBJECT
public:
    static inline const QString kNothingEntered = QStringLiteral("Sie haben nichts eingegeben!");

    // list2 holds the entries, text2 is the entry field, label1UE the count, list1 the
    // working list entries are taken over from.
    PatternEntryList(QListWidget *list2, QLineEdit *text2, QLabel *label1UE, QListWidget *list1,
                     QObject *parent = nullptr);

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

    QListWidget *m_List2 = nullptr;
    QLineEdit *m_Text2 = nullptr;
    QLabel *m_Label1UE = nullptr;
    QListWidget *m_List1 = nullptr;
};
