#include "core/Pause.h"
#include "shell/ClickLabel.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/Form1/Form1.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray spoken(const QString &text)
{
    return (QStringLiteral("#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#\r\n")
            + text + QStringLiteral("\r\n"))
        .toUtf8();
}
}

class TestHelpWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void speakWritesPatternAndText_data();
    void speakWritesPatternAndText();
    void autoReadSpeaksTheNewestText();
    void autoReadKeys();
    void playOnEveryPress_data();
    void playOnEveryPress();
    void speechKeys_data();
    void speechKeys();
    void largePrint();
    void mouseOverTexts();
    void descriptionAndHomePage();
    void escapeUnloadsToAFreshWindow();
    void placedAboveTheMainWindow();
    void placedOnTheScreen();

private:
    hilfe1 &openHelp();

    std::unique_ptr<MainWindowFixture> m_fixture;
    SpeechRecorder *m_clicks = nullptr;
};

void TestHelpWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_clicks = &m_fixture->speech();
}

void TestHelpWindow::cleanup()
{
    m_clicks = nullptr;
    m_fixture.reset();
}

hilfe1 &TestHelpWindow::openHelp()
{
    hilfe1 &h = *form<hilfe1>();
    showAndActivate(h);
    return h;
}

void TestHelpWindow::speakWritesPatternAndText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("text") << "Liest gesamte Auswahl";
    QTest::newRow("empty text") << "";
}

void TestHelpWindow::speakWritesPatternAndText()
{
    QFETCH(QString, text);
    hilfe1 &h = openHelp();
    h.setHelpText(text);
    QCOMPARE(ctl<QLabel>(h, "Label2")->text(), text);
    ctl<QPushButton>(h, "Picture1S")->click();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), spoken(text));
    QCOMPARE(m_clicks->clicks.size(), 1);
    QCOMPARE(m_clicks->clicks.first().element, QStringLiteral("Hilfe"));
}

void TestHelpWindow::autoReadSpeaksTheNewestText()
{
    hilfe1 &h = openHelp();
    h.setHelpText(QStringLiteral("vorher"));
    pause(0.3);
    QCOMPARE(m_clicks->clicks.size(), 0);
    ctl<QCheckBox>(h, "Check1")->click();
    // Ticking reads the current text at once.
    QCOMPARE(m_clicks->clicks.size(), 1);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), spoken(QStringLiteral("vorher")));
    // A burst of texts, as a mouse sweeping over controls gives: one reading, of the last one.
    for (const QString &text : {QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")}) {
        h.setHelpText(text);
        pause(0.02);
    }
    QTRY_COMPARE(m_clicks->clicks.size(), 2);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), spoken(QStringLiteral("drei")));
    pause(0.3);
    QCOMPARE(m_clicks->clicks.size(), 2);
    // The same text again is no new text.
    h.setHelpText(QStringLiteral("drei"));
    pause(0.3);
    QCOMPARE(m_clicks->clicks.size(), 2);
    // From another window's control.
    hover(ctl<QPushButton>(*form<Form1>(), "Command1"));
    QTRY_COMPARE(m_clicks->clicks.size(), 3);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), spoken(QStringLiteral("xxx")));
}

void TestHelpWindow::autoReadKeys()
{
    hilfe1 &h = openHelp();
    h.setHelpText(QStringLiteral("Text"));
    QTest::keyClick(h.focusWidget() ? h.focusWidget() : &h, Qt::Key_F11);
    QVERIFY(ctl<QCheckBox>(h, "Check1")->isChecked());
    QCOMPARE(m_clicks->clicks.size(), 1);
    QTest::keyClick(h.focusWidget() ? h.focusWidget() : &h, Qt::Key_F8);
    QVERIFY(!ctl<QCheckBox>(h, "Check1")->isChecked());
    QCOMPARE(m_clicks->clicks.size(), 1);
}

void TestHelpWindow::playOnEveryPress_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("empties"); // F2 empties the help line after playing it
    QTest::newRow("main window") << "vodozaduda1" << true;
    QTest::newRow("speaker window") << "Form1" << true;
    QTest::newRow("country window") << "Form2" << true;
    QTest::newRow("speech settings window") << "Logox4" << false;
    QTest::newRow("first-run window") << "starter" << false;
}

void TestHelpWindow::playOnEveryPress()
{
    QFETCH(QString, window);
    QFETCH(bool, empties);
    form<vodozaduda1>();
    Form *w = FormRegistry::instance().load(window);
    QVERIFY(w);
    showAndActivate(*w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    if (!QApplication::focusWidget())
        w->setFocus();
    hilfe1 &h = *form<hilfe1>();
    h.setHelpText(QStringLiteral("erste"));
    QVERIFY(press(Qt::Key_F2));
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), spoken(QStringLiteral("erste")));
    QCOMPARE(h.helpText(), empties ? QString() : QStringLiteral("erste"));
    QVERIFY(!ctl<QPushButton>(h, "pla")->isEnabled());
    h.setHelpText(QStringLiteral("zweite"));
    QVERIFY(press(Qt::Key_F2));
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), spoken(QStringLiteral("zweite")));
    QCOMPARE(m_clicks->clicks.size(), 2);
}

void TestHelpWindow::speechKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("element");
    QTest::newRow("F3 stops") << int(Qt::Key_F3) << "stop";
    QTest::newRow("F4 pauses") << int(Qt::Key_F4) << "pause";
    QTest::newRow("F5 resumes") << int(Qt::Key_F5) << "Weiter";
    QTest::newRow("F6 again") << int(Qt::Key_F6) << "Nochmal";
}

void TestHelpWindow::speechKeys()
{
    QFETCH(int, key);
    QFETCH(QString, element);
    hilfe1 &h = openHelp();
    QTest::keyClick(h.focusWidget() ? h.focusWidget() : &h, Qt::Key(key));
    QCOMPARE(m_clicks->clicks.size(), 1);
    QCOMPARE(m_clicks->clicks.first().element, element);
    QVERIFY(!QFile::exists(m_fixture->dir().file(QStringLiteral("hilfe.txt"))));
}

void TestHelpWindow::largePrint()
{
    hilfe1 &h = openHelp();
    for (const char *sign : {"Label3", "Label4"})
        QCOMPARE(ctl<QLabel>(h, sign)->font().pointSize(), 18);
    const int frame = hilfe1::kFrameWidth;
    QCOMPARE(Twips::fromPixels(h.width()) + frame, hilfe1::kNormalWidth);
    QTest::mouseClick(ctl<QLabel>(h, "Label3"), Qt::LeftButton);
    QVERIFY(ctl<QLabel>(h, "Label2")->isVisible());
    QVERIFY(!ctl<QLabel>(h, "HLabel1")->isVisible());
    QVERIFY(ctl<QLabel>(h, "Label4")->isVisible());
    QVERIFY(!ctl<QLabel>(h, "Label3")->isVisible());
    QCOMPARE(Twips::fromPixels(h.width()) + frame, hilfe1::kLargeWidth);
    h.setHelpText(QStringLiteral("gross"));
    QCOMPARE(ctl<QLabel>(h, "Label2")->text(), QStringLiteral("gross"));
    QTest::mouseClick(ctl<QLabel>(h, "Label2"), Qt::LeftButton);
    QVERIFY(ctl<QLabel>(h, "HLabel1")->isVisible());
    QVERIFY(!ctl<QLabel>(h, "Label2")->isVisible());
    QVERIFY(ctl<QLabel>(h, "Label3")->isVisible());
    QCOMPARE(Twips::fromPixels(h.width()) + frame, hilfe1::kNormalWidth);
}

void TestHelpWindow::mouseOverTexts()
{
    hilfe1 &h = openHelp();
    hover(ctl<QLabel>(h, "Label3"));
    QCOMPARE(h.helpText(), QStringLiteral("Schrift größer machen!"));
    hover(ctl<QLabel>(h, "Label4"));
    QCOMPARE(h.helpText(), QStringLiteral("Schrift kleiner machen!"));
    hover(ctl<QPushButton>(h, "beende3"));
    QCOMPARE(h.helpText(), QStringLiteral("Hilfe Fenster schließen!!"));
    ctl<QLabel>(h, "Label6")->setToolTip(QStringLiteral("Beschreibung: "));
    hover(ctl<QLabel>(h, "Label6"));
    QCOMPARE(h.helpText(), QStringLiteral("Beschreibung: \\hilfe-vq\\index.htm"));
    QTest::mouseClick(ctl<QLabel>(h, "Label1"), Qt::LeftButton);
    QCOMPARE(h.helpText(), QStringLiteral("F2,Play. F3,Pause. F4,Stop. F5,Weiter. F6,Nochmal."));
    ctl<QPushButton>(h, "Command1")->setFocus();
    QCOMPARE(h.helpText(), QStringLiteral("Programm Beschreibung:"));
    QCOMPARE(m_clicks->clicks.size(), 0);
}

void TestHelpWindow::descriptionAndHomePage()
{
    ShellRecorder shell;
    hilfe1 &h = openHelp();
    QTest::mouseClick(ctl<QLabel>(h, "Label6"), Qt::LeftButton);
    QTest::mouseClick(ctl<QLabel>(h, "Label5"), Qt::LeftButton);
    QCOMPARE(shell.urls.size(), 2);
    QCOMPARE(shell.urls[0], QUrl::fromLocalFile(m_fixture->dir().file(QStringLiteral("hilfe-vq/index.htm"))));
    QVERIFY(QFile::exists(shell.urls[0].toLocalFile()));
    // No address the program does not own: its own page, unless a country file names another.
    QCOMPARE(ctl<QLabel>(h, "Label5")->text(), QStringLiteral("Über HX-Tolkarin"));
    QCOMPARE(shell.urls[1], shell.urls[0]);
}

void TestHelpWindow::escapeUnloadsToAFreshWindow()
{
    hilfe1 &h = openHelp();
    ctl<QCheckBox>(h, "Check1")->setChecked(true);
    h.setHelpText(QStringLiteral("weg"));
    h.largePrint(true);
    h.pla();
    QTest::keyClick(h.focusWidget() ? h.focusWidget() : &h, Qt::Key_Escape);
    QVERIFY(!isLoaded<hilfe1>());
    hilfe1 &fresh = *form<hilfe1>();
    QVERIFY(&fresh != &h || !ctl<QCheckBox>(fresh, "Check1")->isChecked());
    QCOMPARE(fresh.helpText(), QStringLiteral(" Hilfe Halmorix"));
    QVERIFY(!ctl<QCheckBox>(fresh, "Check1")->isChecked());
    QVERIFY(!fresh.isLargePrint());
    QVERIFY(ctl<QPushButton>(fresh, "pla")->isEnabled());
    // beende3 only hides.
    fresh.show();
    ctl<QPushButton>(fresh, "beende3")->click();
    QVERIFY(!fresh.isVisible());
    QVERIFY(isLoaded<hilfe1>());
}

void TestHelpWindow::placedAboveTheMainWindow()
{
    vodozaduda1 &main = *form<vodozaduda1>();
    main.show();
    main.move(100, 400);
    QTRY_COMPARE(main.pos(), QPoint(100, 400));
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QVERIFY(press(Qt::Key_F1));
    hilfe1 &h = *form<hilfe1>();
    QVERIFY(h.isVisible());
    QTRY_COMPARE(h.pos(), QPoint(100, 400 - Twips::toPixels(2600)));
}

void TestHelpWindow::placedOnTheScreen()
{
    vodozaduda1 &main = *form<vodozaduda1>();
    main.show();
    main.move(100, 0);
    QTRY_COMPARE(main.pos(), QPoint(100, 0));
    hilfe1 &h = *form<hilfe1>();
    h.show();
    h.startPlacing();
    // No room above the main window: it goes below it instead of off the screen.
    QTRY_COMPARE(h.pos(), QPoint(100, main.frameGeometry().bottom() + 1));
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
