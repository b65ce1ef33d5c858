#include "GrammarRemark.h"

#include <QSet>

#include <algorithm>
#include <iterator>

namespace {

QString gender(const QString &token)
{
    if (token == u"masc" || token == u"m")
        return QStringLiteral("m");
    if (token == u"fem" || token == u"f")
        return QStringLiteral("f");
    if (token == u"neut")
        return QStringLiteral("n");
    return QString();
}

bool isWordClass(const QString &token)
{
    static const QSet<QString> kClasses{
        QStringLiteral("n"),           QStringLiteral("v"),
        QStringLiteral("adj"),         QStringLiteral("adv"),
        QStringLiteral("prep"),        QStringLiteral("conj"),
        QStringLiteral("pron"),        QStringLiteral("num"),
        QStringLiteral("int"),         QStringLiteral("art"),
        QStringLiteral("pn"),          QStringLiteral("prefix"),
        QStringLiteral("suffix"),      QStringLiteral("numeral"),
        QStringLiteral("preposition"), QStringLiteral("interjection"),
        QStringLiteral("particle"),    QStringLiteral("abbreviation"),
        QStringLiteral("article"),     QStringLiteral("postposition"),
        QStringLiteral("letter"),      QStringLiteral("adverb"),
    };
    return kClasses.contains(token.toLower());
}

// Qualifiers of a class rather than classes: "v, trans", "pron, pers", "sg only".
bool isQualifier(const QString &token)
{
    static const QSet<QString> kQualifiers{
        QStringLiteral("trans"), QStringLiteral("intr"),    QStringLiteral("refl"),    QStringLiteral("pers"),
        QStringLiteral("rel"),   QStringLiteral("sg only"), QStringLiteral("pl only"),
    };
    return kQualifiers.contains(token);
}

void appendOnce(QStringList &list, const QString &value)
{
    if (!list.contains(value))
        list.append(value);
}

} // namespace

void GrammarRemark::addGrammar(const QString &grammar)
{
    bool classSeen = false;
    for (const QString &raw : grammar.split(u',')) {
        const QString token = raw.simplified();
        if (token.isEmpty() || token == u"sg")
            continue;
        if (token == u"pl") {
            m_plural = true;
            continue;
        }
        // "n" is the noun class first and neuter after it ("n, n" in Spanish-German).
        if (token == u"n" && classSeen) {
            appendOnce(m_genders, QStringLiteral("n"));
            continue;
        }
        const QString g = gender(token);
        if (!g.isEmpty()) {
            appendOnce(m_genders, g);
        } else if (isWordClass(token) || (!classSeen && !isQualifier(token))) {
            appendOnce(m_classes, token);
            classSeen = true;
        } else {
            appendOnce(m_others, token);
        }
    }
}

bool GrammarRemark::marksWordClass(const QStringList &grammar)
{
    static const char *const kNoClass[] = {"sg",    "pl",   "masc", "m",    "fem", "f",       "neut",
                                           "trans", "intr", "refl", "pers", "rel", "sg only", "pl only"};
    for (const QString &g : grammar) {
        for (QStringView token : QStringView(g).split(u',')) {
            token = token.trimmed();
            if (token.isEmpty())
                continue;
            // Anything else is a word class: one of the known ones, or the first unknown token.
            const bool noClass = std::any_of(std::begin(kNoClass), std::end(kNoClass),
                                             [&](const char *t) { return token == QLatin1String(t); });
            if (!noClass)
                return true;
        }
    }
    return false;
}

void GrammarRemark::addPronunciation(const QString &pronunciation)
{
    if (m_pronunciation.isEmpty() && !pronunciation.trimmed().isEmpty())
        m_pronunciation = pronunciation.trimmed();
}

QString GrammarRemark::text() const
{
    QStringList parts;
    if (!m_classes.isEmpty())
        parts.append(m_classes.join(u'/'));
    if (!m_genders.isEmpty())
        parts.append(m_genders.join(u'/'));
    if (m_plural)
        parts.append(QStringLiteral("pl"));
    if (!m_others.isEmpty())
        parts.append(m_others.join(u'/'));
    if (!m_pronunciation.isEmpty())
        parts.append(u'/' + m_pronunciation + u'/');
    return parts.join(QStringLiteral(", "));
}
