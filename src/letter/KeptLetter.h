#pragma once

#include <QString>

#include <functional>
#include <optional>

// The letter kept in the program directory while it is not saved, so that the next start shows
// it again however this run ends. Written whole and synced to disk, as UTF-8 with CR LF line
// ends: a power cut leaves the old copy or the new one.
class KeptLetter
{
public:
    // The write of the file; false when it failed. Tests count and slow down writes through it.
    using Writer = std::function<bool(const QString &letter)>;

    static QString path();
    // Creates the folder when it is missing.
    [[nodiscard]] static bool keep(const QString &letter);
    // The kept letter, or nothing when none is kept.
    static std::optional<QString> read();
    static void drop();

    // Set while nothing is being kept; an empty writer restores the file write.
    static void setWriter(Writer writer);
};
