#include "speech/PcmBuffer.h"

#include <algorithm>

PcmBuffer::PcmBuffer(qsizetype aheadLimit, qsizetype keepLimit)
    : m_aheadLimit(std::max<qsizetype>(1, aheadLimit)), m_keepLimit(std::max<qsizetype>(0, keepLimit))
{}

void PcmBuffer::append(const qint16 *samples, qsizetype count)
{
    if (count <= 0)
        return;
    QMutexLocker lock(&m_mutex);
    if (m_state != State::Growing)
        return;
    dropPlayed();
    m_samples.insert(m_samples.end(), samples, samples + count);
}

void PcmBuffer::append(const std::vector<qint16> &samples)
{
    append(samples.data(), qsizetype(samples.size()));
}

bool PcmBuffer::waitForRoom()
{
    QMutexLocker lock(&m_mutex);
    while (m_state == State::Growing && m_dropped + qsizetype(m_samples.size()) - m_readPosition >= m_aheadLimit)
        m_room.wait(&m_mutex);
    return m_state == State::Growing;
}

void PcmBuffer::finish()
{
    QMutexLocker lock(&m_mutex);
    if (m_state == State::Growing)
        m_state = State::Complete;
}

void PcmBuffer::cancel()
{
    QMutexLocker lock(&m_mutex);
    if (m_state == State::Growing)
        m_state = State::Cancelled;
    m_room.wakeAll();
}

qsizetype PcmBuffer::read(qsizetype position, qint16 *target, qsizetype maxCount)
{
    QMutexLocker lock(&m_mutex);
    const qsizetype index = position - m_dropped;
    if (index < 0)
        return 0;
    const auto count = std::min(qsizetype(m_samples.size()) - index, maxCount);
    if (count <= 0)
        return 0;
    std::copy_n(m_samples.begin() + index, count, target);
    m_readPosition = position + count;
    m_room.wakeAll();
    return count;
}

bool PcmBuffer::rewind()
{
    QMutexLocker lock(&m_mutex);
    if (m_dropped > 0)
        return false;
    m_readPosition = 0;
    return true;
}

qsizetype PcmBuffer::size() const
{
    QMutexLocker lock(&m_mutex);
    return m_dropped + qsizetype(m_samples.size());
}

qsizetype PcmBuffer::buffered() const
{
    QMutexLocker lock(&m_mutex);
    return qsizetype(m_samples.size());
}

bool PcmBuffer::isWhole() const
{
    QMutexLocker lock(&m_mutex);
    return m_dropped == 0;
}

PcmBuffer::State PcmBuffer::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

bool PcmBuffer::isFinal() const
{
    return state() != State::Growing;
}

void PcmBuffer::dropPlayed()
{
    // Drop in steps of a quarter of what is kept, so the front is not moved on every append.
    const qsizetype behind = m_readPosition - m_dropped;
    if (behind <= m_keepLimit + m_keepLimit / 4)
        return;
    const qsizetype drop = std::min(behind - m_keepLimit, qsizetype(m_samples.size()));
    m_samples.erase(m_samples.begin(), m_samples.begin() + drop);
    m_dropped += drop;
}
