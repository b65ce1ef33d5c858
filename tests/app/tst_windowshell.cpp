#include "app/ControlActions.h"
#include "app/FormRegistry.h"
#include "app/Pause.h"

#include "TestSupport.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QtTest>

namespace {
int g_loads = 0;

class Window : public Form
{
public:
    Window()
    {
        edit = new QLineEdit(this);
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
};

void showActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
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
};

void TestWindowShell::loadOnFirstReference()
{
    WindowSandbox sandbox;
    QVERIFY(!isLoaded<Window>());
    Window &w = form<Window>();
    QVERIFY(isLoaded<Window>());
    QCOMPARE(&form<Window>(), &w);
    QCOMPARE(g_loads, 1);
    QCOMPARE(w.state, QStringLiteral("loaded"));
    QVERIFY(!w.isVisible());
}

void TestWindowShell::unloadGivesAFreshWindow()
{
    WindowSandbox sandbox;
    QPointer<Window> first = &form<Window>();
    first->state = QStringLiteral("changed");
    QVERIFY(unload<Window>());
    QCOMPARE(first->unloadSteps, 1);
    QCOMPARE(first->modes, QList<int>{Form::FromCode});
    QVERIFY(!isLoaded<Window>());
    QTRY_VERIFY(first.isNull());
    Window &second = form<Window>();
    QCOMPARE(second.state, QStringLiteral("loaded"));
    QCOMPARE(g_loads, 2);
}

void TestWindowShell::closeRequestCanBeRefused()
{
    WindowSandbox sandbox;
    Window &w = form<Window>();
    showActive(w);
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
    WindowSandbox sandbox;
    QPointer<Window> w = &form<Window>();
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
    WindowSandbox sandbox;
    QPointer<Window> w = &form<Window>();
    form<Other>();
    endProgram();
    QVERIFY(sandbox.programEnded());
    QVERIFY(!isLoaded<Window>());
    QVERIFY(!isLoaded<Other>());
    QTRY_VERIFY(w.isNull());
}

void TestWindowShell::keyPreviewSeesKeysFirst()
{
    WindowSandbox sandbox;
    Window &w = form<Window>();
    showActive(w);
    w.edit->setFocus();
    QTest::keyClick(w.edit, Qt::Key_A);
    QCOMPARE(w.previewed, QList<int>{Qt::Key_A});
    QCOMPARE(w.textAtPreview, QStringList{QString()});
    QCOMPARE(w.edit->text(), QStringLiteral("a"));
}

void TestWindowShell::keyPreviewOncePerKey()
{
    WindowSandbox sandbox;
    Window &w = form<Window>();
    showActive(w);
    w.edit->setFocus();
    // The line edit ignores F1, so the key travels on to the window: still one preview.
    QTest::keyClick(w.edit, Qt::Key_F1);
    QCOMPARE(w.previewed, QList<int>{Qt::Key_F1});
}

void TestWindowShell::focusFailsOnHiddenOrDisabled()
{
    WindowSandbox sandbox;
    Window &w = form<Window>();
    showActive(w);
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
    WindowSandbox sandbox;
    Window &w = form<Window>();
    showActive(w);
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

QTEST_MAIN(TestWindowShell)
#include "tst_windowshell.moc"
