#include "localisation/FirstStart.h"

#include "core/ProgramDirectory.h"

#include <QDir>
#include <QFileInfo>

bool FirstStart::isFirst()
{
    for (const QString &file : {kOptionen, kOptionen1, kUpdateDatum, kLetztesUpdate})
        if (QFileInfo(ProgramDirectory::file(file)).isFile())
            return false;
    return true;
}

bool FirstStart::makeSettingsFolder()
{
    return QDir().mkpath(ProgramDirectory::file(u"syso"));
}
