#pragma once

#include "core/WindowNames.h"
#include "shell/Form.h"
#include "shell/TrayIcon.h"

#include <memory>

class ProgramState;
class QAction;
class QMenu;
class QPushButton;
class TrayMenu;

// The tray window "Halmorix", never shown: it owns the program's icon in the notification
// area and the popup menu that opens from it.
class halmorix : public Form
{
    Q_OBJECT
public:
    static constexpr const char *kName = WindowNames::kTray;
    static inline const QString kToolTip = QStringLiteral("HX-Tolkarin!");

    explicit halmorix(ProgramState &state, QWidget *parent = nullptr);
    ~halmorix() override;

    void load() override;
    // Hidden, and the program ends through the main window. Only the program itself or the
    // desktop session ending may unload the window; they also take the icon away.
    bool queryUnload(int unloadMode) override;

    // Whether the icon stands, so that a window hidden now can be brought back through it.
    bool hasTrayIcon() const;

    // Buttons outside the visible area.
    void Command1(); // "Command1": hides the window
    void Command2(); // "halmorix false": the menu off for every window
    void Command3(); // "halmorix true": the menu on for every window
    void ende();     // unloads the window and ends the program

private:
    void buildControls();
    void iconClicked(TrayIcon::Click click, const QPoint &position);
    void mnExit_Click();
    void removeIcon();

    QMenu *m_mnBar = nullptr;
    QAction *m_beschreib = nullptr;
    QAction *m_HilfeFenster = nullptr;
    QAction *m_lee5 = nullptr;
    QAction *m_sprecherfenster = nullptr;
    QAction *m_supert = nullptr;
    QAction *m_leer1 = nullptr;
    QAction *m_ton = nullptr;
    QAction *m_landeinstellung = nullptr;
    QAction *m_sm = nullptr;
    QAction *m_upleer = nullptr;
    QAction *m_mnExit = nullptr;
    QPushButton *m_Command3 = nullptr;
    QPushButton *m_Command2 = nullptr;
    QPushButton *m_Command1 = nullptr;
    QPushButton *m_ende = nullptr;

    TrayMenu *m_menu = nullptr;
    std::unique_ptr<TrayIcon> m_tray;
    ProgramState &m_state;
};
