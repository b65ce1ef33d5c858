#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs an action whenever a control gets the keyboard focus, however it got there.
class FocusNotice : public QObject
{
    Q_OBJECT
public:
    static void watch(QWidget *control, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusNotice(std::function<void()> action, QObject *parent);
    std::function<void()> m_action;
};
