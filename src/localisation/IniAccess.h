#pragma once

#include <QString>
#include <QStringList>

// The INI operations of the country window, with the results its callers have always seen:
// a read gives at most IniFile::kValueLimit characters, whatever is missing reads empty.
// The window ignores the results; they are there for callers that want them.
class IniAccess
{
public:
    static QString IniLesen(const QString &file, const QString &section, const QString &key);
    static bool IniSchreiben(const QString &file, const QString &section, const QString &key, const QString &value);
    static bool IniKeyLoeschen(const QString &file, const QString &section, const QString &key);
    static bool IniSectionLoeschen(const QString &file, const QString &section);

    // An empty or missing section leaves `list` as it was; otherwise `list` becomes the
    // section's "key=value" entries followed by one empty element.
    static void IniSectionLesen(const QString &file, const QString &section, QStringList &list);
    // The section's content becomes the elements up to the first empty one (the list was handed
    // on as NUL-joined text, where an empty element ends it). Elements without "=" are
    // skipped and a key given twice keeps its last value. An empty list writes nothing.
    static bool IniSectionSchreiben(const QString &file, const QString &section, const QStringList &list);
};
