#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reads a speech hand-off file ("hilfe.txt", "stimm2.txt"). Older writers use the Windows
// code page, newer ones UTF-8: the bytes are taken as UTF-8 when they are valid UTF-8,
// otherwise as Windows-1252.
class HandOffFile
{
public:
    // The file's lines without line ends, or nothing when the file cannot be read.
    static std::optional<QStringList> readLines(const QString &path);

    static QString decode(const QByteArray &bytes);
    // Splits at CR LF, LF or CR; a final line end adds no empty line.
    static QStringList splitLines(const QString &text);

private:
    static QString decodeWindows1252(const QByteArray &bytes);
};
