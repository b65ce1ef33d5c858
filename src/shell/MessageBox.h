#pragma once

#include <QString>

#include <functional>

// The program's only message box: a text and an OK button. Tests answer it.
class MessageBox
{
public:
    using Handler = std::function<void(const QString &text)>;

    static void show(const QString &text);
    // An empty handler restores the real box.
    static void setHandler(Handler handler);
};
