#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs an action when the mouse comes over a control (once per entry, not on every move).
class MouseOver : public QObject
{
    Q_OBJECT
public:
    static void watch(QWidget *control, std::function<void()> action);
    // Runs an action when the mouse comes over an area's own empty part: on entering it, and on
    // moving over a part no child covers, since coming back from a child reports no entry.
    static void watchEmptyArea(QWidget *area, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit MouseOver(std::function<void()> action, bool emptyArea, QObject *parent);
    std::function<void()> m_action;
    bool m_emptyArea = false;
};
