#include "windows/Logox4/PatternEntryList.h"

#include "core/ProgramDirectory.h"
#include "core/ProgramState.h"
#include "core/TextFile.h"
#include "shell/ControlActions.h"
#include "shell/MessageBox.h"
#include "speech/VoicePattern.h"

#include <QLineEdit>
#include <QListWidget>

PatternEntryList::PatternEntryList(QLineEdit *text2, QListWidget *list1, const ProgramState &state, QObject *parent)
    : QObject(parent), m_Text2(text2), m_List1(list1), m_state(state)
{}

void PatternEntryList::count()
{
    m_count = QString::number(m_entries.size()) + QStringLiteral(" Einträge in der Listbox");
}

void PatternEntryList::Command3()
{
    if (m_Text2->text().isEmpty()) {
        MessageBox::show(m_state.text(CountryTexts::NichtsEingegeben).text);
        focusControl(m_Text2);
        return;
    }
    m_entries.append(m_Text2->text());
    m_Text2->clear();
    count();
}

void PatternEntryList::addPatternFile()
{
    m_entries.append(VoicePattern::read(ProgramDirectory::file(VoicePattern::fileName())).value_or(QStringList()));
}

void PatternEntryList::Command4()
{
    addPatternFile();
    count();
}

void PatternEntryList::offne()
{
    m_entries.clear();
    addPatternFile();
    count();
}

bool PatternEntryList::speichernUE()
{
    return TextFile::writeLines(ProgramDirectory::file(u"stimm.txt"), m_entries);
}

void PatternEntryList::loese1()
{
    m_entries.clear();
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
