#include "shell/Shell.h"

#include <QDesktopServices>

namespace {
Shell::Handler &handler()
{
    static Shell::Handler h;
    return h;
}
}

bool Shell::openFile(const QString &path)
{
    return openUrl(QUrl::fromLocalFile(path));
}

bool Shell::openUrl(const QUrl &url)
{
    if (handler())
        return handler()(url);
    return QDesktopServices::openUrl(url);
}

void Shell::setHandler(Handler h)
{
    handler() = std::move(h);
}
