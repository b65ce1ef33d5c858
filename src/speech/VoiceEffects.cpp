#include "speech/VoiceEffects.h"

#include "speech/VoiceSettings.h"
#include "speech/VoiceTagParser.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr size_t kJitterLineSize = 1024;
// Largest swing of the read point, at full roughness: 1 ms.
constexpr double kMaxJitterSeconds = 0.001;
constexpr double kMaxShimmer = 0.7;
constexpr double kMaxBreath = 0.6;
// Below this a ringing echo is inaudible.
constexpr float kEchoSilence = 64.0f;
constexpr int kMaxEchoRepeats = 24;
}

float VoiceEffects::Wander::next(std::minstd_rand &random)
{
    if (remaining <= 0) {
        const float target = std::uniform_real_distribution<float>(-1.0f, 1.0f)(random);
        step = (target - value) / float(period);
        remaining = period;
    }
    --remaining;
    value += step;
    return value;
}

VoiceEffects::VoiceEffects(int sampleRate) : m_sampleRate(sampleRate), m_jitterLine(kJitterLineSize, 0.0f)
{
    // Jitter changes about once per glottal period, shimmer a little faster.
    m_jitter.period = std::max(1, sampleRate / 125);
    m_shimmer.period = std::max(1, sampleRate / 250);
    m_envelopeRate = 1.0f - std::exp(-1.0f / (0.01f * float(sampleRate)));
}

void VoiceEffects::configure(const VoiceSettings &settings, std::vector<qint16> &out)
{
    m_gain = settings.gain();
    m_roughness = double(settings.roughnessPercent) / VoiceTagParser::kMaxRoughness;
    if (settings.echoDelayMs == m_echoDelayMs && settings.echoFeedback == m_echoFeedback)
        return;
    flush(out);
    m_echoDelayMs = settings.echoDelayMs;
    m_echoFeedback = settings.echoFeedback;
    const auto delay = size_t(std::lround(m_echoDelayMs / 1000.0 * m_sampleRate));
    m_echoLine.assign(m_echoFeedback > 0.0 ? delay : 0, 0.0f);
    m_echoIndex = 0;
}

void VoiceEffects::process(const qint16 *samples, qsizetype count, std::vector<qint16> &out)
{
    out.reserve(out.size() + size_t(count));
    m_pending = m_pending || count > 0;
    for (qsizetype i = 0; i < count; ++i)
        processOne(samples[i], out);
}

void VoiceEffects::flush(std::vector<qint16> &out)
{
    if (!m_pending)
        return;
    m_pending = false;
    for (int i = 0; i < kRoughnessLatency + int(kMaxJitterSeconds * m_sampleRate) + 1; ++i)
        processOne(0.0f, out);
    if (!m_echoRinging || m_echoLine.empty())
        return;
    // Ring out in steps of one delay until the repeats fall silent.
    for (int repeat = 0; repeat < kMaxEchoRepeats; ++repeat) {
        float loudest = 0.0f;
        for (size_t i = 0; i < m_echoLine.size(); ++i) {
            const float sample = echo(0.0f);
            loudest = std::max(loudest, std::abs(sample));
            out.push_back(limit(sample));
        }
        if (loudest < kEchoSilence)
            break;
    }
    std::fill(m_echoLine.begin(), m_echoLine.end(), 0.0f);
    m_echoRinging = false;
}

void VoiceEffects::processOne(float sample, std::vector<qint16> &out)
{
    const float shaped = roughen(sample) * float(m_gain);
    if (shaped != 0.0f)
        m_echoRinging = true;
    out.push_back(limit(echo(shaped)));
}

float VoiceEffects::roughen(float sample)
{
    m_jitterLine[m_jitterWrite] = sample;
    const float jitter = m_jitter.next(m_random);
    const float shimmer = m_shimmer.next(m_random);
    const double back = kRoughnessLatency + m_roughness * kMaxJitterSeconds * m_sampleRate * jitter;
    const double readAt = double(m_jitterWrite + kJitterLineSize) - back;
    const auto whole = size_t(std::floor(readAt));
    const auto fraction = float(readAt - std::floor(readAt));
    const float a = m_jitterLine[whole % kJitterLineSize];
    const float b = m_jitterLine[(whole + 1) % kJitterLineSize];
    m_jitterWrite = (m_jitterWrite + 1) % kJitterLineSize;

    float delayed = a + (b - a) * fraction;
    if (m_roughness <= 0.0)
        return delayed;
    m_envelope += (std::abs(delayed) - m_envelope) * m_envelopeRate;
    delayed *= 1.0f + float(m_roughness * kMaxShimmer) * shimmer;
    return delayed + float(m_roughness * kMaxBreath) * m_envelope * m_noise(m_random);
}

float VoiceEffects::echo(float sample)
{
    if (m_echoLine.empty())
        return sample;
    float &delayed = m_echoLine[m_echoIndex];
    const float result = sample + float(m_echoFeedback) * delayed;
    delayed = result;
    m_echoIndex = (m_echoIndex + 1) % m_echoLine.size();
    return result;
}

qint16 VoiceEffects::limit(float sample)
{
    // Soft knee above 70 % of full scale: loud speech and stacked echoes never wrap around.
    constexpr float full = 32767.0f;
    constexpr float knee = 0.7f * full;
    const float magnitude = std::abs(sample);
    if (magnitude > knee)
        sample = std::copysign(knee + (full - knee) * std::tanh((magnitude - knee) / (full - knee)), sample);
    return qint16(std::lround(std::clamp(sample, -full, full)));
}
