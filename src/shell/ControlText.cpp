#include "shell/ControlText.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>

namespace {
using Property = CountryKeys::Property;

QByteArray languageName(Property property)
{
    return "textLanguage" + QByteArray::number(int(property));
}

bool setCaption(QObject *control, const QString &value)
{
    if (auto *action = qobject_cast<QAction *>(control)) {
        action->setText(value);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(value);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setTextFormat(Qt::PlainText);
        label->setText(value);
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        frame->setTitle(value);
    } else {
        return false;
    }
    return true;
}

QString caption(const QObject *control)
{
    if (const auto *action = qobject_cast<const QAction *>(control))
        return action->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return {};
}

bool setToolTip(QObject *control, const QString &value)
{
    // Tooltips are shown as plain text wherever they come from (PlainToolTips).
    if (auto *action = qobject_cast<QAction *>(control)) {
        action->setToolTip(value);
    } else if (control->isWidgetType()) {
        static_cast<QWidget *>(control)->setToolTip(value);
    } else {
        return false;
    }
    return true;
}

QString toolTip(const QObject *control)
{
    if (const auto *action = qobject_cast<const QAction *>(control))
        return action->toolTip();
    return control->isWidgetType() ? static_cast<const QWidget *>(control)->toolTip() : QString();
}

bool setText(QObject *control, const QString &value)
{
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setText(value);
    } else if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->isEditable()) {
        combo->setEditText(value);
        if (QLineEdit *edit = combo->lineEdit())
            edit->setCursorPosition(0);
    } else if (auto *edit = qobject_cast<QPlainTextEdit *>(control)) {
        edit->setPlainText(value);
    } else {
        return false;
    }
    return true;
}

QString text(const QObject *control)
{
    if (const auto *field = qobject_cast<const QLineEdit *>(control))
        return field->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(control))
        return edit->toPlainText();
    return {};
}

bool setValue(QObject *control, Property property, const QString &value)
{
    switch (property) {
    case Property::Caption:
        return setCaption(control, value);
    case Property::ToolTip:
        return setToolTip(control, value);
    case Property::Text:
        return setText(control, value);
    case Property::WindowCaption:
        if (!control->isWidgetType())
            return false;
        static_cast<QWidget *>(control)->setWindowTitle(value);
        return true;
    case Property::ToolTipThenCaption:
        return setToolTip(control, value) && setCaption(control, value);
    case Property::AccessibleName:
        if (!control->isWidgetType())
            return false;
        static_cast<QWidget *>(control)->setAccessibleName(value);
        return true;
    }
    return false;
}
}

bool ControlText::set(QObject *control, Property property, const LocalText &text)
{
    if (!control || !setValue(control, property, text.text))
        return false;
    if (property == Property::ToolTipThenCaption) {
        control->setProperty(languageName(Property::ToolTip), text.language);
        control->setProperty(languageName(Property::Caption), text.language);
    } else {
        control->setProperty(languageName(property), text.language);
    }
    return true;
}

LocalText ControlText::get(const QObject *control, Property property)
{
    if (!control)
        return {};
    if (property == Property::ToolTipThenCaption)
        property = Property::Caption;
    QString value;
    switch (property) {
    case Property::Caption:
        value = ::caption(control);
        break;
    case Property::ToolTip:
        value = ::toolTip(control);
        break;
    case Property::Text:
        value = ::text(control);
        break;
    case Property::WindowCaption:
        value = control->isWidgetType() ? static_cast<const QWidget *>(control)->windowTitle() : QString();
        break;
    case Property::AccessibleName:
        value = control->isWidgetType() ? static_cast<const QWidget *>(control)->accessibleName() : QString();
        break;
    case Property::ToolTipThenCaption:
        break;
    }
    const QString language = control->property(languageName(property)).toString();
    return {value, language.isEmpty() ? LocalText::kGerman : language};
}
