#pragma once

#include <QMutex>
#include <QtGlobal>

#include <vector>

// Mono 16-bit samples of one utterance. The synthesis thread appends while an audio output
// reads from its own position, so playback starts before synthesis ends. Samples are kept
// after playing, so the utterance can be played again.
class PcmBuffer
{
public:
    enum class State { Growing, Complete, Cancelled };

    void append(const qint16 *samples, qsizetype count);
    void append(const std::vector<qint16> &samples);
    // Marks the end of synthesis; a buffer that was cancelled stays cancelled.
    void finish();
    // Synthesis was cut off: the samples are only the start of the utterance.
    void cancel();

    // Copies up to maxCount samples starting at position; returns how many were copied.
    qsizetype read(qsizetype position, qint16 *target, qsizetype maxCount) const;
    qsizetype size() const;
    State state() const;
    // No more samples will come.
    bool isFinal() const;

private:
    mutable QMutex m_mutex;
    std::vector<qint16> m_samples;
    State m_state = State::Growing;
};
