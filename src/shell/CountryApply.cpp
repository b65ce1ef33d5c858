#include "shell/CountryApply.h"

#include "core/ProgramState.h"
#include "localisation/IniAccess.h"
#include "shell/AccessibleNames.h"
#include "shell/ControlText.h"
#include "shell/Controls.h"
#include "shell/FontList.h"
#include "shell/FormRegistry.h"
#include "speech/HelpVoice.h"

#include <QWidget>

namespace {
using Property = CountryKeys::Property;

// A row stands alone: whatever goes wrong in one must not keep the later rows from running.
template <class Step>
void guarded(Step step)
{
    try {
        step();
    } catch (...) {
    }
}

QObject *control(const char *window, const char *name)
{
    return Controls::find(QLatin1StringView(window), QLatin1StringView(name));
}
}

void CountryApply::apply(const QString &file, const QString &section, ProgramState &state)
{
    const auto read = [&](QLatin1StringView key) { return IniAccess::IniLesen(file, section, key); };

    // First the language and the texts of our own, so that a window the table loads is made
    // with them.
    QString language;
    guarded([&] {
        language = read(CountryKeys::kLanguageKey);
        state.setLanguage(language);
    });
    const QString spoken = HelpVoice::language(language);
    guarded([&] {
        CountryTexts texts;
        texts.apply(read, spoken);
        state.setTexts(texts);
    });

    for (const CountryKeys::Row &row : CountryKeys::table()) {
        guarded([&] {
            QObject *c = control(row.window, row.control);
            if (!c)
                return;
            const QLatin1StringView key(row.key);
            if (row.property == Property::ToolTipThenCaption) {
                ControlText::set(c, Property::ToolTip, {read(key), spoken});
                ControlText::set(c, Property::Caption, {read(key), spoken});
            } else {
                ControlText::set(c, row.property, {read(key), spoken});
            }
        });
    }

    for (const CountryKeys::TextRow &row : CountryKeys::textRows())
        guarded([&] { ControlText::set(control(row.window, row.control), row.property, state.text(row.text)); });

    for (const CountryKeys::FontTarget &target : CountryKeys::fontTargets()) {
        guarded([&] {
            if (auto *c = qobject_cast<QWidget *>(control(target.window, target.control)))
                c->setFont(FontList::withFace(c->font(), read(CountryKeys::kFontKey)));
        });
    }

    // Names taken from help texts follow the new help texts.
    for (Form *window : FormRegistry::instance().loadedWindows())
        AccessibleNames::give(*window);
}
