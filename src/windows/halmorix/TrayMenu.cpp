#include "windows/halmorix/TrayMenu.h"

#include "core/Pause.h"
#include "core/ProgramDirectory.h"
#include "localisation/HelpPage.h"
#include "shell/FormRegistry.h"
#include "shell/Shell.h"
#include "shell/WindowHiding.h"
#include "windows/Form1/Form1.h"
#include "windows/Form2/Form2.h"
#include "windows/Logox4/Logox4.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include <QAction>
#include <QMenu>

namespace {
void bringBack(const char *name)
{
    if (Form *window = FormRegistry::instance().load(QLatin1String(name)))
        WindowHiding::bringBack(*window);
}
}

TrayMenu::TrayMenu(const TrayMenuControls &controls, QObject *parent) : QObject(parent), m_c(controls)
{
    connect(m_c.beschreib, &QAction::triggered, this, &TrayMenu::beschreib_Click);
    connect(m_c.HilfeFenster, &QAction::triggered, this, &TrayMenu::HilfeFenster_Click);
    connect(m_c.sprecherfenster, &QAction::triggered, this, &TrayMenu::sprecherfenster_Click);
    connect(m_c.supert, &QAction::triggered, this, &TrayMenu::supert_Click);
    connect(m_c.ton, &QAction::triggered, this, &TrayMenu::ton_Click);
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
    hilfe1 *help = form<hilfe1>();
    if (!help)
        return;
    // The path is the help window's, which a country file may set: only a page of the program opens.
    const QString page = HelpPage::file(ProgramDirectory::path(), help->descriptionPath());
    if (!page.isEmpty())
        Shell::openFile(page);
}

void TrayMenu::HilfeFenster_Click()
{
    bringBack(hilfe1::kName);
}

void TrayMenu::sprecherfenster_Click()
{
    bringBack(Form1::kName);
}

void TrayMenu::supert_Click()
{
    bringBack(vodozaduda1::kName);
}

void TrayMenu::ton_Click()
{
    vodozaduda1 *main = form<vodozaduda1>();
    if (!main)
        return;
    // The caption names what the next click does.
    if (main->isMuted()) {
        m_c.ton->setText(QStringLiteral("Ton Aus"));
        main->setMuted(false);
    } else {
        m_c.ton->setText(QStringLiteral("Ton Ein"));
        main->setMuted(true);
    }
}

void TrayMenu::landeinstellung_Click()
{
    if (Form2 *country = form<Form2>())
        country->open(Form2::Opening::FromWindow);
}

void TrayMenu::sm_Click()
{
    bringBack(Logox4::kName);
}
