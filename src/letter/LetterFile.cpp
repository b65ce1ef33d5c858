#include "letter/LetterFile.h"

#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>

bool LetterFile::save(const QString &path, const QString &letter)
{
    // Only a path the file dialog gave: a relative one would land in the working directory.
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
    const QFileInfo target(path);
    if (target.exists()) {
        // The file is replaced by a new one, which would overrule its own write protection,
        // also for root: the protection is honoured here.
        if (!target.isFile() || !target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner))
            return false;
    }
    QString text = letter;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return TextFile::writeQuotedRecord(path, text);
}
