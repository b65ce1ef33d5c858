#include "dictionary/DictionaryLoader.h"
#include "dictionary/PartListModel.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <future>
#include <thread>

#include <sys/stat.h>

Q_DECLARE_METATYPE(DictionaryLoad::Status)

namespace {
const QString kMark = QString(8, QLatin1Char('\\'));

QString divider(int n)
{
    return QString::number(n) + kMark + QStringLiteral(" Trennlinie");
}

QStringList itemsOf(const DictionaryLoad &load, int part)
{
    QStringList items;
    for (const LineSpan &span : load.parts[part])
        items << load.text->line(span);
    return items;
}

// Runs work on a thread of its own and waits at most the limit. A load that hangs is left
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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString numberedLines(int count, const QString &prefix)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += prefix + QString::number(i) + QStringLiteral(";x;\r\n");
    return text;
}
}

class TestDictionaryLoader : public QObject
{
    Q_OBJECT
private slots:
    void parts_data();
    void parts();
    void lineLimit_data();
    void lineLimit();
    void progressStages();
    void missingFileIsUnreadable();
    void notARegularFile_data();
    void notARegularFile();
    void refusedFiles_data();
    void refusedFiles();
    void encodings_data();
    void encodings();
    void findFirstPrefixMatchesLinearScan();
    void findFirstPrefix_data();
    void findFirstPrefix();
    void formTable_data();
    void formTable();
    void formTableBesideTheDictionary_data();
    void formTableBesideTheDictionary();
};

void TestDictionaryLoader::parts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("part1");
    QTest::addColumn<QStringList>("part2");
    QTest::addColumn<QStringList>("part3");
    QTest::addColumn<QStringList>("part4");

    const QString crlf = QStringLiteral("\r\n");
    const QString sample = QStringList{QStringLiteral("ab und zu;every now and then;"),
                                       divider(1),
                                       QStringLiteral("auto;car;"),
                                       divider(2),
                                       QStringLiteral("süssigkeit;sweetness;"),
                                       divider(3),
                                       QStringLiteral("versuch;trial;"),
                                       QStringLiteral("xyz;yxz;TEST;"),
                                       QString()}
                               .join(crlf);
    const int ok = int(DictionaryLoad::Status::Ok);
    const int tooFew = int(DictionaryLoad::Status::TooFewDividers);
    const QString t = QStringLiteral(" Trennlinie");

    QTest::newRow("three dividers") << sample << ok << QStringList{"ab und zu;every now and then;"}
                                    << QStringList{t, "auto;car;"} << QStringList{t, "süssigkeit;sweetness;"}
                                    << QStringList{t, "versuch;trial;", "xyz;yxz;TEST;"};
    QString lfOnly = sample;
    lfOnly.replace(crlf, QStringLiteral("\n"));
    QTest::newRow("LF-only line ends") << lfOnly << ok << QStringList{"ab und zu;every now and then;"}
                                       << QStringList{t, "auto;car;"} << QStringList{t, "süssigkeit;sweetness;"}
                                       << QStringList{t, "versuch;trial;", "xyz;yxz;TEST;"};
    QTest::newRow("no final line end") << sample.chopped(2) << ok << QStringList{"ab und zu;every now and then;"}
                                       << QStringList{t, "auto;car;"} << QStringList{t, "süssigkeit;sweetness;"}
                                       << QStringList{t, "versuch;trial;", "xyz;yxz;TEST;"};
    QTest::newRow("empty lines skipped, blank lines kept")
        << QStringLiteral("a;1;\r\n\r\n   \r\n") + divider(1) + QStringLiteral("\r\n") + divider(2) + crlf + divider(3)
               + crlf
        << ok << QStringList{"a;1;", "   "} << QStringList{t} << QStringList{t} << QStringList{t};
    QTest::newRow("two dividers") << QStringLiteral("a;1;\r\n") + divider(1) + QStringLiteral("\r\nb;2;\r\n")
                                         + divider(2) + QStringLiteral("\r\nc;3;\r\n")
                                  << tooFew << QStringList{"a;1;"} << QStringList{t, "b;2;"} << QStringList{t, "c;3;"}
                                  << QStringList{};
    QTest::newRow("no divider") << QStringLiteral("a;1;\r\nb;2;\r\n") << tooFew << QStringList{"a;1;", "b;2;"}
                                << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("five dividers") << sample + QStringLiteral("4") + kMark
                                          + QStringLiteral(" Trennlinie\r\nlost;1;\r\n5") + kMark
                                          + QStringLiteral("\r\nlost;2;\r\n")
                                   << ok << QStringList{"ab und zu;every now and then;"} << QStringList{t, "auto;car;"}
                                   << QStringList{t, "süssigkeit;sweetness;"}
                                   << QStringList{t, "versuch;trial;", "xyz;yxz;TEST;"};
    QTest::newRow("eight backslashes inside an entry")
        << QStringLiteral("a;b") + kMark + QStringLiteral("c;\r\nd;1;\r\n") + divider(1) + crlf + divider(2) + crlf
        << ok << QStringList{} << QStringList{"c;", "d;1;"} << QStringList{t} << QStringList{t};
    QTest::newRow("sixteen backslashes are two marks, nine are one")
        << QStringLiteral("a;1;\r\nx") + kMark + kMark + QStringLiteral("\r\nb;2;\r\ny") + kMark
               + QStringLiteral("\\q;\r\n")
        << ok << QStringList{"a;1;"} << QStringList{} << QStringList{"b;2;"} << QStringList{"\\q;"};
}

void TestDictionaryLoader::parts()
{
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(QStringList, part1);
    QFETCH(QStringList, part2);
    QFETCH(QStringList, part3);
    QFETCH(QStringList, part4);
    const DictionaryLoad load = DictionaryLoader::parse(text);
    QCOMPARE(int(load.status), status);
    QCOMPARE(itemsOf(load, 0), part1);
    QCOMPARE(itemsOf(load, 1), part2);
    QCOMPARE(itemsOf(load, 2), part3);
    QCOMPARE(itemsOf(load, 3), part4);
}

void TestDictionaryLoader::lineLimit_data()
{
    QTest::addColumn<int>("part2Lines");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("part2Items");
    QTest::addColumn<int>("part3Items");

    // Part 2 counts the " Trennlinie" line as well; an empty line counts but is not loaded.
    const int ok = int(DictionaryLoad::Status::Ok);
    const int tooLong = int(DictionaryLoad::Status::PartTooLong);
    QTest::newRow("32,767 lines load") << 32767 << ok << 32767 << 2;
    QTest::newRow("32,768 lines load, then stop") << 32768 << tooLong << 32768 << 0;
    QTest::newRow("32,769 lines stop before the part") << 32769 << tooLong << 0 << 0;
    QTest::newRow("far more lines") << 40000 << tooLong << 0 << 0;
}

void TestDictionaryLoader::lineLimit()
{
    QFETCH(int, part2Lines);
    QFETCH(int, status);
    QFETCH(int, part2Items);
    QFETCH(int, part3Items);
    const QString text = QStringLiteral("a;1;\r\n") + divider(1) + QStringLiteral("\r\n")
                         + numberedLines(part2Lines - 1, QStringLiteral("w")) + divider(2)
                         + QStringLiteral("\r\nc;1;\r\n") + divider(3) + QStringLiteral("\r\nd;1;\r\n");
    const DictionaryLoad load = DictionaryLoader::parse(text);
    QCOMPARE(int(load.status), status);
    QCOMPARE(load.parts[0].size(), 1);
    QCOMPARE(load.parts[1].size(), part2Items);
    QCOMPARE(load.parts[2].size(), part3Items);
    if (part2Items > 0)
        QCOMPARE(load.text->line(load.parts[1].last()), QStringLiteral("w%1;x;").arg(part2Lines - 2));
}

void TestDictionaryLoader::progressStages()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("a;1;\r\n%1\r\nb;2;\r\n%2\r\nc;3;\r\n%3\r\nd;4;\r\n")
                   .arg(divider(1), divider(2), divider(3))
                   .toUtf8());
    file.close();
    QList<int> stages;
    const DictionaryLoad load = DictionaryLoader::load(path, [&](int v) { stages << v; });
    QVERIFY(load.ok());
    QCOMPARE(stages, (QList<int>{10, 20, 30, 40, 70, 80, 80}));
}

void TestDictionaryLoader::missingFileIsUnreadable()
{
    QTemporaryDir dir;
    QList<int> stages;
    const DictionaryLoad load =
        DictionaryLoader::load(dir.filePath(QStringLiteral("none.txt")), [&](int v) { stages << v; });
    QCOMPARE(load.status, DictionaryLoad::Status::Unreadable);
    QVERIFY(stages.isEmpty());
    QVERIFY(!DictionaryLoader::fileExists(dir.filePath(QStringLiteral("none.txt"))));
}

void TestDictionaryLoader::notARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    // Opening a FIFO without a writer waits for one; reading /dev/zero never ends.
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("symbolic link to /dev/zero") << "link to /dev/zero";
}

void TestDictionaryLoader::notARegularFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DeEn.txt"));
    if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DeEn.txt")));
    else if (kind == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));

    QVERIFY(!DictionaryLoader::fileExists(path));
    QList<int> stages;
    const auto load = finishedWithin(std::chrono::seconds(30),
                                     [&] { return DictionaryLoader::load(path, [&](int v) { stages << v; }); });
    QVERIFY2(load.has_value(), "loading did not come back");
    QCOMPARE(load->status, DictionaryLoad::Status::Unreadable);
    QCOMPARE(load->refusal(), QString());
    QCOMPARE(stages, QList<int>());
}

void TestDictionaryLoader::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("size"); // the file is then extended with zero bytes to this size
    QTest::addColumn<DictionaryLoad::Status>("status");
    QTest::addColumn<QList<int>>("stages");
    QTest::addColumn<QString>("refusal");

    constexpr qint64 MB = 1024 * 1024;
    constexpr int KB = 1024;
    const QByteArray dividers =
        "1" + kMark.toLatin1() + "\r\n2" + kMark.toLatin1() + "\r\n3" + kMark.toLatin1() + "\r\n";
    const QList<int> none;
    const QList<int> read{10, 20};
    const QList<int> all{10, 20, 30, 40, 70, 80, 80};
    const QString tooLarge = QStringLiteral("Das Wörterbuch wird nicht geladen: Die Datei ist größer als 64 MB.");

    QTest::newRow("65 MB: refused before reading")
        << QByteArray() << 65 * MB << DictionaryLoad::Status::FileTooLarge << none << tooLarge;
    QTest::newRow("one byte over 64 MB") << QByteArray() << 64 * MB + 1 << DictionaryLoad::Status::FileTooLarge << none
                                         << tooLarge;
    // Zero bytes make one line of 64 MB: read, then refused for that line.
    QTest::newRow("64 MB exactly is read")
        << QByteArray() << 64 * MB << DictionaryLoad::Status::LineTooLong << read
        << QStringLiteral("Das Wörterbuch wird nicht geladen: Zeile 1 ist länger als 64 KB.");
    QTest::newRow("a line of 70 KB") << "a;1;\r\nb;2;\r\n" + QByteArray(70 * KB, 'x') + "\r\n" + dividers << qint64(0)
                                     << DictionaryLoad::Status::LineTooLong << read
                                     << QStringLiteral(
                                            "Das Wörterbuch wird nicht geladen: Zeile 3 ist länger als 64 KB.");
    QTest::newRow("a line one byte over 64 KB, LF only")
        << dividers + QByteArray(64 * KB + 1, 'x') + "\n"
        << qint64(0) << DictionaryLoad::Status::LineTooLong << read
        << QStringLiteral("Das Wörterbuch wird nicht geladen: Zeile 4 ist länger als 64 KB.");
    QTest::newRow("a last line over 64 KB without line end")
        << dividers + QByteArray(64 * KB + 1, 'x') << qint64(0) << DictionaryLoad::Status::LineTooLong << read
        << QStringLiteral("Das Wörterbuch wird nicht geladen: Zeile 4 ist länger als 64 KB.");
    QTest::newRow("a line of 64 KB loads")
        << QByteArray(64 * KB, 'x') + "\r\n" + dividers << qint64(0) << DictionaryLoad::Status::Ok << all << QString();
}

void TestDictionaryLoader::refusedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, size);
    QFETCH(DictionaryLoad::Status, status);
    QFETCH(QList<int>, stages);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.txt"));
    QVERIFY(writeFile(path, content));
    if (size > 0)
        QVERIFY(QFile::resize(path, size)); // sparse: no disk space taken

    QList<int> reported;
    const auto load = finishedWithin(std::chrono::seconds(60),
                                     [&] { return DictionaryLoader::load(path, [&](int v) { reported << v; }); });
    QVERIFY2(load.has_value(), "loading did not come back");
    QCOMPARE(load->status, status);
    QCOMPARE(reported, stages);
    QCOMPARE(load->refusal(), refusal);
    if (status != DictionaryLoad::Status::Ok) {
        for (const QVector<LineSpan> &part : load->parts)
            QVERIFY(part.isEmpty());
    }
}

void TestDictionaryLoader::encodings_data()
{
    QTest::addColumn<QByteArray>("entries1");
    QTest::addColumn<QByteArray>("entries2");
    QTest::addColumn<QStringList>("part1");
    QTest::addColumn<QStringList>("part2");
    const QString t = QStringLiteral(" Trennlinie");
    // "süß;sweet;" and "Grüße;greetings €;" in Windows-1252.
    QTest::newRow("Windows-1252") << QByteArray("s\xFC\xDF;sweet;\r\n")
                                  << QByteArray("Gr\xFC\xDF"
                                                "e;greetings \x80;\r\n")
                                  << QStringList{"süß;sweet;"} << QStringList{t, "Grüße;greetings €;"};
    // A UTF-8 dictionary with one line added in Windows-1252: only that line's bytes are lost.
    QTest::newRow("UTF-8 with a few bad bytes")
        << QByteArray("s\xC3\xBC\xC3\x9F;sweet;\r\nT\xC3\xBCr;door;\r\n")
        << QByteArray("Gr\xFC\xDF"
                      "e;greetings;\r\n\xC3\x9C"
                      "bel;evil;\r\n")
        << QStringList{"süß;sweet;", "Tür;door;"} << QStringList{t, "Gr\uFFFD\uFFFDe;greetings;", "Übel;evil;"};
    // The text is decoded into exactly the UTF-16 units it needs: two for a character of four bytes.
    QTest::newRow("UTF-8 with characters of four bytes")
        << QByteArray("Notenschl\xC3\xBCssel;\xF0\x9D\x84\x9E;\r\n") << QByteArray("x;\xF0\x9F\x98\x80;\r\n")
        << QStringList{QStringLiteral("Notenschlüssel;\U0001D11E;")} << QStringList{t, QStringLiteral("x;\U0001F600;")};
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xEF\xBB\xBFs\xC3\xBC\xC3\x9F;sweet;\r\n") << QByteArray("T\xC3\xBCr;door;\r\n")
        << QStringList{"süß;sweet;"} << QStringList{t, "Tür;door;"};
    // Decoded in pieces of whole lines: the last pieces of a text of many umlauts, and a bad byte far on.
    QStringList many;
    for (int i = 0; i < 20000; ++i)
        many << QStringLiteral("äöü%1;x;").arg(i);
    QTest::newRow("many lines of umlauts") << (many.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8()
                                           << QByteArray("\xC3\x9C;y;\r\n") << many << QStringList{t, "Ü;y;"};
    QTest::newRow("a bad byte after many good lines")
        << (many.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8() << QByteArray("\xFC;y;\r\n") << many
        << QStringList{t, "\uFFFD;y;"};
}

void TestDictionaryLoader::encodings()
{
    QFETCH(QByteArray, entries1);
    QFETCH(QByteArray, entries2);
    QFETCH(QStringList, part1);
    QFETCH(QStringList, part2);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.txt"));
    const QByteArray mark = kMark.toLatin1();
    QVERIFY(
        writeFile(path, entries1 + "1" + mark + " Trennlinie\r\n" + entries2 + "2" + mark + "\r\n3" + mark + "\r\n"));
    const DictionaryLoad load = DictionaryLoader::load(path);
    QVERIFY(load.ok());
    QCOMPARE(itemsOf(load, 0), part1);
    QCOMPARE(itemsOf(load, 1), part2);
}

void TestDictionaryLoader::findFirstPrefixMatchesLinearScan()
{
    // Random lines over an alphabet rich in case pairs; every answer must equal a plain scan.
    const QString alphabet = QStringLiteral("aAbBäÄöÖüÜßẞ;é É");
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    auto *rng = &random;
    QString text;
    for (int i = 0; i < 3000; ++i) {
        const int length = 1 + rng->bounded(6);
        for (int c = 0; c < length; ++c)
            text += alphabet[rng->bounded(alphabet.size())];
        text += QStringLiteral("\r\n");
    }
    text += QStringLiteral("1") + kMark + QStringLiteral("\r\n2") + kMark + QStringLiteral("\r\n3") + kMark
            + QStringLiteral("\r\n");
    const DictionaryLoad load = DictionaryLoader::parse(text);
    QVERIFY(load.ok());
    PartListModel model;
    model.setLines(load.text, load.parts[0]);
    for (int probe = 0; probe < 2000; ++probe) {
        QString needle;
        const int length = 1 + rng->bounded(4);
        for (int c = 0; c < length; ++c)
            needle += alphabet[rng->bounded(alphabet.size())];
        int expected = -1;
        for (int row = 0; row < model.count(); ++row) {
            if (model.item(row).startsWith(needle, Qt::CaseInsensitive)) {
                expected = row;
                break;
            }
        }
        const int found = model.findFirstPrefix(needle);
        QVERIFY2(found == expected, qPrintable(QStringLiteral("\"%1\" found in row %2, a scan finds row %3 (seed %4)")
                                                   .arg(needle)
                                                   .arg(found)
                                                   .arg(expected)
                                                   .arg(seed)));
    }
}

void TestDictionaryLoader::findFirstPrefix_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("row");
    QTest::newRow("case ignored") << QStringLiteral("Hallo;") << 1;
    QTest::newRow("whole first field only") << QStringLiteral("hall;") << -1;
    QTest::newRow("prefix") << QStringLiteral("ha") << 0;
    QTest::newRow("first from the top") << QStringLiteral("hallowelt") << 0;
    QTest::newRow("umlaut case") << QStringLiteral("SÜ") << 2;
    QTest::newRow("empty matches nothing") << QString() << -1;
    QTest::newRow("longer than every line") << QStringLiteral("hallowelt;world;extra") << -1;
    QTest::newRow("case of a letter outside the basic plane") << QStringLiteral("𐐨") << 3;
}

void TestDictionaryLoader::findFirstPrefix()
{
    QFETCH(QString, needle);
    QFETCH(int, row);
    const DictionaryLoad load = DictionaryLoader::parse(
        QStringLiteral("hallowelt;world;\r\nhallo;hello;Gruss\r\nsüss;sweet;\r\n𐐀𐐨;Deseret;\r\n1%1\r\n2%1\r\n3%1\r\n")
            .arg(kMark));
    PartListModel model;
    model.setLines(load.text, load.parts[0]);
    QCOMPARE(model.findFirstPrefix(needle), row);
}

void TestDictionaryLoader::formTable_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("bases");

    QTest::newRow("a form and its base") << QByteArray("Häuser;Haus\r\nKinder;Kind\r\n") << "Kinder"
                                         << QStringList{"Kind"};
    QTest::newRow("letter case ignored, umlauts too")
        << QByteArray("Häuser;Haus\r\n") << "HÄUSER" << QStringList{"Haus"};
    QTest::newRow("several bases in their order")
        << QByteArray("casas;casa;casar\n") << "casas" << QStringList{"casa", "casar"};
    QTest::newRow("LF only, no line end at the end") << QByteArray("a;b\nging;gehen") << "ging" << QStringList{"gehen"};
    QTest::newRow("blanks around the fields") << QByteArray(" ging ; gehen ;\r\n") << "ging" << QStringList{"gehen"};
    QTest::newRow("a comment is no form") << QByteArray("#Kinder;Kind\n\nx;y\n") << "#Kinder" << QStringList{};
    QTest::newRow("a form on two lines: the bases of both, each once")
        << QByteArray("ist;sein\r\nIST;essen;sein\r\n") << "ist" << QStringList{"sein", "essen"};
    QTest::newRow("a line without a base") << QByteArray("Kinder;\nKinder; ; ;\nKinder\n") << "Kinder" << QStringList{};
    QTest::newRow("eight bases at most") << QByteArray("x;1;2;3;4;5;6;7;8;9;10\n") << "x"
                                         << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"};
    QTest::newRow("a line over 1 KB is skipped")
        << QByteArray(2000, 'a') + ";b\n" + QByteArray("a;c\n") << QString(2000, u'a') << QStringList{};
    QTest::newRow("the line after a long one counts")
        << QByteArray(2000, 'a') + ";b\n" + QByteArray("a;c\n") << "a" << QStringList{"c"};
    QTest::newRow("bad UTF-8 harms no other line") << QByteArray("\xff\xfe;x\nKind;y\n") << "Kind" << QStringList{"y"};
    QTest::newRow("a form the table does not hold") << QByteArray("Kinder;Kind\n") << "Kind" << QStringList{};
    QTest::newRow("no table") << QByteArray() << "Kinder" << QStringList{};
}

void TestDictionaryLoader::formTable()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, form);
    QFETCH(QStringList, bases);
    QCOMPARE(FormTable::parse(table).bases(form), bases);
}

void TestDictionaryLoader::formTableBesideTheDictionary_data()
{
    QTest::addColumn<QString>("beside"); // what lies at d.forms: "file", "folder" or nothing
    QTest::addColumn<qint64>("size");    // the table is extended with zero bytes to this size
    QTest::addColumn<bool>("loaded");

    QTest::newRow("a table beside the dictionary") << "file" << qint64(0) << true;
    QTest::newRow("no table") << "" << qint64(0) << false;
    QTest::newRow("a folder of that name") << "folder" << qint64(0) << false;
    QTest::newRow("a table of 17 MB") << "file" << qint64(17 * 1024 * 1024) << false;
}

void TestDictionaryLoader::formTableBesideTheDictionary()
{
    QFETCH(QString, beside);
    QFETCH(qint64, size);
    QFETCH(bool, loaded);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.txt"));
    QVERIFY(writeFile(
        path, QStringLiteral("Kind;child;\r\n%1\r\n%2\r\n%3\r\n").arg(divider(1), divider(2), divider(3)).toUtf8()));
    const QString tablePath = dir.filePath(QStringLiteral("d.forms"));
    QCOMPARE(FormTable::pathBeside(path), tablePath);
    if (beside == u"file")
        QVERIFY(writeFile(tablePath, "Kinder;Kind\r\n"));
    if (beside == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("d.forms")));
    if (size > 0)
        QVERIFY(QFile::resize(tablePath, size));

    const DictionaryLoad load = DictionaryLoader::load(path);

    QCOMPARE(load.status, DictionaryLoad::Status::Ok);
    QCOMPARE(itemsOf(load, 0), QStringList{QStringLiteral("Kind;child;")});
    QCOMPARE(bool(load.forms), loaded);
    if (load.forms)
        QCOMPARE(load.forms->bases(u"Kinder"), QStringList{QStringLiteral("Kind")});
}

QTEST_GUILESS_MAIN(TestDictionaryLoader)
#include "tst_dictionaryloader.moc"
