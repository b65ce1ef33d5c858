#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The bytes of a file read whole, or why they were not read.
struct FileBytes
{
    enum class Status { Ok, Unreadable, NotAFile, TooLarge };

    Status status = Status::Ok;
    QByteArray bytes;

    bool ok() const { return status == Status::Ok; }
};

// Text files of the program: written as UTF-8 with CR LF line ends; read as UTF-8, or as
// Windows-1252 when that misreads fewer characters, so files from older systems still load.
class TextFile
{
public:
    // What read() takes at most; a larger file is not a text file of ours.
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    // UTF-8 unless the bytes hold more invalid UTF-8 sequences than valid multi-byte ones
    // (then each misread sequence would be a Windows-1252 character, more often than not);
    // a byte-order mark always means UTF-8. Invalid sequences become U+FFFD.
    static QString decode(const QByteArray &bytes);

    // Only regular files are opened (a folder, a FIFO or a device never is), and only when
    // they hold at most maxBytes: the size is checked before anything is read.
    [[nodiscard]] static FileBytes readBytes(const QString &path, qint64 maxBytes);
    [[nodiscard]] static std::optional<QString> read(const QString &path);

    // Lines end at CR LF or LF; a last line without a line end counts, an empty tail does not.
    static QStringList splitLines(const QString &text);
    [[nodiscard]] static std::optional<QStringList> readLines(const QString &path);

    // Synced files are on the disk when the write returns, their folder entry too, so that a
    // power cut leaves the old file or the new one.
    enum class Sync { No, ToDisk };

    // Both write the whole file atomically; false leaves the old file untouched.
    [[nodiscard]] static bool writeLines(const QString &path, const QStringList &lines, Sync sync = Sync::No);
    // The quoted record: double quote, text, double quote, CR LF.
    [[nodiscard]] static bool writeQuotedRecord(const QString &path, const QString &text);
    // Removes the quotes around a record read back as lines (a text with line breaks spans
    // several); lines without them stay as they are.
    static void unquoteRecord(QStringList &lines);
};
