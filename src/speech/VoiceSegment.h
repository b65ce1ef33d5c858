#pragma once

#include <QString>

// One piece of a hand-off line: text to speak, or a change of one voice setting that holds
// for the text after it.
struct VoiceSegment
{
    enum class Kind { Text, Voice, Volume, Echo, BasePitch, Speed, Intonation, Roughness };

    Kind kind = Kind::Text;
    // The text to speak, or for Voice the voice alias (after resolving: the espeak-ng name).
    QString text;
    // Clamped tag value: volume %, echo delay ms, base pitch Hz, speed %, intonation Hz,
    // roughness %.
    int value = 0;
    // Echo only: share of the signal fed back into the delay.
    double feedback = 0.0;

    bool operator==(const VoiceSegment &) const = default;
};
