#include "core/Pause.h"
#include "shell/ClickLabel.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "speech/SpeechPage.h"
#include "windows/Form1/Form1.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/ListBrowsing.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestPrefixSearch : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void search_data();
    void search();
    void prefixInTwoParts();
    void upAndDown_data();
    void upAndDown();
    void hideAndSearchAgain();
    void doubleClickSpeaks();
    void listHoverShowsTheEntry();

private:
    vodozaduda1 &openWindow();

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestPrefixSearch::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
}

void TestPrefixSearch::cleanup()
{
    m_fixture.reset();
}

vodozaduda1 &TestPrefixSearch::openWindow()
{
    // Laid out like the example in the loader's error message.
    m_fixture->dir().write(
        QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
        dictionaryFile({{"ab und zu;every now and then;"},
                        {"auto;car;"},
                        {"süssigkeit;sweetness;", "süssigkeiten;sweets;", "süsskartoffel;sweetpotato;"},
                        {"versuch;trial;", "xyz;yxz;TEST;"}}));
    return m_fixture->open();
}

void TestPrefixSearch::search_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QString>("entry");
    QTest::newRow("one letter") << "s" << QList<int>{3} << "süssigkeit;sweetness;";
    QTest::newRow("umlaut") << "sü" << QList<int>{3} << "süssigkeit;sweetness;";
    QTest::newRow("capital umlaut") << "SÜSSK" << QList<int>{3} << "süsskartoffel;sweetpotato;";
    QTest::newRow("part four") << "x" << QList<int>{4} << "xyz;yxz;TEST;";
    QTest::newRow("phrase") << "ab u" << QList<int>{1} << "ab und zu;every now and then;";
    QTest::newRow("nothing") << "q" << QList<int>{} << "";
}

void TestPrefixSearch::search()
{
    QFETCH(QString, typed);
    QFETCH(QList<int>, shown);
    QFETCH(QString, entry);
    vodozaduda1 &w = openWindow();
    // Typed letter by letter: every step searches.
    for (int i = 1; i <= typed.size(); ++i)
        ctl<QLineEdit>(w, "Text1")->setText(typed.left(i));
    QCOMPARE(shownLists(w), shown);
    QCOMPARE(currentEntry(w), entry);
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")),
             Twips::color(shown.isEmpty() ? VbColor::kWhite : VbColor::kYellow));
    if (!shown.isEmpty()) {
        PartList *list = partList(w, shown.last() - 1);
        QCOMPARE(list->text(), entry);
    }
}

void TestPrefixSearch::prefixInTwoParts()
{
    m_fixture->dir().write(
        QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
        dictionaryFile({{"haus;house;", "hausboot;houseboat;"}, {"Hausarzt;family doctor;"}, {"x;y;"}, {"z;z;"}}));
    vodozaduda1 &w = *form<vodozaduda1>();
    w.show();
    ctl<QLineEdit>(w, "Text1")->setText(QStringLiteral("haus"));
    QCOMPARE(shownLists(w), (QList<int>{1, 2}));
    QCOMPARE(partList(w, 0)->text(), QStringLiteral("haus;house;"));
    // Both lists lie in the same place; the current entry is the higher part's match.
    QCOMPARE(partList(w, 0)->geometry(), partList(w, 1)->geometry());
    QCOMPARE(currentEntry(w), QStringLiteral("Hausarzt;family doctor;"));
}

void TestPrefixSearch::upAndDown_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("part");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("entry");
    QTest::newRow("up by two") << "xyz" << 4 << true << " Trennlinie";
    QTest::newRow("up from the second item") << "vers" << 4 << true << " Trennlinie";
    QTest::newRow("up at the first item") << "ab" << 1 << true << "ab und zu;every now and then;";
    QTest::newRow("down by one") << "vers" << 4 << false << "xyz;yxz;TEST;";
    QTest::newRow("down at the last item") << "xyz" << 4 << false << "xyz;yxz;TEST;";
}

void TestPrefixSearch::upAndDown()
{
    QFETCH(QString, start);
    QFETCH(int, part);
    QFETCH(bool, up);
    QFETCH(QString, entry);
    vodozaduda1 &w = openWindow();
    ctl<QLineEdit>(w, "Text1")->setText(start);
    QCOMPARE(shownLists(w), QList<int>{part});
    (up ? ctl<QPushButton>(w, "Command19") : ctl<QPushButton>(w, "Command20"))->click();
    QCOMPARE(QApplication::focusWidget(), partList(w, part - 1));
    pause(0.1);
    QCOMPARE(partList(w, part - 1)->text(), entry);
    QCOMPARE(currentEntry(w), entry);
}

void TestPrefixSearch::hideAndSearchAgain()
{
    vodozaduda1 &w = openWindow();
    ctl<QLineEdit>(w, "Text1")->setText(QStringLiteral("a"));
    QCOMPARE(shownLists(w), (QList<int>{1, 2}));
    const QString entry = currentEntry(w);
    QTest::mouseClick(ctl<QLabel>(w, "Label9"), Qt::LeftButton);
    QCOMPARE(shownLists(w), QList<int>{});
    // Selections and the current entry stay.
    QCOMPARE(currentEntry(w), entry);
    QCOMPARE(partList(w, 1)->text(), QStringLiteral("auto;car;"));
    pause(0.05);
    QCOMPARE(shownLists(w), QList<int>{});
    ctl<QLineEdit>(w, "Text1")->setText(QStringLiteral("x"));
    QCOMPARE(shownLists(w), QList<int>{4});
}

void TestPrefixSearch::doubleClickSpeaks()
{
    vodozaduda1 &w = openWindow();
    SpeechRecorder &clicks = m_fixture->speech();
    clicks.clicks.clear();
    ctl<QLineEdit>(w, "Text3")->setText(QStringLiteral("auto"));
    PartList *list = partList(w, 1);
    QCOMPARE(shownLists(w), QList<int>{2});
    const QRect first = list->visualRect(list->model()->index(0, 0));
    // The divider's rest, then the entry below it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(currentEntry(w), QStringLiteral(" Trennlinie"));
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(currentEntry(w), QStringLiteral("auto;car;"));
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"car\"\r\n"));
    QCOMPARE(clicks.clicks.size(), 1);
    QCOMPARE(ctl<QLineEdit>(w, "Text3")->text(), QString());
    QCOMPARE(ctl<QLineEdit>(w, "Text1")->text(), QStringLiteral(";"));
}

void TestPrefixSearch::listHoverShowsTheEntry()
{
    vodozaduda1 &w = openWindow();
    ctl<QLineEdit>(w, "Text1")->setText(QStringLiteral("ver"));
    PartList *list = partList(w, 3);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), list->viewport()->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    QCOMPARE(form<hilfe1>()->helpText(), QStringLiteral("versuch  -  trial  -  "));
}

QTEST_MAIN(TestPrefixSearch)
#include "tst_prefixsearch.moc"
