#include "shell/FormRegistry.h"
#include "windows/Form1/Form1.h"
#include "windows/Form2/Form2.h"
#include "windows/Logox4/Logox4.h"
#include "windows/halmorix/halmorix.h"
#include "windows/hilfe1/hilfe1.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
// The entries of a menu as "name: caption", separators included.
QStringList entries(const QMenu *menu)
{
    QStringList list;
    for (const QAction *action : menu->actions())
        list << action->objectName() + QStringLiteral(": ") + action->text();
    return list;
}

QAction *action(Form &window, const char *name)
{
    return Controls::find<QAction>(window, QLatin1String(name));
}

bool isMuted(Form &main)
{
    return ctl<QCheckBox>(main, "Check4")->isChecked();
}

// A word translated with Enter in the main window: whether it was spoken.
bool translationSpoken(Form &main, SpeechRecorder &speech)
{
    speech.clicks.clear();
    auto *field = ctl<QLineEdit>(main, "Text3");
    QTest::keyClicks(field, QStringLiteral("versuch"));
    QTest::keyClick(field, Qt::Key_Return);
    return speech.elements().contains(QStringLiteral("Hilfex"));
}
}

class TestTrayWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void iconAndMenu();
    void menuOnAndOff();
    void popupAtTheMouse_data();
    void popupAtTheMouse();
    void iconClicks_data();
    void iconClicks();
    void showsEveryWindow_data();
    void showsEveryWindow();
    void soundOnAndOff_data();
    void soundOnAndOff();
    void soundSwitchSharedWithTheMainWindow_data();
    void soundSwitchSharedWithTheMainWindow();
    void description_data();
    void description();
    void exitRemovesTheIconFirst();
    void closeRequest_data();
    void closeRequest();
    void hidingTheMainWindow_data();
    void hidingTheMainWindow();

private:
    // The tray window loaded as the start loads it, its menu switched on.
    halmorix &tray();

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<TrayRecorder> m_tray;
};

void TestTrayWindow::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    m_tray = std::make_unique<TrayRecorder>();
}

void TestTrayWindow::cleanup()
{
    m_tray.reset();
    m_fixture.reset();
}

halmorix &TestTrayWindow::tray()
{
    halmorix &w = *form<halmorix>();
    w.Command3();
    return w;
}

void TestTrayWindow::iconAndMenu()
{
    halmorix &w = *form<halmorix>();

    QVERIFY(!w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Halmorix"));
    QCOMPARE(m_tray->state().events, QStringList{"add"});
    QVERIFY(m_tray->state().shown);
    QCOMPARE(m_tray->state().toolTip, QStringLiteral("HX-Tolkarin!"));
    QVERIFY(m_tray->state().iconDrawn);
    auto *menu = ctl<QMenu>(w, "mnBar");
    QCOMPARE(menu->title(), QStringLiteral("Menu"));
    QVERIFY(!menu->isVisible());
    QCOMPARE(entries(menu),
             (QStringList{"beschreib: Beschreibung", "HilfeFenster: Hilfe-Fenster:", "lee5: ",
                          "sprecherfenster: Sprecher", "supert: Translator", "leer1: ", "ton: Ton ein-aus",
                          "landeinstellung: Land-Einstellung", "sm: Stimm-Muster", "upleer: ", "mnExit: Exit"}));
    for (const char *separator : {"lee5", "leer1", "upleer"})
        QVERIFY2(action(w, separator)->isSeparator(), separator);
}

void TestTrayWindow::menuOnAndOff()
{
    halmorix &w = *form<halmorix>();
    const auto switchedOn = [&w] {
        return QList<bool>{ctl<QMenu>(w, "mnBar")->isEnabled(), action(w, "HilfeFenster")->isEnabled(),
                           action(w, "supert")->isEnabled(), action(w, "sprecherfenster")->isEnabled()};
    };
    // Off until the start hands over; the other entries stay usable whenever the menu is.
    QCOMPARE(switchedOn(), (QList<bool>{false, false, false, true}));
    ctl<QPushButton>(w, "Command3")->click();
    QCOMPARE(switchedOn(), (QList<bool>{true, true, true, true}));
    ctl<QPushButton>(w, "Command2")->click();
    QCOMPARE(switchedOn(), (QList<bool>{false, false, false, true}));
}

void TestTrayWindow::popupAtTheMouse_data()
{
    QTest::addColumn<bool>("switchedOn");
    QTest::newRow("menu on") << true;
    QTest::newRow("menu off") << false;
}

void TestTrayWindow::popupAtTheMouse()
{
    QFETCH(bool, switchedOn);
    halmorix &w = switchedOn ? tray() : *form<halmorix>();
    QStringList shown;
    QPoint at;
    // Reads the open menu and closes it, as a click beside it would.
    QTimer::singleShot(50, this, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            shown = entries(menu);
            at = menu->pos();
            menu->close();
        }
    });
    QVERIFY(m_tray->click(TrayIcon::Click::RightRelease, QPoint(300, 200)));
    QTest::qWait(100);

    QCOMPARE(shown.size(), switchedOn ? 11 : 0);
    if (switchedOn)
        QCOMPARE(at, QPoint(300, 200));
    QVERIFY(isLoaded<halmorix>());
    QVERIFY(!w.isVisible());
}

void TestTrayWindow::iconClicks_data()
{
    QTest::addColumn<TrayIcon::Click>("click");
    QTest::addColumn<bool>("mainShown");
    QTest::newRow("left double-click") << TrayIcon::Click::LeftDouble << true;
    QTest::newRow("right double-click") << TrayIcon::Click::RightDouble << true;
    QTest::newRow("a StatusNotifier host's activation") << TrayIcon::Click::Activate << true;
    QTest::newRow("single click or move") << TrayIcon::Click::Other << false;
}

void TestTrayWindow::iconClicks()
{
    QFETCH(TrayIcon::Click, click);
    QFETCH(bool, mainShown);
    tray();
    vodozaduda1 &main = m_fixture->open();
    ctl<QPushButton>(main, "Command43")->click();
    QVERIFY(main.isHidden());

    QVERIFY(m_tray->click(click));

    QCOMPARE(main.isVisible(), mainShown);
    QVERIFY(!m_tray->state().actedInsideClick);
}

void TestTrayWindow::showsEveryWindow_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("Hilfe-Fenster:") << "HilfeFenster"
                                    << "hilfe1";
    QTest::newRow("Sprecher") << "sprecherfenster"
                              << "Form1";
    QTest::newRow("Translator") << "supert"
                                << "vodozaduda1";
    QTest::newRow("Land-Einstellung") << "landeinstellung"
                                      << "Form2";
    QTest::newRow("Stimm-Muster") << "sm"
                                  << "Logox4";
}

void TestTrayWindow::showsEveryWindow()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    halmorix &w = tray();

    action(w, qPrintable(item))->trigger();

    Form *shown = FormRegistry::instance().find(window);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    // Opened from the tray, the country window goes without ending the program.
    if (window == u"Form2") {
        QVERIFY(ctl(*shown, "Command24")->isHidden());
        QVERIFY(ctl(*shown, "Command8")->isVisible());
    }
    QVERIFY(!w.isVisible());
}

void TestTrayWindow::soundOnAndOff_data()
{
    QTest::addColumn<bool>("mutedBefore");
    QTest::addColumn<QString>("captionAfterOne");
    QTest::newRow("sound on") << false << "Ton Ein";
    QTest::newRow("sound off") << true << "Ton Aus";
}

void TestTrayWindow::soundOnAndOff()
{
    QFETCH(bool, mutedBefore);
    QFETCH(QString, captionAfterOne);
    halmorix &w = tray();
    vodozaduda1 &main = m_fixture->open();
    ctl<QCheckBox>(main, "Check4")->setChecked(mutedBefore);
    QAction *ton = action(w, "ton");

    ton->trigger();
    QCOMPARE(isMuted(main), !mutedBefore);
    QCOMPARE(ton->text(), captionAfterOne);
    ton->trigger();
    QCOMPARE(isMuted(main), mutedBefore);
    QCOMPARE(ton->text(), mutedBefore ? QStringLiteral("Ton Ein") : QStringLiteral("Ton Aus"));
}

void TestTrayWindow::soundSwitchSharedWithTheMainWindow_data()
{
    QTest::addColumn<bool>("offFromTheTray");
    QTest::newRow("off from the tray, on in the main window") << true;
    QTest::newRow("off in the main window, on from the tray") << false;
}

void TestTrayWindow::soundSwitchSharedWithTheMainWindow()
{
    QFETCH(bool, offFromTheTray);
    halmorix &w = tray();
    vodozaduda1 &main = m_fixture->open();
    auto *box = ctl<QCheckBox>(main, "Check4");
    QAction *ton = action(w, "ton");
    QVERIFY(translationSpoken(main, m_fixture->speech()));

    if (offFromTheTray)
        ton->trigger();
    else
        box->click();
    QVERIFY(box->isChecked());
    QVERIFY(!translationSpoken(main, m_fixture->speech()));

    if (offFromTheTray)
        box->click();
    else
        ton->trigger();
    QVERIFY(!box->isChecked());
    QVERIFY(translationSpoken(main, m_fixture->speech()));
    // The tray's entry names what its next click does, wherever the sound was switched.
    QCOMPARE(ton->text(), QStringLiteral("Ton Aus"));
    // The tray's next click switches the sound off again, wherever it was switched on.
    ton->trigger();
    QVERIFY(box->isChecked());
    QCOMPARE(ton->text(), QStringLiteral("Ton Ein"));
}

void TestTrayWindow::description_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("opened"); // empty: nothing opened
    QTest::newRow("design page") << "\\hilfe-vq\\index.htm"
                                 << "hilfe-vq/index.htm";
    QTest::newRow("out of the program directory") << "\\..\\..\\etc\\passwd"
                                                  << "";
    QTest::newRow("a program") << "\\tolkarin"
                               << "";
    QTest::newRow("missing page") << "\\hilfe-vq\\fehlt.htm"
                                  << "";
}

void TestTrayWindow::description()
{
    QFETCH(QString, path);
    QFETCH(QString, opened);
    ShellRecorder shell;
    halmorix &w = tray();
    ctl<QLineEdit>(*form<hilfe1>(), "Text1")->setText(path);

    action(w, "beschreib")->trigger();

    const QList<QUrl> expected{QUrl::fromLocalFile(m_fixture->dir().file(opened))};
    QCOMPARE(shell.urls, opened.isEmpty() ? QList<QUrl>() : expected);
}

void TestTrayWindow::exitRemovesTheIconFirst()
{
    halmorix &w = tray();
    m_fixture->open();

    action(w, "mnExit")->trigger();

    QCOMPARE(m_tray->state().events, (QStringList{"add", "remove"}));
    QVERIFY(m_fixture->sandbox().programEnded());
    QVERIFY(!isLoaded<halmorix>());
}

void TestTrayWindow::closeRequest_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("mainLoaded");
    QTest::addColumn<bool>("unloaded");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("close box") << int(Form::FromControlMenu) << true << false << QStringList{"add"};
    QTest::newRow("by the program") << int(Form::FromCode) << true << true << QStringList{"add", "remove"};
    QTest::newRow("session ends") << int(Form::FromSession) << true << true << QStringList{"add", "remove"};
    QTest::newRow("main window never loaded") << int(Form::FromCode) << false << true << QStringList{"add", "remove"};
}

void TestTrayWindow::closeRequest()
{
    QFETCH(int, mode);
    QFETCH(bool, mainLoaded);
    QFETCH(bool, unloaded);
    QFETCH(QStringList, events);
    halmorix &w = tray();
    if (mainLoaded)
        m_fixture->open();
    QStringList loaded;
    connect(&FormRegistry::instance(), &FormRegistry::windowLoaded, this,
            [&loaded](Form *window) { loaded << window->objectName(); });

    QCOMPARE(FormRegistry::instance().unload(&w, mode), unloaded);

    // Either way the program ends: through the main window's exit, which stops the speech
    // as the speaker window goes, where the main window stands; else at once.
    QVERIFY(m_fixture->sandbox().programEnded());
    QCOMPARE(m_tray->state().events, events);
    QCOMPARE(m_fixture->speech().elements().contains(QStringLiteral("stop")), mainLoaded);
    QCOMPARE(loaded, QStringList());
    disconnect(&FormRegistry::instance(), &FormRegistry::windowLoaded, this, nullptr);
}

void TestTrayWindow::hidingTheMainWindow_data()
{
    QTest::addColumn<bool>("trayOnTheDesktop");
    QTest::newRow("with a tray") << true;
    QTest::newRow("no tray") << false;
}

void TestTrayWindow::hidingTheMainWindow()
{
    QFETCH(bool, trayOnTheDesktop);
    // The recorder of init() goes first, so that the one made here answers.
    m_tray.reset();
    m_tray = std::make_unique<TrayRecorder>(trayOnTheDesktop);
    tray();
    QCOMPARE(m_tray->state().shown, trayOnTheDesktop);
    vodozaduda1 &main = m_fixture->open();

    ctl<QPushButton>(main, "Command43")->click();

    // Without a tray nothing could show it again: it stays in the task bar, minimised.
    QCOMPARE(main.isHidden(), trayOnTheDesktop);
    QCOMPARE(main.isMinimized(), !trayOnTheDesktop);
    QVERIFY(!m_fixture->sandbox().programEnded());
}

QTEST_MAIN(TestTrayWindow)
#include "tst_traywindow.moc"
