#include "shell/FileDialog.h"

#include "core/Pause.h"

#include <QFileDialog>

namespace {
FileDialog::Handler &handler()
{
    static FileDialog::Handler h;
    return h;
}
}

std::optional<QString> FileDialog::open(QWidget *parent, const Request &request)
{
    if (handler())
        return handler()(request);
    // Windows unloaded while the dialog is open are deleted only after it closed.
    NestedLoopGuard guard;
    const QString path = request.mode == Mode::Save
                             ? QFileDialog::getSaveFileName(parent, request.title, request.directory, request.filter)
                             : QFileDialog::getOpenFileName(parent, request.title, request.directory, request.filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void FileDialog::setHandler(Handler h)
{
    handler() = std::move(h);
}
