#include "app/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

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
