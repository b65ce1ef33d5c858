#pragma once

#include "speech/SynthesisJob.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

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
    // The espeak-ng voices the latest job spoke its text with, in order of use.
    QStringList voicesOfLastJob() const;

signals:
    // espeak-ng could not load that voice; another one spoke instead.
    void voiceUnavailable(const QString &espeakName);

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
    // Sets the voice, or the job's start voice, or the last resort, in that order; returns the
    // one in force. Call with EspeakLibrary::lock() held.
    QString setVoice(const QString &voice, const SynthesisJob &job);
    void applyParameters(const VoiceSettings &settings);
    void speak(Context &context, const QString &text);
    void noteVoice(const QString &voice);

    std::atomic<quint64> m_generation{0};
    std::atomic<int> m_sampleRate{0};
    QString m_error;
    bool m_open = false;
    mutable QMutex m_voicesMutex;
    QStringList m_voicesOfLastJob;
};
