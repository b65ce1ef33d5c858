#include "app/FormRegistry.h"
#include "dictionary/vodozaduda1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HX-Tolkarin"));
    QApplication::setQuitOnLastWindowClosed(false);
    form<vodozaduda1>().show();
    return QApplication::exec();
}
