#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    auto *dst = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : char16_t(b);
    }
    return out;
}

// How a byte string reads as UTF-8: its valid multi-byte sequences, and its invalid ones (each
// maximal ill-formed part once: a cut-off sequence is one misread character).
struct Utf8Census
{
    qsizetype valid = 0;
    qsizetype invalid = 0;
};

Utf8Census utf8Census(const QByteArray &bytes)
{
    Utf8Census census;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // Sequence length and the range of the second byte, which rules out overlong forms,
        // surrogates and code points past U+10FFFF.
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        }
        qsizetype end = i + 1;
        if (length > 0 && end < n && p[end] >= low && p[end] <= high) {
            ++end;
            while (end < i + length && end < n && p[end] >= 0x80 && p[end] <= 0xBF)
                ++end;
        }
        if (length > 0 && end == i + length)
            ++census.valid;
        else
            ++census.invalid;
        i = end;
    }
    return census;
}

bool syncFolderOf(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool writeAll(const QString &path, const QByteArray &bytes, TextFile::Sync sync = TextFile::Sync::No)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    // The data first, then the rename that publishes it, then the folder that records the rename.
    if (sync == TextFile::Sync::ToDisk && (!file.flush() || ::fsync(file.handle()) != 0)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    return sync == TextFile::Sync::No || syncFolderOf(path);
}
}

QString TextFile::decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    const bool byteOrderMark = bytes.startsWith("\xEF\xBB\xBF");
    if (utf8.hasError() && !byteOrderMark) {
        // Read either way, some characters come out wrong: take the reading that misreads fewer.
        const Utf8Census census = utf8Census(bytes);
        if (census.invalid >= census.valid)
            return decodeCp1252(bytes);
    }
    // The decoder may or may not have taken the mark away.
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

FileBytes TextFile::readBytes(const QString &path, qint64 maxBytes)
{
    // Looked at before opening: opening a FIFO waits for a writer, a device may never end.
    const QFileInfo info(path);
    if (!info.exists())
        return {FileBytes::Status::Unreadable, {}};
    if (!info.isFile())
        return {FileBytes::Status::NotAFile, {}};
    if (info.size() > maxBytes)
        return {FileBytes::Status::TooLarge, {}};

    // The path may have been replaced since: what is opened is checked again, and opening
    // does not wait.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {FileBytes::Status::Unreadable, {}};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {FileBytes::Status::Unreadable, {}};
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return {FileBytes::Status::Unreadable, {}};
    if (!S_ISREG(status.st_mode))
        return {FileBytes::Status::NotAFile, {}};
    if (status.st_size > maxBytes)
        return {FileBytes::Status::TooLarge, {}};

    // Up to the size checked: what a file that grows meanwhile gains is not read.
    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const qint64 got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (got < 0)
            return {FileBytes::Status::Unreadable, {}};
        if (got == 0)
            break;
        filled += qsizetype(got);
    }
    bytes.truncate(filled);
    return {FileBytes::Status::Ok, std::move(bytes)};
}

std::optional<QString> TextFile::read(const QString &path)
{
    FileBytes file = readBytes(path, kMaxBytes);
    if (!file.ok())
        return std::nullopt;
    return decode(file.bytes);
}

QStringList TextFile::splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != QLatin1Char('\n'))
            continue;
        qsizetype end = i;
        if (end > start && text[end - 1] == QLatin1Char('\r'))
            --end;
        lines.append(text.mid(start, end - start));
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

std::optional<QStringList> TextFile::readLines(const QString &path)
{
    const auto text = read(path);
    if (!text)
        return std::nullopt;
    return splitLines(*text);
}

bool TextFile::writeLines(const QString &path, const QStringList &lines, Sync sync)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return writeAll(path, bytes, sync);
}

bool TextFile::writeQuotedRecord(const QString &path, const QString &text)
{
    return writeAll(path, '"' + text.toUtf8() + "\"\r\n");
}

void TextFile::unquoteRecord(QStringList &lines)
{
    if (lines.isEmpty() || !lines.first().startsWith(QLatin1Char('"')) || !lines.last().endsWith(QLatin1Char('"')))
        return;
    if (lines.size() == 1 && lines.first().size() < 2)
        return;
    lines.first().remove(0, 1);
    lines.last().chop(1);
}
