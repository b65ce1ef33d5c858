#pragma once

// The composition root: the one place that knows every window. It registers them with the
// window shell by name, wires the keys every window shares, and runs the program.
class Program
{
public:
    // The window that starts the program.
    static constexpr const char *kStartWindow = "starter";

    // Every window by name, the main window as the anchor others place themselves against,
    // and F1, F2 and F3 for every window.
    static void registerWindows();
    // Qt's own dialogs (file, print, message buttons) in German, from Qt's translations.
    // False when they are not installed; the dialogs then stay in English.
    static bool translateQtDialogs();
    // Needs the application object. Makes the speech service, loads the start window (whose
    // load shows what the start shows), runs the event loop, then destroys every window and
    // after them the speech service.
    static int run();
};
