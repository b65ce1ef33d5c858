#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/Form2/Form2.h"
#include "windows/halmorix/halmorix.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/starter/starter.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QAction>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {
const QByteArray kNotWritten = "(no file)";

const QStringList kDefaultFiles{"syso/optionen.chk", "syso/optionen1.chk", "syso/update-datum.chk",
                                "syso/LetztesUpdate-Datum.chk"};

// Every file below the program directory with its bytes.
QMap<QString, QByteArray> filesOf(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        files.insert(QDir(dir).relativeFilePath(f.fileName()),
                     f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return files;
}

// The tray menu entries the start switches on, by name, that are not on.
QStringList menuSwitchedOff(Form &tray)
{
    QStringList off;
    if (!ctl<QMenu>(tray, "mnBar")->isEnabled())
        off << QStringLiteral("mnBar");
    for (const char *name : {"HilfeFenster", "supert"})
        if (!Controls::find<QAction>(tray, QLatin1String(name))->isEnabled())
            off << QLatin1String(name);
    return off;
}
}

class TestFirstRun : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstStartWritesTheDefaults_data();
    void firstStartWritesTheDefaults();
    void laterStartShowsTheCountryWindow_data();
    void laterStartShowsTheCountryWindow();
    void countryChoice_data();
    void countryChoice();
    void carryOn_data();
    void carryOn();
    void endsTheProgram_data();
    void endsTheProgram();

private:
    // The program started on a directory that was never set up: the first-run window as it stands.
    starter &firstRun();
    QByteArray stored(const QString &file) const
    {
        return QFile::exists(m_fixture->dir().file(file)) ? m_fixture->dir().read(file) : kNotWritten;
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<TrayRecorder> m_tray;
};

void TestFirstRun::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_tray = std::make_unique<TrayRecorder>();
}

void TestFirstRun::cleanup()
{
    m_tray.reset();
    m_fixture.reset();
}

starter &TestFirstRun::firstRun()
{
    starter &w = *form<starter>();
    showAndActivate(w);
    return w;
}

void TestFirstRun::firstStartWritesTheDefaults_data()
{
    QTest::addColumn<QByteArray>("voiceBefore");
    QTest::addColumn<QByteArray>("countryBefore");
    QTest::newRow("as shipped") << kNotWritten << kNotWritten;
    QTest::newRow("older files") << QByteArray("#voice=name:anders#\r\nzweite\r\n") << QByteArray("Italy.txt\r\n");
}

void TestFirstRun::firstStartWritesTheDefaults()
{
    QFETCH(QByteArray, voiceBefore);
    QFETCH(QByteArray, countryBefore);
    if (voiceBefore != kNotWritten)
        QVERIFY(m_fixture->dir().write(QStringLiteral("stimm2.txt"), voiceBefore));
    if (countryBefore != kNotWritten)
        QVERIFY(m_fixture->dir().write(QStringLiteral("syso/landeinstellung.txt"), countryBefore));

    QElapsedTimer clock;
    clock.start();
    starter &w = *form<starter>();
    QVERIFY(clock.elapsed() >= 2400);

    QVERIFY(w.isVisible());
    QCOMPARE(stored(QStringLiteral("syso/optionen.chk")), QByteArray("0\r\n"));
    QCOMPARE(stored(QStringLiteral("syso/optionen1.chk")), QByteArray("0\r\n"));
    QCOMPARE(stored(QStringLiteral("syso/update-datum.chk")), QByteArray("20070501\r\n"));
    QCOMPARE(stored(QStringLiteral("syso/LetztesUpdate-Datum.chk")), QByteArray("03.03.2008\r\n"));
    QCOMPARE(stored(QStringLiteral("stimm2.txt")), QByteArray("#voice=name:lgx.en.bill#\r\n"));
    QCOMPARE(stored(QStringLiteral("syso/landeinstellung.txt")), countryBefore);

    QCOMPARE(ctl<QLabel>(w, "Label1")->text(),
             QStringLiteral("In jedem Fenster kann mit der [ F1 ]-Taste das Hilfe-Fenster geöffnet werden. Der "
                            "Hilfetext wird angezeigt, sobald sich der Mauszeiger auf einem Klickbutton befindet: Mit "
                            "der [ F2 ]-Taste kann dieser Hilfetext vorgelesen werden. Mit [F3] Taste wird das "
                            "vorlesen beendet.."));
    QCOMPARE(ctl<QPushButton>(w, "Command19")->text(), QStringLiteral("Land-Einstellung  Country-Alignment Language"));
    QCOMPARE(ctl<QLabel>(w, "Label3")->text(), QStringLiteral("Land ?"));
    QCOMPARE(ctl<QPushButton>(w, "Command9")->text(), QStringLiteral("OK weiter >"));
    QCOMPARE(Twips::backColor(ctl<QPushButton>(w, "Command9")), Twips::color(0x0080FFFF));
    QCOMPARE(ctl<QPushButton>(w, "Command10")->text(), QStringLiteral("Abbrechen"));
    for (const char *name : {"Label1", "Command19", "Picture2", "Picture1", "Label3", "Command9", "Command10"}) {
        QWidget *control = ctl(w, name);
        QVERIFY2(control->isVisible() && w.rect().contains(control->geometry()), name);
    }
    // Nothing is handed over before "OK weiter >".
    QVERIFY(!isLoaded<Form2>());
    QVERIFY(!isLoaded<halmorix>());
    QVERIFY(!isLoaded<vodozaduda1>());
    QCOMPARE(m_tray->state().events, QStringList());
}

void TestFirstRun::laterStartShowsTheCountryWindow_data()
{
    QTest::addColumn<QStringList>("defaultFiles");
    QTest::addColumn<QByteArray>("countryBefore");
    QTest::addColumn<QByteArray>("countryAfter");
    QTest::newRow("set up") << kDefaultFiles << QByteArray("Italy.txt\r\n") << QByteArray("Italy.txt\r\n");
    QTest::newRow("stored country deleted") << kDefaultFiles << kNotWritten << QByteArray("Germany.txt\r\n");
    QTest::newRow("one default file left")
        << QStringList{"syso/LetztesUpdate-Datum.chk"} << QByteArray("Spain.txt\r\n") << QByteArray("Spain.txt\r\n");
}

void TestFirstRun::laterStartShowsTheCountryWindow()
{
    QFETCH(QStringList, defaultFiles);
    QFETCH(QByteArray, countryBefore);
    QFETCH(QByteArray, countryAfter);
    for (const QString &file : defaultFiles)
        QVERIFY(m_fixture->dir().write(file, "0\r\n"));
    if (countryBefore != kNotWritten)
        QVERIFY(m_fixture->dir().write(QStringLiteral("syso/landeinstellung.txt"), countryBefore));

    starter &w = *form<starter>();

    QVERIFY(!w.isVisible());
    QVERIFY(isLoaded<Form2>());
    Form2 &country = *form<Form2>();
    QVERIFY(country.isVisible());
    QVERIFY(ctl(country, "Command7")->isVisible());
    QVERIFY(ctl(country, "Command24")->isVisible());
    QVERIFY(isLoaded<halmorix>());
    halmorix &tray = *form<halmorix>();
    QVERIFY(!tray.isVisible());
    QCOMPARE(m_tray->state().events, QStringList{"add"});
    QCOMPARE(m_tray->state().toolTip, QStringLiteral("HX-Tolkarin!"));
    QCOMPARE(menuSwitchedOff(tray), QStringList());
    QVERIFY(!isLoaded<vodozaduda1>());
    // No default setting written anew.
    QCOMPARE(stored(QStringLiteral("stimm2.txt")), kNotWritten);
    QCOMPARE(stored(QStringLiteral("syso/landeinstellung.txt")), countryAfter);
}

void TestFirstRun::countryChoice_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("buttonGoes");
    QTest::newRow("Land ?") << "Label3" << false;
    QTest::newRow("its picture") << "Picture1" << false;
    QTest::newRow("country button") << "Command19" << true;
    QTest::newRow("its picture, beside it") << "Picture2" << true;
}

void TestFirstRun::countryChoice()
{
    QFETCH(QString, control);
    QFETCH(bool, buttonGoes);
    starter &w = firstRun();
    QVERIFY(m_fixture->dir().write(QStringLiteral("syso/landeinstellung.txt"), "Italy.txt\r\n"));

    QTest::mouseClick(ctl(w, qPrintable(control)), Qt::LeftButton);

    QCOMPARE(stored(QStringLiteral("syso/landeinstellung.txt")), QByteArray("Germany.txt\r\n"));
    QVERIFY(isLoaded<Form2>());
    Form2 &country = *form<Form2>();
    QVERIFY(country.isVisible());
    QVERIFY(ctl(country, "Command7")->isHidden());
    QVERIFY(ctl(country, "Command24")->isHidden());
    QVERIFY(!ctl(country, "Command22")->isEnabled());
    QVERIFY(w.isVisible());
    QCOMPARE(ctl(w, "Command19")->isVisible(), !buttonGoes);
    QCOMPARE(ctl(w, "Picture2")->isVisible(), !buttonGoes);
    QVERIFY(ctl(w, "Label3")->isVisible());
    QVERIFY(ctl(w, "Picture1")->isVisible());
}

void TestFirstRun::carryOn_data()
{
    QTest::addColumn<bool>("countryChosen");
    QTest::newRow("straight on") << false;
    QTest::newRow("after the country choice") << true;
}

void TestFirstRun::carryOn()
{
    QFETCH(bool, countryChosen);
    starter &w = firstRun();
    if (countryChosen)
        QTest::mouseClick(ctl(w, "Label3"), Qt::LeftButton);

    QTest::mouseClick(ctl(w, "Command9"), Qt::LeftButton);

    QVERIFY(!w.isVisible());
    QVERIFY(isLoaded<vodozaduda1>());
    QVERIFY(form<vodozaduda1>()->isVisible());
    QVERIFY(isLoaded<hilfe1>());
    QVERIFY(form<hilfe1>()->isVisible());
    QCOMPARE(isLoaded<Form2>() && form<Form2>()->isVisible(), countryChosen);
    QVERIFY(isLoaded<halmorix>());
    QVERIFY(!form<halmorix>()->isVisible());
    QCOMPARE(m_tray->state().events, QStringList{"add"});
    QCOMPARE(menuSwitchedOff(*form<halmorix>()), QStringList());
    QVERIFY(!m_fixture->sandbox().programEnded());
}

void TestFirstRun::endsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Abbrechen") << "Command10";
    QTest::newRow("closing the window") << "close";
}

void TestFirstRun::endsTheProgram()
{
    QFETCH(QString, how);
    starter &w = firstRun();
    const QMap<QString, QByteArray> before = filesOf(m_fixture->dir().path());

    if (how == u"Esc")
        QVERIFY(press(Qt::Key_Escape));
    else if (how == u"close")
        w.close();
    else
        QTest::mouseClick(ctl(w, qPrintable(how)), Qt::LeftButton);

    QVERIFY(m_fixture->sandbox().programEnded());
    QVERIFY(!isLoaded<starter>());
    QCOMPARE(filesOf(m_fixture->dir().path()), before);
}

QTEST_MAIN(TestFirstRun)
#include "tst_firstrun.moc"
