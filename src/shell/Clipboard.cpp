#include "shell/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
Clipboard::Handler &handler()
{
    static Clipboard::Handler h;
    return h;
}
}

void Clipboard::setText(const QString &text)
{
    if (handler().setText) {
        handler().setText(text);
        return;
    }
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

QString Clipboard::text()
{
    if (handler().text)
        return handler().text();
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

void Clipboard::setHandler(Handler h)
{
    handler() = std::move(h);
}
