#pragma once

class QWidget;

// Hiding a window the user must be able to bring back. Hidden for real only while the tray
// icon stands, whose menu shows it again; where the desktop has no tray the window is
// minimised instead, so the task bar still offers it.
class WindowHiding
{
public:
    static void hide(QWidget &window, bool trayIconStands);
    // Shows the window, also out of the task bar, and brings it to the front.
    static void bringBack(QWidget &window);
};
