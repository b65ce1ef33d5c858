#include "localisation/IniAccess.h"
#include "localisation/IniFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class Edit { Write, RemoveKey, RemoveSection, ReplaceSection };

bool apply(Edit edit, const QString &path)
{
    switch (edit) {
    case Edit::Write:
        return IniFile::writeValue(path, QStringLiteral("Section2"), QStringLiteral("Key1"), QStringLiteral("neu"));
    case Edit::RemoveKey:
        return IniFile::removeKey(path, QStringLiteral("Section2"), QStringLiteral("Key1"));
    case Edit::RemoveSection:
        return IniFile::removeSection(path, QStringLiteral("Section2"));
    case Edit::ReplaceSection:
        return IniFile::replaceSection(path, QStringLiteral("Section2"), {QStringLiteral("Key9=x")});
    }
    return false;
}

const QByteArray kOldFile = "; alt\r\n[Section2]\r\nKey1=alt\r\n";
}

Q_DECLARE_METATYPE(Edit)

class TestIniFile : public QObject
{
    Q_OBJECT
private slots:
    void readValue_data();
    void readValue();
    void missingFileReadsEmpty();
    void edit_data();
    void edit();
    void writeCreatesFileAndReadsBack();
    void failedEditKeepsOldFile_data();
    void failedEditKeepsOldFile();
    void sectionLesen_data();
    void sectionLesen();
    void sectionSchreiben_data();
    void sectionSchreiben();
    void garbageAroundSection();
};

void TestIniFile::readValue_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QByteArray longValue = QByteArray(137, 'a') + QByteArray(63, 'b');
    QTest::newRow("200 characters cut to 137") << "[S]\r\nK=" + longValue + "\r\n"
                                               << "S"
                                               << "K" << QString(137, u'a');
    QTest::newRow("absent key") << QByteArray("[S]\r\nK=1\r\n") << "S"
                                << "L"
                                << "";
    QTest::newRow("absent section") << QByteArray("[S]\r\nK=1\r\n") << "T"
                                    << "K"
                                    << "";
    QTest::newRow("key of another section") << QByteArray("[A]\r\nK=1\r\n[B]\r\nX=2\r\n") << "B"
                                            << "K"
                                            << "";
    QTest::newRow("letter case of names") << QByteArray("[Section2]\r\nKey1=Hallo\r\n") << "SECTION2"
                                          << "kEY1"
                                          << "Hallo";
    QTest::newRow("blanks around names and value")
        << QByteArray("[ Section2 ]\r\n  Key1 = Hallo Welt \r\n") << " Section2"
        << "Key1 "
        << "Hallo Welt";
    QTest::newRow("equals sign in value") << QByteArray("[S]\r\nK=a=b\r\n") << "S"
                                          << "K"
                                          << "a=b";
    QTest::newRow("first of a repeated key") << QByteArray("[S]\r\nK=1\r\nK=2\r\n") << "S"
                                             << "K"
                                             << "1";
    QTest::newRow("comment is no key") << QByteArray("[S]\r\n;K=1\r\n#K=2\r\n") << "S"
                                       << "K"
                                       << "";
    QTest::newRow("LF line ends") << QByteArray("[S]\nK=1\nL=2\n") << "S"
                                  << "L"
                                  << "2";
    QTest::newRow("Windows-1252") << QByteArray("[S]\r\nK=Gr\xFC\xDF"
                                                "e \x80\r\n")
                                  << "S"
                                  << "K"
                                  << "Grüße €";
    QTest::newRow("UTF-8") << QByteArray("[S]\r\nK=Gr\xC3\xBC\xC3\x9F"
                                         "e\r\n")
                           << "S"
                           << "K"
                           << "Grüße";
}

void TestIniFile::readValue()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("land.txt"));
    QVERIFY(writeBytes(path, file));
    QCOMPARE(IniFile::readValue(path, section, key), value);
    QCOMPARE(IniAccess::IniLesen(path, section, key), value);
}

void TestIniFile::missingFileReadsEmpty()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("File1"));
    QCOMPARE(IniFile::readValue(path, QStringLiteral("Section2"), QStringLiteral("Key1")), QString());
    QCOMPARE(IniFile::readSection(path, QStringLiteral("Section2")), QStringList());
    QVERIFY(!QFile::exists(path));
}

void TestIniFile::edit_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QByteArray>("after");

    const QByteArray mixed = "; Kommentar\r\n# auch einer\r\n\r\n[Section2]\r\nKey1=alt\r\nunverstanden\r\n"
                             "  Key2 = b\r\n\r\n[Andere]\r\nKey1=x\r\n";
    QTest::newRow("write replaces in place")
        << mixed << Edit::Write
        << QByteArray("; Kommentar\r\n# auch einer\r\n\r\n[Section2]\r\nKey1=neu\r\nunverstanden\r\n"
                      "  Key2 = b\r\n\r\n[Andere]\r\nKey1=x\r\n");
    QTest::newRow("remove key") << mixed << Edit::RemoveKey
                                << QByteArray("; Kommentar\r\n# auch einer\r\n\r\n[Section2]\r\nunverstanden\r\n"
                                              "  Key2 = b\r\n\r\n[Andere]\r\nKey1=x\r\n");
    QTest::newRow("remove section")
        << mixed << Edit::RemoveSection
        << QByteArray("; Kommentar\r\n# auch einer\r\n\r\nunverstanden\r\n\r\n[Andere]\r\nKey1=x\r\n");
    QTest::newRow("write keeps spelling before =")
        << QByteArray("[SECTION2]\r\n  KEY1 = alt\r\n") << Edit::Write << QByteArray("[SECTION2]\r\n  KEY1 =neu\r\n");
    QTest::newRow("write adds key after the section's keys")
        << QByteArray("[Section2]\r\nKey0=a\r\n\r\n[T]\r\nB=2\r\n") << Edit::Write
        << QByteArray("[Section2]\r\nKey0=a\r\nKey1=neu\r\n\r\n[T]\r\nB=2\r\n");
    QTest::newRow("write adds section at the end")
        << QByteArray("; nur ein Kommentar") << Edit::Write
        << QByteArray("; nur ein Kommentar\r\n\r\n[Section2]\r\nKey1=neu\r\n");
    QTest::newRow("remove a repeated section whole")
        << QByteArray("[Section2]\r\nKey1=a\r\n[T]\r\nKey1=b\r\n[section2]\r\nKey2=c\r\n") << Edit::RemoveSection
        << QByteArray("[T]\r\nKey1=b\r\n");
    QTest::newRow("remove key absent elsewhere")
        << QByteArray("[T]\r\nKey1=1\r\n") << Edit::RemoveKey << QByteArray("[T]\r\nKey1=1\r\n");
    QTest::newRow("replace keeps comments, keys at first key")
        << QByteArray("[Section2]\r\n; c\r\nKey1=a\r\nKey2=b\r\n[T]\r\nK=1\r\n") << Edit::ReplaceSection
        << QByteArray("[Section2]\r\n; c\r\nKey9=x\r\n[T]\r\nK=1\r\n");
    QTest::newRow("LF file written with CR LF") << QByteArray("[Section2]\nKey1=alt\nKey2=b\n") << Edit::Write
                                                << QByteArray("[Section2]\r\nKey1=neu\r\nKey2=b\r\n");
    QTest::newRow("Windows-1252 file written as UTF-8")
        << QByteArray("; \xE9t\xE9\r\n[Section2]\r\nKey2=Gr\xFC\xDF"
                      "e\r\n")
        << Edit::Write
        << QByteArray("; \xC3\xA9t\xC3\xA9\r\n[Section2]\r\nKey2=Gr\xC3\xBC\xC3\x9F"
                      "e\r\nKey1=neu\r\n");
}

void TestIniFile::edit()
{
    QFETCH(QByteArray, before);
    QFETCH(Edit, edit);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("land.txt"));
    QVERIFY(writeBytes(path, before));
    QVERIFY(apply(edit, path));
    QCOMPARE(readBytes(path), after);
}

void TestIniFile::writeCreatesFileAndReadsBack()
{
    const QStringList values{QStringLiteral("eins"), QStringLiteral("zwei = drei"), QStringLiteral("Grüße"),
                             QString(137, u'x'), QString()};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("neu.txt"));
    for (int i = 0; i < values.size(); ++i)
        QVERIFY(
            IniAccess::IniSchreiben(path, QStringLiteral("Section2"), QStringLiteral("Key%1").arg(i + 1), values[i]));
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(IniAccess::IniLesen(path, QStringLiteral("Section2"), QStringLiteral("Key%1").arg(i + 1)), values[i]);
    QVERIFY(readBytes(path).startsWith("[Section2]\r\nKey1=eins\r\nKey2=zwei = drei\r\nKey3=Gr\xC3\xBC\xC3\x9F"
                                       "e\r\n"));

    QVERIFY(IniAccess::IniSectionLoeschen(path, QStringLiteral("Section2")));
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(IniAccess::IniLesen(path, QStringLiteral("Section2"), QStringLiteral("Key%1").arg(i + 1)), QString());
}

void TestIniFile::failedEditKeepsOldFile_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<Edit>("edit");
    QTest::newRow("read-only, write") << true << Edit::Write;
    QTest::newRow("read-only, remove key") << true << Edit::RemoveKey;
    QTest::newRow("read-only, remove section") << true << Edit::RemoveSection;
    QTest::newRow("read-only, replace section") << true << Edit::ReplaceSection;
    QTest::newRow("missing folder, write") << false << Edit::Write;
    QTest::newRow("missing folder, replace section") << false << Edit::ReplaceSection;
}

void TestIniFile::failedEditKeepsOldFile()
{
    QFETCH(bool, readOnly);
    QFETCH(Edit, edit);
    QTemporaryDir dir;
    if (!readOnly) {
        const QString path = dir.filePath(QStringLiteral("fehlt/land.txt"));
        QVERIFY(!apply(edit, path));
        QVERIFY(!QFile::exists(path));
        return;
    }
    const QString path = dir.filePath(QStringLiteral("land.txt"));
    QVERIFY(writeBytes(path, kOldFile));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(!apply(edit, path));
    QCOMPARE(readBytes(path), kOldFile);
}

void TestIniFile::sectionLesen_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("entries and a trailing empty element")
        << QByteArray("[S]\r\na=1\r\n; c\r\n b = 2 \r\n[T]\r\nc=3\r\n") << QStringList{"x", "y", "z", "w"}
        << QStringList{"a=1", "b=2", ""};
    QTest::newRow("empty section leaves the list")
        << QByteArray("[S]\r\n; nichts\r\n[T]\r\nc=3\r\n") << QStringList{"bleibt"} << QStringList{"bleibt"};
    QTest::newRow("missing section leaves the list")
        << QByteArray("[T]\r\nc=3\r\n") << QStringList{"bleibt"} << QStringList{"bleibt"};
}

void TestIniFile::sectionLesen()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, list);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("land.txt"));
    QVERIFY(writeBytes(path, file));
    IniAccess::IniSectionLesen(path, QStringLiteral("s"), list);
    QCOMPARE(list, expected);
}

void TestIniFile::sectionSchreiben_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QByteArray>("after");

    const QByteArray file = "[S]\r\nalt=0\r\n\r\n[T]\r\nc=3\r\n";
    QTest::newRow("list as read, trailing empty element")
        << file << QStringList{"a=1", "b=2", ""} << true << QByteArray("[S]\r\na=1\r\nb=2\r\n\r\n[T]\r\nc=3\r\n");
    QTest::newRow("empty element ends the list")
        << file << QStringList{"a=1", "", "b=2"} << true << QByteArray("[S]\r\na=1\r\n\r\n[T]\r\nc=3\r\n");
    QTest::newRow("one empty element empties the section")
        << file << QStringList{""} << true << QByteArray("[S]\r\n\r\n[T]\r\nc=3\r\n");
    QTest::newRow("element without = skipped")
        << file << QStringList{"a=1", "kaputt", "b=2"} << true << QByteArray("[S]\r\na=1\r\nb=2\r\n\r\n[T]\r\nc=3\r\n");
    QTest::newRow("repeated key keeps last value")
        << file << QStringList{"a=1", "b=2", "A=3"} << true << QByteArray("[S]\r\nA=3\r\nb=2\r\n\r\n[T]\r\nc=3\r\n");
    QTest::newRow("missing section added")
        << QByteArray("[T]\r\nc=3\r\n") << QStringList{"a=1"} << true << QByteArray("[T]\r\nc=3\r\n\r\n[s]\r\na=1\r\n");
    QTest::newRow("empty list writes nothing") << file << QStringList{} << false << file;
}

void TestIniFile::sectionSchreiben()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, list);
    QFETCH(bool, written);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("land.txt"));
    QVERIFY(writeBytes(path, before));
    QCOMPARE(IniAccess::IniSectionSchreiben(path, QStringLiteral("s"), list), written);
    QCOMPARE(readBytes(path), after);
}

void TestIniFile::garbageAroundSection()
{
    QByteArray garbage(4 << 20, Qt::Uninitialized);
    QRandomGenerator random(1252);
    random.fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("land.txt"));
    QVERIFY(writeBytes(path, garbage + "\r\n[Section2]\r\nKey1=gefunden\r\n" + garbage));

    QCOMPARE(IniFile::readValue(path, QStringLiteral("Section2"), QStringLiteral("Key1")), QStringLiteral("gefunden"));
    QVERIFY(IniFile::writeValue(path, QStringLiteral("Section2"), QStringLiteral("Key1"), QStringLiteral("neu")));
    QCOMPARE(IniFile::readValue(path, QStringLiteral("Section2"), QStringLiteral("Key1")), QStringLiteral("neu"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
