#pragma once

#include <QString>

// Writes a dictionary of four full parts whose entries look like real ones
// ("word;translation, translation;n, f, /pronunciation/;"), sorted within each part.
class DictionaryGenerator
{
public:
    static constexpr int kLinesPerPart = 32767;

    // Returns the headword of the last line of part 4.
    static QString write(const QString &path);
};
