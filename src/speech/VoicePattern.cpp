#include "speech/VoicePattern.h"

#include "core/TextFile.h"

QStringList VoicePattern::lines() const
{
    return {voice, volume, echo, basePitch, speed, intonation, roughness};
}

QStringList VoicePattern::testLines(const QString &sentence) const
{
    return lines() << sentence;
}

bool VoicePattern::write(const QString &path, const QStringList &lines)
{
    return TextFile::writeLines(path, lines);
}

std::optional<QStringList> VoicePattern::read(const QString &path)
{
    return TextFile::readLines(path);
}
