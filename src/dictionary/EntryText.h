#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The two text routines the lookup relies on: splitting an entry into its fields and
// replacing every occurrence of a string.
class EntryText
{
public:
    static constexpr int kMaxFields = 1501;

    // Fields of an entry separated by ";": a run of ";" separates like one, a ";" at the end
    // opens no field, a ";" at the start leaves the first field empty. Nothing when the entry
    // has more than kMaxFields fields.
    static std::optional<QStringList> parsing(QStringView entry);

    // Replaces every occurrence of pattern (exact, case-sensitive) in text and returns the
    // result, which text holds as well. The search goes on behind each inserted replacement.
    static QString zeichenErsetzen(QString &text, const QString &pattern, const QString &replacement);
};
