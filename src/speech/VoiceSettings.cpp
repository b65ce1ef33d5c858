#include "speech/VoiceSettings.h"

#include "speech/VoiceTagParser.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kNeutral = 50;
// The settings window's pitch slider starts at 50 Hz; that position is the voice's own
// pitch, so the lower and the upper part of the slider each cover half of espeak's scale.
constexpr double kNeutralBasePitchHz = 50.0;

double wordsPerMinute(int speedPercent)
{
    return espeakRATE_NORMAL * speedPercent / 100.0;
}
}

void VoiceSettings::apply(const VoiceSegment &change)
{
    switch (change.kind) {
    case VoiceSegment::Kind::Text:
    case VoiceSegment::Kind::Voice:
        break;
    case VoiceSegment::Kind::Volume:
        volumePercent = change.value;
        break;
    case VoiceSegment::Kind::Echo:
        echoDelayMs = change.value;
        echoFeedback = change.feedback;
        break;
    case VoiceSegment::Kind::BasePitch:
        basePitchHz = change.value;
        break;
    case VoiceSegment::Kind::Speed:
        speedPercent = change.value;
        break;
    case VoiceSegment::Kind::Intonation:
        intonationHz = change.value;
        break;
    case VoiceSegment::Kind::Roughness:
        roughnessPercent = change.value;
        break;
    }
}

int VoiceSettings::espeakRate() const
{
    return std::clamp(int(std::lround(wordsPerMinute(speedPercent))), espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
}

int VoiceSettings::espeakVolume() const
{
    return std::clamp(volumePercent, 0, 100);
}

int VoiceSettings::espeakPitch() const
{
    if (!basePitchHz)
        return kNeutral;
    // espeak-ng's pitch scale is roughly logarithmic, so is this mapping.
    const double hz = *basePitchHz;
    const double low = VoiceTagParser::kMinBasePitch;
    const double high = VoiceTagParser::kMaxBasePitch;
    const double share = hz <= kNeutralBasePitchHz
                             ? std::log(hz / low) / std::log(kNeutralBasePitchHz / low) * 0.5
                             : 0.5 + std::log(hz / kNeutralBasePitchHz) / std::log(high / kNeutralBasePitchHz) * 0.5;
    return std::clamp(int(std::lround(share * 100)), 0, 100);
}

int VoiceSettings::espeakRange() const
{
    if (!intonationHz)
        return kNeutral;
    // The lowest intonation is a monotone voice.
    const double low = VoiceTagParser::kMinIntonation;
    const double high = VoiceTagParser::kMaxIntonation;
    return std::clamp(int(std::lround((*intonationHz - low) / (high - low) * 100)), 0, 100);
}

double VoiceSettings::gain() const
{
    return volumePercent > 100 ? volumePercent / 100.0 : 1.0;
}

double VoiceSettings::stretch() const
{
    const double wanted = wordsPerMinute(speedPercent);
    return wanted < espeakRATE_MINIMUM ? espeakRATE_MINIMUM / wanted : 1.0;
}
