#pragma once

#include <QUrl>

#include <functional>

// Opens files, folders and web addresses with the desktop's own programs, never through a
// shell command line. Tests answer it.
class Shell
{
public:
    using Handler = std::function<bool(const QUrl &url)>;

    // A text file opens in the desktop's text editor.
    static bool openFile(const QString &path);
    static bool openUrl(const QUrl &url);
    // An empty handler restores the desktop.
    static void setHandler(Handler handler);
};
