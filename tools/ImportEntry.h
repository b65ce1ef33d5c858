#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// How useful a headword is when not all of them fit; lower keeps first.
enum class EntryTier { BaseForm = 0, Phrase = 1, InflectedForm = 2, Sentence = 3 };
inline constexpr int EntryTierCount = 4;

// One line of the program's dictionary: all senses of one headword merged.
struct ImportEntry
{
    QString source;
    QStringList translations;
    QString remark;
    EntryTier tier = EntryTier::BaseForm;
    int usefulness = 0; // how often the headword's rarest word occurs in the source's own text
    int senses = 0;
    bool bareVerb = false; // filed under the verb of headwords such as "sich erinnern"
    // The word classes the source marks that a base form may be: noun, verb, adjective.
    bool noun = false;
    bool verb = false;
    bool adjective = false;
    // An inflected form ("Häuser", "ging"): whether the source marks it plural, and per article
    // the headwords its "see:" line points to (its base among them).
    bool pluralForm = false;
    std::vector<QStringList> links;
};
