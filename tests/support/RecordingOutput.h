#pragma once

#include "speech/PacedAudioOutput.h"

#include <vector>

// Test audio output: plays in real time like a device (so stop, pause and resume have
// measurable effects) and keeps what it played since the last start.
class RecordingOutput : public PacedAudioOutput
{
    Q_OBJECT
public:
    explicit RecordingOutput(QObject *parent = nullptr);

    // Installs an AudioOutput factory that makes RecordingOutputs and points *latest at the
    // one made last. Returns the previous factory, for restoring it.
    static Factory install(RecordingOutput **latest);

    bool start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from) override;
    QString errorString() const override;

    const std::vector<qint16> &samples() const;
    int sampleRate() const;
    double durationSeconds() const;
    double rms() const;
    int startCount() const;
    // The buffer played last, as the engine fills it.
    std::shared_ptr<const PcmBuffer> buffer() const;
    // Lets events run until playback has ended (or was stopped); false on timeout.
    bool waitUntilIdle(int timeoutMilliseconds = 20000) const;

protected:
    void begin(int sampleRate) override;
    void consume(const qint16 *samples, qsizetype count) override;

private:
    std::shared_ptr<const PcmBuffer> m_buffer;
    std::vector<qint16> m_samples;
    int m_sampleRate = 0;
    int m_starts = 0;
};
