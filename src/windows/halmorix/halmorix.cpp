#include "windows/halmorix/halmorix.h"

#include "core/ProgramState.h"
#include "shell/ControlFactory.h"
#include "shell/ControlText.h"
#include "shell/FormRegistry.h"
#include "shell/ProgramIcon.h"
#include "shell/Twips.h"
#include "windows/halmorix/TrayMenu.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace {
QAction *item(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *separator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    // A line, as the design's "-" caption means; the style would print the dash beside it.
    action->setObjectName(QLatin1String(name));
    return action;
}
}

halmorix::halmorix(ProgramState &state, QWidget *parent) : Form(parent), m_tray(TrayIcon::create()), m_state(state)
{
    setWindowTitle(QStringLiteral("Halmorix"));
    setWindowIcon(ProgramIcon::icon());
    buildControls();

    TrayMenuControls c;
    c.mnBar = m_mnBar;
    c.beschreib = m_beschreib;
    c.HilfeFenster = m_HilfeFenster;
    c.sprecherfenster = m_sprecherfenster;
    c.supert = m_supert;
    c.ton = m_ton;
    c.landeinstellung = m_landeinstellung;
    c.sm = m_sm;
    c.mnExit = m_mnExit;
    m_menu = new TrayMenu(c, state, this);
    // Off until the start hands over: before that there is no window to go to.
    m_menu->setEnabled(state.isTrayMenuOn());
    connect(&state, &ProgramState::trayMenuChanged, m_menu, &TrayMenu::setEnabled);
    connect(m_menu, &TrayMenu::exitChosen, this, &halmorix::mnExit_Click);

    connect(m_Command1, &QPushButton::clicked, this, &halmorix::Command1);
    connect(m_Command2, &QPushButton::clicked, this, &halmorix::Command2);
    connect(m_Command3, &QPushButton::clicked, this, &halmorix::Command3);
    connect(m_ende, &QPushButton::clicked, this, &halmorix::ende);
    // The icon's mouse events come through the tray seam, not through a picture box.
    if (m_tray) {
        // Queued: the menu and what it runs (Exit removes the icon) must not run inside the
        // icon's own mouse handler, which would return into a deleted icon.
        connect(m_tray.get(), &TrayIcon::clicked, this, &halmorix::iconClicked, Qt::QueuedConnection);
        m_tray->setMenu(m_mnBar);
    }
}

halmorix::~halmorix() = default;

void halmorix::buildControls()
{
    setFixedSize(Twips::toPixels(2400), Twips::toPixels(1800));

    m_mnBar = new QMenu(QStringLiteral("Menu"), this);
    m_mnBar->setObjectName(QStringLiteral("mnBar"));
    m_beschreib = item(m_mnBar, "beschreib", QStringLiteral("Beschreibung"));
    m_HilfeFenster = item(m_mnBar, "HilfeFenster", QStringLiteral("Hilfe-Fenster:"));
    m_lee5 = separator(m_mnBar, "lee5");
    m_sprecherfenster = item(m_mnBar, "sprecherfenster", QStringLiteral("Sprecher"));
    m_supert = item(m_mnBar, "supert", QStringLiteral("Translator"));
    m_leer1 = separator(m_mnBar, "leer1");
    m_ton = item(m_mnBar, "ton", QStringLiteral("Ton ein-aus"));
    m_landeinstellung = item(m_mnBar, "landeinstellung", QStringLiteral("Land-Einstellung"));
    m_sm = item(m_mnBar, "sm", QStringLiteral("Stimm-Muster"));
    m_upleer = separator(m_mnBar, "upleer");
    m_mnExit = item(m_mnBar, "mnExit", QString());
    ControlText::setCaption(m_mnExit, m_state.text(CountryTexts::Exit));

    m_Command3 = ControlFactory::button(this, "Command3", QStringLiteral("halmorix true"), 120, 120, 2100, 375);
    m_Command2 = ControlFactory::button(this, "Command2", QStringLiteral("halmorix false"), 120, 540, 2100, 375);
    m_Command1 = ControlFactory::button(this, "Command1", QStringLiteral("Command1"), 120, 960, 1020, 375);
    m_ende = ControlFactory::button(this, "ende", QStringLiteral("ende"), 1200, 960, 1020, 375);
}

void halmorix::load()
{
    hide();
    m_mnBar->hide();
    // Where the desktop has no notification area the program runs without an icon.
    if (m_tray)
        (void)m_tray->add(windowIcon(), kToolTip);
    m_state.setTrayIcon(hasTrayIcon());
}

bool halmorix::hasTrayIcon() const
{
    return m_tray && m_tray->isShown();
}

void halmorix::iconClicked(TrayIcon::Click click, const QPoint &position)
{
    switch (click) {
    case TrayIcon::Click::LeftDouble:
    case TrayIcon::Click::RightDouble:
    case TrayIcon::Click::Activate:
        m_menu->supert_Click();
        break;
    case TrayIcon::Click::RightRelease:
        m_menu->popup(position);
        break;
    case TrayIcon::Click::Other:
        break;
    }
}

void halmorix::mnExit_Click()
{
    // Taken away first, so that no icon is left behind in the notification area.
    removeIcon();
    FormRegistry::instance().unload(this, FromCode);
    m_state.endProgram();
}

bool halmorix::queryUnload(int unloadMode)
{
    hide();
    const bool mayUnload = unloadMode == FromCode || unloadMode == FromSession;
    if (mayUnload)
        removeIcon();
    // The program ends through the main window's exit.
    m_state.endProgram(ProgramState::Ending::MainWindowFirst);
    return mayUnload;
}

void halmorix::removeIcon()
{
    if (m_tray)
        m_tray->remove();
    m_state.setTrayIcon(false);
}

void halmorix::Command1()
{
    hide();
}

void halmorix::Command2()
{
    m_state.setTrayMenuOn(false);
}

void halmorix::Command3()
{
    m_state.setTrayMenuOn(true);
}

void halmorix::ende()
{
    FormRegistry::instance().unload(this, FromCode);
    m_state.endProgram();
}
