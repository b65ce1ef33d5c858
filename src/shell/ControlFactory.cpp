#include "shell/ControlFactory.h"

#include "shell/ClickLabel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

QPushButton *ControlFactory::button(QWidget *parent, const char *name, const QString &caption, int left, int top,
                                    int width, int height)
{
    auto *b = make<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    return b;
}

QLabel *ControlFactory::label(QWidget *parent, const char *name, const QString &caption, int left, int top, int width,
                              int height)
{
    auto *l = make<QLabel>(parent, name, left, top, width, height);
    // Captions may come from country files: never read them as markup.
    l->setTextFormat(Qt::PlainText);
    l->setText(caption);
    return l;
}

ClickLabel *ControlFactory::clickLabel(QWidget *parent, const char *name, const QString &caption, int left, int top,
                                       int width, int height)
{
    auto *l = make<ClickLabel>(parent, name, left, top, width, height);
    l->setTextFormat(Qt::PlainText);
    l->setText(caption);
    return l;
}

QLineEdit *ControlFactory::field(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                                 int height)
{
    auto *f = make<QLineEdit>(parent, name, left, top, width, height);
    f->setText(text);
    return f;
}

QCheckBox *ControlFactory::checkBox(QWidget *parent, const char *name, const QString &caption, int left, int top,
                                    int width, int height)
{
    auto *c = make<QCheckBox>(parent, name, left, top, width, height);
    c->setText(caption);
    return c;
}

QListWidget *ControlFactory::list(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    return make<QListWidget>(parent, name, left, top, width, height);
}
