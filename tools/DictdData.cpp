#include "DictdData.h"

#include <QFile>
#include <QFileInfo>

#include <zlib.h>

#include <algorithm>

namespace {

QString zlibMessage(gzFile file)
{
    int code = Z_OK;
    const char *message = gzerror(file, &code);
    return QString::fromLocal8Bit(message && *message ? message : "read error");
}

} // namespace

DictdDataResult DictdData::read(const QString &path)
{
    DictdDataResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = QStringLiteral("dictionary data file %1 does not exist").arg(path);
        return result;
    }
    if (info.isDir()) {
        result.error = QStringLiteral("dictionary data file %1 is a directory").arg(path);
        return result;
    }
    gzFile file = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        result.error = QStringLiteral("cannot open dictionary data file %1").arg(path);
        return result;
    }
    gzbuffer(file, 1 << 17);
    constexpr int Chunk = 1 << 20;
    QByteArray data;
    for (;;) {
        const qsizetype before = data.size();
        if (data.capacity() < before + Chunk)
            data.reserve(std::max(2 * data.capacity(), before + Chunk));
        data.resize(before + Chunk);
        const int got = gzread(file, data.data() + before, Chunk);
        if (got < 0) {
            result.error = QStringLiteral("%1 is not a readable gzip/dictzip file: %2").arg(path, zlibMessage(file));
            gzclose_r(file);
            return result;
        }
        data.resize(before + got);
        if (got < Chunk)
            break;
    }
    // zlib passes files without a gzip header through unchanged; a .dz or .gz that is not
    // compressed is damaged, a plain .dict is fine.
    const bool direct = gzdirect(file) != 0;
    const int closed = gzclose_r(file);
    if (closed != Z_OK) {
        result.error = QStringLiteral("%1 is not a readable gzip/dictzip file (zlib error %2)").arg(path).arg(closed);
        return result;
    }
    const QString suffix = info.suffix().toLower();
    if (direct && (suffix == QLatin1String("dz") || suffix == QLatin1String("gz"))) {
        result.error = QStringLiteral("%1 is not gzip-compressed").arg(path);
        return result;
    }
    result.data = std::move(data);
    return result;
}
