#include "dictionary/DictionaryLoader.h"

#include "core/TextFile.h"

#include <QFileInfo>

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

struct Piece
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Up to five pieces: text after a fourth mark is never loaded, so further marks don't matter.
QVector<Piece> splitAtMarks(const QString &text)
{
    QVector<Piece> pieces;
    const qsizetype markLength = DictionaryLoader::kDividerMark.size();
    qsizetype from = 0;
    while (pieces.size() < DictionaryLoader::kPartCount) {
        const qsizetype at = text.indexOf(DictionaryLoader::kDividerMark, from);
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
    const char16_t *data = reinterpret_cast<const char16_t *>(text.constData());
    lineCount = 0;
    auto take = [&](qsizetype begin, qsizetype end) {
        ++lineCount;
        if (end > begin && data[end - 1] == u'\r')
            --end;
        if (end > begin)
            lines.append({std::int32_t(begin), std::int32_t(end - begin)});
    };
    qsizetype start = piece.begin;
    for (qsizetype i = piece.begin; i < piece.end; ++i) {
        if (data[i] == u'\n') {
            take(start, i);
            start = i + 1;
        }
    }
    if (lastPiece && start < piece.end)
        take(start, piece.end);
    return lines;
}
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
    return parse(TextFile::decode(file.bytes), progress);
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
