#include "speech/PlaybackCursor.h"

#include "speech/PcmBuffer.h"

#include <algorithm>
#include <utility>

void PlaybackCursor::reset(std::shared_ptr<PcmBuffer> buffer, qsizetype from)
{
    m_buffer = std::move(buffer);
    m_position = std::max<qsizetype>(0, from);
    m_lastSample = 0;
    m_split = false;
}

void PlaybackCursor::clear()
{
    m_buffer.reset();
}

qsizetype PlaybackCursor::writeTo(qsizetype maxBytes, const Device &device)
{
    if (!m_buffer || maxBytes <= 0)
        return 0;
    qsizetype total = 0;
    // First the rest of a sample the device took only half of.
    if (m_split) {
        if (device(&m_splitByte, 1) <= 0)
            return 0;
        m_split = false;
        total = 1;
    }
    const qsizetype room = (maxBytes - total) / qsizetype(sizeof(qint16));
    if (room <= 0)
        return total;
    m_chunk.resize(size_t(room));
    const qsizetype got = m_buffer->read(m_position, m_chunk.data(), room);
    if (got <= 0)
        return total;
    const char *bytes = reinterpret_cast<const char *>(m_chunk.data());
    const qsizetype written = std::min(device(bytes, got * qsizetype(sizeof(qint16))), got * qsizetype(sizeof(qint16)));
    if (written <= 0)
        return total;
    // A sample begun counts as handed over; its second byte goes first next time.
    const qsizetype begun = (written + 1) / qsizetype(sizeof(qint16));
    m_position += begun;
    m_lastSample = m_chunk[size_t(begun - 1)];
    if (written % 2 == 1) {
        m_split = true;
        m_splitByte = bytes[written];
    }
    return total + written;
}

qsizetype PlaybackCursor::take(qint16 *target, qsizetype maxCount)
{
    if (!m_buffer || maxCount <= 0)
        return 0;
    const qsizetype got = m_buffer->read(m_position, target, maxCount);
    if (got > 0) {
        m_position += got;
        m_lastSample = target[got - 1];
    }
    return got;
}

std::vector<char> PlaybackCursor::fadeOut(qsizetype count)
{
    std::vector<qint16> samples(size_t(std::max<qsizetype>(0, count)));
    const qsizetype got = m_buffer && count > 0 ? m_buffer->read(m_position, samples.data(), count) : 0;
    for (qsizetype i = got; i < count; ++i)
        samples[size_t(i)] = got > 0 ? samples[size_t(got - 1)] : m_lastSample;
    for (qsizetype i = 0; i < count; ++i)
        samples[size_t(i)] = qint16(samples[size_t(i)] * (count - 1 - i) / std::max<qsizetype>(1, count - 1));
    m_position += got;
    std::vector<char> bytes;
    bytes.reserve(samples.size() * sizeof(qint16) + 1);
    if (std::exchange(m_split, false))
        bytes.push_back(m_splitByte);
    const char *faded = reinterpret_cast<const char *>(samples.data());
    bytes.insert(bytes.end(), faded, faded + samples.size() * sizeof(qint16));
    return bytes;
}

bool PlaybackCursor::isAtEnd() const
{
    return m_buffer && !m_split && m_buffer->isFinal() && m_position >= m_buffer->size();
}
