#include "core/ProgramState.h"
#include "shell/FormRegistry.h"
#include "shell/TrayIcon.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include "TestSupport.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

// The tray icon on a desktop whose notification area is a StatusNotifier host (KDE Plasma,
// GNOME with the AppIndicator extension, most desktops today). The test is such a desktop: a
// session bus and an X server of its own, and a watcher with a host registered on that bus, as
// the desktop's panel would have. Qt only puts the icon on D-Bus with a platform that has a
// desktop theme (xcb, wayland), so the windows of this test run on xcb under Xvfb, not offscreen.

namespace {
const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");

// A program of the test's own, started with its output on a pipe, ended at the end.
class Child
{
public:
    Child() = default;
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    ~Child()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0)
            ::close(m_out);
    }

    bool start(const QList<QByteArray> &arguments)
    {
        int pipe[2];
        if (::pipe(pipe) != 0)
            return false;
        m_pid = ::fork();
        if (m_pid == 0) {
            // Ends with the test, however the test ends.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            ::dup2(pipe[1], STDOUT_FILENO);
            // Its complaints (a busy display number tried first) are not the test's.
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, STDERR_FILENO);
            ::close(pipe[0]);
            ::close(pipe[1]);
            std::vector<char *> argv;
            for (const QByteArray &a : arguments)
                argv.push_back(const_cast<char *>(a.constData()));
            argv.push_back(nullptr);
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(pipe[1]);
        m_out = pipe[0];
        return m_pid > 0;
    }

    // The first line it writes, within a few seconds; empty when none comes.
    QByteArray firstLine()
    {
        QByteArray line;
        char c = 0;
        pollfd fd{m_out, POLLIN, 0};
        while (::poll(&fd, 1, 5000) > 0 && ::read(m_out, &c, 1) == 1 && c != '\n')
            line += c;
        return line.trimmed();
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
};

// A session bus and an X server of the test's own, made before the application object.
struct PrivateDesktop
{
    Child bus;
    Child display;
    QByteArray why; // empty when both run

    PrivateDesktop()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
            why = "dbus-daemon is not installed (Debian: dbus-daemon)";
            return;
        }
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
            why = "Xvfb is not installed (Debian: xvfb)";
            return;
        }
        const QByteArray address =
            bus.start({"dbus-daemon", "--session", "--nofork", "--print-address=1"}) ? bus.firstLine() : QByteArray();
        const QByteArray number =
            display.start({"Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"})
                ? display.firstLine()
                : QByteArray();
        if (address.isEmpty() || number.isEmpty()) {
            why = "the private session bus or X server did not start";
            return;
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("DISPLAY", ":" + number);
        qputenv("QT_QPA_PLATFORM", "xcb");
        // A generic desktop, whatever the one running the test is.
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("QT_QPA_PLATFORMTHEME");
    }
};

// The panel's side of the protocol: the watcher every item registers with, a host
// registered with it. It lives on a thread of its own, since an application asks it
// synchronously from its window thread whether a host is there.
class Watcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    // Its signals are left out: nobody here listens to them.
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    QStringList items() const
    {
        QMutexLocker lock(&m_mutex);
        return m_items;
    }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public slots:
    void RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message)
    {
        // An item names its service, or only its object path on the sender's connection.
        const QString item = service.startsWith(u'/') ? message.service() + service : service;
        QMutexLocker lock(&m_mutex);
        m_items << item;
    }
    void RegisterStatusNotifierHost(const QString &service) { Q_UNUSED(service); }

private:
    mutable QMutex m_mutex;
    QStringList m_items;
};

// The labels of a com.canonical.dbusmenu layout (id, properties, children), separators left out.
void labelsOf(const QDBusArgument &layout, QStringList &labels)
{
    int id = 0;
    QVariantMap properties;
    layout.beginStructure();
    layout >> id >> properties;
    if (properties.value(QStringLiteral("type")).toString() != u"separator"
        && properties.contains(QStringLiteral("label")))
        labels << properties.value(QStringLiteral("label")).toString();
    layout.beginArray();
    while (!layout.atEnd()) {
        QDBusVariant child;
        layout >> child;
        labelsOf(child.variant().value<QDBusArgument>(), labels);
    }
    layout.endArray();
    layout.endStructure();
}

QByteArray g_skipReason;
}

class TestTrayStatusNotifier : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void activationShowsTheMainWindow();

private:
    // A call from the panel; waits with the window thread running, which answers it.
    QDBusMessage call(const QString &service, const QString &path, const QString &interface, const QString &method,
                      const QVariantList &arguments);

    QThread m_panel;
    Watcher *m_watcher = nullptr;
    std::unique_ptr<QDBusConnection> m_host;
    std::unique_ptr<MainWindowFixture> m_fixture;
    TrayIcon::Factory m_recorded;
};

void TestTrayStatusNotifier::initTestCase()
{
    if (!g_skipReason.isEmpty())
        QSKIP(g_skipReason.constData());
    m_host = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("panel")));
    QVERIFY(m_host->isConnected());
    m_panel.start();
    m_watcher = new Watcher;
    m_watcher->moveToThread(&m_panel);
    QVERIFY(m_host->registerObject(QStringLiteral("/StatusNotifierWatcher"), m_watcher,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
    QVERIFY(m_host->registerService(kWatcherService));
    QVERIFY(m_host->registerService(
        QStringLiteral("org.kde.StatusNotifierHost-%1").arg(QCoreApplication::applicationPid())));
}

void TestTrayStatusNotifier::cleanupTestCase()
{
    if (m_host) {
        m_host->unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        QDBusConnection::disconnectFromBus(QStringLiteral("panel"));
    }
    m_panel.quit();
    m_panel.wait();
    delete m_watcher;
}

void TestTrayStatusNotifier::init()
{
    m_fixture = std::make_unique<MainWindowFixture>();
    // The desktop's own icon, not the recording one of the window sandbox.
    m_recorded = TrayIcon::setFactory({});
}

void TestTrayStatusNotifier::cleanup()
{
    m_fixture.reset();
    TrayIcon::setFactory(m_recorded);
}

QDBusMessage TestTrayStatusNotifier::call(const QString &service, const QString &path, const QString &interface,
                                          const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    QDBusPendingCall pending = m_host->asyncCall(message);
    QDeadlineTimer deadline(5000);
    while (!pending.isFinished() && !deadline.hasExpired())
        QTest::qWait(10);
    // Unanswered: an error message, which the caller's check of the reply's type reports.
    return pending.isFinished() ? pending.reply() : QDBusMessage::createError(QDBusError::Timeout, method);
}

void TestTrayStatusNotifier::activationShowsTheMainWindow()
{
    ProgramState &state = m_fixture->sandbox().state();
    state.setTrayMenuOn(true);
    QVERIFY(FormRegistry::instance().load(QStringLiteral("halmorix")));
    QVERIFY(state.hasTrayIcon());
    QTRY_COMPARE_WITH_TIMEOUT(m_watcher->items().size(), 1, 5000);
    const QString item = m_watcher->items().first();
    QVERIFY(!isLoaded<vodozaduda1>());

    // A click on the icon: the host sends Activate, never a double click.
    const QDBusMessage activated =
        call(item, QStringLiteral("/StatusNotifierItem"), kItemInterface, QStringLiteral("Activate"), {0, 0});
    QCOMPARE(activated.type(), QDBusMessage::ReplyMessage);
    QTRY_VERIFY(isLoaded<vodozaduda1>() && form<vodozaduda1>()->isVisible());

    // The host shows the menu the item exports: the tray menu's entries.
    const QDBusMessage menu =
        call(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.freedesktop.DBus.Properties"),
             QStringLiteral("Get"), {kItemInterface, QStringLiteral("Menu")});
    QCOMPARE(menu.type(), QDBusMessage::ReplyMessage);
    const QString menuPath = menu.arguments().value(0).value<QDBusVariant>().variant().value<QDBusObjectPath>().path();
    QVERIFY2(menuPath.startsWith(u'/') && menuPath != u"/NO_DBUSMENU", qPrintable(menuPath));
    const QDBusMessage layout = call(item, menuPath, QStringLiteral("com.canonical.dbusmenu"),
                                     QStringLiteral("GetLayout"), {0, -1, QStringList()});
    QCOMPARE(layout.type(), QDBusMessage::ReplyMessage);
    QStringList labels;
    labelsOf(layout.arguments().value(1).value<QDBusArgument>(), labels);
    QCOMPARE(labels, (QStringList{"Beschreibung", "Hilfe-Fenster:", "Sprecher", "Translator", "Ton ein-aus",
                                  "Land-Einstellung", "Stimm-Muster", "Exit"}));
}

int main(int argc, char *argv[])
{
    // Made before the application object, which reads where its bus and display are.
    PrivateDesktop desktop;
    g_skipReason = desktop.why;
    if (!g_skipReason.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestTrayStatusNotifier test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_traystatusnotifier.moc"
