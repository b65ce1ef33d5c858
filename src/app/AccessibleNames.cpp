#include "app/AccessibleNames.h"

#include "app/Controls.h"

#include <QAccessible>
#include <QVariant>
#include <QWidget>

namespace {
// Marks a name taken from the help text, so that it follows the help text when that changes.
constexpr const char *kFromHelpText = "accessibleNameFromHelpText";
}

void AccessibleNames::give(QWidget &window)
{
    for (QWidget *control : Controls::of(window)) {
        const bool ours = control->property(kFromHelpText).toBool();
        if (ours)
            control->setAccessibleName(QString());
        const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        if (accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty())
            continue;
        const QString tip = control->toolTip().trimmed();
        control->setAccessibleName(tip.isEmpty() ? control->objectName() : tip);
        control->setProperty(kFromHelpText, true);
    }
}
