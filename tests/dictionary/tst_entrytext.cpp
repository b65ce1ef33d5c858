#include "dictionary/EntryText.h"

#include <QtTest>

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
};

void TestEntryText::parsing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("three fields") << "hallo;hello;Gruss" << QStringList{"hallo", "hello", "Gruss"};
    QTest::newRow("trailing separator") << "ab und zu;every now and then;" << QStringList{"ab und zu", "every now and then"};
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
    QTest::newRow("extension removed") << "DeEn.txt" << ".txt" << "" << "DeEn";
    QTest::newRow("every occurrence") << "a.txt.txt" << ".txt" << "" << "a";
    QTest::newRow("case-sensitive") << "DeEn.TXT" << ".txt" << "" << "DeEn.TXT";
    QTest::newRow("display separators") << "x;y;" << ";" << "  -  " << "x  -  y  -  ";
    QTest::newRow("replacement holding the pattern") << "a;b" << ";" << ";;" << "a;;b";
    QTest::newRow("no occurrence") << "hallo" << ";" << "  -  " << "hallo";
    QTest::newRow("overlapping pattern") << "aaaa" << "aa" << "b" << "bb";
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

QTEST_GUILESS_MAIN(TestEntryText)
#include "tst_entrytext.moc"
