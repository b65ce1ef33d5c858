#pragma once

#include <QString>

#include <optional>

// Many German verbs stand in German-English only with their object or "sich": "sich erinnern",
// "etw. vergleichen", "einer Sache entsprechen", "jdn. an etw. erinnern". Their bare verb is
// what a user types, so the import also files them under it.
class BareVerb
{
public:
    // The last word of a headword whose other words are only placeholders ("sich", "etw.",
    // "jdn.", "jdm.", "jds.", "jd.", "einer Sache", joined by "/"), each perhaps after a
    // preposition, perhaps in parentheses; the last word must look like an infinitive (lower
    // case, ending in "n"). Nothing for any other headword ("neu aktivieren",
    // "sich etw. zu Herzen nehmen").
    [[nodiscard]] static std::optional<QString> of(const QString &headword);
};
