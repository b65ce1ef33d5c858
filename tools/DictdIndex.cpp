#include "DictdIndex.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

int digitValue(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

// Ten digits reach 2^60, far beyond any dictionary; more would overflow.
constexpr qsizetype MaxDigits = 10;

} // namespace

std::optional<qint64> DictdIndex::decodeNumber(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > MaxDigits)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 64 + digit;
    }
    return value;
}

DictdIndexResult DictdIndex::read(const QString &path)
{
    DictdIndexResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = QStringLiteral("index file %1 does not exist").arg(path);
        return result;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot read index file %1").arg(path);
        return result;
    }
    const QByteArray content = file.readAll();
    const QByteArrayView all(content);
    int lineNumber = 0;
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        QByteArrayView line = all.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const auto broken = [&](const QString &why) {
            result.entries.clear();
            result.error = QStringLiteral("%1:%2: broken index line (%3): %4")
                               .arg(path)
                               .arg(lineNumber)
                               .arg(why, QString::fromUtf8(line.first(std::min<qsizetype>(line.size(), 80))));
            return result;
        };
        const qsizetype firstTab = line.indexOf('\t');
        const qsizetype secondTab = firstTab < 0 ? -1 : line.indexOf('\t', firstTab + 1);
        if (secondTab < 0 || line.indexOf('\t', secondTab + 1) >= 0)
            return broken(QStringLiteral("expected headword, offset and length separated by tabs"));
        const std::optional<qint64> offset = decodeNumber(line.sliced(firstTab + 1, secondTab - firstTab - 1));
        if (!offset)
            return broken(QStringLiteral("offset is not a dictd base-64 number"));
        const std::optional<qint64> length = decodeNumber(line.sliced(secondTab + 1));
        if (!length)
            return broken(QStringLiteral("length is not a dictd base-64 number"));
        result.entries.push_back({QString::fromUtf8(line.first(firstTab)), *offset, *length, lineNumber});
    }
    if (result.entries.empty())
        result.error = QStringLiteral("index file %1 holds no entries").arg(path);
    return result;
}
