#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <memory>
#include <optional>

class FormTable;
class Stemmer;

// Where a word that is no entry may find its entry: "Kinder" under Kind, "ging" under gehen,
// "tengo" under tener. Three sources, asked in this order, and the first that gives a base
// which is an entry answers:
//  1. our own table of irregular forms of the dictionary's source language
//     (wortformen/<language>.txt: strong verbs, sein and haben, comparisons such as besser),
//     also behind a prefix it names ("angefangen": anfangen);
//  2. the table of forms the import wrote beside the dictionary;
//  3. hunspell, for the regular forms neither table holds.
// Pure lookups: nothing here touches the disk after it is made.
class WordForms
{
public:
    enum class Source { IrregularForms, DictionaryForms, Stemmer };

    struct Match
    {
        QString base;       // the first base that is an entry
        QStringList others; // further bases from the same source that are entries too
        Source source = Source::IrregularForms;
    };
    // True when text is the first field of an entry, letter case ignored.
    using IsEntry = std::function<bool(const QString &text)>;

    WordForms(std::shared_ptr<const FormTable> irregular, std::shared_ptr<const FormTable> dictionaryForms,
              std::shared_ptr<Stemmer> stemmer);

    // The program directory's table of irregular forms of a language ("de", "es").
    static QString irregularFormsPath(const QString &language);
    // The sources for a dictionary of that source language, with the form table the loader read
    // beside it (null when there was none). A stemmer of the same language is taken over rather
    // than read again.
    [[nodiscard]] static std::shared_ptr<WordForms> forDictionary(std::shared_ptr<const FormTable> dictionaryForms,
                                                                  const QString &language,
                                                                  const std::shared_ptr<Stemmer> &previousStemmer = {});

    // The entry a word belongs to, when the word is no entry itself; nothing when no base of it
    // is an entry.
    [[nodiscard]] std::optional<Match> match(QStringView word, const IsEntry &isEntry) const;

    const std::shared_ptr<Stemmer> &stemmer() const { return m_stemmer; }

private:
    [[nodiscard]] QStringList irregularBases(QStringView word) const;

    std::shared_ptr<const FormTable> m_irregular;
    std::shared_ptr<const FormTable> m_dictionaryForms;
    std::shared_ptr<Stemmer> m_stemmer;
    QStringList m_prefixes{}; // longest first
};
