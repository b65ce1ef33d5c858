#include "core/Pause.h"
#include "dictionary/PartListModel.h"
#include "shell/ClickLabel.h"
#include "shell/FormRegistry.h"
#include "speech/SpeechPage.h"
#include "windows/Form1/Form1.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/WordLookup.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startSequence();
    void aWordTypedAtOnceGoesIntoTheInputField();
    void faultySampleAtStart();
    void layoutFollowsTheDesign_data();
    void layoutFollowsTheDesign();
    void arrowKeysFocusTheShownList_data();
    void arrowKeysFocusTheShownList();
    void leftAndRightReadAndKeepTheSelection_data();
    void leftAndRightReadAndKeepTheSelection();
    void escapeEndsTheProgram();
    void escapeDuringATranslation();
    void secondEnterDuringATranslation();

private:
    vodozaduda1 &openWindow() { return m_fixture->open(); }

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestMainWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
}

void TestMainWindow::cleanup()
{
    m_fixture.reset();
}

void TestMainWindow::startSequence()
{
    vodozaduda1 &w = *form<vodozaduda1>();
    // Loaded before it is shown: the sample dictionary, all lists hidden.
    QVERIFY(!w.isVisible());
    QCOMPARE(ctl<QLineEdit>(w, "Text2")->text(), QStringLiteral("Woerterbuch-Muster"));
    QVERIFY(partList(w, 1)->items().findFirstPrefix(u"hallo;") >= 0);
    for (PartList *list : partLists(w))
        QVERIFY(list->isHidden());
    QVERIFY(ctl<QGroupBox>(w, "Frame1")->isHidden());
    QCOMPARE(ctl<QListWidget>(w, "List6")->count(), 1);
    QCOMPARE(ctl<QListWidget>(w, "List6")->item(0)->text(), QStringLiteral("#Standard Sprecher#"));
    QVERIFY(ctl<QListWidget>(w, "List6")->selectedItems().isEmpty());
    QCOMPARE(ctl<QLabel>(w, "Label4")->text(),
             QStringLiteral(
                 "Beispiel: [Woerterbuch-Muster.txt] Schreiben Sie in das gelb markierte Textfeld [hallo] danach "
                 "drücken Sie auf die [Entertaste]! Nun wird das geschriebene Wort [hallo] hier im Beispiel Englisch "
                 "also [hello] übersetzt und ausgesprochen! Gleichzeitig wird eine Liste angezeigt mit folgenden "
                 "Einträgen: [hallo;hello;Gruss]."));
    QVERIFY(ctl<QComboBox>(w, "Combo1")->count() > 0);
    QVERIFY(isLoaded<Form1>() && form<Form1>()->isVisible());
    QVERIFY(m_fixture->messages().texts.isEmpty());

    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ctl<QPushButton>(w, "Command2")->setFocus();
    pause(0.5);
    QCOMPARE(QApplication::focusWidget(), ctl<QPushButton>(w, "Command2"));
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text3"), 1500);
}

void TestMainWindow::aWordTypedAtOnceGoesIntoTheInputField()
{
    vodozaduda1 &w = *form<vodozaduda1>();
    showAndActivate(w);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hallo"));
    QCOMPARE(ctl<QLineEdit>(w, "Text3")->text(), QStringLiteral("hallo"));
    QCOMPARE(ctl<QLineEdit>(w, "Text2")->text(), QStringLiteral("Woerterbuch-Muster"));
}

void TestMainWindow::faultySampleAtStart()
{
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"), "nur;eine;\r\nZeile;\r\n");
    vodozaduda1 &w = *form<vodozaduda1>();
    QCOMPARE(m_fixture->messages().texts.size(), 2);
    QCOMPARE(partList(w, 0)->listCount(), 2);
}

void TestMainWindow::layoutFollowsTheDesign_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Label3") << "Label3" << QRect(240, 0, 2415, 255);
    QTest::newRow("Text2") << "Text2" << QRect(240, 180, 2415, 255);
    QTest::newRow("Command17") << "Command17" << QRect(2880, 120, 1575, 375);
    QTest::newRow("Label9") << "Label9" << QRect(3240, 480, 255, 255);
    QTest::newRow("Check4") << "Check4" << QRect(3600, 480, 855, 255);
    QTest::newRow("List3") << "List3" << QRect(120, 720, 4335, 2790);
    QTest::newRow("Frame1") << "Frame1" << QRect(120, 720, 4335, 2775);
    QTest::newRow("Text3") << "Text3" << QRect(120, 3480, 4335, 375);
    QTest::newRow("Check1") << "Check1" << QRect(4560, 3480, 1215, 375);
    QTest::newRow("Text1") << "Text1" << QRect(120, 3960, 4335, 375);
    QTest::newRow("Command2") << "Command2" << QRect(4560, 3960, 1215, 375);
    QTest::newRow("Text5") << "Text5" << QRect(120, 4440, 4335, 375);
    QTest::newRow("Command29") << "Command29" << QRect(5880, 4440, 2295, 375);
    QTest::newRow("Text6") << "Text6" << QRect(5880, 480, 5535, 3975);
    QTest::newRow("File1") << "File1" << QRect(120, 240, 2535, 2250);
}

void TestMainWindow::layoutFollowsTheDesign()
{
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    vodozaduda1 &w = *form<vodozaduda1>();
    auto *c = w.findChild<QWidget *>(control);
    QVERIFY(c);
    // One pixel of rounding either way.
    const QRect g = c->geometry();
    QVERIFY2(qAbs(g.x() * 15 - twips.x()) <= 15 && qAbs(g.y() * 15 - twips.y()) <= 15, qPrintable(control));
    QVERIFY2(qAbs(g.width() * 15 - twips.width()) <= 15 && qAbs(g.height() * 15 - twips.height()) <= 15,
             qPrintable(control));
    // The stores lie below the client area.
    QVERIFY(ctl<QListWidget>(w, "List5")->y() >= w.height());
    QVERIFY(ctl<QListWidget>(w, "List6")->y() >= w.height());
}

void TestMainWindow::arrowKeysFocusTheShownList_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focusedList");
    QTest::newRow("Down into the shown list") << "ha" << int(Qt::Key_Down) << 2;
    QTest::newRow("Up with two lists shown") << "a" << int(Qt::Key_Up) << 3;
    QTest::newRow("nothing shown") << "" << int(Qt::Key_Up) << 0;
}

void TestMainWindow::arrowKeysFocusTheShownList()
{
    QFETCH(QString, search);
    QFETCH(int, key);
    QFETCH(int, focusedList);
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{"x;y;"}, {"aal;eel;", "haus;house;"}, {"auto;car;"}}));
    vodozaduda1 &w = openWindow();
    ctl<QLineEdit>(w, "Text1")->setText(search);
    ctl<QLineEdit>(w, "Text1")->setFocus();
    QVERIFY(press(Qt::Key(key)));
    if (focusedList == 0)
        QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text1"));
    else
        QCOMPARE(QApplication::focusWidget(), partList(w, focusedList - 1));
}

void TestMainWindow::leftAndRightReadAndKeepTheSelection_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("handedOver");
    QTest::newRow("Left reads the first field") << int(Qt::Key_Left) << QByteArray("\"haus\"\r\n");
    QTest::newRow("Right reads the second field") << int(Qt::Key_Right) << QByteArray("\"house\"\r\n");
}

void TestMainWindow::leftAndRightReadAndKeepTheSelection()
{
    QFETCH(int, key);
    QFETCH(QByteArray, handedOver);
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{"x;y;"}, {"aal;eel;", "haus;house;", "hut;hat;"}, {"z;z;"}}));
    vodozaduda1 &w = openWindow();
    SpeechRecorder &clicks = m_fixture->speech();
    clicks.clicks.clear();
    ctl<QLineEdit>(w, "Text1")->setText(QStringLiteral("haus"));
    QVERIFY(press(Qt::Key_Down));
    PartList *list = partList(w, 1);
    QCOMPARE(QApplication::focusWidget(), list);
    pause(0.05);
    const int row = list->listIndex();
    QCOMPARE(list->text(), QStringLiteral("haus;house;"));
    QVERIFY(press(Qt::Key(key)));
    pause(0.1);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), handedOver);
    QCOMPARE(clicks.clicks.size(), 1);
    QCOMPARE(list->listIndex(), row);
    QCOMPARE(QApplication::focusWidget(), list);
}

void TestMainWindow::escapeEndsTheProgram()
{
    openWindow();
    QVERIFY(press(Qt::Key_Escape));
    QVERIFY(m_fixture->sandbox().programEnded());
    QVERIFY(!isLoaded<vodozaduda1>());
    QVERIFY(!isLoaded<Form1>());
}

void TestMainWindow::escapeDuringATranslation()
{
    vodozaduda1 &w = openWindow();
    QPointer<vodozaduda1> alive = &w;
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), QStringLiteral("hallo"));
    // Esc arrives while Enter's handler waits between its steps.
    QTimer::singleShot(100, [] { (void)press(Qt::Key_Escape); });
    QTest::keyClick(ctl<QLineEdit>(w, "Text3"), Qt::Key_Return);
    QVERIFY(m_fixture->sandbox().programEnded());
    QVERIFY(!isLoaded<vodozaduda1>());
    // The interrupted handler stopped: nothing was spoken after the end.
    QVERIFY(!QFile::exists(m_fixture->dir().file(QStringLiteral("hilfe.txt"))));
    QTRY_VERIFY(alive.isNull());
}

void TestMainWindow::secondEnterDuringATranslation()
{
    vodozaduda1 &w = openWindow();
    SpeechRecorder &clicks = m_fixture->speech();
    clicks.clicks.clear();
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), QStringLiteral("hallo"));
    QTimer::singleShot(50, [&w] { QTest::keyClick(ctl<QLineEdit>(w, "Text3"), Qt::Key_Return); });
    QTest::keyClick(ctl<QLineEdit>(w, "Text3"), Qt::Key_Return);
    pause(0.5);
    QCOMPARE(clicks.clicks.size(), 2);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"hello\"\r\n"));
    QVERIFY(!m_fixture->sandbox().programEnded());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
