#include "HeadwordTable.h"

#include "BareVerb.h"
#include "FieldText.h"
#include "FormLinks.h"
#include "GrammarRemark.h"

#include <QSet>

#include <algorithm>

namespace {

bool isSentence(const QString &text)
{
    QStringView t = text;
    while (!t.isEmpty() && (t.back() == u'"' || t.back() == u'\'' || t.back() == u'“' || t.back() == u'”'))
        t.chop(1);
    return text.contains(u' ') && (t.endsWith(u'.') || t.endsWith(u'!') || t.endsWith(u'?'));
}

bool isVerb(const QStringList &grammar)
{
    return std::any_of(grammar.begin(), grammar.end(),
                       [](const QString &g) { return g.section(u',', 0, 0).trimmed() == u"v"; });
}

template <typename Visit>
void forEachWord(const QString &text, Visit visit)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && text[i].isLetterOrNumber();
        if (inWord && start < 0)
            start = i;
        else if (!inWord && start >= 0) {
            visit(text.mid(start, i - start).toCaseFolded());
            start = -1;
        }
    }
}

} // namespace

void HeadwordTable::countWords(const QString &text)
{
    forEachWord(text, [this](const QString &word) { ++m_wordCounts[word]; });
}

int HeadwordTable::usefulness(const QString &headword) const
{
    int rarest = -1;
    forEachWord(headword, [&](const QString &word) {
        const int count = m_wordCounts.value(word);
        rarest = rarest < 0 ? count : std::min(rarest, count);
    });
    return std::max(rarest, 0);
}

void HeadwordTable::add(const ParsedArticle &article)
{
    for (const QString &example : article.exampleTexts)
        countWords(example);
    for (const HeadForm &form : article.forms) {
        const QString text = FieldText::clean(form.text);
        if (text.isEmpty())
            continue;
        countWords(text);
        auto it = m_index.constFind(text);
        if (it == m_index.constEnd()) {
            it = m_index.insert(text, int(m_headwords.size()));
            m_headwords.push_back({text, {}});
        }
        Sense sense;
        sense.translations = form.translations;
        sense.grammar = form.grammar;
        sense.pronunciations = form.pronunciations;
        sense.marked = article.marked;
        sense.examples = article.examples;
        // Only a sense without word class may be an inflected form; of its links only those that
        // can be a base are kept (the import holds every article at once).
        if (!GrammarRemark::marksWordClass(form.grammar)) {
            for (const QString &link : article.links) {
                const QString candidate = FormLinks::candidateOf(link);
                if (!candidate.isEmpty() && !sense.links.contains(candidate))
                    sense.links.append(candidate);
            }
        }
        ++m_senses;
        if (!form.grammar.isEmpty())
            ++m_sensesWithGrammar;
        m_headwords[*it].senses.push_back(std::move(sense));
    }
}

std::vector<HeadwordTable::Headword> HeadwordTable::bareVerbs() const
{
    std::vector<Headword> verbs;
    QHash<QString, int> index;
    for (const Headword &headword : m_headwords) {
        const std::optional<QString> verb = BareVerb::of(headword.text);
        if (!verb || m_index.contains(*verb))
            continue;
        for (const Sense &sense : headword.senses) {
            if (!isVerb(sense.grammar))
                continue;
            auto it = index.constFind(*verb);
            if (it == index.constEnd()) {
                it = index.insert(*verb, int(verbs.size()));
                verbs.push_back({*verb, {}});
            }
            Sense taken = sense;
            taken.form = headword.text;
            taken.pronunciations.clear(); // they speak the whole phrase
            verbs[*it].senses.push_back(std::move(taken));
        }
    }
    return verbs;
}

std::vector<ImportEntry> HeadwordTable::entries() const
{
    const std::vector<Headword> verbs = bareVerbs();
    std::vector<ImportEntry> result;
    result.reserve(m_headwords.size() + verbs.size());
    for (const Headword &headword : m_headwords)
        result.push_back(merged(headword));
    for (const Headword &verb : verbs) {
        result.push_back(merged(verb));
        result.back().bareVerb = true;
    }
    return result;
}

ImportEntry HeadwordTable::merged(const Headword &headword) const
{
    // "Verkoster" is also the plural of "Verkoster": its plural senses would only repeat the
    // translations in the plural.
    const auto isPluralForm = [](const Sense &sense) {
        GrammarRemark grammar;
        for (const QString &g : sense.grammar)
            grammar.addGrammar(g);
        return grammar.isPluralForm();
    };
    const bool hasBaseForm = std::any_of(headword.senses.begin(), headword.senses.end(),
                                         [&](const Sense &sense) { return !isPluralForm(sense); });
    std::vector<const Sense *> senses;
    for (const Sense &sense : headword.senses) {
        if (!hasBaseForm || !isPluralForm(sense))
            senses.push_back(&sense);
    }
    // Main senses first: unmarked ones, then those the source illustrates most, then source order.
    std::stable_sort(senses.begin(), senses.end(), [](const Sense *a, const Sense *b) {
        if (a->marked != b->marked)
            return !a->marked;
        return a->examples > b->examples;
    });

    ImportEntry entry;
    entry.source = headword.text;
    entry.senses = int(senses.size());
    GrammarRemark remark;
    QSet<QString> seen;
    QStringList forms;
    for (const Sense *sense : senses) {
        if (!sense->form.isEmpty() && !forms.contains(sense->form))
            forms.append(sense->form);
        for (const QString &raw : sense->translations) {
            const QString translation = FieldText::clean(raw);
            if (!translation.isEmpty() && !seen.contains(translation)) {
                seen.insert(translation);
                entry.translations.append(translation);
            }
        }
        for (const QString &grammar : sense->grammar)
            remark.addGrammar(grammar);
        for (const QString &pronunciation : sense->pronunciations)
            remark.addPronunciation(pronunciation);
    }
    // A bare verb says in its remark how the source uses it: "v, refl, sich erinnern".
    QStringList remarkParts{remark.text()};
    if (!forms.isEmpty())
        remarkParts.append(forms.join(QStringLiteral(" / ")));
    remarkParts.removeAll(QString());
    entry.remark = FieldText::clean(remarkParts.join(QStringLiteral(", ")));
    entry.usefulness = usefulness(headword.text);

    // Dictionaries without word classes (German-Italian) have no inflected forms to tell apart.
    const bool marksClasses = 2 * m_sensesWithGrammar > m_senses;
    if (isSentence(entry.source))
        entry.tier = EntryTier::Sentence;
    else if (remark.hasWordClass() || !marksClasses)
        entry.tier = EntryTier::BaseForm;
    else if (remark.isPluralForm() || !entry.source.contains(u' '))
        entry.tier = EntryTier::InflectedForm;
    else
        entry.tier = EntryTier::Phrase;
    const QStringList &classes = remark.wordClasses();
    entry.noun = classes.contains(QLatin1String("n"));
    entry.verb = classes.contains(QLatin1String("v"));
    entry.adjective = classes.contains(QLatin1String("adj"));
    if (entry.tier == EntryTier::InflectedForm) {
        entry.pluralForm = remark.isPluralForm();
        for (const Sense *sense : senses) {
            if (!sense->links.isEmpty())
                entry.links.push_back(sense->links);
        }
    }
    return entry;
}
