#pragma once

#include <QString>
#include <QStringView>

#include <functional>

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

    // The program writes below its directory. An installed one the user cannot write is copied
    // once to userCopy (the user's data folder), and the program runs from that copy from then
    // on; later starts keep what the user changed in it and take what an update changed
    // (ProgramCopy). Returns the directory to run from: the installed one when it is writable
    // or the copy cannot be made.
    // An install marks its directory with kReadOnlyMark: shared by all users and owned by the
    // package manager, it is never written, not even by root.
    static inline const QString kReadOnlyMark = QStringLiteral(".read-only");
    using WritableCheck = std::function<bool(const QString &directory)>;
    static QString writableOne(const QString &installed, const QString &userCopy, const WritableCheck &isWritable = {});
};
