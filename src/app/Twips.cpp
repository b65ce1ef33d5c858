#include "app/Twips.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void Twips::place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QColor Twips::buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

void Twips::setBackColor(QWidget *w, const QColor &color)
{
    if (backColor(w) == color)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    // A window's colour is its background only; set on every role, its controls inherit it.
    if (!w->isWindow()) {
        p.setColor(QPalette::Base, color);
        p.setColor(QPalette::Button, color);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QColor Twips::backColor(const QWidget *w)
{
    return w->palette().color(w->isWindow() ? QPalette::Window : QPalette::Base);
}

void Twips::setForeColor(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::ButtonText, color);
    w->setPalette(p);
}

void Twips::useDesktopColors(QWidget *w)
{
    const QPalette desktop = QApplication::palette();
    QPalette own = w->palette();
    for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button,
                            QPalette::ButtonText})
        own.setColor(role, desktop.color(role));
    w->setPalette(own);
}
