#include "shell/FocusNotice.h"

#include <QEvent>
#include <QWidget>

FocusNotice::FocusNotice(std::function<void()> action, QObject *parent) : QObject(parent), m_action(std::move(action))
{}

void FocusNotice::watch(QWidget *control, std::function<void()> action)
{
    control->installEventFilter(new FocusNotice(std::move(action), control));
}

bool FocusNotice::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    if (event->type() == QEvent::FocusIn && m_action)
        m_action();
    return false;
}
