#pragma once

#include "dictionary/DictionaryText.h"

#include <QVector>

#include <array>
#include <functional>
#include <memory>

// The outcome of reading a dictionary: what was loaded, and why loading stopped early.
struct DictionaryLoad
{
    enum class Status { Ok, Unreadable, TooFewDividers, PartTooLong };

    Status status = Status::Ok;
    std::shared_ptr<const DictionaryText> text;
    // Parts that were not reached stay empty.
    std::array<QVector<LineSpan>, 4> parts;

    bool ok() const { return status == Status::Ok; }
};

// Reads a dictionary file: entries one per line, cut into four parts by the divider mark
// of eight backslashes. Parts are limited to what one list holds.
class DictionaryLoader
{
public:
    static constexpr int kMaxLinesPerPart = 32767;
    static constexpr int kPartCount = 4;
    static inline const QString kDividerMark = QStringLiteral("\\\\\\\\\\\\\\\\");

    // Progress stages 10, 20, 30, then 40, 70, 80, 80 as each part is taken in.
    using Progress = std::function<void(int)>;

    static DictionaryLoad load(const QString &path, const Progress &progress = {});
    // The same for text already in memory (the stages after reading).
    static DictionaryLoad parse(QString text, const Progress &progress = {});

    // True for an existing file; false for folders, missing paths and unreadable entries.
    static bool fileExists(const QString &path);
};
