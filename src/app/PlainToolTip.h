#pragma once

#include <QObject>

class QWidget;

// Shows a control's tooltip as written. Qt reads a tooltip that looks like markup as HTML
// (and would load the images it names); tooltips from country files must never be read so.
class PlainToolTip : public QObject
{
    Q_OBJECT
public:
    static void set(QWidget *control, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PlainToolTip(QWidget *control);
};
