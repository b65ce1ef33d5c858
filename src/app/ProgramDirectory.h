#pragma once

#include <QString>
#include <QStringView>

// The directory of the executable. Every file the program reads or writes lies below it,
// so the program behaves the same whatever the working directory is.
class ProgramDirectory
{
public:
    static QString path();
    // relative may start with "/" or "\" (stored files use backslashes); both are accepted.
    static QString file(QStringView relative);

    // Tests point the program at a folder of their own.
    static void setPath(const QString &path);
};
