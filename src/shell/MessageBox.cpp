#include "shell/MessageBox.h"

#include "core/Pause.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageBox::Handler &handler()
{
    static MessageBox::Handler h;
    return h;
}
}

void MessageBox::show(const QString &text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    NestedLoopGuard guard;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("HX-Tolkarin"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void MessageBox::setHandler(Handler h)
{
    handler() = std::move(h);
}
