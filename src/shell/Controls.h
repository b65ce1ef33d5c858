#pragma once

#include <QList>
#include <QString>

class Form;
class QObject;
class QWidget;

// Controls found by window name and control name, as the country files and tests address
// them. An empty control name means the window itself. Menu items count as controls.
class Controls
{
public:
    // Loads the window (without showing it) when it is not loaded yet. Null when the window
    // or the control does not exist.
    static QObject *find(const QString &window, const QString &control);
    static QObject *find(Form &window, const QString &control);

    template <class T>
    static T *find(const QString &window, const QString &control)
    {
        return qobject_cast<T *>(find(window, control));
    }
    template <class T>
    static T *find(Form &window, const QString &control)
    {
        return qobject_cast<T *>(find(window, control));
    }

    // The controls a window placed: its child widgets and those of its frames and panels,
    // not the parts a composite control (a list's scroll bars, a combo box's field) is made of.
    static QList<QWidget *> of(const QWidget &window);
};
