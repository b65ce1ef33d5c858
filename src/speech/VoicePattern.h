#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The voice and its six parameter tags, in this order; an empty slot is an empty string.
// Stored one per line in "stimm2.txt", from where the main window takes its voice list.
struct VoicePattern
{
    QString voice;
    QString volume;
    QString echo;
    QString basePitch;
    QString speed;
    QString intonation;
    QString roughness;

    QStringList lines() const;
    // A test pattern: the seven lines and the sentence to try them on.
    QStringList testLines(const QString &sentence) const;

    static QString fileName() { return QStringLiteral("stimm2.txt"); }
    // Writes the lines whole, empty slots as empty lines; false leaves the old file.
    [[nodiscard]] static bool write(const QString &path, const QStringList &lines);
    // Every line of the file in order, empty lines included; nothing when it can't be read.
    [[nodiscard]] static std::optional<QStringList> read(const QString &path);
};
