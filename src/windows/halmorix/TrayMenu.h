#pragma once

#include <QObject>

class ProgramState;
class QAction;
class QMenu;
class QPoint;

struct TrayMenuControls
{
    QMenu *mnBar = nullptr;
    QAction *beschreib = nullptr;       // "Beschreibung"
    QAction *HilfeFenster = nullptr;    // "Hilfe-Fenster:"
    QAction *sprecherfenster = nullptr; // "Sprecher"
    QAction *supert = nullptr;          // "Translator"
    QAction *ton = nullptr;             // "Ton ein-aus"
    QAction *landeinstellung = nullptr; // "Land-Einstellung"
    QAction *sm = nullptr;              // "Stimm-Muster"
    QAction *mnExit = nullptr;          // "Exit"
};

// The tray icon's popup menu: every window of the program, the sound, the description and
// the end.
class TrayMenu : public QObject
{
    Q_OBJECT
public:
    TrayMenu(const TrayMenuControls &controls, ProgramState &state, QObject *parent = nullptr);

    // At the mouse; runs until the menu closes. Not while the menu is switched off: nothing
    // in it could be chosen, not even its closing.
    void popup(const QPoint &position);
    // The menu and its entries "Hilfe-Fenster:" and "Translator", on or off.
    void setEnabled(bool enabled);

    void beschreib_Click();
    void HilfeFenster_Click();
    void sprecherfenster_Click();
    void supert_Click();
    void ton_Click();
    void nameSoundAction(bool muted);
    void landeinstellung_Click();
    void sm_Click();

signals:
    // "Exit": the window removes its icon and ends the program.
    void exitChosen();

private:
    TrayMenuControls m_c;
    ProgramState &m_state;
};
