#include "core/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

namespace {
// Left in a complete copy; a copy without it was interrupted and is made again.
const QString kCopyMark = QStringLiteral(".copied-from");

bool copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = source.relativeFilePath(file);
        if (relative == executable || relative == ProgramDirectory::kReadOnlyMark)
            continue;
        const QString target = QDir(to).filePath(relative);
        if (!QDir().mkpath(QFileInfo(target).path()))
            return false;
        QFile::remove(target);
        if (!QFile::copy(file, target))
            return false;
        // Installed files are read-only; the copy is the user's to write.
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    return true;
}
}

QString ProgramDirectory::writableOne(const QString &installed, const QString &userCopy,
                                      const WritableCheck &isWritable)
{
    const bool writable =
        isWritable ? isWritable(installed)
                   : QFileInfo(installed).isWritable() && !QFileInfo::exists(QDir(installed).filePath(kReadOnlyMark));
    if (writable || userCopy.isEmpty())
        return installed;
    if (QFileInfo::exists(QDir(userCopy).filePath(kCopyMark)))
        return userCopy;
    if (!copyTree(installed, userCopy))
        return installed;
    QSaveFile mark(QDir(userCopy).filePath(kCopyMark));
    if (!mark.open(QIODevice::WriteOnly) || mark.write(QFile::encodeName(installed)) < 0 || !mark.commit())
        return installed;
    return userCopy;
}
