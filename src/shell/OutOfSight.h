#pragma once

#include <QObject>

class QWidget;

// Controls that lie outside their window's visible area: the stores and operations other
// handlers press, the test panel beside the country window, the letter side of the narrow
// main window. They keep working for the program and the country files, which reach them by
// name, but the Tab key passes them by and assistive technology neither lists nor announces
// them. So are controls another control covers. Watched windows mark their controls again
// whenever their size changes or a control moves, shows or hides.
class OutOfSight : public QObject
{
    Q_OBJECT
public:
    static void watch(QWidget &window);
    // Marks the window's controls now.
    static void update(QWidget &window);
    // Whether the object, or a control or frame it lies in, is marked out of sight.
    static bool is(const QObject *object);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit OutOfSight(QWidget &window);

    QWidget &m_window;
    bool m_pending = false;
};
