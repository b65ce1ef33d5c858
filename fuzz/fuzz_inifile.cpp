// The INI reader on a file holding the fuzz input, then edits of that file read back.
//
// Input: file bytes NUL section NUL key NUL value. Without the names, the first section and
// key of the file are used.
#include "FuzzCheck.h"

#include "localisation/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
const QString &iniPath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    return path;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// What readValue returns for a value written: without surrounding blanks, cut to the limit,
// never ending in half a character.
QString asRead(const QString &value)
{
    QString v = value.trimmed();
    qsizetype n = std::min<qsizetype>(v.size(), IniFile::kValueLimit);
    if (n < v.size() && n > 0 && v[n - 1].isHighSurrogate())
        --n;
    return v.left(n);
}

// A name as the file would spell it, taken from the first heading or key line.
QString firstName(const QByteArray &bytes, bool section)
{
    for (const QByteArray &raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (section && line.startsWith(u'[') && line.contains(u']'))
            return line.mid(1, line.indexOf(u']') - 1);
        if (!section && !line.startsWith(u'[') && line.contains(u'='))
            return line.left(line.indexOf(u'='));
    }
    return section ? QStringLiteral("Abschnitt") : QStringLiteral("Schluessel");
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> pieces = fuzzPieces(data, size, 4);
    const QString &path = iniPath();
    if (!writeFile(path, pieces[0]))
        fuzzFail("cannot write the INI file", path);

    const QString section = pieces[1].isEmpty() ? firstName(pieces[0], true) : QString::fromUtf8(pieces[1]);
    const QString key = pieces[2].isEmpty() ? firstName(pieces[0], false) : QString::fromUtf8(pieces[2]);
    const QString value = QString::fromUtf8(pieces[3]);

    const QString before = IniFile::readValue(path, section, key);
    FUZZ_CHECK(before.size() <= IniFile::kValueLimit, before);
    const QStringList sectionBefore = IniFile::readSection(path, section);
    for (const QString &line : sectionBefore)
        FUZZ_CHECK(line.contains(u'=') && !line.startsWith(u'='), line);

    // A value written reads back as written; the file's other keys of the section stay.
    if (IniFile::writeValue(path, section, key, value)) {
        const QString after = IniFile::readValue(path, section, key);
        FUZZ_CHECK(after == asRead(value), QStringLiteral("\"%1\" read as \"%2\"").arg(value, after));
        FUZZ_CHECK(IniFile::readSection(path, section).size() >= sectionBefore.size(), QString());
    }
    if (IniFile::removeKey(path, section, key))
        FUZZ_CHECK(IniFile::readValue(path, section, key).isEmpty(), key);

    // The section's keys become exactly the lines given.
    if (!sectionBefore.isEmpty() && IniFile::replaceSection(path, section, sectionBefore)) {
        const QStringList again = IniFile::readSection(path, section);
        FUZZ_CHECK(again == sectionBefore, again.join(u'|') + QStringLiteral(" / ") + sectionBefore.join(u'|'));
    }
    if (IniFile::removeSection(path, section))
        FUZZ_CHECK(IniFile::readSection(path, section).isEmpty(), section);
    return 0;
}
