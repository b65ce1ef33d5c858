#include "letter/KeptLetter.h"

#include "core/ProgramDirectory.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
bool writeFile(const QString &letter)
{
    const QString file = KeptLetter::path();
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    return TextFile::writeLines(file, letter.split(QLatin1Char('\n')), TextFile::Sync::ToDisk);
}

KeptLetter::Writer &writer()
{
    static KeptLetter::Writer w = writeFile;
    return w;
}
}

QString KeptLetter::path()
{
    return ProgramDirectory::file(u"syso/brief.txt");
}

bool KeptLetter::keep(const QString &letter)
{
    return writer()(letter);
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

void KeptLetter::setWriter(Writer w)
{
    writer() = w ? std::move(w) : Writer(writeFile);
}
