#include "shell/CountryApply.h"

#include "core/ProgramState.h"
#include "localisation/IniAccess.h"
#include "shell/AccessibleNames.h"
#include "shell/Controls.h"
#include "shell/FontList.h"
#include "shell/FormRegistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
using Property = CountryKeys::Property;

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

// A row stands alone: whatever goes wrong in one must not keep the later rows from running.
template <class Step>
void guarded(Step step)
{
    try {
        step();
    } catch (...) {
    }
}
}

bool CountryApply::assign(QObject *control, Property property, const QString &value)
{
    if (!control)
        return false;
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
    }
    return false;
}

void CountryApply::apply(const QString &file, const QString &section, ProgramState &state)
{
    const auto read = [&](QLatin1StringView key) { return IniAccess::IniLesen(file, section, key); };

    for (const CountryKeys::Row &row : CountryKeys::table()) {
        guarded([&] {
            QObject *control = Controls::find(QLatin1StringView(row.window), QLatin1StringView(row.control));
            if (!control)
                return;
            const QLatin1StringView key(row.key);
            if (row.property == Property::ToolTipThenCaption) {
                setToolTip(control, read(key));
                setCaption(control, read(key));
            } else {
                assign(control, row.property, read(key));
            }
        });
    }

    for (const CountryKeys::FontTarget &target : CountryKeys::fontTargets()) {
        guarded([&] {
            auto *control = qobject_cast<QWidget *>(
                Controls::find(QLatin1StringView(target.window), QLatin1StringView(target.control)));
            if (control)
                control->setFont(FontList::withFace(control->font(), read(CountryKeys::kFontKey)));
        });
    }

    guarded([&] { state.setLanguage(read(CountryKeys::kLanguageKey)); });

    // Names taken from help texts follow the new help texts.
    for (Form *window : FormRegistry::instance().loadedWindows())
        AccessibleNames::give(*window);
}
