#include "speech/SpeechPage.h"

#include "SourceData.h"

#include <QSignalSpy>
#include <QtTest>

using Action = SpeechPage::Action;
Q_DECLARE_METATYPE(SpeechPage::Action)

class TestSpeechPage : public QObject
{
    Q_OBJECT
private slots:
    void shippedPageDeclaresEveryElement_data();
    void shippedPageDeclaresEveryElement();
    void onlyFormZeroCounts();
    void missingPageFailsEveryClick();
    void missingElementFails();
    void clickReportsTheElement();
};

void TestSpeechPage::shippedPageDeclaresEveryElement_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("file");
    QTest::newRow("Hilfe") << "Hilfe" << Action::Speak << "hilfe.txt";
    QTest::newRow("Hilfex") << "Hilfex" << Action::Speak << "hilfe.txt";
    QTest::newRow("stop") << "stop" << Action::Stop << "";
    QTest::newRow("pause") << "pause" << Action::Pause << "";
    QTest::newRow("Weiter") << "Weiter" << Action::Resume << "";
    QTest::newRow("Nochmal") << "Nochmal" << Action::Again << "";
}

void TestSpeechPage::shippedPageDeclaresEveryElement()
{
    QFETCH(QString, name);
    QFETCH(Action, action);
    QFETCH(QString, file);
    SpeechPage page(nullptr);
    QVERIFY(page.load(QDir(sourceDataDirectory()).filePath(QStringLiteral("sp"))));
    const auto &elements = page.elements();
    const auto it = std::find_if(elements.begin(), elements.end(), [&](const auto &e) { return e.name == name; });
    QVERIFY(it != elements.end());
    QCOMPARE(it->action, action);
    QCOMPARE(it->file, file);
}

void TestSpeechPage::onlyFormZeroCounts()
{
    const auto elements = SpeechPage::parseForm0(
        "<html><body><p><input name='outside' data-action='stop'></p>"
        "<form><div><button name='Inner' data-action='again'>Noch <b>mal</b></button></div>"
        "<input name='Speak' value='Los' data-action='speak' data-file='x.txt'><input value='nameless'></form>"
        "<form><input name='second' data-action='stop'></form></body></html>");
    QCOMPARE(elements.size(), 2);
    QCOMPARE(elements[0].name, QStringLiteral("Inner"));
    QCOMPARE(elements[0].caption, QStringLiteral("Noch mal"));
    QCOMPARE(elements[0].action, Action::Again);
    QCOMPARE(elements[1].caption, QStringLiteral("Los"));
    QCOMPARE(elements[1].file, QStringLiteral("x.txt"));
    QVERIFY(SpeechPage::parseForm0("<html><body>no form</body></html>").isEmpty());
    QVERIFY(SpeechPage::parseForm0("<<<>>>\xff\xfe").isEmpty());
}

void TestSpeechPage::missingPageFailsEveryClick()
{
    QTemporaryDir dir;
    SpeechPage page(nullptr);
    QSignalSpy clicks(&page, &SpeechPage::clicked);
    QVERIFY(!page.load(dir.filePath(QStringLiteral("sp"))));
    QVERIFY(!page.isLoaded());
    QVERIFY(!page.click(QStringLiteral("Hilfe")));
    // A folder by the page's name is no page either.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sp")));
    QVERIFY(!page.load(dir.filePath(QStringLiteral("sp"))));
    QVERIFY(!page.click(QStringLiteral("stop")));
    QCOMPARE(clicks.size(), 0);
}

void TestSpeechPage::missingElementFails()
{
    SpeechPage page(nullptr);
    QVERIFY(page.load(QDir(sourceDataDirectory()).filePath(QStringLiteral("sp"))));
    QVERIFY(!page.click(QStringLiteral("hilfe")));
    QVERIFY(!page.click(QStringLiteral("stimm")));
    QVERIFY(!page.click(QString()));
}

void TestSpeechPage::clickReportsTheElement()
{
    SpeechPage page(nullptr);
    QSignalSpy clicks(&page, &SpeechPage::clicked);
    QVERIFY(page.load(QDir(sourceDataDirectory()).filePath(QStringLiteral("sp"))));
    QVERIFY(page.click(QStringLiteral("Hilfex")));
    QVERIFY(page.click(QStringLiteral("Nochmal")));
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(1).first().toString(), QStringLiteral("Nochmal"));
}

QTEST_GUILESS_MAIN(TestSpeechPage)
#include "tst_speechpage.moc"
