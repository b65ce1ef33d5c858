#include "shell/KeyPreview.h"

#include "shell/Form.h"
#include "shell/FormRegistry.h"

#include <QKeyEvent>
#include <QPointer>

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    auto *form = qobject_cast<Form *>(widget->window());
    if (!form || form->isUnloaded())
        return false;
    // A key the control ignores travels on to its parents; preview it only once, at the
    // control that has the focus (or at the window when nothing has).
    QWidget *focus = form->focusWidget();
    if (focus ? widget != focus : widget != form)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    QPointer<Form> alive = form;
    FormRegistry::instance().handleSharedKey(*form, key);
    if (alive && !alive->isUnloaded())
        alive->keyDown(key);
    return false;
}
