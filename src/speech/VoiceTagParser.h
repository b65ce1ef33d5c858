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
    static constexpr int kMinVolume = 0, kMaxVolume = 500;
    static constexpr int kMinEchoDelay = 0, kMaxEchoDelay = 500;
    static constexpr double kMaxEchoFeedback = 0.9;
    static constexpr int kMinBasePitch = 15, kMaxBasePitch = 400;
    static constexpr int kMinSpeed = 20, kMaxSpeed = 250;
    static constexpr int kMinIntonation = 10, kMaxIntonation = 300;
    static constexpr int kMinRoughness = 0, kMaxRoughness = 250;

private:
    static bool looksLikeTag(QStringView content);
    // The setting a tag names, or nothing for tags that set nothing.
    static std::optional<VoiceSegment> interpretTag(QStringView content);
    static void appendText(QList<VoiceSegment> &segments, QStringView text);
};
