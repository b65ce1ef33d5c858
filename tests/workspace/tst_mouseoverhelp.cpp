#include "shell/FileDialog.h"
#include "shell/FormRegistry.h"
#include "shell/Twips.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/WordLookup.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const QColor kYellow(255, 255, 0);
const QColor kLightYellow(255, 255, 128);
const QColor kWhite(255, 255, 255);
const QColor kDarkRed(192, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kLightRed(255, 128, 128);
// What a test paints before the mouse comes, so that any change shows.
const QColor kBefore(0, 0, 0);
const QString kEarlierText = QStringLiteral("vorher");

// Whether a control paints the back colour that colour gives it. A button's style shades and
// softens its colour, so it is compared with a button painted in that colour.
bool paintsBack(QWidget *w, const QColor &colour)
{
    if (qobject_cast<QCheckBox *>(w))
        return similar(paintedBackground(w), colour, 0);
    QWidget holder;
    QPushButton reference(&holder);
    reference.resize(w->size());
    Twips::setBackColor(&reference, colour);
    // A button under the mouse is painted lighter, a disabled one greyer.
    reference.setAttribute(Qt::WA_UnderMouse, w->underMouse());
    reference.setEnabled(w->isEnabled());
    const QPoint beside(3, w->height() - 4);
    return similar(paintedAt(w, beside), paintedAt(&reference, beside), 6);
}

// Whether a label paints its caption in that colour (some pixel of it, anti-aliasing aside).
bool paintsText(QWidget *label, const QColor &colour)
{
    const QImage image = label->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (similar(image.pixelColor(x, y), colour, 40))
                return true;
    return false;
}

// The mouse coming over a control, and moving on it (lists answer the move).
void moveOver(QWidget *w)
{
    hover(w);
    auto *area = qobject_cast<QAbstractScrollArea *>(w);
    QWidget *target = area ? area->viewport() : w;
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

// A point of the window where no control lies.
QPoint emptyPoint(QWidget &window)
{
    for (int y = 2; y < window.height(); y += 3)
        for (int x = 2; x < window.width(); x += 3)
            if (!window.childAt(x, y))
                return {x, y};
    return {};
}
}

class TestMouseOverHelp : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void hover_data();
    void hover();
    void saveButtonShowsThePath();
    void crossIsHidingTheLists();
    void restore_data();
    void restore();
    void descriptionLine_data();
    void descriptionLine();

private:
    vodozaduda1 &window() { return *m_fixture->window(); }
    QWidget *control(const QString &name) { return window().findChild<QWidget *>(name); }
    QString helpLine() { return form<hilfe1>()->helpText(); }
    QString label4() { return ctl<QLabel>(window(), "Label4")->text(); }

    std::unique_ptr<MainWindowFixture> m_fixture;
};

void TestMouseOverHelp::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_fixture->open();
}

void TestMouseOverHelp::cleanup()
{
    m_fixture.reset();
}

void TestMouseOverHelp::hover_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QColor>("colour"); // invalid: the control keeps its colour
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("description"); // null: unchanged
    QTest::addColumn<QStringList>("others");
    QTest::addColumn<QList<QColor>>("otherColours");
    const QString letter = QStringLiteral("Lieber Hans,\nbis bald");
    const QString check1 = QStringLiteral(
        "Den Fokus auf Textfeld 1 setzen nach Übersetzen mit Enter oder auf Textfeld 2 ! Unteres Textfeld 2 eignet "
        "sich um ganze Sätze im Wörterbuch zu finden! Geben Sie einfach die ersten Buchstaben ein, und schon wird "
        "eine alphabetische Liste verwandter und ähnlich geschriebener Wörter angezeigt.");
    const auto row = [](const char *name, bool reset, const QColor &colour, const QString &help,
                        const QString &description, const QStringList &others = {},
                        const QList<QColor> &otherColours = {}) {
        QTest::newRow(name) << name << reset << colour << help << description << others << otherColours;
    };
    const auto both = [&row](const char *name, bool reset, const QColor &colour, const QString &text,
                             const QStringList &others = {}, const QList<QColor> &otherColours = {}) {
        row(name, reset, colour, text, text, others, otherColours);
    };
    both("Check1", true, kYellow, check1);
    both("Check2", true, kYellow, "Übersetzte Worte sammeln um einen Brief zu schreiben");
    row("Check3", true, kYellow, "#Standard Sprecher#Stimme. voice .",
        "#Standard Sprecher##Standard Sprecher#Stimme. voice .", {"Command28", "Command41"}, {kWhite, kWhite});
    both("Check4", false, {}, "");
    both("Check5", false, {}, "", {"Command2"}, {kWhite});
    both("Check6", false, {}, "");
    both("Command14", true, kYellow, "lade...OK Woerterbuch-Muster.txt", {"Command45", "Command44"}, {kWhite, kWhite});
    both("Command17", true, kYellow, "Land:.. Neues Wörterbuch laden  klicken Sie.");
    both("Command18", true, kYellow, "Auswahl zu");
    both("Command19", true, kYellow, "Auswahl hoch");
    both("Command20", true, kYellow, "Auswahl runter");
    both("Command22", true, kYellow, "Liest erstes Wort der Auswahl. ");
    both("Command23", true, kYellow, "Liest gesamte Auswahl");
    both("Command24", true, kYellow, "Liest zweites Wort der Auswahl. Oder Pfeiltaste rechts.");
    both("Command26", true, kYellow, "Liest drittes Wort");
    both("Command27", true, kYellow, "Liest erstes und zweites Wort der Auswahl");
    both("Command29", true, kYellow, "Liste Auswahl in Brief-Textfeld übernehmen");
    both("Command31", true, kYellow, "Text ausdrucken");
    both("Command2", true, kDarkRed, "[EXIT].. Fenster schließen");
    both("Command28", true, kBlue, "Neues Stimmuster erstellen ");
    both("Command32", true, kYellow, "Brief-Textfeld vorlesen lassen [F7].", {"Command47"}, {kWhite});
    both("Command33", true, kRed, "Lösche Brief-Textfeld");
    both("Command36", false, kLightYellow, "Text speichern unter..?");
    both("Command37", false, kLightYellow, "Speicher Pfad => c.\\");
    row("Command41", false, kYellow, "Sprecher", {}, {"Check3", "Command46"}, {kWhite, kYellow});
    row("Command43", false, kDarkRed, "", {});
    row("Command44", false, kYellow, " Woerterbuch-Muster.txt", {}, {"Command14"}, {kWhite});
    row("Command45", false, kYellow, "", {}, {"Command14"}, {kWhite});
    row("Command46", false, kGreen, "", {}, {"Command41"}, {kWhite});
    row("Command47", false, kYellow, "", {}, {"Command32"}, {kWhite});
    both("File1", false, {}, "Mit Doppelklick markiertes Wörterbuch laden..Woerterbuch-Muster.txt");
    both("Label2", false, {},
         "Worterbuch markieren und  mit Doppelklick laden. Oder nach markieren übernehmen  klicken !");
    row("Label5", false, kBlue, kEarlierText, {});
    both("Label6", false, kBlue, "");
    both("Label7", false, {}, "");
    both("Label8", false, {}, "");
    both("Label9", false, kRed, "Liste ausblenden");
    row("List2", false, {}, "hallo  -  hello  -  Gruss", {});
    both("Text1", false, {},
         "Textfeld 2: Unteres Textfeld 2 eignet sich um ganze Sätze im Wörterbuch zu finden! Geben Sie einfach die "
         "ersten Buchstaben ein, und schon wird eine alphabetische Liste verwandter und ähnlich geschriebener Wörter "
         "angezeigt.");
    both("Text2", false, {}, "Geladenes Woerterbuch-Anzeige Land Woerterbuch-Muster");
    both("Text3", false, {},
         "Textfeld 1: Eingabefeld. Bei Suchtreffer wird das Textfeld 1 in gelber Farbe dargestellt ! ");
    row("Text6", false, {}, letter, {}, {"Command31", "Command37", "Command36"}, {kWhite, kWhite, kWhite});
    row("Frame1", false, {}, kEarlierText, {}, {"Command44"}, {kWhite});
}

void TestMouseOverHelp::hover()
{
    QFETCH(QString, name);
    QFETCH(bool, reset);
    QFETCH(QColor, colour);
    QFETCH(QString, help);
    QFETCH(QString, description);
    QFETCH(QStringList, others);
    QFETCH(QList<QColor>, otherColours);
    // A voice chosen, a letter written, an entry shown, a dictionary marked.
    WordLookup::selectRow(ctl<QListWidget>(window(), "List6"), 0);
    ctl<QPlainTextEdit>(window(), "Text6")->setPlainText(QStringLiteral("Lieber Hans,\nbis bald"));
    ctl<QLineEdit>(window(), "Text5")->setText(QStringLiteral("hallo  -  hello  -  Gruss"));
    auto *files = ctl<QListWidget>(window(), "File1");
    files->setCurrentItem(files->findItems(QStringLiteral("Woerterbuch-Muster.txt"), Qt::MatchExactly).value(0));
    QWidget *w = control(name);
    QVERIFY(w);
    // Controls of the closed panel or the narrow window are shown, to be painted.
    for (QWidget *p = w; p != &window(); p = p->parentWidget())
        p->show();
    const char *probeName = name == QLatin1String("Check1") ? "Command23" : "Check1";
    QWidget *probe = control(QLatin1String(probeName));
    QList<QWidget *> prepared{w, probe};
    for (const QString &other : others)
        prepared << control(other);
    for (QWidget *c : prepared)
        Twips::setBackColor(c, kBefore);
    form<hilfe1>()->setHelpText(kEarlierText);
    ctl<QLabel>(window(), "Label4")->setText(kEarlierText);
    m_fixture->speech().clicks.clear();

    moveOver(w);

    QCOMPARE(helpLine(), help);
    QCOMPARE(label4(), description.isNull() ? kEarlierText : description);
    if (qobject_cast<QLabel *>(w)) {
        if (colour.isValid())
            QVERIFY(paintsText(w, colour));
    } else {
        QVERIFY(paintsBack(w, colour.isValid() ? colour : kBefore));
    }
    if (probe != w)
        QVERIFY2(paintsBack(probe, reset ? kWhite : kBefore), probeName);
    for (int k = 0; k < others.size(); ++k)
        QVERIFY2(paintsBack(control(others[k]), otherColours[k]), qPrintable(others[k]));
    // A hover neither speaks nor writes the hand-off file.
    QVERIFY(m_fixture->speech().clicks.isEmpty());
    QVERIFY(!QFile::exists(m_fixture->dir().file(QStringLiteral("hilfe.txt"))));
}

void TestMouseOverHelp::saveButtonShowsThePath()
{
    const QString path = m_fixture->dir().file(QStringLiteral("Briefe/an Hans.txt"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    FileDialog::setHandler([path](const FileDialog::Request &) { return std::optional<QString>(path); });
    ctl<QPushButton>(window(), "Command36")->click();
    FileDialog::setHandler({});
    moveOver(control(QStringLiteral("Command37")));
    QCOMPARE(helpLine(), QStringLiteral("Speicher Pfad => ") + path);
    QCOMPARE(label4(), QStringLiteral("Speicher Pfad => ") + path);
}

void TestMouseOverHelp::crossIsHidingTheLists()
{
    ctl<QLineEdit>(window(), "Text1")->setText(QStringLiteral("ha"));
    QVERIFY(!shownLists(window()).isEmpty());
    moveOver(control(QStringLiteral("Label9")));
    QCOMPARE(shownLists(window()), QList<int>());
}

void TestMouseOverHelp::restore_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    for (const char *name : {"Check1",    "Check3",    "Check2",    "Command28", "Command29", "Command19", "Command20",
                             "Command22", "Command24", "Command26", "Command27", "Command23", "Command32", "Command31",
                             "Command33", "Command17", "Command2",  "Command37", "Command36", "Command41", "Command47"})
        QTest::newRow(name) << name << kWhite;
    QTest::newRow("Command18") << "Command18" << kLightYellow;
    QTest::newRow("Command43") << "Command43" << kLightRed;
    QTest::newRow("Command46") << "Command46" << kYellow;
    for (const char *name : {"Label5", "Label6", "Label9"})
        QTest::newRow(name) << name << QApplication::palette().color(QPalette::ButtonText);
}

void TestMouseOverHelp::restore()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QWidget *w = control(name);
    QVERIFY(w);
    w->show();
    const bool label = qobject_cast<QLabel *>(w);
    if (label)
        Twips::setForeColor(w, kGreen);
    else
        Twips::setBackColor(w, kBefore);
    form<hilfe1>()->setHelpText(kEarlierText);

    const QPoint empty = emptyPoint(window());
    QVERIFY(!empty.isNull());
    QMouseEvent move(QEvent::MouseMove, empty, window().mapToGlobal(empty), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &move);

    if (label)
        QVERIFY(paintsText(w, colour) && !paintsText(w, kGreen));
    else
        QVERIFY(paintsBack(w, colour));
    QCOMPARE(helpLine(), kEarlierText);
}

void TestMouseOverHelp::descriptionLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("description");
    QTest::newRow("Label5") << "Label5"
                            << ""
                            << "Beispiel 2 :";
    QTest::newRow("Label6") << "Label6"
                            << "Was das Programm kann"
                            << "Was das Programm kann";
    QTest::newRow("Label7") << "Label7"
                            << "Zweites Beispiel"
                            << "Zweites Beispiel";
    QTest::newRow("Label8") << "Label8"
                            << "Drittes Beispiel"
                            << "Drittes Beispiel";
    QTest::newRow("Command38")
        << "Command38"
        << ""
        << "Beispiel: [Woerterbuch-Muster.txt] Schreiben Sie in das gelb markierte Textfeld [hallo] danach drücken "
           "Sie auf die [Entertaste]! Nun wird das geschriebene Wort [hallo] hier im Beispiel Englisch also [hello] "
           "übersetzt und ausgesprochen! Gleichzeitig wird eine Liste angezeigt mit folgenden Einträgen: "
           "[hallo;hello;Gruss].";
}

void TestMouseOverHelp::descriptionLine()
{
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QFETCH(QString, description);
    QWidget *w = control(name);
    QVERIFY(w);
    if (!toolTip.isEmpty())
        w->setToolTip(toolTip);
    ctl<QLabel>(window(), "Label4")->setText(kEarlierText);
    if (auto *button = qobject_cast<QPushButton *>(w))
        button->click();
    else
        QTest::mouseClick(w, Qt::LeftButton);
    QCOMPARE(label4(), description);
}

QTEST_MAIN(TestMouseOverHelp)
#include "tst_mouseoverhelp.moc"
