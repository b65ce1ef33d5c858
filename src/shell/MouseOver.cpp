#include "shell/MouseOver.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

MouseOver::MouseOver(std::function<void()> action, bool emptyArea, QObject *parent)
    : QObject(parent), m_action(std::move(action)), m_emptyArea(emptyArea)
{}

void MouseOver::watch(QWidget *control, std::function<void()> action)
{
    control->installEventFilter(new MouseOver(std::move(action), false, control));
}

void MouseOver::watchEmptyArea(QWidget *area, std::function<void()> action)
{
    area->setMouseTracking(true);
    area->installEventFilter(new MouseOver(std::move(action), true, area));
}

bool MouseOver::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_action)
        return false;
    if (event->type() == QEvent::Enter) {
        m_action();
    } else if (m_emptyArea && event->type() == QEvent::MouseMove) {
        // A move a child passed on to its parent is not one over the empty part.
        auto *area = static_cast<QWidget *>(watched);
        if (!area->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            m_action();
    }
    return false;
}
