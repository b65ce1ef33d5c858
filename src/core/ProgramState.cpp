#include "core/ProgramState.h"

ProgramState::ProgramState(QObject *parent) : QObject(parent) {}

void ProgramState::setMuted(bool muted)
{
    // Only a change is told: the check box that shows it sets it too.
    if (muted == m_muted)
        return;
    m_muted = muted;
    emit mutedChanged(muted);
}

void ProgramState::setLanguage(const QString &language)
{
    if (language == m_language)
        return;
    m_language = language;
    emit languageChanged(language);
}

void ProgramState::setTexts(const CountryTexts &texts)
{
    m_texts = texts;
    emit textsChanged();
}

void ProgramState::takeOverVoicePattern(const QStringList &pattern)
{
    m_voicePattern = pattern;
    emit voicePatternTakenOver(pattern);
}

void ProgramState::setDictionary(const QString &name, const QString &sourceLanguage, const QString &targetLanguage)
{
    m_sourceLanguage = sourceLanguage;
    m_targetLanguage = targetLanguage;
    if (name == m_dictionary)
        return;
    m_dictionary = name;
    emit dictionaryChanged(name);
}

void ProgramState::setTrayIcon(bool shown)
{
    if (shown == m_trayIcon)
        return;
    m_trayIcon = shown;
    emit trayIconChanged(shown);
}

void ProgramState::setTrayMenuOn(bool on)
{
    if (on == m_trayMenuOn)
        return;
    m_trayMenuOn = on;
    emit trayMenuChanged(on);
}

void ProgramState::showHelpText(const LocalText &text)
{
    emit helpTextRequested(text.text, text.language);
}

void ProgramState::showHelpWindow()
{
    emit helpWindowRequested();
}

void ProgramState::openDescription()
{
    emit descriptionRequested();
}

void ProgramState::openWindow(const QString &name, Opening how)
{
    emit windowRequested(name, how);
}

void ProgramState::hideWindow(const QString &name)
{
    emit windowHidingRequested(name);
}

void ProgramState::openCountryWindow(CountryOpening how)
{
    emit countryWindowRequested(how);
}

void ProgramState::endProgram(Ending how)
{
    emit endRequested(how);
}
