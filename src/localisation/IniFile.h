#pragma once

#include <QString>
#include <QStringList>

// INI files: "[section]" lines, each followed by "key=value" lines. Section and key names are
// compared without regard to letter case or surrounding blanks; values are read without
// surrounding blanks. Whatever is missing (file, section, key) reads as empty.
//
// Writes change only the lines they are about: comments (";", "#"), blank lines, other
// sections and lines that are no key keep their text and their place. Files are read as
// UTF-8, or Windows-1252 when they are not valid UTF-8, and written whole as UTF-8 with CR LF;
// a write that fails returns false and leaves the old file as it was.
//
// Several sections of the same name count as one; a key given twice reads as its first.
class IniFile
{
public:
    // A value read is cut to this many characters, as the country files have always been read.
    static constexpr int kValueLimit = 137;

    static QString readValue(const QString &path, const QString &section, const QString &key);
    // Every "key=value" of the section in file order, without the blanks around key and value.
    static QStringList readSection(const QString &path, const QString &section);

    // Replaces the key's value in place, or adds the key at the end of the section's keys,
    // or adds the section at the end of the file; creates the file if it is missing. False
    // for names that cannot be written as such (empty, with "=" or "]", line breaks) and for
    // a value with a line break.
    [[nodiscard]] static bool writeValue(const QString &path, const QString &section, const QString &key,
                                         const QString &value);
    // Removes every line of the key in the section; nothing to remove is success.
    [[nodiscard]] static bool removeKey(const QString &path, const QString &section, const QString &key);
    // Removes the section's heading and its key lines.
    [[nodiscard]] static bool removeSection(const QString &path, const QString &section);
    // The section's keys become exactly `lines` (each "key=value"), placed where its first key
    // stood; a missing section is added at the end of the file.
    [[nodiscard]] static bool replaceSection(const QString &path, const QString &section, const QStringList &lines);
};
