#pragma once

#include "shell/TrayIcon.h"

#include <QString>
#include <QStringList>

#include <memory>

// Answers the tray seam: every icon the program makes records what is done with it, on a
// desktop with or without a notification area, and can be clicked by the test.
class TrayRecorder
{
public:
    struct State
    {
        bool available = true;
        bool shown = false;
        QString toolTip;
        bool iconDrawn = false;
        // "add" and "remove" in order; "remove after the end" when the program had ended by then.
        QStringList events;
        TrayIcon *latest = nullptr;
        // A window appeared while the icon's own click handler still ran: the handler would
        // return into an icon that the command may have removed.
        bool actedInsideClick = false;
    };

    explicit TrayRecorder(bool available = true);
    ~TrayRecorder();

    const State &state() const { return *m_state; }
    // A mouse event on the icon made last; false when no icon exists.
    [[nodiscard]] bool click(TrayIcon::Click click, const QPoint &at = QPoint(40, 40));

private:
    std::shared_ptr<State> m_state;
    TrayIcon::Factory m_previous;
};
