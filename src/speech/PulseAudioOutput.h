#pragma once

#include "speech/AudioOutput.h"

#include <QTimer>

#include <memory>

class NullAudioOutput;

// Plays through the desktop's sound server (PulseAudio, or PipeWire's PulseAudio service) on
// one playback stream for the whole run: opened at the first utterance, corked while idle and
// fed from the PcmBuffer on libpulse's own thread, about 25 ms ahead of what is heard, so that
// sound starts as soon as synthesis has its first samples and a busy window thread cannot
// starve it. The stream names no device, so the server moves it to whatever device becomes
// the default.
//
// When the server goes away, playback goes on silently at the same pace (silenced()); the next
// utterance connects again, and so does a retry every second while one plays silently.
class PulseAudioOutput : public AudioOutput
{
    Q_OBJECT
public:
    explicit PulseAudioOutput(QObject *parent = nullptr);
    ~PulseAudioOutput() override;

    bool start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from) override;
    void stop() override;
    void suspend() override;
    void resume() override;
    bool isActive() const override;
    bool isSuspended() const override;
    qsizetype position() const override;
    bool isAudible() const override;
    QString errorString() const override;

    // How far the stream is fed ahead of what is heard.
    static constexpr int kBufferMilliseconds = 25;

private:
    // libpulse's objects and everything its thread touches, under the thread's lock.
    struct Connection;

    // From libpulse's thread, queued: connection serial, so that news of a connection given
    // up since is ignored.
    void onLost(quint64 serial, const QString &reason);
    void onReady(quint64 serial);
    void onPlayed(quint64 utterance);

    void playSilently(qsizetype from, const QString &reason);
    void retry();
    void giveUpWaiting();
    void end();

    std::unique_ptr<Connection> d;
    // Stands in while there is no server.
    std::unique_ptr<NullAudioOutput> m_silence;
    std::shared_ptr<PcmBuffer> m_buffer;
    int m_sampleRate = 0;
    quint64 m_utterance = 0;
    QTimer m_retry;
    QTimer m_waiting;
    QString m_error;
    bool m_active = false;
    bool m_suspended = false;
    // The server is known to be gone.
    bool m_lost = false;
};
