#pragma once

#include <QMutex>
#include <QWaitCondition>
#include <QtGlobal>

#include <vector>

// Mono 16-bit samples of one utterance. The synthesis thread appends while an audio output
// reads from its own position, so playback starts before synthesis ends. Positions count
// from the start of the utterance.
//
// Memory stays bounded however long the text: the producer waits in waitForRoom() while it
// is more than aheadLimit samples ahead of the reader, and samples more than keepLimit behind
// the reader are dropped. An utterance that fits is kept whole and can be played again.
class PcmBuffer
{
public:
    enum class State { Growing, Complete, Cancelled };

    // Defaults: 3 s ahead and 60 s kept at espeak-ng's 22050 Hz.
    static constexpr qsizetype kDefaultAheadLimit = 3 * 22050;
    static constexpr qsizetype kDefaultKeepLimit = 60 * 22050;

    explicit PcmBuffer(qsizetype aheadLimit = kDefaultAheadLimit, qsizetype keepLimit = kDefaultKeepLimit);

    void append(const qint16 *samples, qsizetype count);
    void append(const std::vector<qint16> &samples);
    // Blocks the producer while it is aheadLimit or more samples ahead of the reader. False
    // once the buffer is no longer growing (cancelled), so synthesis can give up.
    [[nodiscard]] bool waitForRoom();
    // Marks the end of synthesis; a buffer that was cancelled stays cancelled.
    void finish();
    // Synthesis was cut off: the samples are only the start of the utterance. Wakes a
    // waiting producer.
    void cancel();

    // Copies up to maxCount samples starting at position; returns how many were copied
    // (none for a position already dropped). The reader's position moves to the end of what
    // was copied.
    qsizetype read(qsizetype position, qint16 *target, qsizetype maxCount);
    // Moves the reader back to the start for playing again; false when the start has been
    // dropped.
    [[nodiscard]] bool rewind();
    // Position after the last sample appended.
    qsizetype size() const;
    // Samples held in memory.
    qsizetype buffered() const;
    // Nothing has been dropped: every sample from the start is still there.
    bool isWhole() const;
    State state() const;
    // No more samples will come.
    bool isFinal() const;

private:
    void dropPlayed();

    const qsizetype m_aheadLimit;
    const qsizetype m_keepLimit;
    mutable QMutex m_mutex;
    QWaitCondition m_room;
    std::vector<qint16> m_samples;
    // Position of m_samples.front().
    qsizetype m_dropped = 0;
    qsizetype m_readPosition = 0;
    State m_state = State::Growing;
};
