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
// in which the voices are listed; one of them is current.
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

    // Replaces the catalogue with the file's voices. False when the file cannot be read;
    // the catalogue is then empty.
    bool load(const QString &path);
    QString errorString() const;

    qsizetype count() const;
    QStringList aliases() const;
    // Empty for an index out of range.
    QString alias(qsizetype index) const;
    // Case-insensitive; nothing for an unknown alias.
    std::optional<Voice> find(QStringView alias) const;
    qsizetype indexOf(QStringView alias) const;

    // -1 while the catalogue is empty.
    qsizetype currentIndex() const;
    bool setCurrentIndex(qsizetype index);
    std::optional<Voice> current() const;

private:
    QList<Voice> m_voices;
    qsizetype m_current = -1;
    QString m_error;
};
