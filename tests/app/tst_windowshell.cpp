#include "app/Program.h"
#include "core/Pause.h"
#include "shell/ControlActions.h"
#include "shell/FormRegistry.h"

#include "TestSupport.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
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
            // What a screen reader says for it.
            const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                unspoken << name + QLatin1Char('.') + control->objectName();
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
    QVERIFY2(unspoken.isEmpty(), qPrintable(unspoken.join(QLatin1String(", "))));
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
