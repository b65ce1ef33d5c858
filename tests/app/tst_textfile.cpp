#include "app/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void splitLines_data();
    void splitLines();
    void writeForms();
    void unquoteRecord_data();
    void unquoteRecord();
    void failedWriteKeepsOldFile();
    void missingFileReadsNothing();
};

void TestTextFile::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8") << QByteArray("s\xC3\xBC\xC3\x9F") << QStringLiteral("süß");
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBFok") << QStringLiteral("ok");
    QTest::newRow("Windows-1252 umlauts") << QByteArray("s\xFC\xDF") << QStringLiteral("süß");
    QTest::newRow("Windows-1252 high range") << QByteArray("\x80\x84\x93\x94\x9F") << QStringLiteral("€„“”Ÿ");
    QTest::newRow("plain ASCII") << QByteArray("hallo;hello;") << QStringLiteral("hallo;hello;");
}

void TestTextFile::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextFile::decode(bytes), text);
}

void TestTextFile::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("LF") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("no final line end") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << "\r\n\r\nx\r\n" << QStringList{"", "", "x"};
    QTest::newRow("lone CR is text") << "a\rb\r\n" << QStringList{"a\rb"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestTextFile::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::splitLines(text), lines);
}

void TestTextFile::writeForms()
{
    QTemporaryDir dir;
    const QString quoted = dir.filePath(QStringLiteral("q.txt"));
    QVERIFY(TextFile::writeQuotedRecord(quoted, QStringLiteral("#Standard Sprecher#hello")));
    QFile q(quoted);
    QVERIFY(q.open(QIODevice::ReadOnly));
    QCOMPARE(q.readAll(), QByteArray("\"#Standard Sprecher#hello\"\r\n"));

    const QString plain = dir.filePath(QStringLiteral("p.txt"));
    QVERIFY(TextFile::writeLines(plain, {QStringLiteral("#voice=name:lgx.de.bill#"), QString(), QStringLiteral("Grüße")}));
    QFile p(plain);
    QVERIFY(p.open(QIODevice::ReadOnly));
    QCOMPARE(p.readAll(), QByteArray("#voice=name:lgx.de.bill#\r\n\r\nGr\xC3\xBC\xC3\x9F" "e\r\n"));
    QCOMPARE(*TextFile::readLines(plain), (QStringList{"#voice=name:lgx.de.bill#", "", "Grüße"}));
}

void TestTextFile::unquoteRecord_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("unquoted");
    QTest::newRow("one line") << QStringList{"\"#voice=name:lgx.de.bill#hello\""} << QStringList{"#voice=name:lgx.de.bill#hello"};
    QTest::newRow("letter over two lines") << QStringList{"\"Hallo Anna,", "bis bald\""} << QStringList{"Hallo Anna,", "bis bald"};
    QTest::newRow("empty record") << QStringList{"\"\""} << QStringList{""};
    QTest::newRow("lone quote") << QStringList{"\""} << QStringList{"\""};
    QTest::newRow("plain lines") << QStringList{"#BINT=43%#", "Text"} << QStringList{"#BINT=43%#", "Text"};
    QTest::newRow("quoted text inside") << QStringList{"a \"b\" c"} << QStringList{"a \"b\" c"};
}

void TestTextFile::unquoteRecord()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, unquoted);
    TextFile::unquoteRecord(lines);
    QCOMPARE(lines, unquoted);
}

void TestTextFile::failedWriteKeepsOldFile()
{
    QTemporaryDir missing;
    QVERIFY(!TextFile::writeLines(missing.filePath(QStringLiteral("no/such/folder/x.txt")), {QStringLiteral("x")}));
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hilfe.txt"));
    QVERIFY(TextFile::writeQuotedRecord(path, QStringLiteral("old")));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(!TextFile::writeQuotedRecord(path, QStringLiteral("new")));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(*TextFile::readLines(path), QStringList{"\"old\""});
}

void TestTextFile::missingFileReadsNothing()
{
    QTemporaryDir dir;
    QVERIFY(!TextFile::read(dir.filePath(QStringLiteral("none"))).has_value());
    QVERIFY(!TextFile::readLines(dir.filePath(QStringLiteral("none"))).has_value());
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
