// Voice tags of a hand-off line, and what the settings they make hand on to espeak-ng and to
// our own signal processing.
#include "FuzzCheck.h"

#include "speech/VoiceSettings.h"
#include "speech/VoiceTagParser.h"

#include <espeak-ng/speak_lib.h>

#include <cmath>

namespace {
using Kind = VoiceSegment::Kind;
using P = VoiceTagParser;

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}

void checkSegment(const VoiceSegment &s)
{
    const QString what = QStringLiteral("kind %1 value %2 feedback %3").arg(int(s.kind)).arg(s.value).arg(s.feedback);
    switch (s.kind) {
    case Kind::Text:
        FUZZ_CHECK(!s.text.trimmed().isEmpty() && s.text == s.text.trimmed(), s.text);
        break;
    case Kind::Voice:
        FUZZ_CHECK(!s.text.isEmpty(), what);
        break;
    case Kind::Volume:
        FUZZ_CHECK(within(s.value, P::kMinVolume, P::kMaxVolume), what);
        break;
    case Kind::Echo:
        FUZZ_CHECK(within(s.value, P::kMinEchoDelay, P::kMaxEchoDelay), what);
        FUZZ_CHECK(std::isfinite(s.feedback) && s.feedback >= 0.0 && s.feedback <= P::kMaxEchoFeedback, what);
        break;
    case Kind::BasePitch:
        FUZZ_CHECK(within(s.value, P::kMinBasePitch, P::kMaxBasePitch), what);
        break;
    case Kind::Speed:
        FUZZ_CHECK(within(s.value, P::kMinSpeed, P::kMaxSpeed), what);
        break;
    case Kind::Intonation:
        FUZZ_CHECK(within(s.value, P::kMinIntonation, P::kMaxIntonation), what);
        break;
    case Kind::Roughness:
        FUZZ_CHECK(within(s.value, P::kMinRoughness, P::kMaxRoughness), what);
        break;
    }
}

void checkSettings(const VoiceSettings &v)
{
    const QString what = QStringLiteral("vol %1 pitch %2 speed %3 range %4")
                             .arg(v.volumePercent)
                             .arg(v.basePitchHz.value_or(-1))
                             .arg(v.speedPercent)
                             .arg(v.intonationHz.value_or(-1));
    FUZZ_CHECK(within(v.espeakRate(), espeakRATE_MINIMUM, espeakRATE_MAXIMUM), what);
    FUZZ_CHECK(within(v.espeakVolume(), 0, 100), what);
    FUZZ_CHECK(within(v.espeakPitch(), 0, 100), what);
    FUZZ_CHECK(within(v.espeakRange(), 0, 100), what);
    const double gain = v.gain();
    FUZZ_CHECK(std::isfinite(gain) && gain >= 1.0 && gain <= P::kMaxVolume / 100.0, what);
    const double stretch = v.stretch();
    FUZZ_CHECK(std::isfinite(stretch) && stretch >= 1.0, what);
    FUZZ_CHECK(std::isfinite(v.echoFeedback) && v.echoFeedback >= 0.0 && v.echoFeedback <= P::kMaxEchoFeedback, what);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    VoiceSettings settings;
    checkSettings(settings);
    for (const VoiceSegment &segment : VoiceTagParser::parseLine(line)) {
        checkSegment(segment);
        settings.apply(segment);
        checkSettings(settings);
    }
    return 0;
}
