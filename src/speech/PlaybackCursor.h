#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

class PcmBuffer;

// Where an output stands in the PcmBuffer it plays: hands the next samples to a device as the
// buffer grows, and makes the fade that ends a stopped playback without a click.
class PlaybackCursor
{
public:
    // Takes bytes from data, at most as many as given; returns how many it took, which may
    // be fewer and need not be a whole number of samples.
    using Device = std::function<qsizetype(const char *data, qsizetype bytes)>;

    // Plays buffer from position from on.
    void reset(std::shared_ptr<PcmBuffer> buffer, qsizetype from);
    void clear();
    bool hasBuffer() const { return m_buffer != nullptr; }
    const std::shared_ptr<PcmBuffer> &buffer() const { return m_buffer; }

    // Offers the device the next samples, at most maxBytes; returns the bytes it took.
    qsizetype writeTo(qsizetype maxBytes, const Device &device);
    // Copies up to maxCount of the next samples; returns how many. For outputs that take
    // whole samples only.
    qsizetype take(qint16 *target, qsizetype maxCount);
    // The next count samples, or the last one handed over repeated where there are none,
    // falling to silence; as bytes, so that a sample a device took only half of is finished
    // first.
    std::vector<char> fadeOut(qsizetype count);

    // Samples handed over so far, counted from the start of the buffer.
    qsizetype position() const { return m_position; }
    // Synthesis has ended and every sample has been handed over.
    bool isAtEnd() const;

private:
    std::shared_ptr<PcmBuffer> m_buffer;
    qsizetype m_position = 0;
    qint16 m_lastSample = 0;
    // The device took the first byte of the sample before m_position; this is its second.
    bool m_split = false;
    char m_splitByte = 0;
    std::vector<qint16> m_chunk;
};
