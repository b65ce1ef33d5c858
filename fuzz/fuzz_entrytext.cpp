// Parsing and ZeichenErsetzen against plain reference versions built on QString.
#include "FuzzCheck.h"

#include "dictionary/EntryText.h"

namespace {
// Fields as documented: runs of ";" separate like one, a trailing ";" opens nothing, a leading
// one leaves the first field empty.
QStringList referenceFields(const QString &entry)
{
    QStringList fields = entry.split(u';', Qt::SkipEmptyParts);
    if (fields.isEmpty() || entry.startsWith(u';'))
        fields.prepend(QString());
    return fields;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> pieces = fuzzPieces(data, size, 3);
    const QString entry = QString::fromUtf8(pieces[0]);

    const std::optional<QStringList> fields = EntryText::parsing(entry);
    const QStringList expected = referenceFields(entry);
    if (expected.size() > EntryText::kMaxFields) {
        FUZZ_CHECK(!fields, QString::number(expected.size()));
    } else {
        FUZZ_CHECK(fields && *fields == expected, fields ? fields->join(u'|') : QStringLiteral("nothing"));
    }

    const QString pattern = QString::fromUtf8(pieces[1]);
    const QString replacement = QString::fromUtf8(pieces[2]);
    QString text = entry;
    const QString result = EntryText::zeichenErsetzen(text, pattern, replacement);
    FUZZ_CHECK(result == text, QString());
    if (!pattern.isEmpty()) {
        QString reference = entry;
        reference.replace(pattern, replacement, Qt::CaseSensitive);
        FUZZ_CHECK(result == reference, result);
    } else {
        FUZZ_CHECK(result == entry, result);
    }
    return 0;
}
