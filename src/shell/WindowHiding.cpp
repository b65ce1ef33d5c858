#include "shell/WindowHiding.h"

#include <QWidget>

void WindowHiding::hide(QWidget &window, bool trayIconStands)
{
    if (trayIconStands)
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
