#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class PartListModel;

// Entries spelled like a word that is no entry: "Hasu" is near Haus, "Strasse" near Straße,
// "nino" near niño. Distance counts letters added, left out, changed or swapped; umlauts,
// accents and ß against their plain spelling (ä a, é e, ß ss) count half of a change, letter
// case nothing. A word of up to four letters may be one letter off, a longer one two.
// Scanning every entry takes about 10 ms for German-English: callers run it after typing
// pauses, never per keystroke.
class NearMiss
{
public:
    static constexpr int kMaxSpellings = 3;
    // Longer words are no typing slips we can help with.
    static constexpr qsizetype kMaxWordLength = 40;

    // Up to count first fields of entries nearest to word, nearest first; among equally near
    // ones those that begin with the same letter, then those of the same length, then in the
    // order of the lists. The word itself is never among them.
    [[nodiscard]] static QStringList spellings(QStringView word, const QList<const PartListModel *> &parts,
                                               int count = kMaxSpellings);
};
