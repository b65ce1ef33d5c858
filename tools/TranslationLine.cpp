#include "TranslationLine.h"

#include "DictdMarkup.h"

#include <QRegularExpression>

namespace {

qsizetype leadingDigits(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n].isDigit())
        ++n;
    return n;
}

// Text of a translation with grammar, labels, pronunciations and pairing bars taken out.
QString plainText(QStringView line)
{
    QString out;
    out.reserve(line.size());
    bool unclosedLabels = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'<') {
            const qsizetype end = DictdMarkup::grammarEnd(line, i);
            if (end > 0) {
                // "<n>dep.," : an abbreviation of the translation follows the tag directly.
                qsizetype abbreviationEnd = end + 1;
                while (abbreviationEnd < line.size() && line[abbreviationEnd] != u',' && line[abbreviationEnd] != u'<')
                    ++abbreviationEnd;
                const QStringView abbreviation = line.mid(end + 1, abbreviationEnd - end - 1);
                if (!abbreviation.isEmpty() && !abbreviation.front().isSpace()) {
                    out += QStringLiteral(" (%1)").arg(abbreviation.trimmed());
                    i = abbreviationEnd - 1;
                } else {
                    out += u' ';
                    i = end;
                }
                continue;
            }
        } else if (c == u'[' && !unclosedLabels) {
            const qsizetype end = DictdMarkup::labelEnd(line, i);
            if (end > 0) {
                out += u' ';
                i = end;
                continue;
            }
            // With no "]" left, no later "[" closes either: not looked for again from each.
            unclosedLabels = !line.mid(i + 1).contains(u']');
        } else if (c == u'/') {
            const qsizetype end = DictdMarkup::pronunciationEnd(line, i);
            if (end > 0) {
                i = end;
                continue;
            }
        } else if (c == u'|') {
            out += u' ';
            continue;
        }
        out += c;
    }
    return out;
}

// Splits at ", " outside parentheses; "3α,5α-androstenol" and "(Urin, Luft)" stay whole.
QStringList splitItems(const QString &text)
{
    QStringList items;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
        else if (c == u',' && depth == 0 && (i + 1 == text.size() || text[i + 1].isSpace())) {
            items.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    items.append(text.mid(start));
    return items;
}

bool isLanguageTag(const QString &item)
{
    // WikDict leaks script tags such as "el-Latn" where a translation is missing.
    static const QRegularExpression tag(QStringLiteral("^[a-z]{2,3}-[A-Z][a-z]{3}$"));
    return tag.match(item).hasMatch();
}

} // namespace

QStringView TranslationLine::withoutSenseNumber(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    const qsizetype digits = leadingDigits(trimmed);
    if (digits > 0 && digits + 1 < trimmed.size() && trimmed[digits] == u'.' && trimmed[digits + 1].isSpace())
        return trimmed.mid(digits + 2).trimmed();
    return line;
}

QStringView TranslationLine::withoutTrailingNumber(QStringView line)
{
    QStringView trimmed = line.trimmed();
    if (!trimmed.endsWith(u'.'))
        return line;
    qsizetype i = trimmed.size() - 1;
    while (i > 0 && trimmed[i - 1].isDigit())
        --i;
    if (i == trimmed.size() - 1 || i == 0 || !trimmed[i - 1].isSpace())
        return line;
    return trimmed.left(i).trimmed();
}

QStringList TranslationLine::labels(QStringView line)
{
    QStringList labels;
    for (qsizetype i = line.indexOf(u'['); i >= 0; i = line.indexOf(u'[', i + 1)) {
        const qsizetype end = DictdMarkup::labelEnd(line, i);
        if (end > 0) {
            labels.append(line.mid(i + 1, end - i - 1).trimmed().toString());
            i = end;
        } else if (!line.mid(i + 1).contains(u']')) {
            break; // no later "[" closes either
        }
    }
    return labels;
}

int TranslationLine::senseNumber(QStringView line)
{
    const qsizetype digits = leadingDigits(line);
    if (digits == 0 || digits > 4 || digits + 1 >= line.size() || line[digits] != u'.' || !line[digits + 1].isSpace())
        return 0;
    return line.left(digits).toInt();
}

QStringList TranslationLine::items(QStringView line)
{
    QStringList items;
    for (const QString &raw : splitItems(plainText(withoutSenseNumber(line)))) {
        const QString item = raw.simplified();
        if (item.isEmpty() || isLanguageTag(item))
            continue;
        if (item.startsWith(u'(') && item.endsWith(u')') && !items.isEmpty()) {
            items.last() += u' ' + item;
            continue;
        }
        items.append(item);
    }
    return items;
}
