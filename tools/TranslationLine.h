#pragma once

#include <QStringList>
#include <QStringView>

// Turns one translation line of an article into the translations it lists:
//   " [cook.] portion <n>, helping <n>, serving <n>"   -> portion, helping, serving
//   "2. Sit-Up <n, f> [Sport]"                          -> Sit-Up
//   "departure <n>dep.,  /dˈeːp/"                       -> departure (dep.)
//   "Zusammenstoß <n, m>, (Schiffe)"                    -> Zusammenstoß (Schiffe)
// Grammar, labels and pronunciations are dropped: the translation is what gets spoken.
class TranslationLine
{
public:
    [[nodiscard]] static QStringList items(QStringView line);
    // Drops "3. " in front of a numbered sense.
    [[nodiscard]] static QStringView withoutSenseNumber(QStringView line);
    // Drops " 2." at the end, where a sense's translations announce numbered definitions.
    [[nodiscard]] static QStringView withoutTrailingNumber(QStringView line);
    // The contents of the line's [label] groups: "coll.", "Am.", "jur.", ...
    [[nodiscard]] static QStringList labels(QStringView line);
    // The number of a line that starts "3. ", or 0.
    [[nodiscard]] static int senseNumber(QStringView line);
};
