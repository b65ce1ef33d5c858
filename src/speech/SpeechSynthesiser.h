#pragma once

#include "speech/SynthesisJob.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <vector>

#include <espeak-ng/speak_lib.h>

class TimeStretcher;
class VoiceEffects;
struct VoiceSettings;

// Lives on the speech engine's worker thread and turns jobs into samples with espeak-ng in
// synchronous mode. A job ends early when a newer generation is begun: espeak-ng's callback
// checks it and aborts synthesis.
class SpeechSynthesiser : public QObject
{
    Q_OBJECT
public:
    explicit SpeechSynthesiser(QObject *parent = nullptr);
    ~SpeechSynthesiser() override;

    // On the worker thread.
    void open();
    void close();
    void run(const SynthesisJob &job);

    // From any thread. A new generation makes every older job stale.
    quint64 beginGeneration();
    void cancel();
    int sampleRate() const;
    QString errorString() const;

private:
    struct Context
    {
        SpeechSynthesiser *self = nullptr;
        const SynthesisJob *job = nullptr;
        TimeStretcher *stretcher = nullptr;
        VoiceEffects *effects = nullptr;
        std::vector<qint16> stretched;
        std::vector<qint16> processed;
    };

    static int onSamples(short *samples, int count, espeak_EVENT *events);
    bool isStale(const SynthesisJob &job) const;
    void applyParameters(const VoiceSettings &settings);
    void speak(Context &context, const QString &text);

    std::atomic<quint64> m_generation{ 0 };
    std::atomic<int> m_sampleRate{ 0 };
    QString m_error;
    bool m_open = false;
};
