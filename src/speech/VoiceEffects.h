#pragma once

#include <QtGlobal>

#include <random>
#include <vector>

struct VoiceSettings;

// Our own processing of the synthesised samples, for what espeak-ng cannot do: gain above
// full volume, echo and a rough voice. Works on a stream, piece by piece as it is
// synthesised; flush() lets the echo ring out at the end.
class VoiceEffects
{
public:
    explicit VoiceEffects(int sampleRate);

    // Takes over gain, echo and roughness. When the echo changes, the old one first rings
    // out into out.
    void configure(const VoiceSettings &settings, std::vector<qint16> &out);
    void process(const qint16 *samples, qsizetype count, std::vector<qint16> &out);
    // Plays out what is still in the delay lines: the echo's tail and the last few samples.
    void flush(std::vector<qint16> &out);

    // Fixed latency in samples, kept so that roughness can move the read point both ways.
    static constexpr int kRoughnessLatency = 64;

private:
    // A random value in -1..1 that moves in straight lines towards a new random target every
    // period samples: noise limited to about sampleRate / period Hz.
    struct Wander
    {
        int period = 1;
        int remaining = 0;
        float value = 0;
        float step = 0;
        float next(std::minstd_rand &random);
    };

    float roughen(float sample);
    float echo(float sample);
    static qint16 limit(float sample);
    void processOne(float sample, std::vector<qint16> &out);

    int m_sampleRate;
    double m_gain = 1.0;
    double m_roughness = 0.0;
    // Roughness: a short delay line read at a wandering point (pitch jitter), a wandering
    // gain (shimmer) and noise that follows the loudness (breath).
    std::vector<float> m_jitterLine;
    size_t m_jitterWrite = 0;
    Wander m_jitter;
    Wander m_shimmer;
    float m_envelope = 0;
    float m_envelopeRate = 0;
    std::minstd_rand m_random{1234};
    std::uniform_real_distribution<float> m_noise{-1.0f, 1.0f};
    // Echo: a feedback delay line.
    std::vector<float> m_echoLine;
    size_t m_echoIndex = 0;
    int m_echoDelayMs = 0;
    double m_echoFeedback = 0.0;
    bool m_echoRinging = false;
    // Samples went in since the last flush.
    bool m_pending = false;
};
