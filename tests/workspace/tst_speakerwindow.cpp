#include "shell/FormRegistry.h"
#include "shell/PageView.h"
#include "shell/Twips.h"
#include "speech/SpeechService.h"
#include "windows/Form1/Form1.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

class TestSpeakerWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsThePage();
    void closeEndsTheProgram_data();
    void closeEndsTheProgram();
    void hidingKeepsSpeaking();
    void speakAgainAndStop();
    void hoverColours();
    void helpKeys();
    void mainWindowCloseEndsThroughTheSpeaker();

private:
    Form1 &openSpeaker();

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestSpeakerWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
}

void TestSpeakerWindow::cleanup()
{
    m_fixture.reset();
}

Form1 &TestSpeakerWindow::openSpeaker()
{
    Form1 &f = *form<Form1>();
    showAndActivate(f);
    return f;
}

void TestSpeakerWindow::showsThePage()
{
    // The page the speech service read from the program directory, shown as it has it.
    SpeechService service(m_fixture->dir().path());
    Form1 &f = openSpeaker();
    QCOMPARE(f.windowTitle(), QStringLiteral("Sprecher"));
    QCOMPARE(Twips::backColor(&f), Twips::color(VbColor::kBlack));
    for (const QString &name : {QStringLiteral("Hilfe"), QStringLiteral("Hilfex"), QStringLiteral("stop"),
                                QStringLiteral("pause"), QStringLiteral("Weiter"), QStringLiteral("Nochmal")})
        QVERIFY2(ctl<QWidget>(f, "Browser")->findChild<QPushButton *>(name), qPrintable(name));
    ctl<QWidget>(f, "Browser")->findChild<QPushButton *>(QStringLiteral("stop"))->click();
    QCOMPARE(m_fixture->speech().elements(), QStringList{QStringLiteral("stop")});
}

void TestSpeakerWindow::closeEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("end button") << "beende";
}

void TestSpeakerWindow::closeEndsTheProgram()
{
    QFETCH(QString, how);
    Form1 &f = openSpeaker();
    form<vodozaduda1>();
    if (how == QLatin1String("close"))
        f.close();
    else if (how == QLatin1String("escape"))
        QTest::keyClick(f.focusWidget() ? f.focusWidget() : &f, Qt::Key_Escape);
    else
        ctl<QPushButton>(f, "Command2")->click();
    QVERIFY(m_fixture->sandbox().programEnded());
    QVERIFY(!isLoaded<Form1>());
    QVERIFY(!isLoaded<vodozaduda1>());
}

void TestSpeakerWindow::hidingKeepsSpeaking()
{
    Form1 &f = openSpeaker();
    ctl<QPushButton>(f, "Command3")->click();
    QVERIFY(!f.isVisible());
    QVERIFY(isLoaded<Form1>());
    QVERIFY(!m_fixture->sandbox().programEnded());
    ctl<QPushButton>(f, "Command1")->click();
    QCOMPARE(m_fixture->speech().elements(), QStringList{QStringLiteral("Hilfe")});
}

void TestSpeakerWindow::speakAgainAndStop()
{
    Form1 &f = openSpeaker();
    ctl<QPushButton>(f, "Command1")->click();
    QTest::keyClick(f.focusWidget() ? f.focusWidget() : &f, Qt::Key_F3);
    QCOMPARE(m_fixture->speech().elements(), (QStringList{QStringLiteral("Hilfe"), QStringLiteral("stop")}));
}

void TestSpeakerWindow::hoverColours()
{
    Form1 &f = openSpeaker();
    const QColor white = Twips::color(VbColor::kWhite);
    const QColor yellow = Twips::color(VbColor::kYellow);
    QVERIFY2(similar(paintedBackground(ctl<QPushButton>(f, "Command1")), white),
             qPrintable(paintedBackground(ctl<QPushButton>(f, "Command1")).name()));
    hover(ctl<QPushButton>(f, "Command1"));
    // The style paints a button under the mouse a little lighter: yellow, far from white.
    QVERIFY(similar(paintedBackground(ctl<QPushButton>(f, "Command1")), yellow, 128));
    QVERIFY(similar(paintedBackground(ctl<QPushButton>(f, "Command3")), white));
    QCOMPARE(form<hilfe1>()->helpText(), QStringLiteral("xxx"));
    hover(ctl<QPushButton>(f, "Command3"));
    QVERIFY(similar(paintedBackground(ctl<QPushButton>(f, "Command1")), white));
    QVERIFY(similar(paintedBackground(ctl<QPushButton>(f, "Command3")), yellow, 128));
    // No tooltip of its own: the help line is emptied.
    QCOMPARE(form<hilfe1>()->helpText(), QString());
    hover(ctl<QGroupBox>(f, "Frame2"));
    QVERIFY(similar(paintedBackground(ctl<QPushButton>(f, "Command3")), white));
    hover(ctl<QPushButton>(f, "Command1"));
    hover(ctl<QGroupBox>(f, "Frame1"));
    QVERIFY(similar(paintedBackground(ctl<QPushButton>(f, "Command1")), white));

    // Leaving a button through its frame: the frame reports no entry then, only the moves.
    for (const auto &[frameName, buttonName] : {std::pair{"Frame1", "Command1"}, std::pair{"Frame2", "Command3"}}) {
        auto *frame = ctl<QGroupBox>(f, frameName);
        auto *button = ctl<QPushButton>(f, buttonName);
        QTest::mouseMove(button);
        QVERIFY2(similar(paintedBackground(button), yellow, 128), buttonName);
        const QPoint empty(frame->width() - 2, frame->height() - 2);
        QVERIFY(!frame->childAt(empty));
        QTest::mouseMove(frame, empty);
        QVERIFY2(similar(paintedBackground(button), white), buttonName);
    }
}

void TestSpeakerWindow::helpKeys()
{
    Form1 &f = openSpeaker();
    QTest::keyClick(f.focusWidget() ? f.focusWidget() : &f, Qt::Key_F1);
    QVERIFY(form<hilfe1>()->isVisible());
    form<hilfe1>()->setHelpText(QStringLiteral("lies"));
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(f.focusWidget() ? f.focusWidget() : &f, Qt::Key_F2);
    QVERIFY(m_fixture->dir().read(QStringLiteral("hilfe.txt")).endsWith("lies\r\n"));
    QCOMPARE(form<hilfe1>()->helpText(), QString());
}

void TestSpeakerWindow::mainWindowCloseEndsThroughTheSpeaker()
{
    vodozaduda1 &main = *form<vodozaduda1>();
    QVERIFY(isLoaded<Form1>());
    ctl<QPushButton>(main, "Command2")->click();
    QVERIFY(m_fixture->sandbox().programEnded());
    QVERIFY(!isLoaded<Form1>());
    QVERIFY(!isLoaded<vodozaduda1>());
}

QTEST_MAIN(TestSpeakerWindow)
#include "tst_speakerwindow.moc"
