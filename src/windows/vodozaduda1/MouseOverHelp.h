#pragma once

#include "core/LocalText.h"
#include "windows/vodozaduda1/MainWindowControls.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>

class LetterOutput;
class ListBrowsing;
class ProgramState;
class QWidget;

// The main window explains the control under the mouse: the control lights up in its signal
// colour, the others go back to white, and its help text goes to the help line of the help
// window and to the description line Label4. The description line's own clicks are here too.
// A hover only recolours and rewrites captions: no file, no speech of its own.
class MouseOverHelp : public QObject
{
    Q_OBJECT
public:
    // The behaviour a hover shows or runs besides the controls.
    struct Concerns
    {
        ListBrowsing &browsing;     // "X" hides the part lists
        const LetterOutput &output; // the save path
    };

    // window is the form whose empty area restores the colours.
    MouseOverHelp(QWidget &window, const MainWindowControls &controls, Concerns concerns, ProgramState &state,
                  QObject *parent = nullptr);

    // "farbe": the reset set back to white.
    void Command34();
    // "Beschreibung :>": the example into the description line.
    void Command38_Click();
    // The mouse over the empty form area.
    void restore();

private:
    // The rows of the hover table, by kind of control.
    void watchColouredButtons();
    void watchOtherButtons();
    void watchFields();
    void watchLabels();
    void watchClicksAndAreas();

    static void over(QWidget *w, std::function<void(QWidget *)> action);
    // Reset, the control in its colour, the text to both places.
    void standard(QWidget *w, quint32 colour, const LocalText &text);
    void toBoth(const LocalText &text);
    void toHelpLine(const LocalText &text);
    // The description line, with the text's language beside it for reading it aloud.
    void toDescription(const LocalText &text);
    static void paint(QWidget *w, quint32 colour);
    static void paintAll(std::initializer_list<QWidget *> controls, quint32 colour);
    QString fileName() const;

    QWidget &m_window;
    MainWindowControls m_c;
    Concerns m_concerns;
    ProgramState &m_state;
    QString m_example;
};
