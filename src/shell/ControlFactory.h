#pragma once

#include "shell/Twips.h"

#include <QString>

class ClickLabel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// Makes the controls of a window: named after their design name and placed at their design
// position in twips.
class ControlFactory
{
public:
    template <class W>
    static W *make(QWidget *parent, const char *name, int left, int top, int width, int height)
    {
        auto *w = new W(parent);
        w->setObjectName(QLatin1String(name));
        Twips::place(w, left, top, width, height);
        return w;
    }

    static QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top, int width,
                               int height);
    static QLabel *label(QWidget *parent, const char *name, const QString &caption, int left, int top, int width,
                         int height);
    static ClickLabel *clickLabel(QWidget *parent, const char *name, const QString &caption, int left, int top,
                                  int width, int height);
    static QLineEdit *field(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                            int height);
    static QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, int left, int top, int width,
                               int height);
    static QListWidget *list(QWidget *parent, const char *name, int left, int top, int width, int height);
};
