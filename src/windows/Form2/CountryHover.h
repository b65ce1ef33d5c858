#pragma once

#include "core/LocalText.h"

#include <QObject>

class FileListBox;
class ProgramState;
class QGroupBox;
class QListWidget;
class QPushButton;

struct CountryHoverControls
{
    QPushButton *start = nullptr;  // Command7 "Start >>"
    QPushButton *quit = nullptr;   // Command8 "Beenden X"
    QPushButton *apply = nullptr;  // Command22 "Übernehmen ?"
    QPushButton *exit = nullptr;   // Command24 "Exit"
    QGroupBox *frame = nullptr;    // Frame2 "Ihr Land wählen"
    FileListBox *files = nullptr;  // File1
    QListWidget *stored = nullptr; // List1
};

// The country window under the mouse: the button under it turns yellow and the others show
// their own colours again, and the help window shows what the mouse rests on.
class CountryHover : public QObject
{
    Q_OBJECT
public:
    CountryHover(const CountryHoverControls &controls, ProgramState &state, QObject *parent = nullptr);

private:
    // The button's caption as its tooltip and help text; it turns yellow.
    void overButton(QPushButton *button);
    void designColours();
    void showHelpText(const LocalText &text);

    CountryHoverControls m_c;
    ProgramState &m_state;
};
