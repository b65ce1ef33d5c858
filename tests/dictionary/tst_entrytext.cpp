#include "dictionary/EntryText.h"

#include <QtTest>

#include <chrono>
#include <future>
#include <thread>

namespace {
// Runs work on a thread of its own and waits at most the limit; a run that does not finish is
// left behind (the test fails, and the process end takes the thread with it).
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

class TestEntryText : public QObject
{
    Q_OBJECT
private slots:
    void parsing_data();
    void parsing();
    void fieldLimit_data();
    void fieldLimit();
    void zeichenErsetzen_data();
    void zeichenErsetzen();
    void zeichenErsetzenLargeText_data();
    void zeichenErsetzenLargeText();
};

void TestEntryText::parsing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("three fields") << "hallo;hello;Gruss" << QStringList{"hallo", "hello", "Gruss"};
    QTest::newRow("trailing separator") << "ab und zu;every now and then;"
                                        << QStringList{"ab und zu", "every now and then"};
    QTest::newRow("run of separators") << "a;;b" << QStringList{"a", "b"};
    QTest::newRow("leading separator") << ";a" << QStringList{"", "a"};
    QTest::newRow("no separator") << "wort" << QStringList{"wort"};
    QTest::newRow("empty entry") << "" << QStringList{""};
    QTest::newRow("only separators") << ";;;" << QStringList{""};
    QTest::newRow("separator run at the end") << "x;y;;" << QStringList{"x", "y"};
    QTest::newRow("blanks kept") << " a ; b " << QStringList{" a ", " b "};
    // Nothing past a length limit is lost.
    const QString longField(40000, QLatin1Char('x'));
    QTest::newRow("beyond 32,767 characters") << longField + ";tail;" << QStringList{longField, "tail"};
}

void TestEntryText::parsing()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, fields);
    const auto result = EntryText::parsing(entry);
    QVERIFY(result.has_value());
    QCOMPARE(*result, fields);
}

void TestEntryText::fieldLimit_data()
{
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("1,501 fields") << 1501 << true;
    QTest::newRow("1,502 fields") << 1502 << false;
    QTest::newRow("3,000 fields") << 3000 << false;
}

void TestEntryText::fieldLimit()
{
    QFETCH(int, fieldCount);
    QFETCH(bool, accepted);
    QStringList parts;
    for (int i = 0; i < fieldCount; ++i)
        parts << QString::number(i);
    const auto result = EntryText::parsing(parts.join(QLatin1Char(';')) + QLatin1Char(';'));
    QCOMPARE(result.has_value(), accepted);
    if (accepted)
        QCOMPARE(*result, parts);
}

void TestEntryText::zeichenErsetzen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::newRow("extension removed") << "DeEn.txt"
                                       << ".txt"
                                       << ""
                                       << "DeEn";
    QTest::newRow("every occurrence") << "a.txt.txt"
                                      << ".txt"
                                      << ""
                                      << "a";
    QTest::newRow("case-sensitive") << "DeEn.TXT"
                                    << ".txt"
                                    << ""
                                    << "DeEn.TXT";
    QTest::newRow("display separators") << "x;y;"
                                        << ";"
                                        << "  -  "
                                        << "x  -  y  -  ";
    QTest::newRow("replacement holding the pattern") << "a;b"
                                                     << ";"
                                                     << ";;"
                                                     << "a;;b";
    QTest::newRow("no occurrence") << "hallo"
                                   << ";"
                                   << "  -  "
                                   << "hallo";
    QTest::newRow("overlapping pattern") << "aaaa"
                                         << "aa"
                                         << "b"
                                         << "bb";
    QTest::newRow("pattern with a repeated start") << "aabaabaab"
                                                   << "aab"
                                                   << "-"
                                                   << "---";
    QTest::newRow("partial match before a match") << "abababc"
                                                  << "ababc"
                                                  << "X"
                                                  << "abX";
    QTest::newRow("replacement holding the pattern twice") << ";x;"
                                                           << ";"
                                                           << ";;"
                                                           << ";;x;;";
    QTest::newRow("empty pattern leaves the text") << "x;y"
                                                   << ""
                                                   << "-"
                                                   << "x;y";
    QTest::newRow("empty text") << ""
                                << ";"
                                << "-"
                                << "";
}

void TestEntryText::zeichenErsetzen()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QString inOut = text;
    QCOMPARE(EntryText::zeichenErsetzen(inOut, pattern, replacement), result);
    QCOMPARE(inOut, result);
}

void TestEntryText::zeichenErsetzenLargeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    constexpr int n = 1 << 20; // a 1 MB text, every character an occurrence
    const QString separators(n, QLatin1Char(';'));
    QTest::newRow("display separators") << separators << ";"
                                        << "  -  " << QStringLiteral("  -  ").repeated(n);
    QTest::newRow("replacement holding the pattern") << separators << ";"
                                                     << ";;" << QStringLiteral(";;").repeated(n);
    QTest::newRow("removed") << separators << ";"
                             << ""
                             << "";
    QTest::newRow("empty pattern") << separators << ""
                                   << "-" << separators;
    // A pattern whose every prefix matches again: a search that steps back would go over the
    // text once per character.
    QTest::newRow("almost matching everywhere")
        << QString(n, QLatin1Char('a')) + "b" << QString(4096, QLatin1Char('a')) + "b"
        << "x" << QString(n - 4096, QLatin1Char('a')) + "x";
}

void TestEntryText::zeichenErsetzenLargeText()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    const auto replaced = finishedWithin(std::chrono::seconds(60), [&] {
        QString inOut = text;
        const QString returned = EntryText::zeichenErsetzen(inOut, pattern, replacement);
        return std::pair{inOut, returned};
    });
    QVERIFY2(replaced.has_value(), "replacing did not finish");
    QVERIFY(replaced->first == result);
    QVERIFY(replaced->second == result);
}

QTEST_GUILESS_MAIN(TestEntryText)
#include "tst_entrytext.moc"
