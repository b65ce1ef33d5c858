#include "dictionary/WordForms.h"

#include "core/ProgramDirectory.h"
#include "dictionary/DictionaryText.h"
#include "dictionary/FormTable.h"
#include "dictionary/Stemmer.h"

#include <algorithm>

namespace {
// The line of the irregular forms that names the prefixes.
constexpr char16_t kPrefixForm[] = u"*";
// No word of a language is longer; a longer input is no word.
constexpr qsizetype kMaxWordLength = 100;

bool isLanguageCode(const QString &language)
{
    return !language.isEmpty() && language.size() <= 8
           && std::all_of(language.begin(), language.end(), [](QChar c) { return c.isLetter() && c.unicode() < 0x80; });
}
}

WordForms::WordForms(std::shared_ptr<const FormTable> irregular, std::shared_ptr<const FormTable> dictionaryForms,
                     std::shared_ptr<Stemmer> stemmer)
    : m_irregular(std::move(irregular)), m_dictionaryForms(std::move(dictionaryForms)), m_stemmer(std::move(stemmer))
{
    if (m_irregular) {
        m_prefixes = m_irregular->bases(kPrefixForm, FormTable::kAllBases);
        // "herunter" before "her": the longer prefix is the one that stands there.
        std::stable_sort(m_prefixes.begin(), m_prefixes.end(),
                         [](const QString &a, const QString &b) { return a.size() > b.size(); });
    }
}

QString WordForms::irregularFormsPath(const QString &language)
{
    return ProgramDirectory::file(QString(QStringLiteral("wortformen/") + language + QStringLiteral(".txt")));
}

std::shared_ptr<WordForms> WordForms::forDictionary(std::shared_ptr<const FormTable> dictionaryForms,
                                                    const QString &language,
                                                    const std::shared_ptr<Stemmer> &previousStemmer)
{
    std::shared_ptr<const FormTable> irregular;
    std::shared_ptr<Stemmer> stemmer;
    if (isLanguageCode(language)) {
        irregular = FormTable::load(irregularFormsPath(language));
        stemmer =
            previousStemmer && previousStemmer->language() == language ? previousStemmer : Stemmer::start(language);
    }
    return std::make_shared<WordForms>(std::move(irregular), std::move(dictionaryForms), std::move(stemmer));
}

QStringList WordForms::irregularBases(QStringView word) const
{
    if (!m_irregular || word.contains(u'*'))
        return {};
    QStringList bases = m_irregular->bases(word);
    if (!bases.isEmpty())
        return bases;
    // "angefangen" is an + gefangen, "verstanden" ver + (ge)standen.
    for (const QString &prefix : m_prefixes) {
        if (word.size() <= prefix.size() + 1 || !word.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        const QStringView rest = word.mid(prefix.size());
        QStringList restBases = m_irregular->bases(rest);
        if (restBases.isEmpty())
            restBases = m_irregular->bases(QStringLiteral("ge") + rest.toString());
        for (const QString &base : restBases)
            bases.append(prefix + base);
    }
    return bases;
}

std::optional<WordForms::Match> WordForms::match(QStringView word, const IsEntry &isEntry) const
{
    word = word.trimmed();
    if (word.isEmpty() || word.size() > kMaxWordLength)
        return std::nullopt;
    const QString folded = DictionaryText::folded(word);
    const auto answer = [&](const QStringList &candidates, Source source) -> std::optional<Match> {
        QStringList seen;
        QStringList found;
        for (const QString &candidate : candidates) {
            const QString key = DictionaryText::folded(candidate);
            if (key == folded || seen.contains(key))
                continue;
            seen.append(key);
            if (isEntry(candidate))
                found.append(candidate);
        }
        if (found.isEmpty())
            return std::nullopt;
        Match match;
        match.base = found.takeFirst();
        match.others = found;
        match.source = source;
        return match;
    };
    if (auto m = answer(irregularBases(word), Source::IrregularForms))
        return m;
    if (m_dictionaryForms) {
        if (auto m = answer(m_dictionaryForms->bases(word), Source::DictionaryForms))
            return m;
    }
    if (m_stemmer) {
        if (auto m = answer(m_stemmer->stems(word), Source::Stemmer))
            return m;
    }
    return std::nullopt;
}
