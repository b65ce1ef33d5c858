#pragma once

#include "speech/AudioOutput.h"

#include <QAudio>
#include <QAudioDevice>
#include <QTimer>

#include <memory>
#include <vector>

class NullAudioOutput;
class QAudioSink;
class QIODevice;
class QMediaDevices;

// Plays through a Qt Multimedia audio device. The sink is fed from a timer as the buffer
// grows, so speech is heard while the rest of the text is still being synthesised; it is
// kept at most a tenth of a second ahead, so that stop can end the sound with a short fade.
//
// Made without a device, it follows the desktop's default output: when that changes,
// playback moves over to the new one; while there is none, or the device fails, it goes on
// silently at the same pace (silenced()), looks for a device every few seconds and comes
// back when one opens. Made with a device, it plays there only and reports a failure
// through failed().
class SinkAudioOutput : public AudioOutput
{
    Q_OBJECT
public:
    // Follows the default output device.
    explicit SinkAudioOutput(QObject *parent = nullptr);
    // Plays on that device only.
    explicit SinkAudioOutput(QAudioDevice device, QObject *parent = nullptr);
    ~SinkAudioOutput() override;

    bool start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from) override;
    void stop() override;
    void suspend() override;
    void resume() override;
    bool isActive() const override;
    bool isSuspended() const override;
    qsizetype position() const override;
    bool isAudible() const override;
    QString errorString() const override;

private:
    // Opens a sink on m_device and plays from position from on; false with m_error set.
    bool openSink(qsizetype from);
    // Plays from there on without a device.
    void playSilently(qsizetype from, const QString &reason);
    void feed();
    void onStateChanged(QAudio::State state);
    void onSinkFailed(const QString &reason);
    void onDefaultDeviceChanged();
    bool hasPlayedAll(bool justWrote) const;
    // Writes the next few milliseconds fading to silence, then lets the sink play out what
    // it holds and releases it.
    void fadeOutAndRelease();
    // Releases the sink once the current signal has returned, never inside its own one.
    void releaseSink(int afterMilliseconds = 0);
    void end();

    bool m_followsDefault = false;
    std::unique_ptr<QMediaDevices> m_devices;
    QAudioDevice m_device;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_io = nullptr;
    // Stands in while there is no device.
    std::unique_ptr<NullAudioOutput> m_silence;
    std::shared_ptr<PcmBuffer> m_buffer;
    int m_sampleRate = 0;
    // Written to the sink up to here; the sink started at m_sinkStart.
    qsizetype m_position = 0;
    qsizetype m_sinkStart = 0;
    qint16 m_lastSample = 0;
    std::vector<qint16> m_chunk;
    QTimer m_timer;
    QTimer m_retry;
    QString m_error;
    bool m_active = false;
    bool m_suspended = false;
};
