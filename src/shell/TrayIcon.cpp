#include "shell/TrayIcon.h"

#include <QCursor>
#include <QSystemTrayIcon>

namespace {
TrayIcon::Factory &factory()
{
    static TrayIcon::Factory f;
    return f;
}

// The desktop's notification area through Qt.
class SystemTrayIcon : public TrayIcon
{
public:
    SystemTrayIcon()
    {
        connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            Click click = Click::Other;
            if (reason == QSystemTrayIcon::DoubleClick)
                click = Click::LeftDouble;
            else if (reason == QSystemTrayIcon::Context)
                click = Click::RightRelease;
            emit clicked(click, QCursor::pos());
        });
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
