#include "windows/Form2/IniTestPanel.h"

#include "localisation/IniAccess.h"

#include <QLineEdit>
#include <QPushButton>

IniTestPanel::IniTestPanel(const IniPanelControls &controls, FileSource file, QObject *parent)
    : QObject(parent), m_c(controls), m_file(std::move(file))
{
    connect(m_c.write, &QPushButton::clicked, this, &IniTestPanel::Command1_Click);
    connect(m_c.read, &QPushButton::clicked, this, &IniTestPanel::Command2_Click);
    connect(m_c.deleteKey, &QPushButton::clicked, this, &IniTestPanel::Command3_Click);
    connect(m_c.deleteSection, &QPushButton::clicked, this, &IniTestPanel::Command4_Click);
}

QString IniTestPanel::key(int index)
{
    return QStringLiteral("Key%1").arg(index + 1);
}

void IniTestPanel::Command1_Click()
{
    for (int i = 0; i < int(m_c.values.size()); ++i)
        (void)IniAccess::IniSchreiben(m_file(), m_c.section->text(), key(i), m_c.values[i]->text());
}

void IniTestPanel::Command2_Click()
{
    for (int i = 0; i < int(m_c.values.size()); ++i)
        m_c.values[i]->setText(IniAccess::IniLesen(m_file(), m_c.section->text(), key(i)));
}

void IniTestPanel::Command3_Click()
{
    Command2_Click();
}

void IniTestPanel::Command4_Click()
{
    (void)IniAccess::IniSectionLoeschen(m_file(), m_c.section->text());
    Command2_Click();
}
