#include "dictionary/EntryText.h"

#include <vector>

std::optional<QStringList> EntryText::parsing(QStringView entry)
{
    QStringList fields;
    QString current;
    const qsizetype n = entry.size();
    for (qsizetype p = 0; p < n; ++p) {
        const QChar c = entry[p];
        if (c != QLatin1Char(';')) {
            current += c;
            continue;
        }
        if (p == n - 1 || entry[p + 1] == QLatin1Char(';'))
            continue;
        if (fields.size() + 1 >= kMaxFields)
            return std::nullopt;
        fields.append(current);
        current.clear();
    }
    fields.append(current);
    return fields;
}

QString EntryText::zeichenErsetzen(QString &text, const QString &pattern, const QString &replacement)
{
    const qsizetype m = pattern.size();
    if (m == 0)
        return text;
    // Knuth-Morris-Pratt, so that no pattern makes the search go back over the text; the text is
    // built anew rather than replaced in place, which would move its rest at every occurrence.
    // Searching the original behind each occurrence is searching behind each inserted replacement.
    const QChar *p = pattern.constData();
    std::vector<qsizetype> border(size_t(m), 0);
    for (qsizetype i = 1, k = 0; i < m; ++i) {
        while (k > 0 && p[i] != p[k])
            k = border[size_t(k - 1)];
        if (p[i] == p[k])
            ++k;
        border[size_t(i)] = k;
    }

    const QChar *t = text.constData();
    const qsizetype n = text.size();
    QString result;
    qsizetype copied = 0;
    for (qsizetype i = 0, k = 0; i < n; ++i) {
        while (k > 0 && t[i] != p[k])
            k = border[size_t(k - 1)];
        if (t[i] == p[k])
            ++k;
        if (k == m) {
            const qsizetype at = i - m + 1;
            result += QStringView(t + copied, at - copied);
            result += replacement;
            copied = i + 1;
            k = 0; // occurrences do not overlap
        }
    }
    if (copied == 0)
        return text;
    result += QStringView(t + copied, n - copied);
    text = result;
    return result;
}
