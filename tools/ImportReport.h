#pragma once

#include "ImportEntry.h"
#include "PartSplitter.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct ImportReport
{
    int indexLines = 0;
    int articles = 0;           // distinct offset/length pairs
    int headwords = 0;          // distinct headwords before anything is dropped
    int mergedSenses = 0;       // article headwords folded into a line of the same headword
    int withoutTranslation = 0; // dropped: the source gives no translation
    QStringList withoutTranslationSamples;
    int tooLong = 0;   // dropped: longer than a line the program loads
    int bareVerbs = 0; // lines of a bare verb made from "sich ...", "etw. ..." headwords
    int bareVerbsWritten = 0;
    QStringList bareVerbSamples;
    std::array<int, EntryTierCount> leftOut{}; // dropped to fit four parts, by tier
    std::array<QStringList, EntryTierCount> leftOutSamples{};
    PartSplitter::Parts parts{}; // entry lines per part, divider text not counted
    int formsLinked = 0;         // inflected forms whose "see:" lines name a headword like them
    int formsWritten = 0;        // lines of the form table: forms with a base in the dictionary
    QStringList formSamples;

    [[nodiscard]] int written() const { return parts[0] + parts[1] + parts[2] + parts[3]; }
    [[nodiscard]] int leftOutTotal() const { return leftOut[0] + leftOut[1] + leftOut[2] + leftOut[3]; }
};

struct ImportResult
{
    ImportReport report;
    std::optional<QString> error;
};
