#include "shell/ControlActions.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

bool focusControl(QWidget *w)
{
    if (!w || !w->isVisible() || !w->isEnabled())
        return false;
    w->setFocus(Qt::OtherFocusReason);
    return true;
}

void sendKey(QWidget *window, Qt::Key key)
{
    if (!window)
        return;
    QPointer<QWidget> target = window;
    QTimer::singleShot(0, window, [target, key] {
        if (!target)
            return;
        QWidget *focus = target->focusWidget();
        QWidget *receiver = focus ? focus : target.data();
        QPointer<QWidget> alive = receiver;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &press);
        // The key press may have run a handler that removed the control.
        if (!alive)
            return;
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &release);
    });
}
