#include "shell/WindowHiding.h"

#include "shell/FormRegistry.h"
#include "windows/halmorix/halmorix.h"

#include <QWidget>

void WindowHiding::hide(QWidget &window)
{
    // Asked only, never loaded: loading the tray window would put up an icon.
    const auto *tray = qobject_cast<halmorix *>(FormRegistry::instance().find(QLatin1String(halmorix::kName)));
    if (tray && tray->hasTrayIcon())
        window.hide();
    else
        window.showMinimized();
}

void WindowHiding::bringBack(QWidget &window)
{
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}
