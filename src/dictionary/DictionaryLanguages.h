#pragma once

#include <QString>

// The languages of the two sides of a dictionary, as voices are chosen by: "de", "en", ...
// Empty for a dictionary we know nothing of; its texts are then spoken by the current voice.
struct DictionaryLanguages
{
    QString source; // the first field, the word looked up
    QString target; // the second field, the translation

    static DictionaryLanguages of(const QString &dictionaryName);
};
