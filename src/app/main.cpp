#include "app/FormRegistry.h"
#include "dictionary/vodozaduda1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HX-Tolkarin"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows are laid out in design measures made for a small 8-point face.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    form<vodozaduda1>().show();
    return QApplication::exec();
}
