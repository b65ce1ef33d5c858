#include "shell/MouseOver.h"

#include <QEvent>
#include <QWidget>

MouseOver::MouseOver(std::function<void()> action, QObject *parent) : QObject(parent), m_action(std::move(action)) {}

void MouseOver::watch(QWidget *control, std::function<void()> action)
{
    control->installEventFilter(new MouseOver(std::move(action), control));
}

bool MouseOver::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    if (event->type() == QEvent::Enter && m_action)
        m_action();
    return false;
}
