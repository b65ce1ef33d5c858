#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The voices the program offers, read from voices.txt in the program directory. Each line
// maps an alias as used in "#voice=name:<alias>#" onto an espeak-ng voice and variant:
//
//     lgx.de.bill   de   m3
//
// Blank lines and lines starting with "//" are skipped. The order of the file is the order
// in which the voices are listed; one of them is current. The fields go to espeak-ng, which
// overruns its buffers on long names: each holds at most maxFieldLength letters, digits,
// "-", "_" or "+" (the alias also "."). A line that breaks this is left out and named in
// errorString() and rejectedLines().
class VoiceCatalogue
{
public:
    struct Voice
    {
        QString alias;
        QString language;
        QString variant;

        // The name espeak_SetVoiceByName() takes: "de+m3".
        QString espeakName() const;
    };

    static constexpr qsizetype kMaxFieldLength = 32;

    // Replaces the catalogue with the file's voices. False when the file cannot be read;
    // the catalogue is then empty.
    [[nodiscard]] bool load(const QString &path);
    QString errorString() const;
    // Numbers (from 1) of the lines of the last load that were left out as unusable.
    QList<int> rejectedLines() const;

    qsizetype count() const;
    QStringList aliases() const;
    // Empty for an index out of range.
    QString alias(qsizetype index) const;
    // Case-insensitive; nothing for an unknown alias.
    std::optional<Voice> find(QStringView alias) const;
    qsizetype indexOf(QStringView alias) const;
    // The first voice, in the file's order, of a language given as an ISO code ("de", "en");
    // "en" also finds "en-us". Nothing when the catalogue has none.
    std::optional<Voice> firstOfLanguage(QStringView language) const;

    // -1 while the catalogue is empty.
    qsizetype currentIndex() const;
    bool setCurrentIndex(qsizetype index);
    std::optional<Voice> current() const;

private:
    QList<Voice> m_voices;
    qsizetype m_current = -1;
    QString m_error;
    QList<int> m_rejected;
};
