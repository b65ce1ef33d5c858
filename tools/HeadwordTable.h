#pragma once

#include "ImportEntry.h"
#include "ParsedArticle.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// Collects the parsed articles by headword: every headword becomes one line, its senses merged.
// The source has no word frequencies, so the headwords and examples of all articles serve as a
// corpus: "oder", "Haus" and "Sonne" occur in hundreds of them, "Sonnenpeilung" only in its own.
// Verbs that the source gives only with their object or "sich" get a line of their bare verb as
// well (BareVerb), unless the source has that headword itself.
class HeadwordTable
{
public:
    void add(const ParsedArticle &article);

    // One entry per distinct headword, in order of first appearance, then the bare verbs; entries
    // whose source gives no translation are included with an empty list.
    [[nodiscard]] std::vector<ImportEntry> entries() const;
    [[nodiscard]] int headwordCount() const { return int(m_headwords.size()); }
    [[nodiscard]] int senseCount() const { return m_senses; }

private:
    struct Sense
    {
        QStringList translations;
        QStringList grammar;
        QStringList pronunciations;
        bool marked = false;
        int examples = 0;
        QString form; // for a bare verb: the headword the sense is taken from, "sich erinnern"
        QStringList links;
    };
    struct Headword
    {
        QString text;
        std::vector<Sense> senses;
    };

    [[nodiscard]] ImportEntry merged(const Headword &headword) const;
    [[nodiscard]] std::vector<Headword> bareVerbs() const;
    void countWords(const QString &text);
    [[nodiscard]] int usefulness(const QString &headword) const;

    std::vector<Headword> m_headwords{};
    QHash<QString, int> m_index{};
    QHash<QString, int> m_wordCounts{};
    int m_senses = 0;
    int m_sensesWithGrammar = 0;
};
