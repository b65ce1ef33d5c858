#include "localisation/IniFile.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/Form2/Form2.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
const QByteArray kNotWritten("(not written)");

int rowOf(const QListWidget *list, const QString &text)
{
    return int(itemsOf(list).indexOf(text));
}

QString caption(Form &window, const char *button)
{
    return ctl<QPushButton>(window, button)->text();
}
}

class TestCountryWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void designState_data();
    void designState();
    void clickAppliesAtOnceWithoutStoring();
    void takeOverStoresAndStarts_data();
    void takeOverStoresAndStarts();
    void startUsesTheStoredCountry_data();
    void startUsesTheStoredCountry();
    void closing_data();
    void closing();
    void openingModes_data();
    void openingModes();
    void hoverColours_data();
    void hoverColours();
    void iniPanel();
    void maintenanceButtons();

private:
    Form2 &openCountryWindow(Form2::Opening opening);
    QByteArray stored() const;

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestCountryWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
}

void TestCountryWindow::cleanup()
{
    m_fixture.reset();
}

Form2 &TestCountryWindow::openCountryWindow(Form2::Opening opening)
{
    Form2 &w = *form<Form2>();
    w.open(opening);
    showAndActivate(w);
    return w;
}

QByteArray TestCountryWindow::stored() const
{
    const QString path = m_fixture->dir().file(QStringLiteral("syso/landeinstellung.txt"));
    return QFile::exists(path) ? m_fixture->dir().read(QStringLiteral("syso/landeinstellung.txt")) : kNotWritten;
}

void TestCountryWindow::designState_data()
{
    QTest::addColumn<QByteArray>("storedFile"); // kNotWritten: no file
    QTest::addColumn<QStringList>("list1");
    QTest::newRow("stored country") << QByteArray("Italy.txt\r\n") << QStringList{"Italy.txt"};
    QTest::newRow("nothing stored") << kNotWritten << QStringList();
}

void TestCountryWindow::designState()
{
    QFETCH(QByteArray, storedFile);
    QFETCH(QStringList, list1);
    if (storedFile != kNotWritten)
        QVERIFY(m_fixture->dir().write(QStringLiteral("syso/landeinstellung.txt"), storedFile));
    Form2 &w = openCountryWindow(Form2::Opening::Start);

    QCOMPARE(w.windowTitle(), QStringLiteral("Länderauswahl"));
    QCOMPARE(ctl<QGroupBox>(w, "Frame2")->title(), QStringLiteral("Ihr Land wählen"));
    QCOMPARE(itemsOf(ctl<QListWidget>(w, "File1")),
             (QStringList{"England.txt", "Germany.txt", "Greece.txt", "Italy.txt", "Spain.txt"}));
    QCOMPARE(itemsOf(ctl<QListWidget>(w, "List1")), list1);
    QCOMPARE(ctl<QLineEdit>(w, "Text1")->text(), QStringLiteral("Section2"));
    QCOMPARE(ctl<QGroupBox>(w, "Frame1")->title(), QString());
    QVERIFY(!QFile::exists(w.countryFile()));
    QVERIFY(w.countryFile().startsWith(m_fixture->dir().path()));

    const QList<std::tuple<const char *, QString, quint32>> buttons{
        {"Command7", QStringLiteral("Start >>"), VbColor::kGreen},
        {"Command8", QStringLiteral("Beenden X"), VbColor::kWhite},
        {"Command24", QStringLiteral("Exit"), VbColor::kRed},
        {"Command22", QStringLiteral("Übernehmen ?"), VbColor::kWhite}};
    for (const auto &[name, text, colour] : buttons) {
        QCOMPARE(caption(w, name), text);
        QCOMPARE(Twips::backColor(ctl<QPushButton>(w, name)), Twips::color(colour));
    }
    // "Exit" covers "Beenden X"; "Übernehmen ?" waits hidden below the client area.
    QCOMPARE(ctl<QPushButton>(w, "Command24")->geometry(), ctl<QPushButton>(w, "Command8")->geometry());
    QVERIFY(ctl<QPushButton>(w, "Command24")->isVisible());
    QVERIFY(ctl<QPushButton>(w, "Command22")->isHidden());
    QCOMPARE(Twips::fromPixels(w.height()), 2340);
    QCOMPARE(Twips::fromPixels(w.width()), 2790);
}

void TestCountryWindow::clickAppliesAtOnceWithoutStoring()
{
    vodozaduda1 &main = m_fixture->open();
    ctl<QPushButton>(main, "Command45")->click();
    QVERIFY(isLoaded<Form2>());
    Form2 &w = *form<Form2>();
    QVERIFY(w.isVisible());
    QVERIFY(ctl<QPushButton>(w, "Command24")->isHidden());
    QVERIFY(ctl<QPushButton>(w, "Command8")->isVisible());
    QVERIFY(!isLoaded<hilfe1>());

    auto *files = ctl<QListWidget>(w, "File1");
    files->setCurrentRow(rowOf(files, QStringLiteral("England.txt")));
    QCOMPARE(caption(main, "Command45"), QStringLiteral("Country settings"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Country choice"));
    QCOMPARE(caption(w, "Command8"), QStringLiteral("Quit X"));
    QVERIFY(isLoaded<hilfe1>());
    QVERIFY(!form<hilfe1>()->isVisible());
    QCOMPARE(ctl<QLabel>(*form<hilfe1>(), "Label6")->text(), QStringLiteral("&Description:"));
    const QString england = m_fixture->dir().file(QStringLiteral("land/England.txt"));
    QCOMPARE(w.countryFile(), england);
    QCOMPARE(ctl<QGroupBox>(w, "Frame1")->title(), england);
    // "Übernehmen ?" can be reached now.
    auto *takeOver = ctl<QPushButton>(w, "Command22");
    QVERIFY(takeOver->isVisible());
    QVERIFY(takeOver->geometry().bottom() < w.height());
    QCOMPARE(stored(), kNotWritten);

    files->setCurrentRow(rowOf(files, QStringLiteral("Spain.txt")));
    QCOMPARE(caption(main, "Command45"), QStringLiteral("Ajuste de país"));

    ctl<QPushButton>(w, "Command8")->click();
    QVERIFY(!isLoaded<Form2>());
    QVERIFY(!m_fixture->sandbox().programEnded());
    QCOMPARE(caption(main, "Command45"), QStringLiteral("Ajuste de país"));
    QCOMPARE(stored(), kNotWritten);
}

void TestCountryWindow::takeOverStoresAndStarts_data()
{
    QTest::addColumn<bool>("sysoFolder");
    QTest::addColumn<QByteArray>("storedAfter");
    QTest::addColumn<QString>("mainCaption");
    QTest::newRow("stored") << true << QByteArray("England.txt\r\n") << "Country settings";
    QTest::newRow("no syso folder") << false << kNotWritten << "Land-Einstellung";
}

void TestCountryWindow::takeOverStoresAndStarts()
{
    QFETCH(bool, sysoFolder);
    QFETCH(QByteArray, storedAfter);
    QFETCH(QString, mainCaption);
    if (sysoFolder)
        QVERIFY(m_fixture->dir().write(QStringLiteral("syso/landeinstellung.txt"), "Italy.txt\r\nSpain.txt\r\n"));
    QPointer<Form2> w = &openCountryWindow(Form2::Opening::Start);
    auto *files = ctl<QListWidget>(*w, "File1");
    files->setCurrentRow(rowOf(files, QStringLiteral("England.txt")));
    ctl<QPushButton>(*w, "Command22")->click();

    QCOMPARE(stored(), storedAfter);
    QVERIFY(!isLoaded<Form2>());
    QVERIFY(isLoaded<vodozaduda1>());
    vodozaduda1 &main = *form<vodozaduda1>();
    QVERIFY(main.isVisible());
    QCOMPARE(caption(main, "Command45"), mainCaption);
    QVERIFY(!m_fixture->sandbox().programEnded());
}

void TestCountryWindow::startUsesTheStoredCountry_data()
{
    QTest::addColumn<QByteArray>("storedFile");
    QTest::addColumn<QString>("mainCaption");
    QTest::addColumn<QString>("helpLanguage");
    QTest::newRow("Italy") << QByteArray("Italy.txt\r\n") << "Scelta paese"
                           << "it";
    QTest::newRow("Germany") << QByteArray("Germany.txt\r\n") << "Land-Einstellung"
                             << "de";
    QTest::newRow("nothing stored: Germany") << kNotWritten << "Land-Einstellung"
                                             << "de";
    QTest::newRow("empty line: Germany") << QByteArray("\r\n") << "Land-Einstellung"
                                         << "de";
    QTest::newRow("a path: Germany") << QByteArray("../land/England.txt\r\n") << "Land-Einstellung"
                                     << "de";
    QTest::newRow("a pattern: Germany") << QByteArray("*.txt\r\n") << "Land-Einstellung"
                                        << "de";
    QTest::newRow("no such country: Germany") << QByteArray("France.txt\r\n") << "Land-Einstellung"
                                              << "de";
}

void TestCountryWindow::startUsesTheStoredCountry()
{
    QFETCH(QByteArray, storedFile);
    QFETCH(QString, mainCaption);
    QFETCH(QString, helpLanguage);
    if (storedFile != kNotWritten)
        QVERIFY(m_fixture->dir().write(QStringLiteral("syso/landeinstellung.txt"), storedFile));
    Form2 &w = openCountryWindow(Form2::Opening::Start);
    // Another country tried out before: "Start >>" still starts with the stored one.
    auto *files = ctl<QListWidget>(w, "File1");
    files->setCurrentRow(rowOf(files, QStringLiteral("England.txt")));
    ctl<QPushButton>(w, "Command7")->click();

    QVERIFY(!isLoaded<Form2>());
    vodozaduda1 &main = *form<vodozaduda1>();
    QVERIFY(main.isVisible());
    QCOMPARE(caption(main, "Command45"), mainCaption);
    // A help text of the main window now is read in the stored country's language.
    hover(ctl<QPushButton>(main, "Command2"));
    QCOMPARE(form<hilfe1>()->speechLanguage(), helpLanguage);
    QCOMPARE(stored(), storedFile);
}

void TestCountryWindow::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("programEnds");
    QTest::newRow("Esc") << "Esc" << true;
    QTest::newRow("Exit") << "Command24" << true;
    QTest::newRow("Beenden X") << "Command8" << false;
}

void TestCountryWindow::closing()
{
    QFETCH(QString, how);
    QFETCH(bool, programEnds);
    m_fixture->open();
    Form2 &w = openCountryWindow(Form2::Opening::Start);
    if (how == u"Esc")
        QVERIFY(press(Qt::Key_Escape));
    else
        ctl<QPushButton>(w, qPrintable(how))->click();
    QVERIFY(!isLoaded<Form2>());
    QCOMPARE(m_fixture->sandbox().programEnded(), programEnds);
    QCOMPARE(isLoaded<vodozaduda1>(), !programEnds);
}

void TestCountryWindow::openingModes_data()
{
    QTest::addColumn<int>("opening");
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("exit");
    QTest::addColumn<bool>("takeOverEnabled");
    QTest::newRow("normal start") << int(Form2::Opening::Start) << true << true << true;
    QTest::newRow("from a window") << int(Form2::Opening::FromWindow) << true << false << true;
    QTest::newRow("first run") << int(Form2::Opening::FirstRun) << false << false << false;
}

void TestCountryWindow::openingModes()
{
    QFETCH(int, opening);
    QFETCH(bool, start);
    QFETCH(bool, exit);
    QFETCH(bool, takeOverEnabled);
    Form2 &w = openCountryWindow(Form2::Opening(opening));
    QCOMPARE(ctl<QPushButton>(w, "Command7")->isVisible(), start);
    QCOMPARE(ctl<QPushButton>(w, "Command24")->isVisible(), exit);
    QVERIFY(ctl<QPushButton>(w, "Command8")->isVisible());
    auto *files = ctl<QListWidget>(w, "File1");
    files->setCurrentRow(rowOf(files, QStringLiteral("Greece.txt")));
    QVERIFY(ctl<QPushButton>(w, "Command22")->isVisible());
    QCOMPARE(ctl<QPushButton>(w, "Command22")->isEnabled(), takeOverEnabled);
    QVERIFY(ctl<QPushButton>(w, "Command24")->isHidden());
}

void TestCountryWindow::hoverColours_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<quint32>("start");
    QTest::addColumn<quint32>("quit");
    QTest::addColumn<quint32>("takeOver");
    QTest::addColumn<QString>("helpText");
    QTest::newRow("Start >>") << "Command7" << VbColor::kYellow << VbColor::kWhite << VbColor::kWhite << "Start >>";
    QTest::newRow("Beenden X") << "Command8" << VbColor::kGreen << VbColor::kYellow << VbColor::kWhite << "Beenden X";
    QTest::newRow("Übernehmen ?") << "Command22" << VbColor::kGreen << VbColor::kWhite << VbColor::kYellow
                                  << "Übernehmen ?";
    QTest::newRow("Exit") << "Command24" << VbColor::kGreen << VbColor::kWhite << VbColor::kWhite << "vorher";
    QTest::newRow("frame") << "Frame2" << VbColor::kGreen << VbColor::kWhite << VbColor::kWhite << "vorher";
}

void TestCountryWindow::hoverColours()
{
    QFETCH(QString, control);
    QFETCH(quint32, start);
    QFETCH(quint32, quit);
    QFETCH(quint32, takeOver);
    QFETCH(QString, helpText);
    Form2 &w = openCountryWindow(Form2::Opening::Start);
    hover(ctl<QPushButton>(w, "Command22"));
    form<hilfe1>()->setHelpText(QStringLiteral("vorher"));
    auto *hovered = ctl<QWidget>(w, qPrintable(control));
    hover(hovered);
    QCOMPARE(Twips::backColor(ctl<QPushButton>(w, "Command7")), Twips::color(start));
    QCOMPARE(Twips::backColor(ctl<QPushButton>(w, "Command8")), Twips::color(quit));
    QCOMPARE(Twips::backColor(ctl<QPushButton>(w, "Command22")), Twips::color(takeOver));
    QCOMPARE(form<hilfe1>()->helpText(), helpText);
    if (helpText != u"vorher")
        QCOMPARE(hovered->toolTip(), helpText);
}

void TestCountryWindow::iniPanel()
{
    Form2 &w = openCountryWindow(Form2::Opening::Start);
    // The current file does not exist yet: writing creates it.
    const QString file = w.countryFile();
    const QList<std::pair<const char *, QString>> fields{{"Text2", QStringLiteral("eins")},
                                                         {"Text3", QStringLiteral("zwei")},
                                                         {"Text4", QStringLiteral("drei")},
                                                         {"Text6", QStringLiteral("vier")},
                                                         {"Text5", QStringLiteral("fünf")}};
    for (const auto &[name, value] : fields)
        ctl<QLineEdit>(w, name)->setText(value);
    ctl<QPushButton>(w, "Command1")->click();
    for (int key = 1; key <= 5; ++key)
        QCOMPARE(IniFile::readValue(file, QStringLiteral("Section2"), QStringLiteral("Key%1").arg(key)),
                 fields[key - 1].second);

    for (const auto &[name, value] : fields)
        ctl<QLineEdit>(w, name)->clear();
    ctl<QPushButton>(w, "Command2")->click();
    for (const auto &[name, value] : fields)
        QCOMPARE(ctl<QLineEdit>(w, name)->text(), value);

    // "Key Löschen" only reads.
    ctl<QLineEdit>(w, "Text2")->clear();
    ctl<QPushButton>(w, "Command3")->click();
    QCOMPARE(ctl<QLineEdit>(w, "Text2")->text(), QStringLiteral("eins"));

    ctl<QPushButton>(w, "Command4")->click();
    for (const auto &[name, value] : fields)
        QCOMPARE(ctl<QLineEdit>(w, name)->text(), QString());
    QCOMPARE(IniFile::readSection(file, QStringLiteral("Section2")), QStringList());
}

void TestCountryWindow::maintenanceButtons()
{
    QVERIFY(m_fixture->dir().write(QStringLiteral("syso/landeinstellung.txt"), "Germany.txt\r\n"));
    Form2 &w = openCountryWindow(Form2::Opening::Start);
    auto *files = ctl<QListWidget>(w, "File1");
    auto *list1 = ctl<QListWidget>(w, "List1");
    const auto press = [&w](const char *button) { ctl<QPushButton>(w, button)->click(); };

    files->setCurrentRow(rowOf(files, QStringLiteral("Spain.txt")));
    press("Command6"); // ">>"
    QCOMPARE(itemsOf(list1), QStringList{"Spain.txt"});
    press("Command17"); // "speichern"
    QCOMPARE(stored(), QByteArray("Spain.txt\r\n"));

    QVERIFY(m_fixture->dir().write(QStringLiteral("syso/landeinstellung.txt"), "Greece.txt\r\n"));
    press("Command23"); // "land einlesen"
    QCOMPARE(itemsOf(list1), QStringList{"Greece.txt"});
    press("Command16"); // "öffnen"
    QCOMPARE(itemsOf(files), QStringList{"Greece.txt"});
    press("Command18"); // "SendKeys": marking the first file applies it
    QCOMPARE(w.windowTitle(), QStringLiteral("Επιλογή χώρας"));

    press("Command20"); // "test laden"
    QCOMPARE(itemsOf(files).size(), 5);
    QVERIFY(!QFile::exists(w.countryFile()));
    press("Command12"); // "land-laden...": no country file, every text empty
    QCOMPARE(w.windowTitle(), QString());
    QCOMPARE(caption(w, "Command7"), QString());
}

QTEST_MAIN(TestCountryWindow)
#include "tst_countrywindow.moc"
