#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of the program: written as UTF-8 with CR LF line ends; read as UTF-8, or as
// Windows-1252 when the bytes are not valid UTF-8, so files from older systems still load.
class TextFile
{
public:
    static QString decode(const QByteArray &bytes);
    static std::optional<QString> read(const QString &path);

    // Lines end at CR LF or LF; a last line without a line end counts, an empty tail does not.
    static QStringList splitLines(const QString &text);
    static std::optional<QStringList> readLines(const QString &path);

    // Both write the whole file atomically; false leaves the old file untouched.
    static bool writeLines(const QString &path, const QStringList &lines);
    // The quoted record: double quote, text, double quote, CR LF.
    static bool writeQuotedRecord(const QString &path, const QString &text);
    // Removes the quotes around a record read back as lines (a text with line breaks spans
    // several); lines without them stay as they are.
    static void unquoteRecord(QStringList &lines);
};
