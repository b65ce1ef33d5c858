#pragma once

#include <QLabel>

// A label that answers clicks, double clicks and the mouse moving over it. Given a focus policy
// with the Tab key, it is a control of the keyboard too: Space or Enter presses it.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

    // Whether a window answers its clicks or double clicks.
    bool answersClicks() const;
    // What a click with the mouse does; for a label that only answers double clicks, a double click.
    void press();

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
