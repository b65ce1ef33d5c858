#pragma once

#include "core/CountryTexts.h"

#include <QLatin1StringView>
#include <QStringList>

#include <span>

// What a country file sets: which key feeds which property of which control, in the order
// the texts are applied, and which controls take the font named in the file. Windows and
// controls are named as their object names; an empty control name means the window itself.
class CountryKeys
{
public:
    enum class Property {
        Caption,
        ToolTip,
        Text,
        WindowCaption,
        ToolTipThenCaption, // one key read twice: first for the tooltip, then for the caption
        AccessibleName,     // what a screen reader calls a control that shows no words of its own
    };

    struct Row
    {
        const char *key;
        const char *window;
        const char *control;
        Property property;
    };

    // A control whose caption or help text is a text of our own (CountryTexts), set when a
    // country file is applied as a row of the table is, after the table.
    struct TextRow
    {
        CountryTexts::Id text;
        const char *window;
        const char *control;
        Property property;
    };

    struct FontTarget
    {
        const char *window;
        const char *control;
    };

    static constexpr QLatin1StringView kSection{"Section2"};
    static constexpr QLatin1StringView kFontKey{"Keyschrift"};
    static constexpr QLatin1StringView kHelpPathKey{"KeyPfad"};
    // Language code of the interface ("de", "en", ...): the voice for help texts follows it.
    // Not a caption, so not in the table.
    static constexpr QLatin1StringView kLanguageKey{"KeySprache"};

    static std::span<const Row> table();
    static std::span<const TextRow> textRows();
    static std::span<const FontTarget> fontTargets();

    static int reads(Property property);
    // Key reads of one apply: the table (counting double reads) and one per font target.
    static int readsPerApply();
    // Every key a complete country file holds: the table's, the font and language keys, then the
    // keys of our own texts.
    static QStringList fileKeys();
};
