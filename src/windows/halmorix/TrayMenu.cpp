#include "windows/halmorix/TrayMenu.h"

#include "core/Pause.h"
#include "core/ProgramState.h"
#include "core/WindowNames.h"
#include "shell/ControlText.h"

#include <QAction>
#include <QMenu>

TrayMenu::TrayMenu(const TrayMenuControls &controls, ProgramState &state, QObject *parent)
    : QObject(parent), m_c(controls), m_state(state)
{
    connect(m_c.beschreib, &QAction::triggered, this, &TrayMenu::beschreib_Click);
    connect(m_c.HilfeFenster, &QAction::triggered, this, &TrayMenu::HilfeFenster_Click);
    connect(m_c.sprecherfenster, &QAction::triggered, this, &TrayMenu::sprecherfenster_Click);
    connect(m_c.supert, &QAction::triggered, this, &TrayMenu::supert_Click);
    connect(m_c.ton, &QAction::triggered, this, &TrayMenu::ton_Click);
    connect(&m_state, &ProgramState::mutedChanged, this, &TrayMenu::nameSoundAction);
    connect(m_c.landeinstellung, &QAction::triggered, this, &TrayMenu::landeinstellung_Click);
    connect(m_c.sm, &QAction::triggered, this, &TrayMenu::sm_Click);
    connect(m_c.mnExit, &QAction::triggered, this, &TrayMenu::exitChosen);
}

void TrayMenu::popup(const QPoint &position)
{
    if (!m_c.mnBar->isEnabled())
        return;
    // A command chosen in the menu may unload windows while the menu's loop still runs.
    NestedLoopGuard guard;
    m_c.mnBar->exec(position);
}

void TrayMenu::setEnabled(bool enabled)
{
    m_c.mnBar->setEnabled(enabled);
    m_c.HilfeFenster->setEnabled(enabled);
    m_c.supert->setEnabled(enabled);
}

void TrayMenu::beschreib_Click()
{
    m_state.openDescription();
}

void TrayMenu::HilfeFenster_Click()
{
    m_state.openWindow(WindowNames::kHelp, ProgramState::Opening::BringBack);
}

void TrayMenu::sprecherfenster_Click()
{
    m_state.openWindow(WindowNames::kSpeaker, ProgramState::Opening::BringBack);
}

void TrayMenu::supert_Click()
{
    m_state.openWindow(WindowNames::kMain, ProgramState::Opening::BringBack);
}

void TrayMenu::ton_Click()
{
    // The caption names what the next click does.
    const bool muted = !m_state.isMuted();
    ControlText::setCaption(m_c.ton, m_state.text(muted ? CountryTexts::TonEin : CountryTexts::TonAus));
    m_state.setMuted(muted);
}

void TrayMenu::nameSoundAction(bool muted)
{
    // Once the entry names the next click, it follows the sound switched in the main window too;
    // until then it keeps the neutral caption the country file gives.
    const QString shown = m_c.ton->text();
    if (shown == m_state.text(CountryTexts::TonEin).text || shown == m_state.text(CountryTexts::TonAus).text)
        ControlText::setCaption(m_c.ton, m_state.text(muted ? CountryTexts::TonEin : CountryTexts::TonAus));
}

void TrayMenu::landeinstellung_Click()
{
    m_state.openCountryWindow(ProgramState::CountryOpening::FromWindow);
}

void TrayMenu::sm_Click()
{
    m_state.openWindow(WindowNames::kSettings, ProgramState::Opening::BringBack);
}
