#include "dictionary/DictionaryLoader.h"

#include "core/TextFile.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
constexpr std::array<int, DictionaryLoader::kPartCount> kPartStage = {40, 70, 80, 80};
// The line counter of a part overflows after this many lines: the part is still taken in
// whole, then loading stops.
constexpr int kOverflowLines = DictionaryLoader::kMaxLinesPerPart + 1;

void report(const DictionaryLoader::Progress &progress, int value)
{
    if (progress)
        progress(value);
}

// The first line longer than the limit (line end not counted), from 1; 0 when there is none.
int firstLongLine(const QByteArray &bytes, qint64 limit)
{
    const char *const data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (int line = 1; start < size; ++line) {
        const void *lf = std::memchr(data + start, '\n', size_t(size - start));
        const qsizetype lfAt = lf ? static_cast<const char *>(lf) - data : size;
        qsizetype end = lfAt;
        if (lf && end > start && data[end - 1] == '\r')
            --end;
        if (end - start > limit)
            return line;
        start = lfAt + 1;
    }
    return 0;
}

// The number of bytes of a word with their high bit set, when no other bit is.
inline qsizetype bytesMarked(quint64 highBits)
{
    return qsizetype(((highBits >> 7) * 0x0101010101010101ULL) >> 56);
}

// How many UTF-16 units well-formed UTF-8 bytes make: one per byte that begins a character,
// two for a character of four bytes. Eight bytes at a time.
qsizetype utf16Units(const QByteArray &bytes)
{
    constexpr quint64 kHigh = 0x8080808080808080ULL;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype continuations = 0;
    qsizetype fourByteLeads = 0;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 w;
        std::memcpy(&w, data + i, 8);
        // 10xxxxxx: bit 7 set, bit 6 clear; 11110xxx and above: bits 7 to 4 set.
        continuations += bytesMarked(w & ~(w << 1) & kHigh);
        fourByteLeads += bytesMarked(w & (w << 1) & (w << 2) & (w << 3) & kHigh);
    }
    for (; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        continuations += (b & 0xC0) == 0x80;
        fourByteLeads += b >= 0xF0;
    }
    return size - continuations + fourByteLeads;
}

// The text of a dictionary, taking no more memory than it needs: decoding at once reserves a
// unit for every byte, and the bytes of multi-byte characters (a tenth of German-English)
// would stay reserved as long as the dictionary is loaded. Decoded line by line into exactly
// the units well-formed UTF-8 makes; anything else (a byte-order mark, a bad sequence, another
// encoding) is decoded as every text file is.
QString decodeExactly(const QByteArray &bytes)
{
    constexpr qsizetype kChunk = 64 * 1024;
    const qsizetype units = utf16Units(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF") || units > bytes.size())
        return TextFile::decode(bytes);
    QString text(units, Qt::Uninitialized);
    QChar *out = text.data();
    QChar *const end = out + units;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QVarLengthArray<QChar, 1> spill;
    const char *data = bytes.constData();
    for (qsizetype from = 0; from < bytes.size();) {
        // Whole lines: a line end is never inside a multi-byte character.
        qsizetype to = std::min(from + kChunk, bytes.size());
        if (to < bytes.size()) {
            const void *lf = std::memchr(data + to, '\n', size_t(bytes.size() - to));
            to = lf ? static_cast<const char *>(lf) - data + 1 : bytes.size();
        }
        const QByteArrayView chunk(data + from, to - from);
        if (end - out >= chunk.size()) {
            out = utf8.appendToBuffer(out, chunk);
        } else {
            // The last lines: decoded aside, since a bad sequence could make more units.
            spill.resize(chunk.size());
            const QChar *spillEnd = utf8.appendToBuffer(spill.data(), chunk);
            const qsizetype made = spillEnd - spill.constData();
            if (made > end - out)
                return TextFile::decode(bytes);
            std::copy(spill.constData(), spillEnd, out);
            out += made;
        }
        if (utf8.hasError())
            return TextFile::decode(bytes);
        from = to;
    }
    if (out != end)
        return TextFile::decode(bytes);
    return text;
}

struct Piece
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

// The first divider mark at or after from: the platform's character search finds the few
// backslashes of a dictionary far faster than a search for the whole mark does.
qsizetype findMark(const QString &text, qsizetype from)
{
    const qsizetype markLength = DictionaryLoader::kDividerMark.size();
    const QStringView all(text);
    for (qsizetype at = all.indexOf(u'\\', from); at >= 0 && at + markLength <= all.size();
         at = all.indexOf(u'\\', at + 1)) {
        if (all.sliced(at, markLength) == DictionaryLoader::kDividerMark)
            return at;
    }
    return -1;
}

// Up to five pieces: text after a fourth mark is never loaded, so further marks don't matter.
QVector<Piece> splitAtMarks(const QString &text)
{
    QVector<Piece> pieces;
    const qsizetype markLength = DictionaryLoader::kDividerMark.size();
    qsizetype from = 0;
    while (pieces.size() < DictionaryLoader::kPartCount) {
        const qsizetype at = findMark(text, from);
        if (at < 0)
            break;
        pieces.append({from, at});
        from = at + markLength;
    }
    pieces.append({from, text.size()});
    return pieces;
}

// Lines end at LF (a preceding CR belongs to the line end). The element after the last LF is
// the text before the next mark, which is never an entry, unless the piece runs to the end
// of the file: then it is a last line that merely lacks its line end.
QVector<LineSpan> splitPiece(const QString &text, Piece piece, bool lastPiece, int &lineCount)
{
    QVector<LineSpan> lines;
    // About one line in 64 characters (German-English has 80); growing is left for longer ones.
    lines.reserve((piece.end - piece.begin) / 64);
    const char16_t *data = reinterpret_cast<const char16_t *>(text.constData());
    lineCount = 0;
    auto take = [&](qsizetype begin, qsizetype end) {
        ++lineCount;
        if (end > begin && data[end - 1] == u'\r')
            --end;
        if (end > begin)
            lines.append({std::int32_t(begin), std::int32_t(end - begin)});
    };
    // The platform's character search finds the line ends many times faster than a loop.
    const QStringView all(data, piece.end);
    qsizetype start = piece.begin;
    for (qsizetype i = all.indexOf(u'\n', start); i >= 0; i = all.indexOf(u'\n', start)) {
        take(start, i);
        start = i + 1;
    }
    if (lastPiece && start < piece.end)
        take(start, piece.end);
    return lines;
}
}

QString DictionaryLoader::decode(const QByteArray &bytes)
{
    return decodeExactly(bytes);
}

QString DictionaryLoad::refusal(const CountryTexts &texts) const
{
    switch (status) {
    case Status::FileTooLarge:
        return texts.text(CountryTexts::ZuGross).text;
    case Status::LineTooLong:
        return texts.text(CountryTexts::ZeileZuLang).text.arg(line);
    default:
        return QString();
    }
}

DictionaryLoad DictionaryLoader::load(const QString &path, const Progress &progress)
{
    DictionaryLoad result;
    const FileBytes file = TextFile::readBytes(path, kMaxFileBytes);
    switch (file.status) {
    case FileBytes::Status::Ok:
        break;
    case FileBytes::Status::TooLarge:
        result.status = DictionaryLoad::Status::FileTooLarge;
        return result;
    case FileBytes::Status::Unreadable:
    case FileBytes::Status::NotAFile:
        result.status = DictionaryLoad::Status::Unreadable;
        return result;
    }
    report(progress, 10);
    report(progress, 20);
    if (const int line = firstLongLine(file.bytes, kMaxLineBytes)) {
        result.status = DictionaryLoad::Status::LineTooLong;
        result.line = line;
        return result;
    }
    DictionaryLoad load = parse(decode(file.bytes), progress);
    load.forms = FormTable::load(FormTable::pathBeside(path));
    return load;
}

DictionaryLoad DictionaryLoader::parse(QString text, const Progress &progress)
{
    DictionaryLoad result;
    if (text.size() > std::numeric_limits<std::int32_t>::max()) {
        result.status = DictionaryLoad::Status::Unreadable;
        return result;
    }
    auto store = std::make_shared<const DictionaryText>(std::move(text));
    result.text = store;
    const QString &all = store->text();
    const QVector<Piece> pieces = splitAtMarks(all);
    report(progress, 30);

    for (int k = 0; k < kPartCount; ++k) {
        if (k >= pieces.size()) {
            result.status = DictionaryLoad::Status::TooFewDividers;
            return result;
        }
        int lineCount = 0;
        QVector<LineSpan> lines = splitPiece(all, pieces[k], k == pieces.size() - 1, lineCount);
        if (lineCount > kOverflowLines) {
            result.status = DictionaryLoad::Status::PartTooLong;
            return result;
        }
        result.parts[k] = std::move(lines);
        report(progress, kPartStage[k]);
        if (lineCount == kOverflowLines) {
            result.status = DictionaryLoad::Status::PartTooLong;
            return result;
        }
    }
    return result;
}

bool DictionaryLoader::fileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}
