#include "FormLinks.h"

#include "BareVerb.h"
#include "CollationKey.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace {

// A weak link shares no more than this with its form: a strong verb changes its stem at once
// ("ging" gehen), while a longer common beginning is a shared prefix of two different verbs
// ("weggesteckt" is not of "weglegen").
constexpr int kWeakBeginning = 2;
// Strong verbs change their stem in short forms ("ging", "gegangen"); longer ones are prefixed
// verbs whose links name their synonyms ("entworfen": erstellen, erfinden, ersinnen).
constexpr int kWeakFormLength = 8;

// How many closing letters of a base a form may change: the ending of an infinitive
// ("spielen" spielte, "wandern" wanderte), of a Latin noun ("Museum" Museen, "Thema" Themen),
// the e of an adjective ("dunkel" dunkler, "teuer" teurer). Other bases stand whole in their
// forms ("Häuser", "Bücher").
int changingEnd(const QString &foldedBase, bool adjective)
{
    static const char *const kTwo[] = {"en", "um", "us", "on", "is", "as"};
    for (const char *ending : kTwo) {
        if (foldedBase.endsWith(QLatin1String(ending)))
            return 2;
    }
    if (adjective && (foldedBase.endsWith(QLatin1String("el")) || foldedBase.endsWith(QLatin1String("er"))))
        return 2;
    if (foldedBase.endsWith(u'n') || foldedBase.endsWith(u'a') || foldedBase.endsWith(u'e')
        || foldedBase.endsWith(u'o'))
        return 1;
    return 0;
}

bool startsWithGe(const QString &folded)
{
    return folded.startsWith(QLatin1String("ge"));
}

bool sameFirstLetter(const QString &form, const QString &base)
{
    if (form.isEmpty() || base.isEmpty())
        return false;
    if (form.front() == base.front())
        return true;
    return startsWithGe(form) && form.size() > 2 && form[2] == base.front();
}

int commonBeginning(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return int(i);
}

enum class WordClass { Noun, Verb, Adjective };

bool hasClass(const ImportEntry &entry, WordClass wordClass)
{
    switch (wordClass) {
    case WordClass::Noun:
        return entry.noun;
    case WordClass::Verb:
        return entry.verb;
    case WordClass::Adjective:
        return entry.adjective;
    }
    return false;
}

// "kommen" rather than "kommend" for "kam": an infinitive ends in n.
bool looksLikeInfinitive(const ImportEntry &entry)
{
    return entry.source.endsWith(u'n');
}

} // namespace

QString FormLinks::candidateOf(const QString &link)
{
    if (link.isEmpty() || link.contains(u'…') || link.contains(QLatin1String("...")))
        return {};
    if (!link.contains(u' '))
        return link;
    return BareVerb::of(link).value_or(QString());
}

QString FormLinks::folded(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text.toCaseFolded()) {
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        switch (c.unicode()) {
        case u'ä':
            out += u'a';
            continue;
        case u'ö':
            out += u'o';
            continue;
        case u'ü':
            out += u'u';
            continue;
        case u'ß':
            out += QLatin1String("ss");
            continue;
        default:
            break;
        }
        const QString decomposition = c.decomposition();
        if (c.decompositionTag() == QChar::Canonical && !decomposition.isEmpty())
            out += decomposition.front();
        else
            out += c;
    }
    return out;
}

int FormLinks::stemLength(const QString &foldedForm, const QString &foldedBase)
{
    // "angebahnt" anbahnen: the ge after the common beginning; "gegurrt" gurren: a leading one.
    int length = commonBeginning(foldedForm, foldedBase);
    if (QStringView(foldedForm).mid(length, 2) == u"ge")
        length += commonBeginning(foldedForm.mid(length + 2), foldedBase.mid(length));
    if (startsWithGe(foldedForm))
        length = std::max(length, commonBeginning(foldedForm.mid(2), foldedBase));
    return length;
}

void FormLinks::add(ImportEntry &entry)
{
    const std::vector<QStringList> links = std::move(entry.links);
    entry.links.clear();
    // A word as it stands in a text: letters, perhaps a hyphen or an apostrophe ("Auf!" is not).
    const bool word = std::all_of(entry.source.begin(), entry.source.end(),
                                  [](QChar c) { return c.isLetter() || c == u'-' || c == u'\''; });
    if (links.empty() || !word)
        return;
    const QString form = folded(entry.source);
    Form taken{entry.source, entry.pluralForm, {}};
    for (const QStringList &article : links) {
        QStringList candidates;
        for (const QString &link : article) {
            const QString candidate = candidateOf(link);
            if (candidate.isEmpty() || candidates.contains(candidate))
                continue;
            // "Mutter" is no form of "Mütter", though their letters compare equal.
            if (candidate.toCaseFolded() != entry.source.toCaseFolded() && sameFirstLetter(form, folded(candidate)))
                candidates.append(candidate);
        }
        if (!candidates.isEmpty())
            taken.articles.push_back(std::move(candidates));
    }
    if (!taken.articles.empty())
        m_forms.push_back(std::move(taken));
}

std::vector<FormLinks::Line> FormLinks::lines(const std::vector<ImportEntry> &written) const
{
    QHash<QString, const ImportEntry *> bySource;
    QSet<QString> entries; // case folded: what the exact lookup finds
    for (const ImportEntry &entry : written) {
        bySource.insert(entry.source, &entry);
        entries.insert(entry.source.toCaseFolded());
    }

    // Forms that differ only in letter case are one form to the lookup.
    QHash<QString, std::vector<const Form *>> byForm;
    std::vector<QString> order;
    for (const Form &form : m_forms) {
        const QString key = form.text.toCaseFolded();
        if (entries.contains(key))
            continue;
        auto &group = byForm[key];
        if (group.empty())
            order.push_back(key);
        group.push_back(&form);
    }

    std::vector<Line> lines;
    QSet<QString> given;
    for (const QString &key : order) {
        const std::vector<const Form *> &group = byForm[key];
        const QString form = folded(group.front()->text);
        const QString raw = group.front()->text.toCaseFolded();
        const bool plural = std::any_of(group.begin(), group.end(), [](const Form *f) { return f->plural; });

        struct Candidate
        {
            const ImportEntry *entry = nullptr;
            int articles = 0;
            int stem = 0;
            int rawStem = 0; // umlauts and accents counted
            bool strong = false;
            bool weak = false;
            bool whole = false; // the form begins with the whole base
        };
        std::vector<Candidate> candidates;
        for (const Form *f : group) {
            for (const QStringList &article : f->articles) {
                for (const QString &name : article) {
                    const ImportEntry *entry = bySource.value(name);
                    if (!entry)
                        continue;
                    auto it = std::find_if(candidates.begin(), candidates.end(),
                                           [&](const Candidate &c) { return c.entry == entry; });
                    if (it == candidates.end()) {
                        const QString base = folded(entry->source);
                        Candidate c;
                        c.entry = entry;
                        c.stem = stemLength(form, base);
                        c.rawStem = stemLength(raw, entry->source.toCaseFolded());
                        c.strong = c.stem >= std::max(
                                       2, int(base.size()) - changingEnd(base, hasClass(*entry, WordClass::Adjective)));
                        c.weak = !c.strong && !plural && hasClass(*entry, WordClass::Verb)
                                 && form.size() <= kWeakFormLength && commonBeginning(form, base) <= kWeakBeginning;
                        c.whole = form.startsWith(base);
                        candidates.push_back(c);
                        it = candidates.end() - 1;
                    }
                    ++it->articles;
                }
            }
        }
        const bool anyStrong =
            std::any_of(candidates.begin(), candidates.end(), [](const Candidate &c) { return c.strong; });
        std::erase_if(candidates, [&](const Candidate &c) { return anyStrong ? !c.strong : !c.weak; });
        const std::vector<WordClass> preferred = plural ? std::vector<WordClass>{WordClass::Noun}
                                                        : std::vector<WordClass>{WordClass::Verb, WordClass::Adjective};
        for (const WordClass wordClass : preferred) {
            if (std::any_of(candidates.begin(), candidates.end(),
                            [&](const Candidate &c) { return hasClass(*c.entry, wordClass); })) {
                std::erase_if(candidates, [&](const Candidate &c) { return !hasClass(*c.entry, wordClass); });
                break;
            }
        }
        if (!plural && std::any_of(candidates.begin(), candidates.end(), [](const Candidate &c) {
                return looksLikeInfinitive(*c.entry);
            }))
            std::erase_if(candidates, [](const Candidate &c) { return !looksLikeInfinitive(*c.entry); });
        // A weak link must be named by more of the form's articles than any other: links named
        // equally often are synonyms, not the base.
        if (!anyStrong && candidates.size() > 1) {
            std::sort(candidates.begin(), candidates.end(),
                      [](const Candidate &a, const Candidate &b) { return a.articles > b.articles; });
            if (candidates[0].articles == candidates[1].articles)
                candidates.clear();
            else
                candidates.resize(1);
        }
        if (candidates.empty())
            continue;

        const auto rank = [](const Candidate &c) { return std::make_tuple(c.articles, c.stem, c.rawStem, c.whole); };
        const auto best =
            rank(*std::max_element(candidates.begin(), candidates.end(),
                                   [&](const Candidate &a, const Candidate &b) { return rank(a) < rank(b); }));
        std::erase_if(candidates, [&](const Candidate &c) { return rank(c) != best; });
        std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
            if (a.entry->usefulness != b.entry->usefulness)
                return a.entry->usefulness > b.entry->usefulness;
            return a.entry->source < b.entry->source;
        });
        Line line{group.front()->text, {}};
        for (const Candidate &c : candidates)
            line.bases.append(c.entry->source);
        lines.push_back(std::move(line));
        given.insert(key);
    }

    // "Hallo!" and "¡Ojo!" are typed as "hallo" and "ojo".
    for (const ImportEntry &entry : written) {
        QStringView bare = entry.source;
        while (!bare.isEmpty() && (bare.front() == u'¡' || bare.front() == u'¿'))
            bare = bare.sliced(1);
        while (!bare.isEmpty() && (bare.back() == u'!' || bare.back() == u'?'))
            bare.chop(1);
        if (bare.isEmpty() || bare.size() == entry.source.size()
            || !std::all_of(bare.begin(), bare.end(), [](QChar c) { return c.isLetter(); }))
            continue;
        const QString key = bare.toString().toCaseFolded();
        if (entries.contains(key) || given.contains(key))
            continue;
        lines.push_back({bare.toString(), {entry.source}});
        given.insert(key);
    }

    std::vector<CollationKey> keys;
    keys.reserve(lines.size());
    std::vector<size_t> sorted(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        keys.emplace_back(lines[i].form);
        sorted[i] = i;
    }
    std::sort(sorted.begin(), sorted.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<Line> result;
    result.reserve(lines.size());
    for (size_t i : sorted)
        result.push_back(std::move(lines[i]));
    return result;
}
