#pragma once

#include <QString>
#include <QStringList>

// How a window hands a text to speech: it writes the hand-off file "hilfe.txt" in the program
// directory whole, then clicks an element of the speech page in the speaker window.
class SpeechHandOff
{
public:
    static QString path();
    // One quoted line (the main window's form).
    static bool writeQuoted(const QString &text);
    // Plain lines, each unchanged (the help and settings windows' form).
    static bool writeLines(const QStringList &lines);
    // Clicks the element of form 0 of the speaker window's page; false when it can't be reached.
    static bool click(const QString &element);
};
