#pragma once

#include "speech/AudioOutput.h"

#include <QAudio>
#include <QAudioDevice>
#include <QTimer>

#include <memory>
#include <vector>

class QAudioSink;
class QIODevice;

// Plays through a Qt Multimedia audio device. The sink is fed from a timer as the buffer
// grows, so speech is heard while the rest of the text is still being synthesised.
class SinkAudioOutput : public AudioOutput
{
    Q_OBJECT
public:
    explicit SinkAudioOutput(QAudioDevice device, QObject *parent = nullptr);
    ~SinkAudioOutput() override;

    bool start(std::shared_ptr<const PcmBuffer> buffer, int sampleRate) override;
    void stop() override;
    void suspend() override;
    void resume() override;
    bool isActive() const override;
    bool isSuspended() const override;
    QString errorString() const override;

private:
    void feed();
    void onStateChanged(QAudio::State state);
    bool hasPlayedAll(bool justWrote) const;
    void release();

    QAudioDevice m_device;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_io = nullptr;
    std::shared_ptr<const PcmBuffer> m_buffer;
    int m_sampleRate = 0;
    qsizetype m_position = 0;
    std::vector<qint16> m_chunk;
    QTimer m_timer;
    QString m_error;
    bool m_active = false;
    bool m_suspended = false;
};
