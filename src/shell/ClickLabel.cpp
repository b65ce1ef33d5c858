#include "shell/ClickLabel.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

bool ClickLabel::answersClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::clicked))
           || isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::doubleClicked));
}

void ClickLabel::press()
{
    if (isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::clicked)))
        emit clicked();
    else
        emit doubleClicked();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier
        && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        press();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Where the keyboard is, as a button shows it.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
