#pragma once

#include <QString>

#include <functional>

class QPrinter;

// Prints text on the desktop's default printer, word-wrapped, on as many pages as it needs.
// Tests answer it, or print into a PDF file of their own through printOn().
class Printer
{
public:
    struct Result
    {
        bool ok = false;
        int pages = 0;
        // Why nothing was printed; empty when it was.
        QString reason;
    };
    using Handler = std::function<Result(const QString &text, int pointSize)>;

    [[nodiscard]] static Result print(const QString &text, int pointSize);
    // Lays the text out in the printer's default face at that size and prints it.
    [[nodiscard]] static Result printOn(QPrinter &printer, const QString &text, int pointSize);
    // An empty handler restores the real printer.
    static void setHandler(Handler handler);
};
