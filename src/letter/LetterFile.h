#pragma once

#include <QString>

// A letter saved where the user chose: one quoted record (double quote, the text with CR LF
// line breaks, double quote, CR LF), UTF-8, written whole.
class LetterFile
{
public:
    // False, with the old file untouched, when the path is not an absolute file path, when
    // it names something other than a file, or when that file is write-protected.
    [[nodiscard]] static bool save(const QString &path, const QString &letter);
};
