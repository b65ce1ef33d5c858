#include "core/Pause.h"
#include "shell/ClickLabel.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/Form1/Form1.h"
#include "windows/vodozaduda1/LetterWorkspace.h"
#include "windows/vodozaduda1/WordLookup.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

namespace {
const QString kBill = QStringLiteral("#voice=name:lgx.de.bill#");

QByteArray quoted(const QString &text)
{
    return ('"' + text + QStringLiteral("\"\r\n")).toUtf8();
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
    void arrowsMoveTheCaretInTheLetter_data();
    void arrowsMoveTheCaretInTheLetter();
    void clearLetter();
    void handOffNotWritable_data();
    void handOffNotWritable();

private:
    vodozaduda1 &openWindow();
    void lookUp(const QString &word);
    [[nodiscard]] bool useVoice(const QString &prefix);

    std::unique_ptr<MainWindowFixture> m_fixture;
    SpeechRecorder *m_clicks = nullptr;
};

void TestLetterWorkspace::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{"auto;car;", "hallo;hello;Gruss", "paar;pair;", "versuch;trial;"}}));
}

void TestLetterWorkspace::cleanup()
{
    m_clicks = nullptr;
    m_fixture.reset();
}

vodozaduda1 &TestLetterWorkspace::openWindow()
{
    m_clicks = &m_fixture->speech();
    return m_fixture->open();
}

void TestLetterWorkspace::lookUp(const QString &word)
{
    QTest::keyClicks(ctl<QLineEdit>(*m_fixture->window(), "Text3"), word);
    QTest::keyClick(ctl<QLineEdit>(*m_fixture->window(), "Text3"), Qt::Key_Return);
}

bool TestLetterWorkspace::useVoice(const QString &prefix)
{
    m_fixture->dir().write(QStringLiteral("stimm2.txt"), (prefix + QStringLiteral("\r\n")).toUtf8());
    ctl<QCheckBox>(*m_fixture->window(), "Check3")->click();
    pause(0.05);
    return WordLookup::selectedText(ctl<QListWidget>(*m_fixture->window(), "List6")) == prefix;
}

void TestLetterWorkspace::collectsOnTheCaretLine()
{
    vodozaduda1 &w = openWindow();
    ctl<QCheckBox>(w, "Check2")->click();
    for (const QString &word : {QStringLiteral("hallo"), QStringLiteral("auto"), QStringLiteral("versuch")})
        lookUp(word);
    QCOMPARE(ctl<QPlainTextEdit>(w, "Text6")->toPlainText(), QStringLiteral("hello car trial "));
    // Each word was also spoken, and the input field is ready for the next.
    QCOMPARE(m_clicks->clicks.size(), 3);
    QCOMPARE(ctl<QLineEdit>(w, "Text3")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text3"));
}

void TestLetterWorkspace::collectsOnAnEarlierLine()
{
    vodozaduda1 &w = openWindow();
    ctl<QCheckBox>(w, "Check2")->click();
    ctl<QPlainTextEdit>(w, "Text6")->setPlainText(QStringLiteral("Liebe Anna,\nbis bald"));
    QTextCursor caret = ctl<QPlainTextEdit>(w, "Text6")->textCursor();
    caret.setPosition(3);
    ctl<QPlainTextEdit>(w, "Text6")->setTextCursor(caret);
    lookUp(QStringLiteral("auto"));
    QCOMPARE(ctl<QPlainTextEdit>(w, "Text6")->toPlainText(), QStringLiteral("Liebe Anna,car \nbis bald"));
}

void TestLetterWorkspace::readFields_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("handedOver");
    QTest::newRow("first field, no voice") << "hallo"
                                           << "Command22"
                                           << "hallo";
    QTest::newRow("second field, with voice") << "hallo"
                                              << "Command24" << kBill + "hello";
    QTest::newRow("third field, no voice") << "hallo"
                                           << "Command26"
                                           << "Gruss";
    QTest::newRow("two fields: third reads the second") << "paar"
                                                        << "Command26"
                                                        << "pair";
}

void TestLetterWorkspace::readFields()
{
    QFETCH(QString, word);
    QFETCH(QString, button);
    QFETCH(QString, handedOver);
    vodozaduda1 &w = openWindow();
    QVERIFY(useVoice(kBill));
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), word);
    m_clicks->clicks.clear();
    w.findChild<QPushButton *>(button)->click();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), quoted(handedOver));
    QCOMPARE(m_clicks->clicks.size(), 1);
    QCOMPARE(m_clicks->clicks.first().element, QStringLiteral("Hilfex"));
    // The fields are taken afresh each time, not added up.
    QCOMPARE(ctl<QListWidget>(w, "List5")->count(), word == QLatin1String("paar") ? 2 : 3);
}

void TestLetterWorkspace::firstAndSecond()
{
    vodozaduda1 &w = openWindow();
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), QStringLiteral("auto"));
    m_clicks->clicks.clear();
    ctl<QPushButton>(w, "Command27")->click();
    QCOMPARE(m_clicks->clicks.size(), 2);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), quoted(QStringLiteral("car")));
}

void TestLetterWorkspace::wholeEntry()
{
    vodozaduda1 &w = openWindow();
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), QStringLiteral("hallo"));
    ctl<QPushButton>(w, "Command23")->click();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), quoted(QStringLiteral("hallo  -  hello  -  Gruss")));
    QCOMPARE(ctl<QLineEdit>(w, "Text3")->text(), QString());
}

void TestLetterWorkspace::readLetter_data()
{
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("f7");
    QTest::newRow("empty, no voice") << ""
                                     << "" << false;
    QTest::newRow("empty, with voice") << kBill << "" << false;
    QTest::newRow("letter, F7") << kBill << "hello car " << true;
    QTest::newRow("empty, F7") << ""
                               << "" << true;
}

void TestLetterWorkspace::readLetter()
{
    QFETCH(QString, voice);
    QFETCH(QString, letter);
    QFETCH(bool, f7);
    vodozaduda1 &w = openWindow();
    if (!voice.isEmpty())
        QVERIFY(useVoice(voice));
    ctl<QPlainTextEdit>(w, "Text6")->setPlainText(letter);
    m_clicks->clicks.clear();
    if (f7)
        QVERIFY(press(Qt::Key_F7));
    else
        ctl<QPushButton>(w, "Command32")->click();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), quoted(voice + letter));
    QCOMPARE(m_clicks->clicks.size(), 1);
    QCOMPARE(m_clicks->clicks.first().element, QStringLiteral("Hilfe"));
    if (f7)
        QCOMPARE(QApplication::focusWidget(), ctl<QPlainTextEdit>(w, "Text6"));
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestLetterWorkspace::letterKeepsItsLines()
{
    vodozaduda1 &w = openWindow();
    ctl<QPlainTextEdit>(w, "Text6")->setPlainText(QStringLiteral("Hallo Anna,\nbis bald"));
    ctl<QPushButton>(w, "Command32")->click();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"Hallo Anna,\r\nbis bald\"\r\n"));
}

void TestLetterWorkspace::muteSilencesTheWordRoadOnly()
{
    vodozaduda1 &w = openWindow();
    ctl<QCheckBox>(w, "Check4")->setChecked(true);
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), QStringLiteral("hallo"));
    for (QPushButton *b :
         {ctl<QPushButton>(w, "Command22"), ctl<QPushButton>(w, "Command24"), ctl<QPushButton>(w, "Command26"),
          ctl<QPushButton>(w, "Command27"), ctl<QPushButton>(w, "Command23")}) {
        QFile::remove(m_fixture->dir().file(QStringLiteral("hilfe.txt")));
        b->click();
        QVERIFY2(QFile::exists(m_fixture->dir().file(QStringLiteral("hilfe.txt"))), qPrintable(b->objectName()));
        ctl<QLineEdit>(w, "Text3")->setText(QStringLiteral("hallo"));
    }
    QCOMPARE(m_clicks->clicks.size(), 0);
    ctl<QPushButton>(w, "Command32")->click();
    QCOMPARE(m_clicks->clicks.size(), 1);
    QVERIFY(m_fixture->messages().texts.isEmpty());
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
    QCOMPARE(itemsOf(ctl<QListWidget>(w, "List6")), QStringList{"#Standard Sprecher#"});
    QCOMPARE(WordLookup::selectedText(ctl<QListWidget>(w, "List6")), QString());
    if (!file.isEmpty())
        m_fixture->dir().write(QStringLiteral("stimm2.txt"), file);
    auto *check3 = ctl<QCheckBox>(w, "Check3");
    QStyleOptionButton option;
    option.initFrom(check3);
    const QPoint indicator =
        check3->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check3).topLeft() + QPoint(2, 2);
    const QColor indicatorBefore = paintedAt(check3, indicator);
    check3->click();
    if (!tick)
        check3->click();
    // The background is painted from the first tick on; the tick box keeps its own colour.
    QVERIFY(similar(paintedBackground(check3), tick ? QColor(Qt::white) : Twips::buttonFace(), 0));
    QCOMPARE(paintedAt(check3, indicator), indicatorBefore);
    pause(0.05);
    QCOMPARE(itemsOf(ctl<QListWidget>(w, "List6")), voices);
    QCOMPARE(ctl<QListWidget>(w, "List6")->selectedItems().size(), voices.isEmpty() ? 0 : 1);
    if (!voices.isEmpty())
        QCOMPARE(ctl<QListWidget>(w, "List6")->currentRow(), 0);
    // A second later the focus is back in the input field.
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text3"), 2000);
}

void TestLetterWorkspace::windowWidths()
{
    vodozaduda1 &w = openWindow();
    const int frame = LetterWorkspace::kNarrowWidth - vodozaduda1::kClientWidth;
    QCOMPARE(Twips::fromPixels(w.width()) + frame, LetterWorkspace::kNarrowWidth);
    ctl<QCheckBox>(w, "Check2")->click();
    QCOMPARE(Twips::fromPixels(w.width()) + frame, LetterWorkspace::kWideWidth);
    QTRY_COMPARE(w.x(), Twips::toPixels(LetterWorkspace::kWideLeft));
    QVERIFY(similar(paintedBackground(ctl<QCheckBox>(w, "Check2")), Qt::white, 0));
    QVERIFY(ctl<QPlainTextEdit>(w, "Text6")->visibleRegion().boundingRect().width() > 0);
    ctl<QCheckBox>(w, "Check2")->click();
    QCOMPARE(Twips::fromPixels(w.width()) + frame, LetterWorkspace::kNarrowWidth);
    QVERIFY(similar(paintedBackground(ctl<QCheckBox>(w, "Check2")), Twips::buttonFace(), 0));
    QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text3"));
}

void TestLetterWorkspace::descriptionRead()
{
    vodozaduda1 &w = openWindow();
    QTest::mouseDClick(ctl<QLabel>(w, "Label4"), Qt::LeftButton);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")),
             quoted(QStringLiteral(
                 "Beispiel: [Woerterbuch-Muster.txt] Schreiben Sie in das gelb markierte Textfeld [hallo] danach "
                 "drücken Sie auf die [Entertaste]! Nun wird das geschriebene Wort [hallo] hier im Beispiel Englisch "
                 "also [hello] übersetzt und ausgesprochen! Gleichzeitig wird eine Liste angezeigt mit folgenden "
                 "Einträgen: [hallo;hello;Gruss].")));
    QCOMPARE(m_clicks->clicks.size(), 1);
    QCOMPARE(m_clicks->clicks.first().element, QStringLiteral("Hilfe"));
}

void TestLetterWorkspace::arrowsMoveTheCaretInTheLetter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("position");
    // The letter "abc\ndef" with the caret after "de".
    QTest::newRow("Left") << int(Qt::Key_Left) << 5;
    QTest::newRow("Right") << int(Qt::Key_Right) << 7;
    QTest::newRow("Up") << int(Qt::Key_Up) << 2;
    QTest::newRow("Down on the last line") << int(Qt::Key_Down) << 6;
    QTest::newRow("End") << int(Qt::Key_End) << 7;
}

void TestLetterWorkspace::arrowsMoveTheCaretInTheLetter()
{
    QFETCH(int, key);
    QFETCH(int, position);
    vodozaduda1 &w = openWindow();
    ctl<QCheckBox>(w, "Check2")->click();
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), QStringLiteral("hallo"));
    auto *letter = ctl<QPlainTextEdit>(w, "Text6");
    letter->setPlainText(QStringLiteral("abc\ndef"));
    QTextCursor caret = letter->textCursor();
    caret.setPosition(6);
    letter->setTextCursor(caret);
    letter->setFocus();
    m_clicks->clicks.clear();
    QVERIFY(press(Qt::Key(key)));
    pause(0.5);
    QCOMPARE(QApplication::focusWidget(), letter);
    QCOMPARE(letter->textCursor().position(), position);
    QCOMPARE(m_clicks->clicks.size(), 0);
}

void TestLetterWorkspace::clearLetter()
{
    vodozaduda1 &w = openWindow();
    ctl<QPlainTextEdit>(w, "Text6")->setPlainText(QStringLiteral("weg damit"));
    ctl<QPushButton>(w, "Command33")->click();
    QCOMPARE(ctl<QPlainTextEdit>(w, "Text6")->toPlainText(), QString());
    QCOMPARE(QApplication::focusWidget(), ctl<QPlainTextEdit>(w, "Text6"));
}

void TestLetterWorkspace::handOffNotWritable_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("focus");
    QTest::newRow("Lesen") << "Command32"
                           << "Text3";
    QTest::newRow("F7") << "F7"
                        << "";
    QTest::newRow("second field") << "Command24"
                                  << "Text3";
    QTest::newRow("description") << "Label4"
                                 << "";
}

void TestLetterWorkspace::handOffNotWritable()
{
    QFETCH(QString, how);
    QFETCH(QString, focus);
    // A folder in the way makes the hand-off file unwritable, for root as well.
    QVERIFY(QDir(m_fixture->dir().path()).mkdir(QStringLiteral("hilfe.txt")));
    vodozaduda1 &w = openWindow();
    QTest::keyClicks(ctl<QLineEdit>(w, "Text3"), QStringLiteral("hallo"));
    ctl<QPlainTextEdit>(w, "Text6")->setPlainText(QStringLiteral("Brief"));
    ctl<QPlainTextEdit>(w, "Text6")->setFocus();
    if (how == QLatin1String("F7"))
        QVERIFY(press(Qt::Key_F7));
    else if (how == QLatin1String("Label4"))
        QTest::mouseDClick(ctl<QLabel>(w, "Label4"), Qt::LeftButton);
    else
        w.findChild<QPushButton *>(how)->click();
    QCOMPARE(m_fixture->messages().texts,
             QStringList{QStringLiteral("Achtung : Schreibschutz entfernen [hilfe.txt]!")});
    QCOMPARE(m_clicks->clicks.size(), 0);
    if (!focus.isEmpty())
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // The letter itself is never touched by a failed hand-off.
    QCOMPARE(ctl<QPlainTextEdit>(w, "Text6")->toPlainText(), QStringLiteral("Brief"));
}

QTEST_MAIN(TestLetterWorkspace)
#include "tst_letterworkspace.moc"
