#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct DictdDataResult
{
    QByteArray data;
    std::optional<QString> error;
};

// Reads a dictd .dict.dz whole. Dictzip is gzip with an extra header field, so zlib reads it as
// plain gzip; the random-access chunk table is not needed when everything is read at once.
class DictdData
{
public:
    [[nodiscard]] static DictdDataResult read(const QString &path);
};
