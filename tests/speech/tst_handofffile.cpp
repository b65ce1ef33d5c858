#include "speech/HandOffFile.h"

#include <QTemporaryDir>
#include <QTest>

class TestHandOffFile : public QObject
{
    Q_OBJECT
private slots:
    void readLines_data();
    void readLines();
    void missingFile();
};

void TestHandOffFile::readLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF lines") << QByteArray("#spd=50%#\r\nHallo\r\n") << QStringList{ "#spd=50%#", "Hallo" };
    QTest::newRow("LF lines, no final break") << QByteArray("eins\nzwei") << QStringList{ "eins", "zwei" };
    QTest::newRow("empty lines kept") << QByteArray("eins\r\n\r\nzwei\r\n") << QStringList{ "eins", "", "zwei" };
    QTest::newRow("UTF-8") << QByteArray("Gr\xc3\xbc\xc3\x9f""e\r\n") << QStringList{ QString::fromUtf8("Grüße") };
    QTest::newRow("UTF-8 with byte order mark") << QByteArray("\xef\xbb\xbfHallo") << QStringList{ "Hallo" };
    QTest::newRow("Windows-1252 umlauts") << QByteArray("Gr\xfc\xdf""e\r\n") << QStringList{ QString::fromUtf8("Grüße") };
    QTest::newRow("Windows-1252 euro and quotes")
        << QByteArray("\x80 \x84ja\x93") << QStringList{ QString::fromUtf8("€ „ja“") };
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestHandOffFile::readLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("hilfe.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    const auto read = HandOffFile::readLines(path);
    QVERIFY(read.has_value());
    QCOMPARE(*read, lines);
}

void TestHandOffFile::missingFile()
{
    QTemporaryDir dir;
    QVERIFY(!HandOffFile::readLines(dir.filePath("fehlt.txt")).has_value());
    QVERIFY(!HandOffFile::readLines(dir.path()).has_value());
}

QTEST_GUILESS_MAIN(TestHandOffFile)
#include "tst_handofffile.moc"
