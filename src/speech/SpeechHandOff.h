#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// How a window hands a text to speech: it writes the hand-off file "hilfe.txt" in the program
// directory whole, then clicks an element of a speech page. Every click of the program goes
// through click(): to the speech service, or to whatever a test installed instead.
class SpeechHandOff
{
public:
    enum class Page {
        Speaker,   // "sp", shown by the speaker window
        VoiceTest, // "sprech.htm", used by the speech settings window
    };
    using ClickHandler = std::function<bool(Page page, const QString &element, const QString &language)>;

    static QString path();
    // One quoted line (the main window's form).
    [[nodiscard]] static bool writeQuoted(const QString &text);
    // Plain lines, each unchanged (the help and settings windows' form).
    [[nodiscard]] static bool writeLines(const QStringList &lines);

    // Clicks an element of form 0 of the page. The language is that of the text handed off
    // ("de", "en", ...; empty when unknown). False when the page or element can't be reached.
    static bool click(Page page, const QString &element, const QString &language = {});
    static bool click(const QString &element, const QString &language = {})
    {
        return click(Page::Speaker, element, language);
    }
    // An empty handler restores the speech service.
    static void setClickHandler(ClickHandler handler);
};
