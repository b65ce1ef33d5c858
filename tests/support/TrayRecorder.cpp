#include "TrayRecorder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include "shell/FormRegistry.h"

namespace {
int visibleWindows()
{
    int count = 0;
    for (const QWidget *w : QApplication::topLevelWidgets())
        count += w->isVisible() ? 1 : 0;
    return count;
}

class RecordedIcon : public TrayIcon
{
public:
    explicit RecordedIcon(std::shared_ptr<TrayRecorder::State> state) : m_state(std::move(state))
    {
        m_state->latest = this;
    }
    ~RecordedIcon() override
    {
        if (m_state->latest == this)
            m_state->latest = nullptr;
    }
    bool isAvailable() const override { return m_state->available; }
    bool add(const QIcon &icon, const QString &toolTip) override
    {
        if (!m_state->available)
            return false;
        m_shown = m_state->shown = true;
        m_state->toolTip = toolTip;
        m_state->iconDrawn = !icon.isNull() && !icon.pixmap(16, 16).isNull();
        m_state->events << QStringLiteral("add");
        return true;
    }
    void remove() override
    {
        if (!m_shown)
            return;
        m_shown = m_state->shown = false;
        m_state->events << (FormRegistry::instance().programEnded() ? QStringLiteral("remove after the end")
                                                                    : QStringLiteral("remove"));
    }
    bool isShown() const override { return m_shown; }
    void press(Click click, const QPoint &at)
    {
        const int before = visibleWindows();
        emit clicked(click, at);
        if (visibleWindows() != before)
            m_state->actedInsideClick = true;
    }

private:
    std::shared_ptr<TrayRecorder::State> m_state;
    bool m_shown = false;
};
}

TrayRecorder::TrayRecorder(bool available) : m_state(std::make_shared<State>())
{
    m_state->available = available;
    m_previous = TrayIcon::setFactory([state = m_state] { return std::make_unique<RecordedIcon>(state); });
}

TrayRecorder::~TrayRecorder()
{
    TrayIcon::setFactory(m_previous);
}

bool TrayRecorder::click(TrayIcon::Click click, const QPoint &at)
{
    auto *icon = static_cast<RecordedIcon *>(m_state->latest);
    if (!icon)
        return false;
    icon->press(click, at);
    // The window takes clicks of its icon once the icon's own handler is done.
    QCoreApplication::processEvents();
    return true;
}
