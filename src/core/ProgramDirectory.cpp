#include "core/ProgramDirectory.h"

#include "core/ProgramCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString &overridePath()
{
    static QString path;
    return path;
}
}

QString ProgramDirectory::path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

QString ProgramDirectory::file(QStringView relative)
{
    QString rel = relative.toString();
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return QDir(path()).filePath(rel);
}

void ProgramDirectory::setPath(const QString &path)
{
    overridePath() = path;
}

QString ProgramDirectory::writableOne(const QString &installed, const QString &userCopy,
                                      const WritableCheck &isWritable)
{
    const bool writable =
        isWritable ? isWritable(installed)
                   : QFileInfo(installed).isWritable() && !QFileInfo::exists(QDir(installed).filePath(kReadOnlyMark));
    if (writable || userCopy.isEmpty())
        return installed;
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    ProgramCopy copy(installed, userCopy, {executable, kReadOnlyMark});
    if (copy.exists()) {
        // An updated program brings its new dictionaries and pages to the user's copy too.
        copy.update();
        return userCopy;
    }
    // An interrupted copy has no mark and is made again.
    return copy.make() ? userCopy : installed;
}
