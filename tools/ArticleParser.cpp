#include "ArticleParser.h"

#include "DictdMarkup.h"
#include "GrammarRemark.h"
#include "HeadLineParser.h"
#include "TranslationLine.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

namespace {

enum class LineKind { Empty, Example, Link, Note, SubsenseMarker, Text };

// " 3." between the definitions of one sense.
bool isSubsenseMarker(QStringView t)
{
    return t.size() >= 2 && t.endsWith(u'.')
           && std::all_of(t.begin(), t.end() - 1, [](QChar c) { return c.isDigit(); });
}

LineKind kindOf(QStringView line)
{
    const QStringView t = line.trimmed();
    if (t.isEmpty())
        return LineKind::Empty;
    if (!line.front().isSpace())
        return LineKind::Text;
    if (t.startsWith(u'"'))
        return LineKind::Example;
    if (t.startsWith(u"see:") || t.startsWith(u"Synonym:") || t.startsWith(u"Synonyms:") || t.startsWith(u"Antonym:")
        || t.startsWith(u"Antonyms:"))
        return LineKind::Link;
    if (t.startsWith(u"Note:"))
        return LineKind::Note;
    if (isSubsenseMarker(t))
        return LineKind::SubsenseMarker;
    return LineKind::Text;
}

// " see: {gehen}, {laufen}" -> gehen, laufen
void appendLinks(QStringView line, QStringList &links)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype open = line.indexOf(u'{', from);
        if (open < 0)
            return;
        const qsizetype close = line.indexOf(u'}', open + 1);
        if (close < 0)
            return;
        links.append(line.mid(open + 1, close - open - 1).trimmed().toString());
        from = close + 1;
    }
}

// "      \"ein Haus bauen\"  - build a house" -> ein Haus bauen
QString exampleSource(QStringView line)
{
    const QStringView t = line.trimmed();
    const qsizetype close = t.indexOf(u'"', 1);
    return (close > 0 ? t.mid(1, close - 1) : t.mid(1)).toString();
}

// A sense marked colloquial, dated, rare or figurative, or only used in one region, is not
// what a reader expects first ("Dollar": dollar before buck [slang]). Subject labels such as
// [cook.] or [jur.] do not count; "behaviour [Br.], behavior [Am.]" is not regional either.
bool isMarked(const QStringList &labels)
{
    static const QSet<QString> kRegisters{
        QStringLiteral("coll."), QStringLiteral("ugs."),     QStringLiteral("slang"),     QStringLiteral("vulg."),
        QStringLiteral("pej."),  QStringLiteral("humor."),   QStringLiteral("dated"),     QStringLiteral("archaic"),
        QStringLiteral("obs."),  QStringLiteral("veraltet"), QStringLiteral("veraltend"), QStringLiteral("alt"),
        QStringLiteral("rare"),  QStringLiteral("selten"),   QStringLiteral("poet."),     QStringLiteral("fig."),
        QStringLiteral("übtr."), QStringLiteral("prov."),    QStringLiteral("Sprw."),     QStringLiteral("former name"),
    };
    static const QSet<QString> kRegions{
        QStringLiteral("Am."),    QStringLiteral("Br."),       QStringLiteral("eAm."),  QStringLiteral("Austr."),
        QStringLiteral("NZ"),     QStringLiteral("Sc."),       QStringLiteral("Can."),  QStringLiteral("Ös."),
        QStringLiteral("Schw."),  QStringLiteral("Dt."),       QStringLiteral("Bayr."), QStringLiteral("Norddt."),
        QStringLiteral("Süddt."), QStringLiteral("Mitteldt."), QStringLiteral("BW"),
    };
    bool regional = false;
    for (const QString &label : labels) {
        if (kRegisters.contains(label))
            return true;
        regional = regional || kRegions.contains(label);
    }
    const bool bothSpellings = labels.contains(QStringLiteral("Br.")) && labels.contains(QStringLiteral("Am."));
    return regional && !bothSpellings;
}

} // namespace

ParsedArticle ArticleParser::parse(const QString &article)
{
    ParsedArticle parsed;
    const QString text = DictdMarkup::decodeEscapes(article);
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (lines.isEmpty())
        return parsed;
    const HeadLine head = HeadLineParser::parse(lines.first());
    parsed.forms = head.forms;
    // Only an inflected form, which has no word class, needs its links (to its base).
    const bool anyWithoutClass = std::any_of(parsed.forms.begin(), parsed.forms.end(), [](const HeadForm &form) {
        return !GrammarRemark::marksWordClass(form.grammar);
    });

    QList<QStringView> translationLines;
    bool definitions = false;
    int nextSense = 0; // 0: senses are not numbered
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        switch (kindOf(line)) {
        case LineKind::Link:
            if (anyWithoutClass && line.trimmed().startsWith(u"see:"))
                appendLinks(line, parsed.links);
            break;
        case LineKind::Empty:
        case LineKind::Note:
        case LineKind::SubsenseMarker:
            break;
        case LineKind::Example:
            ++parsed.examples;
            parsed.exampleTexts.append(exampleSource(line));
            break;
        case LineKind::Text:
            if (i == 1) {
                translationLines.append(line);
                nextSense = TranslationLine::senseNumber(line) == 1 ? 2 : 0;
            } else if (nextSense > 0 && TranslationLine::senseNumber(line) == nextSense) {
                translationLines.append(line);
                ++nextSense;
            } else if (!line.front().isSpace()) {
                definitions = true;
            }
            break;
        }
    }

    QStringList labels;
    for (QStringView line : translationLines)
        labels += TranslationLine::labels(line);
    parsed.marked = isMarked(labels);

    const qsizetype formCount = qsizetype(parsed.forms.size());
    for (QStringView line : translationLines) {
        // With definitions below them, "σπίτι 2." ends in the number of the next definition.
        if (definitions)
            line = TranslationLine::withoutTrailingNumber(line);
        if (head.barPairs && formCount > 1) {
            const QList<QStringView> pieces = TranslationLine::withoutSenseNumber(line).split(u'|');
            if (pieces.size() == formCount) {
                for (qsizetype f = 0; f < formCount; ++f)
                    parsed.forms[f].translations += TranslationLine::items(pieces[f]);
                continue;
            }
        }
        const QStringList items = TranslationLine::items(line);
        for (HeadForm &form : parsed.forms)
            form.translations += items;
    }
    return parsed;
}
