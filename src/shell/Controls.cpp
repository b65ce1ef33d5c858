#include "shell/Controls.h"

#include "shell/Form.h"
#include "shell/FormRegistry.h"

#include <QGroupBox>
#include <QWidget>

QObject *Controls::find(const QString &window, const QString &control)
{
    Form *form = FormRegistry::instance().load(window);
    return form ? find(*form, control) : nullptr;
}

QObject *Controls::find(Form &window, const QString &control)
{
    if (control.isEmpty())
        return &window;
    return window.findChild<QObject *>(control);
}

namespace {
// Frames and plain panels hold controls of their own; every other control is one piece.
bool holdsControls(const QWidget *w)
{
    return qobject_cast<const QGroupBox *>(w) || w->metaObject() == &QWidget::staticMetaObject
           || w->property("holdsControls").toBool();
}

void collect(const QWidget &parent, QList<QWidget *> &controls)
{
    for (QObject *child : parent.children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        controls.append(w);
        if (holdsControls(w))
            collect(*w, controls);
    }
}
}

QList<QWidget *> Controls::of(const QWidget &window)
{
    QList<QWidget *> controls;
    collect(window, controls);
    return controls;
}
