#include "localisation/IniAccess.h"

#include "localisation/IniFile.h"

#include <QHash>

QString IniAccess::IniLesen(const QString &file, const QString &section, const QString &key)
{
    return IniFile::readValue(file, section, key);
}

bool IniAccess::IniSchreiben(const QString &file, const QString &section, const QString &key, const QString &value)
{
    return IniFile::writeValue(file, section, key, value);
}

bool IniAccess::IniKeyLoeschen(const QString &file, const QString &section, const QString &key)
{
    return IniFile::removeKey(file, section, key);
}

bool IniAccess::IniSectionLoeschen(const QString &file, const QString &section)
{
    return IniFile::removeSection(file, section);
}

void IniAccess::IniSectionLesen(const QString &file, const QString &section, QStringList &list)
{
    const QStringList entries = IniFile::readSection(file, section);
    if (entries.isEmpty())
        return;
    list = entries;
    list.append(QString());
}

bool IniAccess::IniSectionSchreiben(const QString &file, const QString &section, const QStringList &list)
{
    // Joining with NULs and dropping the last one fails on an empty list: nothing is written.
    if (list.isEmpty())
        return false;
    QHash<QString, qsizetype> position; // case-folded key -> index in entries
    QStringList entries;
    for (const QString &element : list) {
        if (element.isEmpty())
            break;
        const qsizetype eq = element.indexOf(u'=');
        const QString key = element.left(eq).trimmed();
        if (eq < 0 || key.isEmpty())
            continue;
        const QString entry = key + u'=' + element.mid(eq + 1).trimmed();
        const QString folded = key.toCaseFolded();
        const auto earlier = position.constFind(folded);
        if (earlier != position.cend()) {
            entries[earlier.value()] = entry;
        } else {
            position.insert(folded, entries.size());
            entries.append(entry);
        }
    }
    return IniFile::replaceSection(file, section, entries);
}
