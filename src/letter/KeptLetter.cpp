#include "letter/KeptLetter.h"

#include "core/ProgramDirectory.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString KeptLetter::path()
{
    return ProgramDirectory::file(u"syso/brief.txt");
}

bool KeptLetter::keep(const QString &letter)
{
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    return TextFile::writeLines(file, letter.split(QLatin1Char('\n')));
}

std::optional<QString> KeptLetter::read()
{
    const auto lines = TextFile::readLines(path());
    if (!lines)
        return std::nullopt;
    return lines->join(QLatin1Char('\n'));
}

void KeptLetter::drop()
{
    QFile::remove(path());
}
