#pragma once

#include <QString>
#include <QStringList>

// The user's copy of an installed program directory. Made once; at later starts it takes what
// an update of the installed program changed, file by file, unless the user changed that file
// in the copy (or removed it): the user's letters, settings and dictionary changes stay.
class ProgramCopy
{
public:
    // Left in a complete copy: the installed directory it came from.
    static inline const QString kCopyMark = QStringLiteral(".copied-from");
    // One line per file taken from the install: its path, the installed file's size and time,
    // and a hash of what was copied, to tell the user's changes from the install's.
    static inline const QString kManifest = QStringLiteral(".installed-files");

    // Files of the install that are never copied.
    ProgramCopy(const QString &installed, const QString &copy, const QStringList &leftOut);

    bool exists() const;
    // The whole install into the copy; false when a file could not be written.
    [[nodiscard]] bool make();
    // The install's changed and new files into the copy, where the user has not changed them.
    // Cheap when the install did not change: one look at each installed file's size and time.
    // Returns the number of files taken.
    int update();

private:
    QString m_installed;
    QString m_copy;
    QStringList m_leftOut;
};
