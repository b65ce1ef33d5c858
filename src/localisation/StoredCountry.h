#pragma once

#include <QString>
#include <QStringList>

// The country chosen last: "syso/landeinstellung.txt" below the program directory, one
// country file name a line, the first line being the choice.
class StoredCountry
{
public:
    // The country taken when none is stored, or the stored one names no country file.
    static inline const QString kDefaultCountry = QStringLiteral("Germany.txt");

    static QString path();
    // Every line; none when the file is missing or unreadable.
    static QStringList read();
    // Replaces the file whole. False (the old file kept) when it cannot be written, for example
    // when "syso" is missing.
    [[nodiscard]] static bool write(const QStringList &lines);
};
