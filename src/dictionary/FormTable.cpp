#include "dictionary/FormTable.h"

#include "core/TextFile.h"
#include "dictionary/DictionaryText.h"

#include <QHashFunctions>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace {

using Units = QVarLengthArray<char16_t, FormTable::kMaxLineBytes>;

struct Span
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

Span trimmed(const char *data, Span span)
{
    while (span.begin < span.end && isBlank(data[span.begin]))
        ++span.begin;
    while (span.end > span.begin && isBlank(data[span.end - 1]))
        --span.end;
    return span;
}

// The line that starts at offset, without its line end.
Span lineAt(const QByteArray &bytes, qsizetype offset)
{
    const char *data = bytes.constData();
    const void *lf = std::memchr(data + offset, '\n', size_t(bytes.size() - offset));
    qsizetype end = lf ? static_cast<const char *>(lf) - data : bytes.size();
    if (end > offset && data[end - 1] == '\r')
        --end;
    return {offset, end};
}

// The form of a line (before its first ";"), trimmed; empty when the line has no ";".
Span formOf(const char *data, Span line)
{
    const void *semicolon = std::memchr(data + line.begin, ';', size_t(line.end - line.begin));
    if (!semicolon)
        return {line.begin, line.begin};
    return trimmed(data, {line.begin, static_cast<const char *>(semicolon) - data});
}

// UTF-8 bytes decoded (bad sequences as U+FFFD) and case folded as every search folds.
void foldInto(const char *data, Span span, Units &out)
{
    const bool ascii =
        std::all_of(data + span.begin, data + span.end, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        out.resize(span.end - span.begin);
        for (qsizetype i = 0; i < out.size(); ++i)
            out[i] = DictionaryText::fold(char16_t(data[span.begin + i]));
        return;
    }
    // A UTF-8 sequence never gives more UTF-16 units than it has bytes.
    out.resize(span.end - span.begin);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QChar *const begin = reinterpret_cast<QChar *>(out.data());
    const QChar *const end = decoder.appendToBuffer(begin, QByteArrayView(data + span.begin, span.end - span.begin));
    out.resize(end - begin);
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = DictionaryText::foldedAt(out.constData(), out.size(), i);
}

std::uint32_t hashOf(const Units &folded)
{
    return std::uint32_t(qHash(QStringView(folded.constData(), folded.size())));
}

} // namespace

QString FormTable::pathBeside(const QString &dictionaryPath)
{
    const bool txt = dictionaryPath.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
    return (txt ? dictionaryPath.chopped(4) : dictionaryPath) + QStringLiteral(".forms");
}

std::shared_ptr<const FormTable> FormTable::load(const QString &path)
{
    FileBytes file = TextFile::readBytes(path, kMaxFileBytes);
    if (!file.ok())
        return nullptr;
    return std::make_shared<const FormTable>(parse(std::move(file.bytes)));
}

FormTable FormTable::parse(QByteArray bytes)
{
    FormTable table;
    if (bytes.size() > kMaxFileBytes)
        return table;
    table.m_bytes = std::move(bytes);
    const QByteArray &all = table.m_bytes;
    const char *data = all.constData();
    const qsizetype lines = std::count(all.cbegin(), all.cend(), '\n') + 1;
    size_t capacity = 16;
    while (capacity * 3 < size_t(lines) * 5)
        capacity *= 2;
    table.m_slots.assign(capacity, 0);
    const size_t mask = capacity - 1;
    Units folded;
    for (qsizetype offset = 0; offset < all.size();) {
        const Span line = lineAt(all, offset);
        const qsizetype next = line.end < all.size() && data[line.end] == '\r' ? line.end + 2 : line.end + 1;
        const qsizetype length = line.end - line.begin;
        if (length > 0 && length <= kMaxLineBytes && data[line.begin] != '#') {
            const Span form = formOf(data, line);
            const bool anyBase =
                std::any_of(data + form.end, data + line.end, [](char c) { return c != ';' && !isBlank(c); });
            if (form.end > form.begin && anyBase) {
                foldInto(data, form, folded);
                size_t slot = hashOf(folded) & mask;
                while (table.m_slots[slot] != 0)
                    slot = (slot + 1) & mask;
                table.m_slots[slot] = std::uint32_t(line.begin) + 1;
                ++table.m_count;
            }
        }
        offset = next;
    }
    return table;
}

QStringList FormTable::bases(QStringView form, int limit) const
{
    QStringList result;
    if (m_count == 0 || form.isEmpty() || form.size() > kMaxLineBytes)
        return result;
    const QByteArray utf8 = form.toUtf8();
    Units wanted;
    foldInto(utf8.constData(), {0, utf8.size()}, wanted);
    const size_t mask = m_slots.size() - 1;
    const char *data = m_bytes.constData();
    Units candidate;
    QVarLengthArray<qsizetype, 4> found;
    for (size_t slot = hashOf(wanted) & mask; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const qsizetype offset = qsizetype(m_slots[slot]) - 1;
        foldInto(data, formOf(data, lineAt(m_bytes, offset)), candidate);
        if (candidate == wanted)
            found.append(offset);
    }
    // A form on several lines: their bases in the order of the file.
    std::sort(found.begin(), found.end());
    for (const qsizetype offset : found) {
        const Span line = lineAt(m_bytes, offset);
        qsizetype from =
            static_cast<const char *>(std::memchr(data + line.begin, ';', size_t(line.end - line.begin))) - data;
        while (from < line.end && result.size() < limit) {
            const qsizetype start = from + 1; // after the ";"
            const void *semicolon = std::memchr(data + start, ';', size_t(std::max<qsizetype>(0, line.end - start)));
            const qsizetype end = semicolon ? static_cast<const char *>(semicolon) - data : line.end;
            const Span base = trimmed(data, {start, end});
            if (base.end > base.begin) {
                const QString text = QString::fromUtf8(data + base.begin, base.end - base.begin);
                if (!result.contains(text))
                    result.append(text);
            }
            from = end;
        }
    }
    return result;
}
