#include "shell/AccessibleNames.h"

#include "shell/Controls.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
        // A label says its text, which changes as it shows values and help texts; one that
        // shows nothing has nothing to say. Only a picture needs words.
        const auto *label = qobject_cast<QLabel *>(control);
        if (label && label->pixmap().isNull())
            continue;
        const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        if (accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty())
            continue;
        const QString tip = control->toolTip().trimmed();
        control->setAccessibleName(tip.isEmpty() ? control->objectName() : tip);
        control->setProperty(kFromHelpText, true);
    }
    // The field of an editable combo box is a control of its own for a screen reader.
    for (QWidget *control : Controls::of(window)) {
        auto *combo = qobject_cast<QComboBox *>(control);
        if (combo && combo->lineEdit()) {
            const QString tip = combo->toolTip().trimmed();
            combo->lineEdit()->setAccessibleName(tip.isEmpty() ? combo->objectName() : tip);
        }
    }
}
