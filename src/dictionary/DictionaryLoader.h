#pragma once

#include "core/CountryTexts.h"
#include "dictionary/DictionaryText.h"
#include "dictionary/FormTable.h"

#include <QVector>

#include <array>
#include <functional>
#include <memory>

// The outcome of reading a dictionary: what was loaded, and why loading stopped early.
struct DictionaryLoad
{
    // FileTooLarge and LineTooLong refuse a file before anything is loaded; the other
    // failures are the dictionary errors the layout message explains.
    enum class Status { Ok, Unreadable, TooFewDividers, PartTooLong, FileTooLarge, LineTooLong };

    Status status = Status::Ok;
    std::shared_ptr<const DictionaryText> text;
    // Parts that were not reached stay empty.
    std::array<QVector<LineSpan>, 4> parts;
    // LineTooLong: the number of that line in the file, from 1.
    int line = 0;
    // The table of word forms beside the file; null when there is none (or none usable: the
    // dictionary then works without it).
    std::shared_ptr<const FormTable> forms;

    bool ok() const { return status == Status::Ok; }
    // The message for a refused file (FileTooLarge, LineTooLong); empty for every other status.
    QString refusal(const CountryTexts &texts = {}) const;
};

// Reads a dictionary file: entries one per line, cut into four parts by the divider mark
// of eight backslashes. Parts are limited to what one list holds.
class DictionaryLoader
{
public:
    static constexpr int kMaxLinesPerPart = 32767;
    // Beyond these a file is no dictionary (or a hostile one): refused before it is taken in.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    static constexpr qint64 kMaxLineBytes = 64 * 1024;
    static constexpr int kPartCount = 4;
    static inline const QString kDividerMark = QStringLiteral("\\\\\\\\\\\\\\\\");

    // Progress stages 10, 20, 30, then 40, 70, 80, 80 as each part is taken in.
    using Progress = std::function<void(int)>;

    // Only a regular file is opened. Its size is checked before reading, its line lengths
    // (bytes between line feeds, without the line end) before decoding. The form table beside
    // it (FormTable::pathBeside) is read with it.
    [[nodiscard]] static DictionaryLoad load(const QString &path, const Progress &progress = {});
    // A dictionary's bytes decoded as every text file is (TextFile::decode), into exactly the
    // memory the text needs rather than a unit for every byte.
    [[nodiscard]] static QString decode(const QByteArray &bytes);
    // The same for text already in memory (the stages after reading).
    [[nodiscard]] static DictionaryLoad parse(QString text, const Progress &progress = {});

    // True for an existing regular file; false for folders, FIFOs, devices, missing paths and
    // unreadable entries.
    static bool fileExists(const QString &path);
};
