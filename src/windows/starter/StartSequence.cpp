#include "windows/starter/StartSequence.h"

#include "core/ProgramDirectory.h"
#include "core/ProgramState.h"
#include "core/TextFile.h"
#include "core/WindowNames.h"
#include "localisation/FirstStart.h"
#include "localisation/StoredCountry.h"
#include "shell/Form.h"

#include <QFileInfo>

StartSequence::StartSequence(Form &window, const StartSequenceControls &controls, ProgramState &state, QObject *parent)
    : QObject(parent), m_window(window), m_c(controls), m_state(state)
{}

void StartSequence::start()
{
    if (!FirstStart::isFirst()) {
        // A stored country the user deleted comes back as the default one.
        if (!QFileInfo::exists(StoredCountry::path()))
            (void)StoredCountry::write({StoredCountry::kDefaultCountry});
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

bool StartSequence::writeLine(const QString &file, const QString &value)
{
    return TextFile::writeLines(ProgramDirectory::file(file), {value});
}

bool StartSequence::writeDefault(const QString &file, const QString &value, double pauseAfter)
{
    // A file that cannot be written keeps what it held; the chain goes on.
    (void)writeLine(file, value);
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
    (void)writeLine(QStringLiteral("stimm2.txt"), kDefaultVoice);
}

void StartSequence::chooseCountry()
{
    // Stored now, so that a later start has a country even if none is taken over.
    (void)StoredCountry::write({StoredCountry::kDefaultCountry});
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
