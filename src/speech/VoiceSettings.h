#pragma once

#include "speech/VoiceSegment.h"

#include <optional>

// The voice parameters in force while a hand-off is spoken, and how they map onto
// espeak-ng's parameters and our own signal processing.
struct VoiceSettings
{
    int volumePercent = 100;
    int echoDelayMs = 0;
    double echoFeedback = 0.0;
    // Unset: the voice's own pitch and intonation.
    std::optional<int> basePitchHz;
    int speedPercent = 100;
    std::optional<int> intonationHz;
    int roughnessPercent = 0;

    // Takes over a parameter change; text and voice changes leave the settings alone.
    void apply(const VoiceSegment &change);

    int espeakRate() const;
    int espeakVolume() const;
    int espeakPitch() const;
    int espeakRange() const;
    // Gain we apply ourselves above what espeak-ng's volume reaches.
    double gain() const;
    // Time stretch for speeds below espeak-ng's slowest rate (1 = none).
    double stretch() const;

    bool operator==(const VoiceSettings &) const = default;
};
