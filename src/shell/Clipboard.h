#pragma once

#include <QString>

#include <functional>

// The desktop's clipboard, plain text only. Tests answer it.
class Clipboard
{
public:
    struct Handler
    {
        std::function<void(const QString &)> setText;
        std::function<QString()> text;
    };

    // Replaces the clipboard's content.
    static void setText(const QString &text);
    static QString text();
    // An empty handler restores the desktop's clipboard.
    static void setHandler(Handler handler);
};
