#include "shell/Printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace {
Printer::Handler &handler()
{
    static Printer::Handler h;
    return h;
}
}

Printer::Result Printer::print(const QString &text, int pointSize)
{
    if (handler())
        return handler()(text, pointSize);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {false, 0, QStringLiteral("no default printer")};
    QPrinter printer(info, QPrinter::HighResolution);
    return printOn(printer, text, pointSize);
}

Printer::Result Printer::printOn(QPrinter &printer, const QString &text, int pointSize)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return {false, 0, QStringLiteral("the printer refused the job")};
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSize(pointSize);
    document.setDefaultFont(font);
    // The printer's resolution, so that points are points on paper.
    document.documentLayout()->setPaintDevice(&printer);
    document.setPlainText(text);
    document.setDocumentMargin(0);
    document.setPageSize(page.size());
    const int pages = std::max(1, document.pageCount());
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            return {false, p, QStringLiteral("the printer stopped after page %1").arg(p)};
        }
        painter.save();
        painter.translate(0, -p * page.height());
        document.drawContents(&painter, QRectF(0, p * page.height(), page.width(), page.height()));
        painter.restore();
    }
    if (!painter.end())
        return {false, pages, QStringLiteral("the print job failed")};
    return {true, pages, {}};
}

void Printer::setHandler(Handler h)
{
    handler() = std::move(h);
}
