#pragma once

#include <QString>

// The voice the help window speaks with: Silke with reverb ("lgx.<language>.silkrvlg") in the
// language of the user interface, with the help window's fixed effects.
class HelpVoice
{
public:
    static inline const QString kDefaultLanguage = QStringLiteral("de");

    // The language code as a country file gives it ("KeySprache"), or German when it is none:
    // the code becomes part of a voice tag, so only a plain two- or three-letter code is taken.
    static QString language(const QString &code);
    // The voice pattern put in front of every help text spoken in that language.
    static QString pattern(const QString &language);
};
