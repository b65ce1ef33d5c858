#include "core/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <future>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileBytes::Status)

namespace {
// Runs work on a thread of its own and waits at most the limit. A read that hangs is left
// behind (the test fails, and the process end takes the thread with it).
template <typename Work>
auto finishedWithin(std::chrono::seconds limit, Work work) -> std::optional<decltype(work())>
{
    auto task = std::make_shared<std::packaged_task<decltype(work())()>>(std::move(work));
    auto done = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    if (done.wait_for(limit) != std::future_status::ready)
        return std::nullopt;
    return done.get();
}
}

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
    void readBytes_data();
    void readBytes();
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
    // Either reading misreads something; the one that misreads fewer sequences wins.
    QTest::newRow("UTF-8 with a stray Windows-1252 byte stays UTF-8")
        << QByteArray("s\xC3\xBC\xC3\x9F;sweet;\r\nGr\xFC\xDF"
                      "e;greetings;\r\nT\xC3\xBCr;door;")
        << QStringLiteral("süß;sweet;\r\nGr\uFFFD\uFFFDe;greetings;\r\nTür;door;");
    QTest::newRow("a cut-off sequence counts as one bad one")
        << QByteArray("\xC3\xBC \xC3\xBC \xE2\x82") << QStringLiteral("ü ü \uFFFD\uFFFD");
    QTest::newRow("Windows-1252 where two bytes happen to be UTF-8") << QByteArray("Gr\xFC\xDF"
                                                                                   "e \xC4\x80")
                                                                     << QStringLiteral("Grüße Ä€");
    QTest::newRow("as many bad as good sequences: Windows-1252") << QByteArray("\xC3\xBC\xFC") << QStringLiteral("Ã¼ü");
    QTest::newRow("byte-order mark means UTF-8 whatever follows")
        << QByteArray("\xEF\xBB\xBF\xFC\xFCok") << QStringLiteral("\uFFFD\uFFFDok");
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
    QVERIFY(
        TextFile::writeLines(plain, {QStringLiteral("#voice=name:lgx.de.bill#"), QString(), QStringLiteral("Grüße")}));
    QFile p(plain);
    QVERIFY(p.open(QIODevice::ReadOnly));
    QCOMPARE(p.readAll(), QByteArray("#voice=name:lgx.de.bill#\r\n\r\nGr\xC3\xBC\xC3\x9F"
                                     "e\r\n"));
    QCOMPARE(*TextFile::readLines(plain), (QStringList{"#voice=name:lgx.de.bill#", "", "Grüße"}));
}

void TestTextFile::unquoteRecord_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("unquoted");
    QTest::newRow("one line") << QStringList{"\"#voice=name:lgx.de.bill#hello\""}
                              << QStringList{"#voice=name:lgx.de.bill#hello"};
    QTest::newRow("letter over two lines")
        << QStringList{"\"Hallo Anna,", "bis bald\""} << QStringList{"Hallo Anna,", "bis bald"};
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

void TestTextFile::readBytes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<FileBytes::Status>("status");
    // kind: "file" is a regular file of ten bytes, the others are made by the test.
    QTest::newRow("file at the limit") << "file" << qint64(10) << FileBytes::Status::Ok;
    QTest::newRow("file over the limit") << "file" << qint64(9) << FileBytes::Status::TooLarge;
    QTest::newRow("symbolic link to a file") << "link to file" << qint64(10) << FileBytes::Status::Ok;
    QTest::newRow("folder") << "folder" << TextFile::kMaxBytes << FileBytes::Status::NotAFile;
    // Opening a FIFO without a writer waits for one; reading /dev/zero never ends.
    QTest::newRow("FIFO") << "fifo" << TextFile::kMaxBytes << FileBytes::Status::NotAFile;
    QTest::newRow("symbolic link to /dev/zero")
        << "link to /dev/zero" << TextFile::kMaxBytes << FileBytes::Status::NotAFile;
    QTest::newRow("dangling symbolic link") << "dangling link" << TextFile::kMaxBytes << FileBytes::Status::Unreadable;
}

void TestTextFile::readBytes()
{
    QFETCH(QString, kind);
    QFETCH(qint64, limit);
    QFETCH(FileBytes::Status, status);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    const QString path = dir.filePath(QStringLiteral("path"));
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write("0123456789"), qint64(10));
    file.close();
    if (kind == u"file")
        QVERIFY(QFile::rename(target, path));
    else if (kind == u"link to file")
        QVERIFY(QFile::link(target, path));
    else if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("path")));
    else if (kind == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == u"link to /dev/zero")
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == u"dangling link")
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("none")), path));

    const auto read = finishedWithin(std::chrono::seconds(30), [&] { return TextFile::readBytes(path, limit); });
    QVERIFY2(read.has_value(), "reading did not come back");
    QCOMPARE(read->status, status);
    QCOMPARE(read->bytes, status == FileBytes::Status::Ok ? QByteArray("0123456789") : QByteArray());
    const auto text = finishedWithin(std::chrono::seconds(30), [&] { return TextFile::read(path); });
    QVERIFY2(text.has_value(), "reading did not come back");
    QCOMPARE(text->has_value(), kind == u"file" || kind == u"link to file");
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
