#pragma once

#include "core/ProgramState.h"
#include "core/WindowNames.h"

// The composition root: the one place that knows every window. It makes the program state,
// registers every window with the window shell by name (each made with the state), carries out
// what windows ask of the program through the state, wires the keys every window shares, and
// runs the program.
class Program
{
public:
    // The window that starts the program.
    static constexpr const char *kStartWindow = WindowNames::kStarter;

    // Needs the application object. Registers the windows; none is loaded yet.
    Program();
    // Forgets the windows; those still loaded are deleted first, since they hold the state.
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    ProgramState &state() { return m_state; }

    // The size of the application's font, which every window's measures were made for.
    static constexpr int kDesignPointSize = 8;
    // Needs the application object.
    static void useDesignFont();
    // Qt's own dialogs (file, print, message buttons) in a language ("de", "en", ...), from
    // Qt's translations, instead of the one before. False when Qt has none for it, or they are
    // not installed; the dialogs then speak English.
    static bool translateQtDialogs(const QString &language = QStringLiteral("de"));
    // Needs the application object. Makes the speech service and the program, loads the start
    // window (whose load shows what the start shows), runs the event loop, then destroys every
    // window and after them the speech service.
    static int run();

private:
    void registerWindows();
    void carryOutRequests();

    ProgramState m_state;
};
