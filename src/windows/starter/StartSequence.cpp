#include "windows/starter/StartSequence.h"

#include "core/ProgramDirectory.h"
#include "core/ProgramState.h"
#include "core/TextFile.h"
#include "core/WindowNames.h"
#include "localisation/FirstStart.h"
#include "localisation/StoredCountry.h"
#include "shell/Form.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace {
QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}
}

StartSequence::StartSequence(Form &window, const StartSequenceControls &controls, ProgramState &state, QObject *parent)
    : QObject(parent), m_window(window), m_c(controls), m_state(state)
{}

void StartSequence::start()
{
    if (!FirstStart::isFirst()) {
        // A stored country the user deleted comes back as the default one.
        if (!QFileInfo::exists(StoredCountry::path()))
            (void)StoredCountry::write(items(m_c.List2));
        Command13_Click();
        return;
    }
    // Without "syso" nothing of the first start would stay, and every start would be a first one.
    (void)FirstStart::makeSettingsFolder();
    Command14_Click();
    if (m_window.isUnloaded())
        return;
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

void StartSequence::Command13_Click()
{
    // Loading the tray window puts up the icon; the window itself stays hidden.
    m_state.openWindow(WindowNames::kTray, ProgramState::Opening::Load);
    m_state.openCountryWindow(ProgramState::CountryOpening::Start);
    m_window.hide();
    m_state.setTrayMenuOn(true);
}

bool StartSequence::writeLines(const QString &file, const QString &value) const
{
    return TextFile::writeLines(ProgramDirectory::file(file), QStringList(m_c.List1->count() + 1, value));
}

bool StartSequence::writeDefault(const QString &file, const QString &value, double pauseAfter)
{
    m_c.Text5->setText(value);
    // A file that cannot be written keeps what it held; the chain goes on.
    (void)writeLines(file, m_c.Text5->text());
    return m_window.pause(pauseAfter);
}

void StartSequence::Command14_Click()
{
    if (writeDefault(FirstStart::kOptionen, QStringLiteral("0"), 0.7))
        Command15_Click();
}

void StartSequence::Command15_Click()
{
    if (writeDefault(FirstStart::kOptionen1, QStringLiteral("0"), 0.7))
        Command16_Click();
}

void StartSequence::Command16_Click()
{
    if (writeDefault(FirstStart::kUpdateDatum, QStringLiteral("20070501"), 0.7))
        Command17_Click();
}

void StartSequence::Command17_Click()
{
    if (writeDefault(FirstStart::kLetztesUpdate, QStringLiteral("03.03.2008"), 0.3))
        Command18_Click();
}

void StartSequence::Command18_Click()
{
    (void)writeLines(QStringLiteral("stimm2.txt"), m_c.Text6->text());
}

void StartSequence::chooseCountry()
{
    // Stored now, so that a later start has a country even if none is taken over.
    (void)StoredCountry::write(items(m_c.List2));
    m_state.openCountryWindow(ProgramState::CountryOpening::FirstRun);
}

void StartSequence::Command19_Click()
{
    chooseCountry();
    m_c.Picture2->hide();
    m_c.Command19->hide();
}

void StartSequence::Command9_Click()
{
    // Loading the tray window puts up the icon; the window itself stays hidden.
    m_state.openWindow(WindowNames::kTray, ProgramState::Opening::Load);
    m_window.hide();
    m_state.showHelpWindow();
    m_state.openWindow(WindowNames::kMain, ProgramState::Opening::BringBack);
    m_state.setTrayMenuOn(true);
}

void StartSequence::Command2_Click()
{
    m_state.openWindow(WindowNames::kTray);
    m_state.openCountryWindow(ProgramState::CountryOpening::Start);
}

void StartSequence::Command7_Click()
{
    m_state.hideWindow(WindowNames::kTray);
}
