#include "dictionary/DictionaryLanguages.h"

DictionaryLanguages DictionaryLanguages::of(const QString &dictionaryName)
{
    struct Known
    {
        const char *name;
        const char *source;
        const char *target;
    };
    // The sample is laid out like a German-English dictionary.
    static constexpr Known kKnown[] = {
        {"DeEn", "de", "en"},
        {"DeGr", "de", "el"},
        {"DeIt", "de", "it"},
        {"SpDe", "es", "de"},
        {"Woerterbuch-Muster", "de", "en"},
    };
    for (const Known &known : kKnown)
        if (dictionaryName.compare(QLatin1String(known.name), Qt::CaseInsensitive) == 0)
            return {QLatin1String(known.source), QLatin1String(known.target)};
    return {};
}
