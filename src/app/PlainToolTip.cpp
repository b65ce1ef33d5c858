#include "app/PlainToolTip.h"

#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

PlainToolTip::PlainToolTip(QWidget *control) : QObject(control)
{
    control->installEventFilter(this);
}

void PlainToolTip::set(QWidget *control, const QString &text)
{
    if (!control->findChild<PlainToolTip *>(QString(), Qt::FindDirectChildrenOnly))
        new PlainToolTip(control);
    control->setToolTip(text);
}

bool PlainToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto *control = static_cast<QWidget *>(watched);
    const QString text = control->toolTip();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const auto *help = static_cast<QHelpEvent *>(event);
    QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal), control, QRect(),
                       control->toolTipDuration());
    return true;
}
