#include "app/Program.h"
#include "core/Pause.h"
#include "shell/ControlAccessibility.h"
#include "shell/ControlActions.h"
#include "shell/FormRegistry.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
int g_loads = 0;

class Window : public Form
{
public:
    static constexpr const char *kName = "Window";
    Window()
    {
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("field"));
        list = new QListWidget(this);
        list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list->move(0, 40);
        resize(200, 200);
    }
    void load() override
    {
        ++g_loads;
        state = QStringLiteral("loaded");
    }
    void keyDown(int key) override
    {
        previewed << key;
        textAtPreview << edit->text();
    }
    bool queryUnload(int mode) override
    {
        modes << mode;
        return allowUnload;
    }
    void unloadStep() override { ++unloadSteps; }

    QLineEdit *edit = nullptr;
    QListWidget *list = nullptr;
    QString state;
    QList<int> previewed;
    QStringList textAtPreview;
    QList<int> modes;
    bool allowUnload = true;
    int unloadSteps = 0;
};

class Other : public Form
{
public:
    static constexpr const char *kName = "Other";
    Other() { (new QLineEdit(this))->setObjectName(QStringLiteral("field")); }
    SharedKeys sharedKeys() const override { return HelpKey; }
    void keyDown(int key) override { previewed << key; }
    QList<int> previewed;
};

// A sandbox that knows the two windows of this test besides those of the program.
class ShellSandbox : public WindowSandbox
{
public:
    ShellSandbox()
    {
        FormRegistry::instance().registerWindow(QLatin1String(Window::kName), [] { return new Window(); });
        FormRegistry::instance().registerWindow(QLatin1String(Other::kName), [] { return new Other(); });
    }
};

[[nodiscard]] bool showActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

// Whether a control can be seen: Qt's own reckoning of the part of it that no parent clips and
// no sibling covers, less a sliver at the edge.
bool shows(const QWidget *control)
{
    if (!control->isVisible())
        return false;
    const QRect seen = control->visibleRegion().boundingRect();
    return seen.width() > 4 && seen.height() > 4;
}

// The control among a window's that holds the focus (an editable combo box holds it in its field).
QWidget *focusedControl(const QList<QWidget *> &controls)
{
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (controls.contains(w))
            return w;
    return nullptr;
}

// The main window, shown, and the window of that name loaded and shown beside it; the main
// window writing a letter (wide) when asked.
Form *openWindow(MainWindowFixture &fixture, const QString &name, bool writing = false)
{
    Form &main = fixture.open();
    if (writing)
        ctl<QCheckBox>(main, "Check2")->click();
    Form *window = FormRegistry::instance().load(name);
    if (window && window != &main)
        showAndActivate(*window);
    // Windows mark what is out of sight once their controls have shown.
    QCoreApplication::processEvents();
    return window;
}

// What a user can tell of the program: every window and every control with its caption or
// text, tick, choice, face and colour, and what was spoken and shown in messages. Not the
// focus: a click with the mouse moves it, a screen reader's action does not.
QStringList snapshot(MainWindowFixture &fixture)
{
    QStringList seen;
    for (Form *window : FormRegistry::instance().loadedWindows()) {
        seen << QStringLiteral("%1 %2 %3x%4")
                    .arg(window->objectName(), window->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
                    .arg(window->width())
                    .arg(window->height());
        for (QWidget *c : Controls::of(*window)) {
            QString line = window->objectName() + u'.' + c->objectName() + (c->isVisibleTo(window) ? u' ' : u'-');
            if (const auto *button = qobject_cast<QAbstractButton *>(c))
                line += button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
            else if (const auto *label = qobject_cast<QLabel *>(c))
                line += label->text();
            else if (const auto *field = qobject_cast<QLineEdit *>(c))
                line += field->text();
            else if (const auto *text = qobject_cast<QPlainTextEdit *>(c))
                line += text->toPlainText();
            else if (const auto *view = qobject_cast<QAbstractItemView *>(c))
                line += QString::number(view->currentIndex().row());
            else if (const auto *frame = qobject_cast<QGroupBox *>(c))
                line += frame->title();
            line += u' ' + c->font().family() + u' ' + c->palette().color(c->backgroundRole()).name();
            seen << line;
        }
    }
    seen << fixture.speech().elements() << fixture.messages().texts;
    // Each fixture has a program directory of its own.
    seen.replaceInStrings(fixture.dir().path(), QStringLiteral("<program>"));
    return seen;
}

// What the program shows once a click has had its effect: the first state, different from
// the one before, that holds for a while.
QStringList settled(MainWindowFixture &fixture, const QStringList &before)
{
    QStringList last = snapshot(fixture);
    QElapsedTimer waited;
    waited.start();
    int unchanged = 0;
    while (waited.elapsed() < 3000 && unchanged < 3) {
        QTest::qWait(25);
        const QStringList now = snapshot(fixture);
        unchanged = now == last && now != before ? unchanged + 1 : 0;
        last = now;
    }
    return last;
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &at)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}
}

class TestWindowShell : public QObject
{
    Q_OBJECT
private slots:
    void init() { g_loads = 0; }
    void loadOnFirstReference();
    void unloadGivesAFreshWindow();
    void closeRequestCanBeRefused();
    void unloadWhileWaitingInPause();
    void endProgramUnloadsEverything();
    void keyPreviewSeesKeysFirst();
    void keyPreviewOncePerKey();
    void focusFailsOnHiddenOrDisabled();
    void sentKeysAreQueued();
    void pauseProcessesEvents();
    void windowsByName();
    void noWindowAfterTheEnd();
    void shutdownDeletesLastLoadedFirst();
    void sharedKeysWhereTheWindowTakesThem_data();
    void sharedKeysWhereTheWindowTakesThem();
    void everyControlHasAName();
    void screenReaderMeetsWhatShows_data();
    void screenReaderMeetsWhatShows();
    void busActionIsTheClick_data();
    void busActionIsTheClick();
    void aTranslationTellsTheScreenReaderWhereTheKeysGo();
    void qtDialogsInTheInterfaceLanguage_data();
    void qtDialogsInTheInterfaceLanguage();
};

void TestWindowShell::loadOnFirstReference()
{
    ShellSandbox sandbox;
    QVERIFY(!isLoaded<Window>());
    Window &w = *form<Window>();
    QVERIFY(isLoaded<Window>());
    QCOMPARE(form<Window>(), &w);
    QCOMPARE(g_loads, 1);
    QCOMPARE(w.state, QStringLiteral("loaded"));
    QVERIFY(!w.isVisible());
}

void TestWindowShell::unloadGivesAFreshWindow()
{
    ShellSandbox sandbox;
    QPointer<Window> first = form<Window>();
    first->state = QStringLiteral("changed");
    QVERIFY(unload<Window>());
    QCOMPARE(first->unloadSteps, 1);
    QCOMPARE(first->modes, QList<int>{Form::FromCode});
    QVERIFY(!isLoaded<Window>());
    QTRY_VERIFY(first.isNull());
    Window &second = *form<Window>();
    QCOMPARE(second.state, QStringLiteral("loaded"));
    QCOMPARE(g_loads, 2);
}

void TestWindowShell::closeRequestCanBeRefused()
{
    ShellSandbox sandbox;
    Window &w = *form<Window>();
    QVERIFY(showActive(w));
    w.allowUnload = false;
    w.close();
    QVERIFY(isLoaded<Window>());
    QVERIFY(w.isVisible());
    QCOMPARE(w.modes, QList<int>{Form::FromControlMenu});
    w.allowUnload = true;
    w.close();
    QVERIFY(!isLoaded<Window>());
    QVERIFY(!w.isVisible());
}

void TestWindowShell::unloadWhileWaitingInPause()
{
    ShellSandbox sandbox;
    QPointer<Window> w = form<Window>();
    QTimer::singleShot(30, [] { unload<Window>(); });
    const bool alive = w->pause(0.2);
    QVERIFY(!alive);
    // Still there for the handler that waited; gone once it has returned.
    QVERIFY(!w.isNull());
    QCOMPARE(w->state, QStringLiteral("loaded"));
    QTRY_VERIFY(w.isNull());
}

void TestWindowShell::endProgramUnloadsEverything()
{
    ShellSandbox sandbox;
    QPointer<Window> w = form<Window>();
    form<Other>();
    endProgram();
    QVERIFY(sandbox.programEnded());
    QVERIFY(!isLoaded<Window>());
    QVERIFY(!isLoaded<Other>());
    QTRY_VERIFY(w.isNull());
}

void TestWindowShell::keyPreviewSeesKeysFirst()
{
    ShellSandbox sandbox;
    Window &w = *form<Window>();
    QVERIFY(showActive(w));
    w.edit->setFocus();
    QTest::keyClick(w.edit, Qt::Key_A);
    QCOMPARE(w.previewed, QList<int>{Qt::Key_A});
    QCOMPARE(w.textAtPreview, QStringList{QString()});
    QCOMPARE(w.edit->text(), QStringLiteral("a"));
}

void TestWindowShell::keyPreviewOncePerKey()
{
    ShellSandbox sandbox;
    Window &w = *form<Window>();
    QVERIFY(showActive(w));
    w.edit->setFocus();
    // The line edit ignores F1, so the key travels on to the window: still one preview.
    QTest::keyClick(w.edit, Qt::Key_F1);
    QCOMPARE(w.previewed, QList<int>{Qt::Key_F1});
}

void TestWindowShell::focusFailsOnHiddenOrDisabled()
{
    ShellSandbox sandbox;
    Window &w = *form<Window>();
    QVERIFY(showActive(w));
    QVERIFY(focusControl(w.list));
    QCOMPARE(QApplication::focusWidget(), w.list);
    w.edit->setEnabled(false);
    QVERIFY(!focusControl(w.edit));
    w.edit->setEnabled(true);
    w.edit->hide();
    QVERIFY(!focusControl(w.edit));
    QVERIFY(!focusControl(nullptr));
    QCOMPARE(QApplication::focusWidget(), w.list);
}

void TestWindowShell::sentKeysAreQueued()
{
    ShellSandbox sandbox;
    Window &w = *form<Window>();
    QVERIFY(showActive(w));
    QVERIFY(focusControl(w.list));
    w.list->setCurrentRow(0);
    sendKey(&w, Qt::Key_Down);
    // A selection made after queuing the key is applied first; the key acts on it later.
    w.list->setCurrentRow(1);
    QCOMPARE(w.list->currentRow(), 1);
    pause(0.05);
    QCOMPARE(w.list->currentRow(), 2);
    QCOMPARE(w.previewed, QList<int>{Qt::Key_Down});
}

void TestWindowShell::pauseProcessesEvents()
{
    bool fired = false;
    QTimer::singleShot(20, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    pause(0.1);
    QVERIFY(fired);
    QVERIFY(clock.elapsed() >= 100);
    QCOMPARE(NestedLoopGuard::depth(), 0);
}

void TestWindowShell::windowsByName()
{
    WindowSandbox sandbox;
    FormRegistry &registry = FormRegistry::instance();
    QCOMPARE(registry.load(QStringLiteral("keines")), nullptr);
    registry.registerWindow(QStringLiteral("Window"), [] { return new Window(); });
    QCOMPARE(registry.find(QStringLiteral("Window")), nullptr);
    Form *byName = registry.load(QStringLiteral("Window"));
    QVERIFY(byName);
    QCOMPARE(g_loads, 1);
    QVERIFY(!byName->isVisible());
    QCOMPARE(byName, form<Window>());
    QCOMPARE(Controls::find<QLineEdit>(QStringLiteral("Window"), QStringLiteral("field")), form<Window>()->edit);
    QVERIFY(registry.unload(QStringLiteral("Window")));
    QCOMPARE(registry.find(QStringLiteral("Window")), nullptr);
}

void TestWindowShell::noWindowAfterTheEnd()
{
    ShellSandbox sandbox;
    form<Window>();
    endProgram();
    QCOMPARE(form<Window>(), nullptr);
    QCOMPARE(form<Other>(), nullptr);
    QCOMPARE(g_loads, 1);
}

void TestWindowShell::shutdownDeletesLastLoadedFirst()
{
    ShellSandbox sandbox;
    QStringList deleted;
    QObject::connect(form<Window>(), &QObject::destroyed, [&] { deleted << QStringLiteral("Window"); });
    QObject::connect(form<Other>(), &QObject::destroyed, [&] { deleted << QStringLiteral("Other"); });
    FormRegistry::instance().shutdown();
    QCOMPARE(deleted, (QStringList{QStringLiteral("Other"), QStringLiteral("Window")}));
    QCOMPARE(form<Window>(), nullptr);
}

void TestWindowShell::sharedKeysWhereTheWindowTakesThem_data()
{
    QTest::addColumn<bool>("other");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shared");
    QTest::newRow("F1 everywhere") << false << int(Qt::Key_F1) << true;
    QTest::newRow("F2 everywhere") << false << int(Qt::Key_F2) << true;
    QTest::newRow("F3 everywhere") << false << int(Qt::Key_F3) << true;
    QTest::newRow("F4 nowhere") << false << int(Qt::Key_F4) << false;
    QTest::newRow("F1 where only F1 is shared") << true << int(Qt::Key_F1) << true;
    QTest::newRow("F2 kept by the window") << true << int(Qt::Key_F2) << false;
}

void TestWindowShell::sharedKeysWhereTheWindowTakesThem()
{
    QFETCH(bool, other);
    QFETCH(int, key);
    QFETCH(bool, shared);
    ShellSandbox sandbox;
    QList<int> handled;
    FormRegistry::instance().setSharedKeyHandler([&](Form &, int k) {
        handled << k;
        return true;
    });
    Form *w = other ? static_cast<Form *>(form<Other>()) : form<Window>();
    QVERIFY(showActive(*w));
    QVERIFY(press(Qt::Key(key)));
    QCOMPARE(handled, shared ? QList<int>{key} : QList<int>{});
    // The window's own key handling sees every key afterwards.
    const QList<int> previewed = other ? static_cast<Other *>(w)->previewed : static_cast<Window *>(w)->previewed;
    QCOMPARE(previewed, QList<int>{key});
}

void TestWindowShell::everyControlHasAName()
{
    MainWindowFixture fixture;
    FormRegistry &registry = FormRegistry::instance();
    const QStringList names = registry.registeredNames();
    QVERIFY(names.contains(QStringLiteral("vodozaduda1")));
    QStringList unnamed;
    QStringList unspoken;
    for (const QString &name : names) {
        const Form *window = registry.load(name);
        QVERIFY2(window, qPrintable(name));
        QCOMPARE(window->objectName(), name);
        for (QWidget *control : Controls::of(*window)) {
            if (control->objectName().isEmpty())
                unnamed << name + QLatin1String(": ") + QLatin1String(control->metaObject()->className());
            // What a screen reader says for it. A label says what it shows, and one that
            // shows nothing yet (a value not set) says nothing.
            const auto *label = qobject_cast<QLabel *>(control);
            if (label && label->text().isEmpty() && label->pixmap().isNull())
                continue;
            const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                unspoken << name + QLatin1Char('.') + control->objectName();
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
    QVERIFY2(unspoken.isEmpty(), qPrintable(unspoken.join(QLatin1String(", "))));
}

void TestWindowShell::screenReaderMeetsWhatShows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("writing");
    QTest::newRow("main window") << "vodozaduda1" << false;
    QTest::newRow("main window writing a letter") << "vodozaduda1" << true;
    QTest::newRow("country window") << "Form2" << false;
    QTest::newRow("speech settings") << "Logox4" << false;
    QTest::newRow("first-run window") << "starter" << false;
    QTest::newRow("help window") << "hilfe1" << false;
    QTest::newRow("speaker window") << "Form1" << false;
}

void TestWindowShell::screenReaderMeetsWhatShows()
{
    QFETCH(QString, window);
    QFETCH(bool, writing);
    MainWindowFixture fixture;
    Form *w = openWindow(fixture, window, writing);
    QVERIFY(w);
    const QList<QWidget *> controls = Controls::of(*w);
    QStringList wrong;
    QSet<QWidget *> reachable;
    int unseen = 0;
    for (QWidget *c : controls) {
        const QString name = c->objectName();
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(c);
        QVERIFY2(accessible, qPrintable(name));
        const QAccessible::State state = accessible->state();
        const bool told = !state.invisible && !state.offscreen;
        if (c->isVisibleTo(w) && told != shows(c))
            wrong << name + (told ? QStringLiteral(" told but unseen") : QStringLiteral(" seen but untold"));
        if (!told && c->isVisibleTo(w) && accessible->actionInterface()
            && !accessible->actionInterface()->actionNames().isEmpty())
            wrong << name + QStringLiteral(" can be pressed unseen");
        if (!shows(c))
            ++unseen;
        else if (c->isEnabled() && (c->focusPolicy() & Qt::TabFocus))
            reachable << c;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));

    // Tab goes round every control that shows and takes the keyboard, and only those.
    QSet<QWidget *> visited;
    QStringList strays;
    for (int step = 0; step <= int(controls.size()); ++step) {
        QVERIFY(press(Qt::Key_Tab));
        QWidget *now = focusedControl(controls);
        QVERIFY2(now, "the focus left the window");
        if (visited.contains(now))
            break;
        visited << now;
        if (!shows(now))
            strays << now->objectName();
    }
    QVERIFY2(strays.isEmpty(), qPrintable(strays.join(QStringLiteral(", "))));
    QStringList missed;
    for (QWidget *c : reachable)
        if (!visited.contains(c))
            missed << c->objectName();
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral(", "))));
    QVERIFY(!visited.isEmpty());
    // Every window keeps controls below or beside what shows; they are still there to press.
    QVERIFY(unseen > 0);
}

void TestWindowShell::busActionIsTheClick_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    // The entry of a list clicked: -1 the control itself, -2 the last entry.
    QTest::addColumn<int>("entry");
    // What the user did first: "writing" ticks "schreiben", other words are typed into the input field.
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("schreiben") << "vodozaduda1"
                               << "Check2" << -1 << "" << false;
    QTest::newRow("Stimme") << "vodozaduda1"
                            << "Check3" << -1 << "" << false;
    QTest::newRow("Ton") << "vodozaduda1"
                         << "Check4" << -1 << "" << false;
    QTest::newRow("< Focus") << "vodozaduda1"
                             << "Check1" << -1 << "" << false;
    QTest::newRow("font for the input fields") << "vodozaduda1"
                                               << "Check5" << -1 << "writing" << false;
    QTest::newRow("Hilfe") << "vodozaduda1"
                           << "Command46" << -1 << "" << false;
    QTest::newRow("Beschreibung:") << "vodozaduda1"
                                   << "Label6" << -1 << "" << false;
    QTest::newRow("description read by a double click") << "vodozaduda1"
                                                        << "Label4" << -1 << "" << true;
    QTest::newRow("an entry of the part list") << "vodozaduda1"
                                               << "List2" << -2 << "hallo" << false;
    QTest::newRow("X hides the lists") << "vodozaduda1"
                                       << "Label9" << -1 << "hallo" << false;
    QTest::newRow("[+]") << "hilfe1"
                         << "Label3" << -1 << "" << false;
    QTest::newRow("Automatisch Maus lesen") << "hilfe1"
                                            << "Check1" << -1 << "" << false;
    QTest::newRow("Land ?") << "starter"
                            << "Label3" << -1 << "" << false;
    QTest::newRow("country picture") << "starter"
                                     << "Picture2" << -1 << "" << false;
    QTest::newRow("a country file") << "Form2"
                                    << "File1" << -2 << "" << false;
}

void TestWindowShell::busActionIsTheClick()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, entry);
    QFETCH(QString, before);
    QFETCH(bool, doubleClick);
    QStringList unclicked;
    QStringList clicked;
    QStringList pressed;
    for (const bool mouse : {true, false}) {
        MainWindowFixture fixture;
        // A voice pattern of the user's, so that "Stimme" has one to take.
        QVERIFY(fixture.dir().write(QStringLiteral("stimm2.txt"), "#voice=name:lgx.en.bill#\r\n"));
        const bool writing = before == QLatin1String("writing");
        Form *w = openWindow(fixture, window, writing);
        QVERIFY(w);
        if (!before.isEmpty() && !writing) {
            QTest::keyClicks(ctl<QLineEdit>(*fixture.window(), "Text3"), before);
            QCoreApplication::processEvents();
        }
        auto *c = ctl(*w, control.toLatin1().constData());
        QVERIFY(c);
        QVERIFY(shows(c));
        auto *view = qobject_cast<QAbstractItemView *>(c);
        const int row = view && entry == -2 ? view->model()->rowCount() - 1 : entry;
        unclicked = snapshot(fixture);
        if (mouse) {
            QWidget *target = view ? view->viewport() : c;
            const QPoint at =
                view ? view->visualRect(view->model()->index(row, 0)).center() : QPoint(6, c->height() / 2);
            sendMouse(target, QEvent::MouseButtonPress, at);
            sendMouse(target, QEvent::MouseButtonRelease, at);
            if (doubleClick) {
                sendMouse(target, QEvent::MouseButtonDblClick, at);
                sendMouse(target, QEvent::MouseButtonRelease, at);
            }
        } else {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(c);
            if (view)
                accessible = accessible->child(row);
            QVERIFY(accessible && accessible->actionInterface());
            const QStringList actions = accessible->actionInterface()->actionNames();
            QVERIFY2(!actions.isEmpty(), "nothing to do through the bus");
            accessible->actionInterface()->doAction(actions.first());
        }
        // Qt's buttons answer the bus a moment later, as a click shows itself pressed.
        (mouse ? clicked : pressed) = settled(fixture, unclicked);
    }
    QVERIFY(clicked != unclicked);
    QCOMPARE(pressed, clicked);
}

void TestWindowShell::aTranslationTellsTheScreenReaderWhereTheKeysGo()
{
    MainWindowFixture fixture;
    Form &w = fixture.open();
    auto *input = ctl<QLineEdit>(w, "Text3");
    auto *lower = ctl<QLineEdit>(w, "Text1");
    auto *fields = ctl<QListWidget>(w, "List5");
    // What Qt tells the bus as the focus moves; no screen reader runs here to make Qt tell it.
    const auto told = [](QObject *object, QAccessible::Event type) {
        return ControlAccessibility::passes(QAccessibleEvent(object, type));
    };
    QVERIFY(told(input, QAccessible::Focus));
    // The entry found is chosen in its list while the keys stay in the input field.
    QTest::keyClicks(input, QStringLiteral("hallo"));
    QWidget *found = ctl(w, "List2");
    QVERIFY(found->isVisible());
    QVERIFY(!told(found, QAccessible::Focus));
    // Enter takes the focus through the field list below the window and back.
    fields->setFocus();
    QVERIFY(!told(fields, QAccessible::Focus));
    QVERIFY(!told(fields, QAccessible::ValueChanged));
    input->setFocus();
    QVERIFY(told(input, QAccessible::Focus));
    // Tab to the lower field: its caret moves before the focus is reported, and is only told after.
    QVERIFY(press(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), lower);
    QVERIFY(!told(lower, QAccessible::TextCaretMoved));
    QVERIFY(told(lower, QAccessible::Focus));
    QVERIFY(told(lower, QAccessible::TextCaretMoved));
    QVERIFY(told(input, QAccessible::TextCaretMoved));
}

void TestWindowShell::qtDialogsInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("translated");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("German") << "de" << true << "Abbrechen";
    QTest::newRow("English") << "en" << true << "Cancel";
    QTest::newRow("Spanish") << "es" << true << "Cancelar";
    // Qt has no Greek: English rather than the German before.
    QTest::newRow("Greek") << "el" << false << "Cancel";
}

void TestWindowShell::qtDialogsInTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, translated);
    QFETCH(QString, cancel);
    QVERIFY(Program::translateQtDialogs(QStringLiteral("de")));
    QCOMPARE(Program::translateQtDialogs(language), translated);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), cancel);
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QCOMPARE(dialog.labelText(QFileDialog::Reject), cancel);
}

QTEST_MAIN(TestWindowShell)
#include "tst_windowshell.moc"
