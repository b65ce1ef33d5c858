#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

struct DictdIndexEntry
{
    QString headword;
    qint64 offset = 0;
    qint64 length = 0;
    int line = 0;
};

struct DictdIndexResult
{
    std::vector<DictdIndexEntry> entries;
    std::optional<QString> error;
};

// Reads a dictd .index file: "headword TAB offset TAB length", numbers in dictd's base 64.
class DictdIndex
{
public:
    [[nodiscard]] static DictdIndexResult read(const QString &path);
    // dictd writes numbers as big-endian digits of A-Z a-z 0-9 + /, without padding.
    [[nodiscard]] static std::optional<qint64> decodeNumber(QByteArrayView digits);
};
