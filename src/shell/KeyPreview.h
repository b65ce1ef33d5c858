#pragma once

#include <QObject>

// Hands every key press to the window of the focused control before the control sees it.
class KeyPreview : public QObject
{
    Q_OBJECT
public:
    explicit KeyPreview(QObject *parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
