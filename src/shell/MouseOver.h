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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit MouseOver(std::function<void()> action, QObject *parent);
    std::function<void()> m_action;
};
