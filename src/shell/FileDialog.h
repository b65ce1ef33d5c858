#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The file dialogs of the program. Tests answer them instead of a person.
class FileDialog
{
public:
    enum class Mode { Open, Save };
    struct Request
    {
        Mode mode = Mode::Open;
        QString title;
        // As the file dialog takes it: "TXT(*.*) (*.txt)".
        QString filter;
        QString directory;
    };
    // The chosen path, or nothing when the dialog was cancelled.
    using Handler = std::function<std::optional<QString>(const Request &request)>;

    static std::optional<QString> open(QWidget *parent, const Request &request);
    // An empty handler restores the real dialogs.
    static void setHandler(Handler handler);
};
