#pragma once

class QAccessibleEvent;
class QWidget;

// What assistive technology (a screen reader, through the accessibility bus) meets in the
// program's windows. Activating a control through the bus does what a mouse click on it does:
// a check box is clicked, not just toggled; a label that answers clicks is clicked; choosing a
// list entry makes it the current one, as a click does. Controls out of sight are invisible to
// it and nothing they do is reported.
class ControlAccessibility
{
public:
    // Once, after the application object exists.
    static void install();
    // A window's controls, once the window is loaded.
    static void prepare(QWidget &window);

    // Whether an event reaches the accessibility bus; the focus it lets through is noted.
    [[nodiscard]] static bool passes(const QAccessibleEvent &event);

    // A control and what lies in it get their accessible interfaces made anew, after it came
    // into or went out of sight.
    static void renew(QWidget *control);
    static void leavesSight(QWidget *control);
    static void entersSight(QWidget *control);
};
