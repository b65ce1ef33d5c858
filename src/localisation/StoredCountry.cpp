#include "localisation/StoredCountry.h"

#include "core/ProgramDirectory.h"
#include "core/TextFile.h"

QString StoredCountry::path()
{
    return ProgramDirectory::file(u"syso/landeinstellung.txt");
}

QStringList StoredCountry::read()
{
    return TextFile::readLines(path()).value_or(QStringList());
}

bool StoredCountry::write(const QStringList &lines)
{
    return TextFile::writeLines(path(), lines);
}
