#include "windows/Form2/CountryChoice.h"

#include "core/ProgramDirectory.h"
#include "core/ProgramState.h"
#include "core/WindowNames.h"
#include "localisation/CountryKeys.h"
#include "localisation/StoredCountry.h"
#include "shell/ControlActions.h"
#include "shell/CountryApply.h"
#include "shell/FileListBox.h"
#include "shell/FormRegistry.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
const QString kAllCountries = QStringLiteral("*.txt");

// A country file name as the country list takes it: a name in the folder, no path, no pattern.
bool isCountryFile(const QString &folder, const QString &name)
{
    static const QString kNotInAName = QStringLiteral("/\\*?[]");
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name)
        if (kNotInAName.contains(c))
            return false;
    return QFileInfo(QDir(folder).filePath(name)).isFile();
}

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}
}

CountryChoice::CountryChoice(Form &window, const CountryChoiceControls &controls, ProgramState &state, QObject *parent)
    : QObject(parent), m_window(window), m_c(controls), m_state(state)
{
    // A file marked, by the user or by the program. Not the current row alone: a list that
    // gets the focus makes its first row current without marking it, and that is no choice.
    connect(m_c.File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_c.File1->fileName().isEmpty())
            File1_Click();
    });
}

QString CountryChoice::folder()
{
    return ProgramDirectory::file(u"land");
}

void CountryChoice::load()
{
    m_c.File1->setPattern(kAllCountries);
    m_c.File1->setPath(folder());
    // Names no country file: applying before a choice empties the texts. Kept inside the
    // program directory, which is the only place the program reads.
    m_LandDatei = ProgramDirectory::file(u"File1");
    m_c.Frame1->setTitle(m_c.File1->fileName());
    m_c.Text1->setText(CountryKeys::kSection);
    Command23_Click();
}

void CountryChoice::File1_Click()
{
    // A key queued before the window was unloaded must not apply anything (nor load it anew).
    if (m_window.isUnloaded())
        return;
    m_LandDatei = ProgramDirectory::file(QStringLiteral("land/") + m_c.File1->fileName());
    m_c.Frame1->setTitle(m_LandDatei);
    Command12_Click();
    m_c.Command22->show();
    m_window.setFixedHeight(m_c.openHeight);
    m_c.Command24->hide();
}

void CountryChoice::Command22_Click()
{
    Command6_Click();
    Command17_Click();
    if (!m_window.pause(0.5))
        return;
    Command7_Click();
}

void CountryChoice::Command7_Click()
{
    Command16_Click();
    if (!m_window.pause(0.5))
        return;
    Command12_Click();
    if (!m_window.pause(0.5))
        return;
    Command18_Click();
    Command10_Click();
    m_c.Command24->hide();
    m_state.openWindow(WindowNames::kMain, ProgramState::Opening::BringBack);
    FormRegistry::instance().unload(&m_window, Form::FromCode);
}

void CountryChoice::Command12_Click()
{
    CountryApply::apply(m_LandDatei, m_c.Text1->text(), m_state);
}

void CountryChoice::Command23_Click()
{
    m_c.List1->clear();
    m_c.List1->addItems(StoredCountry::read());
}

void CountryChoice::Command16_Click()
{
    Command23_Click();
    m_c.List1->setCurrentRow(0);
    const QString stored = m_c.List1->count() > 0 ? m_c.List1->item(0)->text().trimmed() : QString();
    m_c.File1->setPattern(isCountryFile(folder(), stored) ? stored : StoredCountry::kDefaultCountry);
    // Nothing marked, so that marking the first file below is a click that applies it.
    m_c.File1->setCurrentRow(-1);
}

void CountryChoice::Command17_Click()
{
    // A choice that cannot be stored (no "syso" folder, write protection) leaves the old one.
    (void)StoredCountry::write(items(m_c.List1));
}

void CountryChoice::Command6_Click()
{
    m_c.List1->clear();
    m_c.List1->addItem(m_c.File1->fileName());
}

void CountryChoice::Command18_Click()
{
    selectFirst();
    focusControl(m_c.File1);
    sendKey(&m_window, Qt::Key_Down);
    sendKey(&m_window, Qt::Key_Up);
}

void CountryChoice::Command11_Click()
{
    m_c.File1->refresh();
    m_c.File1->setPath(folder());
    m_LandDatei = ProgramDirectory::file(u"File1");
    m_c.Frame1->setTitle(m_c.File1->fileName());
}

void CountryChoice::Command20_Click()
{
    m_c.File1->setCurrentRow(-1);
    m_c.File1->setPattern(kAllCountries);
    Command11_Click();
}

void CountryChoice::Command10_Click()
{
    m_c.File1->refresh();
    selectFirst();
}

void CountryChoice::Command21_Click()
{
    const QListWidgetItem *item = m_c.List1->currentItem();
    m_LandDatei = ProgramDirectory::file(item ? item->text() : QString());
}

void CountryChoice::selectFirst()
{
    if (m_c.File1->count() > 0)
        m_c.File1->setCurrentRow(0);
}
