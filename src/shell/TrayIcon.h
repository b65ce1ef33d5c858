#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class QMenu;

// The icon in the desktop's notification area. The factory is the seam tests answer: they
// install an icon that records what the program does with it and clicks it on request.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    enum class Click {
        LeftDouble,
        RightDouble,
        RightRelease,
        // The desktop's host activated the icon: a click where the icon is a StatusNotifier item,
        // whose hosts report no double click.
        Activate,
        Other
    };
    Q_ENUM(Click)
    using Factory = std::function<std::unique_ptr<TrayIcon>()>;

    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    static std::unique_ptr<TrayIcon> create();
    // Installs a factory (an empty one restores the desktop's icon), returns the previous one.
    static Factory setFactory(Factory factory);

    // Whether the desktop has a notification area at all.
    virtual bool isAvailable() const = 0;
    // Puts the icon up; false when the desktop has no notification area.
    [[nodiscard]] virtual bool add(const QIcon &icon, const QString &toolTip) = 0;
    virtual void remove() = 0;
    virtual bool isShown() const = 0;
    // The popup menu, for desktops whose host shows the icon's menu itself (StatusNotifier, over
    // D-Bus); elsewhere the window opens it on a right click.
    virtual void setMenu(QMenu *menu) { Q_UNUSED(menu); }

signals:
    // A mouse event on the icon, at that screen position.
    void clicked(TrayIcon::Click click, const QPoint &position);
};
