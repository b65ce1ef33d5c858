#include "shell/Twips.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

namespace {
// The role a control's background is painted in: fields and lists their base, push buttons
// their button face, everything else (labels, check boxes, frames, windows) the window colour,
// which leaves a check box's indicator as it is.
QPalette::ColorRole backRole(const QWidget *w)
{
    if (w->isWindow())
        return QPalette::Window;
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractScrollArea *>(w)
        || qobject_cast<const QComboBox *>(w))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton *>(w) && !qobject_cast<const QCheckBox *>(w)
        && !qobject_cast<const QRadioButton *>(w))
        return QPalette::Button;
    return w->backgroundRole();
}
}

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
    const QPalette::ColorRole role = backRole(w);
    if (w->palette().color(role) == color && (role == QPalette::Base || w->autoFillBackground()))
        return;
    // Only the painted role: a window's controls do not inherit it, a check box keeps its indicator.
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
    if (role != QPalette::Base)
        w->setAutoFillBackground(true);
}

QColor Twips::backColor(const QWidget *w)
{
    return w->palette().color(backRole(w));
}

void Twips::setForeColor(QWidget *w, const QColor &color)
{
    // Mouse moves set it many times a second: only a change is painted.
    const QPalette &now = w->palette();
    if (now.color(QPalette::Text) == color && now.color(QPalette::WindowText) == color
        && now.color(QPalette::ButtonText) == color)
        return;
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
