#pragma once

#include <QString>

#include <optional>

// The letter kept in the program directory when the program ends before it was saved, so that
// the next start shows it again. Written whole, as UTF-8 with CR LF line ends.
class KeptLetter
{
public:
    static QString path();
    // Creates the folder when it is missing.
    [[nodiscard]] static bool keep(const QString &letter);
    // The kept letter, or nothing when none is kept.
    static std::optional<QString> read();
    static void drop();
};
