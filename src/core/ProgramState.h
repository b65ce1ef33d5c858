#pragma once

#include "core/CountryTexts.h"
#include "core/LocalText.h"

#include <QObject>
#include <QString>
#include <QStringList>

// What more than one window shows or changes, and what a window may ask of the program. The
// composition root makes one, hands it to every window and carries out the requests; a window
// reads and sets the state here and never reaches into another window.
class ProgramState : public QObject
{
    Q_OBJECT
public:
    // How a window asks for another one.
    enum class Opening {
        Load,      // loaded (its load step runs), not shown
        Show,      // shown as it stands
        BringBack, // shown, also out of the task bar, raised and activated
    };
    // Who opens the country window, which decides what it offers.
    enum class CountryOpening {
        Start,      // the normal start: "Start >>" and "Exit"
        FromWindow, // the main window or the tray menu: the program goes on without it, no "Exit"
        FirstRun,   // the first-run window: a choice to try out, nothing to store or start
    };
    // How the program is ended.
    enum class Ending {
        Now,                // every window goes at once
        SpeakerWindowFirst, // the speaker window's end button first, whose unload stops the speech
        MainWindowFirst,    // through the main window's exit where it is loaded, else at once
    };

    explicit ProgramState(QObject *parent = nullptr);

    // "Ton": the translations are not spoken.
    bool isMuted() const { return m_muted; }
    void setMuted(bool muted);

    // The interface language as the country file applied last names it ("KeySprache"); empty
    // until one is applied. Help texts are spoken in it.
    QString language() const { return m_language; }
    void setLanguage(const QString &language);

    // The texts of our own keys as the country file applied last gives them, German before.
    const CountryTexts &texts() const { return m_texts; }
    LocalText text(CountryTexts::Id id) const { return m_texts.text(id); }
    void setTexts(const CountryTexts &texts);

    // The voice pattern the speech settings window handed over last, one line per entry.
    QStringList voicePattern() const { return m_voicePattern; }
    // Also the same pattern again is a new hand-over: the main window reloads its voice list.
    void takeOverVoicePattern(const QStringList &pattern);

    // The dictionary the main window names as loaded, and the languages of its two sides.
    QString dictionary() const { return m_dictionary; }
    QString sourceLanguage() const { return m_sourceLanguage; }
    QString targetLanguage() const { return m_targetLanguage; }
    void setDictionary(const QString &name, const QString &sourceLanguage, const QString &targetLanguage);

    // Whether the tray icon stands, through whose menu a hidden window comes back.
    bool hasTrayIcon() const { return m_trayIcon; }
    void setTrayIcon(bool shown);
    // The tray menu, off until the start hands over to the user.
    bool isTrayMenuOn() const { return m_trayMenuOn; }
    void setTrayMenuOn(bool on);

    // Requests, carried out by the composition root.
    // The help text is spoken in its own language.
    void showHelpText(const LocalText &text);
    // The help window shown and placed above the main window.
    void showHelpWindow();
    // The program description the help window names.
    void openDescription();
    // A window by its design name ("vodozaduda1", "Form1", ...).
    void openWindow(const QString &name, Opening how = Opening::Show);
    void hideWindow(const QString &name);
    void openCountryWindow(CountryOpening how);
    void endProgram(Ending how = Ending::Now);

signals:
    void mutedChanged(bool muted);
    void languageChanged(const QString &language);
    void textsChanged();
    void voicePatternTakenOver(const QStringList &pattern);
    void dictionaryChanged(const QString &name);
    void trayIconChanged(bool shown);
    void trayMenuChanged(bool on);

    void helpTextRequested(const QString &text, const QString &language);
    void helpWindowRequested();
    void descriptionRequested();
    void windowRequested(const QString &name, ProgramState::Opening how);
    void windowHidingRequested(const QString &name);
    void countryWindowRequested(ProgramState::CountryOpening how);
    void endRequested(ProgramState::Ending how);

private:
    bool m_muted = false;
    QString m_language;
    CountryTexts m_texts;
    QStringList m_voicePattern;
    QString m_dictionary;
    QString m_sourceLanguage;
    QString m_targetLanguage;
    bool m_trayIcon = false;
    bool m_trayMenuOn = false;
};
