#pragma once

#include <Qt>

class QWidget;

// Gives w the focus. False for a hidden or disabled control, which cannot take it.
bool focusControl(QWidget *w);

// Queues a key press for the control that has the focus in window when the events are next
// processed (during a pause, or after the current handler returns).
void sendKey(QWidget *window, Qt::Key key);
