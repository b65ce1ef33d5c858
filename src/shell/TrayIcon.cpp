#include "shell/TrayIcon.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QSystemTrayIcon>

namespace {
TrayIcon::Factory &factory()
{
    static TrayIcon::Factory f;
    return f;
}

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

// Whether the desktop shows tray icons as StatusNotifier items: a watcher on the session bus
// with a host registered. Qt then puts the icon there rather than into an XEmbed tray.
bool statusNotifierHost()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kWatcher))
        return false;
    QDBusMessage get =
        QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get.setArguments({kWatcher, QStringLiteral("IsStatusNotifierHostRegistered")});
    const QDBusReply<QDBusVariant> reply = bus.call(get);
    return reply.isValid() && reply.value().variant().toBool();
}

// The desktop's notification area through Qt.
class SystemTrayIcon : public TrayIcon
{
public:
    SystemTrayIcon() : m_statusNotifier(statusNotifierHost())
    {
        connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            Click click = Click::Other;
            if (reason == QSystemTrayIcon::DoubleClick)
                click = Click::LeftDouble;
            else if (reason == QSystemTrayIcon::Context)
                click = Click::RightRelease;
            // A StatusNotifier host activates the icon on a click; an XEmbed tray reports every
            // single press this way, and a single press does nothing.
            else if (reason == QSystemTrayIcon::Trigger && m_statusNotifier)
                click = Click::Activate;
            emit clicked(click, QCursor::pos());
        });
    }
    void setMenu(QMenu *menu) override
    {
        // The host asks for the menu over D-Bus; an XEmbed tray leaves the right click to us.
        if (m_statusNotifier)
            m_icon.setContextMenu(menu);
    }
    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    bool add(const QIcon &icon, const QString &toolTip) override
    {
        if (!isAvailable())
            return false;
        m_icon.setIcon(icon);
        m_icon.setToolTip(toolTip);
        m_icon.show();
        return true;
    }
    void remove() override { m_icon.hide(); }
    bool isShown() const override { return m_icon.isVisible(); }

private:
    bool m_statusNotifier = false;
    QSystemTrayIcon m_icon;
};
}

TrayIcon::TrayIcon(QObject *parent) : QObject(parent) {}

TrayIcon::~TrayIcon() = default;

std::unique_ptr<TrayIcon> TrayIcon::create()
{
    if (factory())
        return factory()();
    return std::make_unique<SystemTrayIcon>();
}

TrayIcon::Factory TrayIcon::setFactory(Factory f)
{
    return std::exchange(factory(), std::move(f));
}
