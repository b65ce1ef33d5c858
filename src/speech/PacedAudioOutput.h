#pragma once

#include "speech/AudioOutput.h"

#include <QElapsedTimer>
#include <QTimer>

#include <vector>

// An output without a device that takes samples at the rate a device would, measured on a
// monotonic clock, so that stopping, pausing and resuming behave as they do with sound.
// Like a device it starts as soon as samples arrive and ends with a short fade when
// stopped. What is taken goes to consume().
class PacedAudioOutput : public AudioOutput
{
    Q_OBJECT
public:
    explicit PacedAudioOutput(QObject *parent = nullptr);
    ~PacedAudioOutput() override;

    bool start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from) override;
    void stop() override;
    void suspend() override;
    void resume() override;
    bool isActive() const override;
    bool isSuspended() const override;
    // Samples taken from the current buffer so far, counted from its start.
    qsizetype position() const override;

    // Length of the fade that ends a stopped playback.
    static constexpr int kFadeMilliseconds = 5;

protected:
    // Called when playback starts, before the first samples of a buffer.
    virtual void begin(int sampleRate);
    virtual void consume(const qint16 *samples, qsizetype count) = 0;

private:
    // Takes what a device would have played since the last call.
    void catchUp();
    void tick();
    void fadeOut();
    // While synthesis has nothing yet, look often, so that the first sound is not late.
    void setStarved(bool starved);

    std::shared_ptr<PcmBuffer> m_buffer;
    int m_sampleRate = 0;
    qsizetype m_position = 0;
    // Position at which m_clock was last restarted; time counts from there.
    qsizetype m_anchor = 0;
    QElapsedTimer m_clock;
    QTimer m_timer;
    std::vector<qint16> m_chunk;
    qint16 m_lastSample = 0;
    bool m_active = false;
    bool m_suspended = false;
    bool m_starved = false;
};
