#include "dictionary/EntryText.h"

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
    if (pattern.isEmpty())
        return text;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(pattern, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        text.replace(at, pattern.size(), replacement);
        from = at + replacement.size();
    }
    return text;
}
