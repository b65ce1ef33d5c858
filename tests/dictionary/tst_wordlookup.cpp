#include "dictionary/PartListModel.h"
#include "dictionary/Stemmer.h"
#include "shell/CountryApply.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechService.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/DictionaryLoading.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/WordLookup.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

class TestWordLookup : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typing_data();
    void typing();
    void matchIsTheTopRow();
    void enterSpeaksTheTranslation();
    void enterOnAMissRepeatsTheLastEntry();
    void formsFindTheirEntry_data();
    void formsFindTheirEntry();
    void enterOnAFormSpeaksItsEntry();
    void spellingsOfferedWhenTypingPauses_data();
    void spellingsOfferedWhenTypingPauses();
    void withoutHunspellAndFormTable_data();
    void withoutHunspellAndFormTable();
    void muteWritesButDoesNotSpeak();
    void resetKeepsWordWithSecondFocus();
    void focusTargetColours();
    void highestPartWins();
    void singleFieldEntrySpeaksOnlyThePrefix();
    void wholeEntryOfAnyLength();
    void entryTextShownAsWritten();
    void eachFieldInItsLanguage_data();
    void eachFieldInItsLanguage();
    void missingSpeechPage();
    void handOffNotWritable();
    void pathsIgnoreTheWorkingDirectory();
    void loadFailures_data();
    void loadFailures();
    void missingDefaultDictionaryKeepsLists();

private:
    vodozaduda1 &openWindow() { return m_fixture->open(); }
    void type(const QString &text);
    void pressEnter();

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestWordLookup::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
}

void TestWordLookup::cleanup()
{
    m_fixture.reset();
}

void TestWordLookup::type(const QString &text)
{
    QTest::keyClicks(ctl<QLineEdit>(*m_fixture->window(), "Text3"), text);
}

void TestWordLookup::pressEnter()
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                : ctl<QLineEdit>(*m_fixture->window(), "Text3"),
                    Qt::Key_Return);
}

void TestWordLookup::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QString>("display");

    QTest::newRow("hit") << "hallo" << true << QList<int>{2} << "hallo  -  hello  -  Gruss";
    QTest::newRow("letter case ignored") << "Hallo" << true << QList<int>{2} << "hallo  -  hello  -  Gruss";
    QTest::newRow("only the whole first field") << "hall" << false << QList<int>{} << "";
    QTest::newRow("part three") << "tisch" << true << QList<int>{3} << "tisch  -  table  -  ";
    QTest::newRow("part four") << "xyz" << true << QList<int>{4} << "xyz  -  yxz  -  TEST  -  ";
    QTest::newRow("miss") << "qwertz" << false << QList<int>{} << "";
}

void TestWordLookup::typing()
{
    QFETCH(QString, typed);
    QFETCH(bool, found);
    QFETCH(QList<int>, shown);
    QFETCH(QString, display);
    vodozaduda1 &w = openWindow();
    type(typed);
    QCOMPARE(ctl<QLineEdit>(w, "Text1")->text(), typed + QLatin1Char(';'));
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")), Twips::color(found ? VbColor::kYellow : VbColor::kWhite));
    QCOMPARE(shownLists(w), shown);
    QCOMPARE(ctl<QLineEdit>(w, "Text5")->text(), display);
    if (found) {
        PartList *list = partList(w, shown.first() - 1);
        QVERIFY(list->text().startsWith(typed + QLatin1Char(';'), Qt::CaseInsensitive));
    }
}

void TestWordLookup::matchIsTheTopRow()
{
    QStringList many;
    for (int i = 0; i < 300; ++i)
        many << QStringLiteral("w%1;t%1;").arg(i, 3, 10, QLatin1Char('0'));
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{"a;b;"}, many, {}, {}}));
    vodozaduda1 &w = openWindow();
    type(QStringLiteral("w150"));
    PartList *list = partList(w, 1);
    QCOMPARE(list->listIndex(), 151);
    QTRY_COMPARE(list->topIndex(), 151);
    // Further rows show the entries that follow in the file.
    QCOMPARE(list->indexAt(QPoint(1, list->visualRect(list->model()->index(152, 0)).center().y())).row(), 152);
}

void TestWordLookup::enterSpeaksTheTranslation()
{
    vodozaduda1 &w = openWindow();
    SpeechRecorder &clicks = m_fixture->speech();
    clicks.clicks.clear();
    type(QStringLiteral("hallo"));
    pressEnter();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"hello\"\r\n"));
    QCOMPARE(clicks.clicks.size(), 1);
    QCOMPARE(clicks.clicks.first().element, QStringLiteral("Hilfex"));
    QCOMPARE(itemsOf(ctl<QListWidget>(w, "List5")), (QStringList{"hallo", "hello", "Gruss"}));
    QCOMPARE(WordLookup::selectedText(ctl<QListWidget>(w, "List5")), QStringLiteral("hello"));
    // Ready for the next word.
    QCOMPARE(ctl<QLineEdit>(w, "Text3")->text(), QString());
    QCOMPARE(ctl<QLineEdit>(w, "Text1")->text(), QStringLiteral(";"));
    QCOMPARE(shownLists(w), QList<int>{});
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")), Twips::color(VbColor::kWhite));
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text1")), Twips::buttonFace());
    QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text3"));
    QCOMPARE(ctl<QLineEdit>(w, "Text5")->text(), QStringLiteral("hallo  -  hello  -  Gruss"));
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestWordLookup::enterOnAMissRepeatsTheLastEntry()
{
    vodozaduda1 &w = openWindow();
    type(QStringLiteral("auto"));
    pressEnter();
    type(QStringLiteral("nichtda"));
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")), Twips::color(VbColor::kWhite));
    m_fixture->dir().write(QStringLiteral("hilfe.txt"), QByteArray());
    pressEnter();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"car\"\r\n"));
    QCOMPARE(itemsOf(ctl<QListWidget>(w, "List5")), (QStringList{"auto", "car", "auto", "car"}));
}

void TestWordLookup::formsFindTheirEntry_data()
{
    QTest::addColumn<QList<QStringList>>("dictionary");
    QTest::addColumn<QByteArray>("forms"); // the form table beside it
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("hint"); // empty: the description line keeps its text

    QTest::newRow("a plural from the form table")
        << QList<QStringList>{{"Kind;child;", "Tisch;table;"}} << QByteArray("Kinder;Kind\r\n") << "Kinder"
        << "Kind;child;" << 1 << "Kinder → Kind";
    QTest::newRow("a strong verb from our own irregular forms")
        << QList<QStringList>{{"gehen;go;"}} << QByteArray() << "ging"
        << "gehen;go;" << 1 << "ging → gehen";
    QTest::newRow("letter case as typed") << QList<QStringList>{{"gehen;go;"}} << QByteArray() << "GING"
                                          << "gehen;go;" << 1 << "GING → gehen";
    QTest::newRow("an exact entry wins over a form")
        << QList<QStringList>{{"Kind;child;", "Kinder;children;"}} << QByteArray("Kinder;Kind\r\n") << "Kinder"
        << "Kinder;children;" << 1 << "";
    QTest::newRow("several bases: the first entry, the others named")
        << QList<QStringList>{{"Schloss;castle;", "Schloß;castle, old spelling;"}}
        << QByteArray("Schlösser;Schloss;Schloß\r\n") << "Schlösser"
        << "Schloss;castle;" << 1 << "Schlösser → Schloss (auch: Schloß)";
    QTest::newRow("a base that is no entry is passed over")
        << QList<QStringList>{{"Schloß;castle, old spelling;"}} << QByteArray("Schlösser;Schloss;Schloß\r\n")
        << "Schlösser"
        << "Schloß;castle, old spelling;" << 1 << "Schlösser → Schloß";
    QTest::newRow("the entry in part three")
        << QList<QStringList>{{"a;b;"}, {"x;y;"}, {"Zug;train;"}} << QByteArray("Züge;Zug\r\n") << "Züge"
        << "Zug;train;" << 3 << "Züge → Zug";
}

void TestWordLookup::formsFindTheirEntry()
{
    QFETCH(QList<QStringList>, dictionary);
    QFETCH(QByteArray, forms);
    QFETCH(QString, typed);
    QFETCH(QString, entry);
    QFETCH(int, shown);
    QFETCH(QString, hint);
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"), dictionaryFile(dictionary));
    if (!forms.isEmpty())
        m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.forms"), forms);
    vodozaduda1 &w = openWindow();
    const QString before = ctl<QLabel>(w, "Label4")->text();

    // At once: the umlauts could not be typed key by key.
    ctl<QLineEdit>(w, "Text3")->setText(typed);

    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")), Twips::color(VbColor::kYellow));
    QCOMPARE(shownLists(w), QList<int>{shown});
    QCOMPARE(partList(w, shown - 1)->text(), entry);
    QCOMPARE(currentEntry(w), entry);
    QCOMPARE(ctl<QLabel>(w, "Label4")->text(), hint.isEmpty() ? before : hint);
    // The list covers the description line: the help window says it too.
    if (!hint.isEmpty())
        QCOMPARE(ctl<QLabel>(*form<hilfe1>(), "HLabel1")->text(), hint);
}

void TestWordLookup::enterOnAFormSpeaksItsEntry()
{
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{"Kind;child;", "Kinder;Kinder;"}, {"Tisch;table;"}}));
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.forms"), "Tische;Tisch\r\n");
    vodozaduda1 &w = openWindow();
    SpeechRecorder &clicks = m_fixture->speech();
    clicks.clicks.clear();
    type(QStringLiteral("Tische"));
    pressEnter();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"table\"\r\n"));
    QCOMPARE(clicks.clicks.size(), 1);
    QCOMPARE(ctl<QLineEdit>(w, "Text3")->text(), QString());
    // With the list gone after Enter, the description line still says what was found.
    QCOMPARE(ctl<QLabel>(w, "Label4")->text(), QStringLiteral("Tische → Tisch"));
}

void TestWordLookup::spellingsOfferedWhenTypingPauses_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("offer");
    QTest::newRow("design text") << ""
                                 << "Meinten Sie: hallo?";
    QTest::newRow("in Spanish") << "Spain.txt"
                                << "¿Quiso decir: hallo?";
}

void TestWordLookup::spellingsOfferedWhenTypingPauses()
{
    QFETCH(QString, country);
    QFETCH(QString, offer);
    vodozaduda1 &w = openWindow();
    if (!country.isEmpty())
        CountryApply::apply(m_fixture->dir().file(QStringLiteral("land/") + country), QStringLiteral("Section2"),
                            m_fixture->sandbox().state());
    auto *description = ctl<QLabel>(w, "Label4");
    const QString before = description->text();
    type(QStringLiteral("hallp"));
    // Not on the keystroke: only once typing has paused.
    QCOMPARE(description->text(), before);
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")), Twips::color(VbColor::kWhite));
    QTRY_COMPARE_WITH_TIMEOUT(description->text(), offer, 3000);
    // The next word that is found takes the hint away and gives the line its text back.
    ctl<QLineEdit>(w, "Text3")->clear();
    type(QStringLiteral("auto"));
    QCOMPARE(description->text(), before);
}

void TestWordLookup::withoutHunspellAndFormTable_data()
{
    QTest::addColumn<bool>("hunspell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("entry"); // empty: a miss
    QTest::newRow("hunspell finds a regular plural") << true << "Tische"
                                                     << "tisch;table;";
    QTest::newRow("without hunspell the plural is a miss") << false << "Tische"
                                                           << "";
    QTest::newRow("without hunspell an entry is found as ever") << false << "hallo"
                                                                << "hallo;hello;Gruss";
}

void TestWordLookup::withoutHunspellAndFormTable()
{
    QFETCH(bool, hunspell);
    QFETCH(QString, typed);
    QFETCH(QString, entry);
    if (hunspell && Stemmer::dictionaryFor(QStringLiteral("de")).isEmpty())
        QSKIP("hunspell-de-de is not installed (tolkarin.sh installs it)");
    QTemporaryDir empty;
    const HunspellFolder folder(hunspell ? QString() : empty.path());
    vodozaduda1 &w = openWindow();
    QVERIFY(!QFile::exists(m_fixture->dir().file(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.forms"))));
    if (hunspell) {
        QVERIFY(typeUntilFound(w, typed));
    } else {
        type(typed);
    }
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")),
             Twips::color(entry.isEmpty() ? VbColor::kWhite : VbColor::kYellow));
    QCOMPARE(shownLists(w).size(), entry.isEmpty() ? 0 : 1);
    if (!entry.isEmpty())
        QCOMPARE(currentEntry(w), entry);
}

void TestWordLookup::muteWritesButDoesNotSpeak()
{
    vodozaduda1 &w = openWindow();
    ctl<QCheckBox>(w, "Check4")->setChecked(true);
    SpeechRecorder &clicks = m_fixture->speech();
    clicks.clicks.clear();
    type(QStringLiteral("versuch"));
    pressEnter();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"trial\"\r\n"));
    QCOMPARE(clicks.clicks.size(), 0);
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestWordLookup::resetKeepsWordWithSecondFocus()
{
    vodozaduda1 &w = openWindow();
    ctl<QCheckBox>(w, "Check1")->click();
    QVERIFY(!ctl<QCheckBox>(w, "Check1")->isChecked());
    ctl<QLineEdit>(w, "Text3")->setFocus();
    type(QStringLiteral("hallo"));
    pressEnter();
    QCOMPARE(ctl<QLineEdit>(w, "Text3")->text(), QStringLiteral("hallo"));
    QCOMPARE(ctl<QLineEdit>(w, "Text1")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text1"));
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text1")), Twips::color(VbColor::kWhite));
    // The emptied search field matches nothing.
    QCOMPARE(shownLists(w), QList<int>{});
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text3")), Twips::color(VbColor::kWhite));
}

void TestWordLookup::focusTargetColours()
{
    vodozaduda1 &w = openWindow();
    ctl<QCheckBox>(w, "Check1")->click();
    QCOMPARE(ctl<QCheckBox>(w, "Check1")->text(), QStringLiteral("Focus 2"));
    QCOMPARE(Twips::backColor(ctl<QLabel>(w, "Label11")), Twips::color(VbColor::kGreen));
    QCOMPARE(Twips::backColor(ctl<QLabel>(w, "Label10")), Twips::buttonFace());
    QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text1"));
    ctl<QCheckBox>(w, "Check1")->click();
    QCOMPARE(ctl<QCheckBox>(w, "Check1")->text(), QStringLiteral("Focus 1"));
    QCOMPARE(Twips::backColor(ctl<QLabel>(w, "Label10")), Twips::color(VbColor::kGreen));
    QCOMPARE(Twips::backColor(ctl<QLabel>(w, "Label11")), Twips::buttonFace());
    QCOMPARE(Twips::backColor(ctl<QLineEdit>(w, "Text1")), Twips::buttonFace());
    QCOMPARE(QApplication::focusWidget(), ctl<QLineEdit>(w, "Text3"));
}

void TestWordLookup::highestPartWins()
{
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{"hallo;hello;"}, {"x;y;"}, {"Hallo;hi;"}, {"z;z;"}}));
    vodozaduda1 &w = openWindow();
    type(QStringLiteral("hallo"));
    QCOMPARE(shownLists(w), (QList<int>{1, 3}));
    QCOMPARE(partList(w, 0)->text(), QStringLiteral("hallo;hello;"));
    QCOMPARE(currentEntry(w), QStringLiteral("Hallo;hi;"));
    pressEnter();
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"hi\"\r\n"));
}

void TestWordLookup::singleFieldEntrySpeaksOnlyThePrefix()
{
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{"einzeln"}, {}, {}, {}}));
    vodozaduda1 &w = openWindow();
    type(QStringLiteral("einzeln"));
    // No ";" after the word: the entry is not a whole first field followed by ";".
    QCOMPARE(shownLists(w), QList<int>{});
    ctl<QLineEdit>(w, "Text3")->clear();
    ctl<QLineEdit>(w, "Text1")->setText(QStringLiteral("einz"));
    QCOMPARE(currentEntry(w), QStringLiteral("einzeln"));
    // A single field: no translation to select, so only the (empty) voice prefix is spoken.
    QTest::keyClick(ctl<QLineEdit>(w, "Text1"), Qt::Key_Return);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"\"\r\n"));
}

void TestWordLookup::wholeEntryOfAnyLength()
{
    const QString longField(40000, QLatin1Char('x'));
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{longField + QStringLiteral(";zweites;")}, {}, {}, {}}));
    vodozaduda1 &w = openWindow();
    ctl<QLineEdit>(w, "Text1")->setText(QStringLiteral("xxx"));
    QCOMPARE(currentEntry(w).size(), 40009);
    QTest::keyClick(ctl<QLineEdit>(w, "Text1"), Qt::Key_Return);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"zweites\"\r\n"));
}

void TestWordLookup::entryTextShownAsWritten()
{
    const QString entry = QStringLiteral("x <img src=\"/dev/zero\">;y;");
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt"),
                           dictionaryFile({{entry}, {}, {}, {}}));
    vodozaduda1 &w = openWindow();
    ctl<QLineEdit>(w, "Text1")->setText(QStringLiteral("x <"));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), partList(w, 0)->viewport()->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(partList(w, 0)->viewport(), &move);
    partList(w, 0)->setToolTip(entry);
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), partList(w, 0)->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(partList(w, 0), &tip);
    auto *help = ctl<QLabel>(*form<hilfe1>(), "HLabel1");
    QCOMPARE(help->text(), QStringLiteral("x <img src=\"/dev/zero\">  -  y  -  "));
    for (const char *name : {"HLabel1", "Label2"})
        QCOMPARE(ctl<QLabel>(*form<hilfe1>(), name)->textFormat(), Qt::PlainText);
    QCOMPARE(ctl<QLabel>(w, "Label4")->textFormat(), Qt::PlainText);
    // The tooltip shows the characters themselves, not markup.
    QVERIFY2(QToolTip::text().contains(QStringLiteral("&lt;img src=")) && !QToolTip::text().contains(u"<img"),
             qPrintable(QToolTip::text()));
}

void TestWordLookup::eachFieldInItsLanguage_data()
{
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("voice");
    QTest::newRow("translation, German-English") << "Woerterbuch-Muster"
                                                 << "Enter"
                                                 << "en+m3";
    QTest::newRow("first field, German-English") << "Woerterbuch-Muster"
                                                 << "Command22"
                                                 << "de+m3";
    QTest::newRow("translation, Spanish-German") << "SpDe"
                                                 << "Enter"
                                                 << "de+m3";
    QTest::newRow("first field, Spanish-German") << "SpDe"
                                                 << "Command22"
                                                 << "es+m3";
}

void TestWordLookup::eachFieldInItsLanguage()
{
    QFETCH(QString, dictionary);
    QFETCH(QString, button);
    QFETCH(QString, voice);
    m_fixture->dir().write(QStringLiteral("TranslateDeGb/SpDe.txt"),
                           m_fixture->dir().read(QStringLiteral("TranslateDeGb/Woerterbuch-Muster.txt")));
    m_fixture->speakForReal();
    SpeechService service(m_fixture->dir().path());
    vodozaduda1 &w = openWindow();
    ctl<QLineEdit>(w, "Text2")->setText(dictionary);
    type(QStringLiteral("hallo"));
    if (button == QLatin1String("Enter"))
        pressEnter();
    else
        ctl<QPushButton>(w, "Command22")->click();
    QTRY_COMPARE(service.engine().voicesOfLastText(), QStringList{voice});
}

void TestWordLookup::missingSpeechPage()
{
    m_fixture->speech().setSucceed(false);
    vodozaduda1 &w = openWindow();
    type(QStringLiteral("hallo"));
    pressEnter();
    QCOMPARE(m_fixture->messages().texts,
             QStringList{QStringLiteral(
                 "Achtung : Haben Sie webspeech installiert ? https://github.com/espeak-ng/espeak-ng/releases")});
    QVERIFY(ctl<QCheckBox>(w, "Check4")->isChecked());
    // Silent from now on: no second message.
    type(QStringLiteral("auto"));
    pressEnter();
    QCOMPARE(m_fixture->messages().texts.size(), 1);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"car\"\r\n"));
}

void TestWordLookup::handOffNotWritable()
{
    // A folder in the way makes the hand-off file unwritable, for root as well.
    QVERIFY(QDir(m_fixture->dir().path()).mkdir(QStringLiteral("hilfe.txt")));
    vodozaduda1 &w = openWindow();
    SpeechRecorder &clicks = m_fixture->speech();
    clicks.clicks.clear();
    type(QStringLiteral("hallo"));
    pressEnter();
    QCOMPARE(m_fixture->messages().texts,
             QStringList{QStringLiteral("Achtung : Schreibschutz entfernen [hilfe.txt]!")});
    QCOMPARE(clicks.clicks.size(), 0);
    QVERIFY(!ctl<QCheckBox>(w, "Check4")->isChecked());
}

void TestWordLookup::pathsIgnoreTheWorkingDirectory()
{
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    vodozaduda1 &w = openWindow();
    type(QStringLiteral("hallo"));
    QCOMPARE(shownLists(w), QList<int>{2});
    pressEnter();
    QDir::setCurrent(before);
    QCOMPARE(m_fixture->dir().read(QStringLiteral("hilfe.txt")), QByteArray("\"hello\"\r\n"));
    QVERIFY(!QFile::exists(QDir(elsewhere.path()).filePath(QStringLiteral("hilfe.txt"))));
    QVERIFY(m_fixture->messages().texts.isEmpty());
}

void TestWordLookup::loadFailures_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("counts");
    const QByteArray twoDividers =
        ("a;1;\r\n" + dictionaryDivider(1) + "\r\nb;2;\r\n" + dictionaryDivider(2) + "\r\nc;3;\r\n").toUtf8();
    QTest::newRow("two dividers") << twoDividers << QList<int>{1, 2, 2, 0};
    QTest::newRow("no file") << QByteArray() << QList<int>{0, 0, 0, 0};
}

void TestWordLookup::loadFailures()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, counts);
    vodozaduda1 &w = openWindow();
    QVERIFY(m_fixture->messages().texts.isEmpty());
    if (!content.isEmpty())
        m_fixture->dir().write(QStringLiteral("TranslateDeGb/Kaputt.txt"), content);
    ctl<QLineEdit>(w, "Text2")->setText(QStringLiteral("Kaputt"));
    w.Command5();
    QCOMPARE(m_fixture->messages().texts, faultyDictionaryMessages());
    QCOMPARE(m_fixture->messages().texts.at(1).split(QStringLiteral("\r\n")).size(), 17);
    QList<int> loaded;
    for (PartList *list : partLists(w))
        loaded << list->listCount();
    QCOMPARE(loaded, counts);
}

void TestWordLookup::missingDefaultDictionaryKeepsLists()
{
    vodozaduda1 &w = openWindow();
    const int before = partList(w, 1)->listCount();
    QVERIFY(before > 0);
    QVERIFY(QFile::remove(m_fixture->dir().file(QStringLiteral("TranslateDeGb/DeEn.txt"))));
    ctl<QLineEdit>(w, "Text2")->setText(QStringLiteral("DeEn"));
    w.Command5();
    QCOMPARE(m_fixture->messages().texts, QStringList{QStringLiteral("Fehler im Wörterbuch")});
    QCOMPARE(partList(w, 1)->listCount(), before);
}

QTEST_MAIN(TestWordLookup)
#include "tst_wordlookup.moc"
