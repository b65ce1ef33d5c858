#include "app/ClickLabel.h"
#include "app/FormRegistry.h"
#include "app/Pause.h"
#include "app/Twips.h"
#include "dictionary/WordLookup.h"
#include "dictionary/vodozaduda1.h"
#include "speech/SpeechPage.h"
#include "workspace/Form1.h"
#include "workspace/LetterWorkspace.h"

#include "TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QString kMark = QString(8, QLatin1Char('\\'));
const QString kBill = QStringLiteral("#voice=name:lgx.de.bill#");

QByteArray dictionary(const QStringList &part1)
{
    QStringList lines = part1;
    lines << QStringLiteral("1") + kMark + QStringLiteral(" Trennlinie") << QStringLiteral("2") + kMark
          << QStringLiteral("3") + kMark;
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QByteArray quoted(const QString &text)
{
    return ('"' + text + QStringLiteral("\"\r\n")).toUtf8();
}

QStringList entries(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}
}

class TestLetterWorkspace : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void collectsOnTheCaretLine();
    void collectsOnAnEarlierLine();
    void readFields_data();
    void readFields();
    void firstAndSecond();
    void wholeEntry();
    void readLetter_data();
    void readLetter();
    void letterKeepsItsLines();
    void muteSilencesTheWordRoadOnly();
    void voiceList_data();
    void voiceList();
    void windowWidths();
    void descriptionRead();
    void clearLetter();

private:
    vodozaduda1 &openWindow();
    void lookUp(const QString &word);
    void useVoice(const QString &prefix);

    std::unique_ptr<TestProgramDirectory> m_dir;
    std::unique_ptr<WindowSandbox> m_sandbox;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<QSignalSpy> m_clicks;
    vodozaduda1 *m_w = nullptr;
};

void TestLetterWorkspace::init()
{
    m_dir = std::make_unique<TestProgramDirectory>();
    m_dir->write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                 dictionary({"auto;car;", "hallo;hello;Gruss", "paar;pair;", "versuch;trial;"}));
    m_sandbox = std::make_unique<WindowSandbox>();
    m_messages = std::make_unique<MessageRecorder>();
}

void TestLetterWorkspace::cleanup()
{
    m_clicks.reset();
    m_sandbox.reset();
    m_messages.reset();
    m_dir.reset();
}

vodozaduda1 &TestLetterWorkspace::openWindow()
{
    m_w = &form<vodozaduda1>();
    m_clicks = std::make_unique<QSignalSpy>(&form<Form1>().page(), &SpeechPage::clicked);
    m_w->show();
    m_w->activateWindow();
    if (!QTest::qWaitForWindowActive(m_w))
        qWarning("main window not active");
    // The start's focus return would land in the middle of a test.
    m_w->Timer4->stop();
    m_w->Text3->setFocus();
    return *m_w;
}

void TestLetterWorkspace::lookUp(const QString &word)
{
    QTest::keyClicks(m_w->Text3, word);
    QTest::keyClick(m_w->Text3, Qt::Key_Return);
}

void TestLetterWorkspace::useVoice(const QString &prefix)
{
    m_dir->write(QStringLiteral("stimm2.txt"), (prefix + QStringLiteral("\r\n")).toUtf8());
    m_w->Check3->click();
    pause(0.05);
    QCOMPARE(WordLookup::selectedText(m_w->List6), prefix);
}

void TestLetterWorkspace::collectsOnTheCaretLine()
{
    vodozaduda1 &w = openWindow();
    w.Check2->click();
    for (const QString &word : {QStringLiteral("hallo"), QStringLiteral("auto"), QStringLiteral("versuch")})
        lookUp(word);
    QCOMPARE(w.Text6->toPlainText(), QStringLiteral("hello car trial "));
    // Each word was also spoken, and the input field is ready for the next.
    QCOMPARE(m_clicks->size(), 3);
    QCOMPARE(w.Text3->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w.Text3);
}

void TestLetterWorkspace::collectsOnAnEarlierLine()
{
    vodozaduda1 &w = openWindow();
    w.Check2->click();
    w.Text6->setPlainText(QStringLiteral("Liebe Anna,\nbis bald"));
    QTextCursor caret = w.Text6->textCursor();
    caret.setPosition(3);
    w.Text6->setTextCursor(caret);
    lookUp(QStringLiteral("auto"));
    QCOMPARE(w.Text6->toPlainText(), QStringLiteral("Liebe Anna,car \nbis bald"));
}

void TestLetterWorkspace::readFields_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("handedOver");
    QTest::newRow("first field, no voice") << "hallo" << "Command22" << "hallo";
    QTest::newRow("second field, with voice") << "hallo" << "Command24" << kBill + "hello";
    QTest::newRow("third field, no voice") << "hallo" << "Command26" << "Gruss";
    QTest::newRow("two fields: third reads the second") << "paar" << "Command26" << "pair";
}

void TestLetterWorkspace::readFields()
{
    QFETCH(QString, word);
    QFETCH(QString, button);
    QFETCH(QString, handedOver);
    vodozaduda1 &w = openWindow();
    useVoice(kBill);
    QTest::keyClicks(w.Text3, word);
    m_clicks->clear();
    w.findChild<QPushButton *>(button)->click();
    QCOMPARE(m_dir->read(QStringLiteral("hilfe.txt")), quoted(handedOver));
    QCOMPARE(m_clicks->size(), 1);
    QCOMPARE(m_clicks->first().first().toString(), QStringLiteral("Hilfex"));
    // The fields are taken afresh each time, not added up.
    QCOMPARE(w.List5->count(), word == QLatin1String("paar") ? 2 : 3);
}

void TestLetterWorkspace::firstAndSecond()
{
    vodozaduda1 &w = openWindow();
    QTest::keyClicks(w.Text3, QStringLiteral("auto"));
    m_clicks->clear();
    w.Command27->click();
    QCOMPARE(m_clicks->size(), 2);
    QCOMPARE(m_dir->read(QStringLiteral("hilfe.txt")), quoted(QStringLiteral("car")));
}

void TestLetterWorkspace::wholeEntry()
{
    vodozaduda1 &w = openWindow();
    QTest::keyClicks(w.Text3, QStringLiteral("hallo"));
    w.Command23->click();
    QCOMPARE(m_dir->read(QStringLiteral("hilfe.txt")), quoted(QStringLiteral("hallo  -  hello  -  Gruss")));
    QCOMPARE(w.Text3->text(), QString());
}

void TestLetterWorkspace::readLetter_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("f7");
    QTest::newRow("empty, no voice") << "" << "" << false;
    QTest::newRow("empty, with voice") << kBill << "" << false;
    QTest::newRow("letter, F7") << kBill << "hello car " << true;
    QTest::newRow("empty, F7") << "" << "" << true;
}

void TestLetterWorkspace::readLetter()
{
    QFETCH(QString, voice);
    QFETCH(QString, letter);
    QFETCH(bool, f7);
    vodozaduda1 &w = openWindow();
    if (!voice.isEmpty())
        useVoice(voice);
    w.Text6->setPlainText(letter);
    m_clicks->clear();
    if (f7)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F7);
    else
        w.Command32->click();
    QCOMPARE(m_dir->read(QStringLiteral("hilfe.txt")), quoted(voice + letter));
    QCOMPARE(m_clicks->size(), 1);
    QCOMPARE(m_clicks->first().first().toString(), QStringLiteral("Hilfe"));
    if (f7)
        QCOMPARE(QApplication::focusWidget(), w.Text6);
    QVERIFY(m_messages->texts.isEmpty());
}

void TestLetterWorkspace::letterKeepsItsLines()
{
    vodozaduda1 &w = openWindow();
    w.Text6->setPlainText(QStringLiteral("Hallo Anna,\nbis bald"));
    w.Command32->click();
    QCOMPARE(m_dir->read(QStringLiteral("hilfe.txt")), QByteArray("\"Hallo Anna,\r\nbis bald\"\r\n"));
}

void TestLetterWorkspace::muteSilencesTheWordRoadOnly()
{
    vodozaduda1 &w = openWindow();
    w.Check4->setChecked(true);
    QTest::keyClicks(w.Text3, QStringLiteral("hallo"));
    for (QPushButton *b : {w.Command22, w.Command24, w.Command26, w.Command27, w.Command23}) {
        QFile::remove(m_dir->file(QStringLiteral("hilfe.txt")));
        b->click();
        QVERIFY2(QFile::exists(m_dir->file(QStringLiteral("hilfe.txt"))), qPrintable(b->objectName()));
        w.Text3->setText(QStringLiteral("hallo"));
    }
    QCOMPARE(m_clicks->size(), 0);
    w.Command32->click();
    QCOMPARE(m_clicks->size(), 1);
    QVERIFY(m_messages->texts.isEmpty());
}

void TestLetterWorkspace::voiceList_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QStringList>("voices");
    QTest::newRow("pattern with empty slots") << QByteArray("#voice=name:lgx.de.silke#\r\n\r\n#spd=120%#\r\n") << true
                                              << QStringList{"#voice=name:lgx.de.silke#", "", "#spd=120%#"};
    QTest::newRow("missing file") << QByteArray() << true << QStringList{};
    QTest::newRow("unticked") << QByteArray("#VOL=200%dB#\r\n") << false << QStringList{"#Standard Sprecher#"};
}

void TestLetterWorkspace::voiceList()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, tick);
    QFETCH(QStringList, voices);
    vodozaduda1 &w = openWindow();
    QCOMPARE(entries(w.List6), QStringList{"#Standard Sprecher#"});
    QCOMPARE(WordLookup::selectedText(w.List6), QString());
    if (!file.isEmpty())
        m_dir->write(QStringLiteral("stimm2.txt"), file);
    w.Check3->click();
    if (!tick)
        w.Check3->click();
    QCOMPARE(Twips::backColor(w.Check3), tick ? Twips::color(VbColor::White) : Twips::buttonFace());
    pause(0.05);
    QCOMPARE(entries(w.List6), voices);
    QCOMPARE(w.List6->selectedItems().size(), voices.isEmpty() ? 0 : 1);
    if (!voices.isEmpty())
        QCOMPARE(w.List6->currentRow(), 0);
    // A second later the focus is back in the input field.
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), w.Text3, 2000);
}

void TestLetterWorkspace::windowWidths()
{
    vodozaduda1 &w = openWindow();
    const int frame = LetterWorkspace::kNarrowWidth - vodozaduda1::kClientWidth;
    QCOMPARE(Twips::fromPixels(w.width()) + frame, LetterWorkspace::kNarrowWidth);
    w.Check2->click();
    QCOMPARE(Twips::fromPixels(w.width()) + frame, LetterWorkspace::kWideWidth);
    QTRY_COMPARE(w.x(), Twips::toPixels(LetterWorkspace::kWideLeft));
    QCOMPARE(Twips::backColor(w.Check2), Twips::color(VbColor::White));
    QVERIFY(w.Text6->visibleRegion().boundingRect().width() > 0);
    w.Check2->click();
    QCOMPARE(Twips::fromPixels(w.width()) + frame, LetterWorkspace::kNarrowWidth);
    QCOMPARE(Twips::backColor(w.Check2), Twips::buttonFace());
    QCOMPARE(QApplication::focusWidget(), w.Text3);
}

void TestLetterWorkspace::descriptionRead()
{
    vodozaduda1 &w = openWindow();
    QTest::mouseDClick(w.Label4, Qt::LeftButton);
    QCOMPARE(m_dir->read(QStringLiteral("hilfe.txt")), quoted(vodozaduda1::kDescription));
    QCOMPARE(m_clicks->size(), 1);
    QCOMPARE(m_clicks->first().first().toString(), QStringLiteral("Hilfe"));
}

void TestLetterWorkspace::clearLetter()
{
    vodozaduda1 &w = openWindow();
    w.Text6->setPlainText(QStringLiteral("weg damit"));
    w.Command33->click();
    QCOMPARE(w.Text6->toPlainText(), QString());
    QCOMPARE(QApplication::focusWidget(), w.Text6);
}

QTEST_MAIN(TestLetterWorkspace)
#include "tst_letterworkspace.moc"
