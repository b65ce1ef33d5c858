#pragma once

#include "speech/VoiceSegment.h"

#include <QList>
#include <QStringView>

#include <optional>

// Splits a hand-off line into voice tags and text. A tag lies between two "#" on one line
// and looks like a setting: a word, "=" and a value without blanks, or a known name such as
// "Standard Sprecher". Tags that set nothing we know are dropped; anything else between "#"
// ("C#", a lone "#", a tag left open before text) is text and is spoken.
class VoiceTagParser
{
public:
    // Strips one pair of enclosing double quotes, then splits. Text that is only blanks
    // is dropped.
    static QList<VoiceSegment> parseLine(QStringView line);

    // Valid ranges of the tag values; values outside are clamped.
    static constexpr int minVolume = 0, maxVolume = 500;
    static constexpr int minEchoDelay = 0, maxEchoDelay = 500;
    static constexpr double maxEchoFeedback = 0.9;
    static constexpr int minBasePitch = 15, maxBasePitch = 400;
    static constexpr int minSpeed = 20, maxSpeed = 250;
    static constexpr int minIntonation = 10, maxIntonation = 300;
    static constexpr int minRoughness = 0, maxRoughness = 250;

private:
    static bool looksLikeTag(QStringView content);
    // The setting a tag names, or nothing for tags that set nothing.
    static std::optional<VoiceSegment> interpretTag(QStringView content);
    static void appendText(QList<VoiceSegment> &segments, QStringView text);
};
