// Dictionary loader from bytes (its decoding against the plain one), then the prefix search of
// every part against a plain scan.
#include "FuzzCheck.h"

#include "core/TextFile.h"
#include "dictionary/DictionaryLoader.h"
#include "dictionary/PartListModel.h"

namespace {
// What the search must return: the first row from the top that starts with text, case ignored.
int scanFirstPrefix(const PartListModel &model, const QString &text)
{
    if (text.isEmpty())
        return -1;
    for (int row = 0; row < model.count(); ++row) {
        if (model.item(row).startsWith(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

void checkSearch(const PartListModel &model, const QString &text)
{
    const int found = model.findFirstPrefix(text);
    const int expected = scanFirstPrefix(model, text);
    FUZZ_CHECK(found == expected, QStringLiteral("needle \"%1\": %2 instead of %3").arg(text).arg(found).arg(expected));
}

// Needles from the lines themselves, cut and in other letter case, and one from the input's tail.
QStringList needles(const PartListModel &model, const QString &tail)
{
    QStringList out{tail, tail.left(1), tail.left(2)};
    const int rows = std::min(model.count(), 8);
    for (int row = 0; row < rows; ++row) {
        const QString line = model.item(row);
        for (const qsizetype length : {qsizetype(1), qsizetype(2), qsizetype(3), line.size()}) {
            const QString cut = line.left(length);
            out << cut << cut.toUpper() << cut.toLower() << cut.toCaseFolded();
        }
    }
    return out;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = TextFile::decode(bytes);
    // Decoded into exactly the memory it needs, the text is the same.
    FUZZ_CHECK(DictionaryLoader::decode(bytes) == text, QString());
    const DictionaryLoad load = DictionaryLoader::parse(text);
    FUZZ_CHECK(load.text != nullptr, QString());
    const qsizetype textSize = load.text->text().size();
    const qsizetype lastLf = bytes.lastIndexOf('\n');
    const QString tail = QString::fromUtf8(bytes.mid(lastLf + 1)).left(40);

    for (int k = 0; k < DictionaryLoader::kPartCount; ++k) {
        const QVector<LineSpan> &lines = load.parts[k];
        FUZZ_CHECK(lines.size() <= DictionaryLoader::kMaxLinesPerPart + 1, QString::number(lines.size()));
        for (const LineSpan &span : lines) {
            FUZZ_CHECK(span.offset >= 0 && span.length > 0 && qsizetype(span.offset) + span.length <= textSize,
                       QStringLiteral("%1+%2").arg(span.offset).arg(span.length));
        }
        PartListModel model;
        model.setLines(load.text, lines);
        for (const QString &needle : needles(model, tail))
            checkSearch(model, needle);
    }
    return 0;
}
