#include "windows/Logox4/PatternEntryList.h"

#include "core/ProgramDirectory.h"
#include "core/TextFile.h"
#include "shell/ControlActions.h"
#include "shell/MessageBox.h"
#include "speech/VoicePattern.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

PatternEntryList::PatternEntryList(QListWidget *list2, QLineEdit *text2, QLabel *label1UE, QListWidget *list1,
                                   QObject *parent)
    : QObject(parent), m_List2(list2), m_Text2(text2), m_Label1UE(label1UE), m_List1(list1)
{}

void PatternEntryList::count()
{
    m_Label1UE->setText(QString::number(m_List2->count()) + QStringLiteral(" Einträge in der Listbox"));
}

void PatternEntryList::Command3()
{
    if (m_Text2->text().isEmpty()) {
        MessageBox::show(kNothingEntered);
        focusControl(m_Text2);
        return;
    }
    m_List2->addItem(m_Text2->text());
    m_Text2->clear();
    count();
}

void PatternEntryList::addPatternFile()
{
    m_List2->addItems(VoicePattern::read(ProgramDirectory::file(VoicePattern::fileName())).value_or(QStringList()));
}

void PatternEntryList::Command4()
{
    addPatternFile();
    count();
}

void PatternEntryList::offne()
{
    m_List2->clear();
    addPatternFile();
    count();
}

bool PatternEntryList::speichernUE()
{
    QStringList lines;
    for (int i = 0; i < m_List2->count(); ++i)
        lines << m_List2->item(i)->text();
    return TextFile::writeLines(ProgramDirectory::file(u"stimm.txt"), lines);
}

void PatternEntryList::loese1()
{
    m_List2->clear();
}

void PatternEntryList::uebernehme()
{
    focusControl(m_List1);
    const QListWidgetItem *selected = m_List1->currentItem();
    m_Text2->setText(selected && selected->isSelected() ? selected->text() : QString());
}

void PatternEntryList::focusEntry()
{
    focusControl(m_Text2);
}
