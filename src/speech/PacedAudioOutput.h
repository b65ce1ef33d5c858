#pragma once

#include "speech/AudioOutput.h"

#include "speech/PlaybackCursor.h"

#include <QTimer>

#include <functional>
#include <vector>

// An output without a device that takes samples at the rate a device would, measured on a
// monotonic clock, so that stopping, pausing and resuming behave as they do with sound.
// Like a device it starts as soon as samples arrive and ends with a short fade when
// stopped. What is taken goes to consume().
class PacedAudioOutput : public AudioOutput
{
    Q_OBJECT
public:
    // Nanoseconds on a clock that does not jump back.
    using Clock = std::function<qint64()>;

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

    // The time this output plays by; tests set their own. An empty clock is the monotonic one.
    void setClock(Clock clock);

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

    // Restarts counting time at the current position.
    void anchor();

    PlaybackCursor m_cursor;
    int m_sampleRate = 0;
    Clock m_clock;
    // Time counts from m_anchorTime, when playback stood at m_anchor.
    qsizetype m_anchor = 0;
    qint64 m_anchorTime = 0;
    QTimer m_timer;
    std::vector<qint16> m_chunk;
    bool m_active = false;
    bool m_suspended = false;
    bool m_starved = false;
};
