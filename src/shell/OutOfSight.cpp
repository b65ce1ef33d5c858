#include "shell/OutOfSight.h"

#include "shell/ControlAccessibility.h"
#include "shell/Controls.h"

#include <QEvent>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char *kMark = "outOfSight";
// The focus policy the control had in sight, to give back when it comes into sight again.
constexpr const char *kPolicyInSight = "focusPolicyInSight";

// Whether any part of the control shows inside its window, through the frames it lies in.
bool inSight(const QWidget *control, const QWidget &window)
{
    QRect visible = control->rect();
    for (const QWidget *w = control; w != &window; w = w->parentWidget()) {
        const QWidget *parent = w->parentWidget();
        if (!parent)
            return false;
        visible = visible.translated(w->pos()) & parent->rect();
        if (visible.isEmpty())
            return false;
    }
    return true;
}

// Whether a control shown above it, later among its siblings, covers it all but its edge, as
// the country window's "Exit" covers "Beenden X" until it is hidden.
bool covered(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    if (!parent)
        return false;
    constexpr int kEdge = 2;
    const QRect own = control->geometry().adjusted(kEdge, kEdge, -kEdge, -kEdge);
    bool above = false;
    for (const QObject *child : parent->children()) {
        if (child == control) {
            above = true;
            continue;
        }
        const auto *w = qobject_cast<const QWidget *>(child);
        if (above && w && !w->isWindow() && w->isVisibleTo(parent) && w->geometry().contains(own))
            return true;
    }
    return false;
}

void mark(QWidget *control, bool out)
{
    if (control->property(kMark).toBool() == out)
        return;
    if (out) {
        // Told while it is still in sight: assistive technology drops it from its view.
        ControlAccessibility::leavesSight(control);
        control->setProperty(kMark, true);
        const Qt::FocusPolicy policy = control->focusPolicy();
        control->setProperty(kPolicyInSight, int(policy));
        // Out of the Tab chain; the program may still give it the focus, as may a label's access key.
        control->setFocusPolicy(policy == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus);
        ControlAccessibility::renew(control);
    } else {
        control->setProperty(kMark, false);
        control->setFocusPolicy(Qt::FocusPolicy(control->property(kPolicyInSight).toInt()));
        ControlAccessibility::renew(control);
        ControlAccessibility::entersSight(control);
    }
}
}

OutOfSight::OutOfSight(QWidget &window) : QObject(&window), m_window(window) {}

void OutOfSight::watch(QWidget &window)
{
    update(window);
    auto *watcher = new OutOfSight(window);
    window.installEventFilter(watcher);
    for (QWidget *control : Controls::of(window))
        control->installEventFilter(watcher);
}

void OutOfSight::update(QWidget &window)
{
    for (QWidget *control : Controls::of(window))
        mark(control, !inSight(control, window) || covered(control));
}

bool OutOfSight::is(const QObject *object)
{
    for (const QObject *o = object; o && o->isWidgetType(); o = o->parent()) {
        if (o->property(kMark).toBool())
            return true;
        if (static_cast<const QWidget *>(o)->isWindow())
            return false;
    }
    return false;
}

bool OutOfSight::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
        // A window shows all its controls at once: mark them once, when that is done.
        if (!m_pending) {
            m_pending = true;
            QTimer::singleShot(0, this, [this] {
                m_pending = false;
                update(m_window);
            });
        }
        break;
    default:
        break;
    }
    return false;
}
