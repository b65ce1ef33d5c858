#include "speech/PcmBuffer.h"

#include <algorithm>

void PcmBuffer::append(const qint16 *samples, qsizetype count)
{
    if (count <= 0)
        return;
    QMutexLocker lock(&m_mutex);
    if (m_state != State::Growing)
        return;
    m_samples.insert(m_samples.end(), samples, samples + count);
}

void PcmBuffer::append(const std::vector<qint16> &samples)
{
    append(samples.data(), qsizetype(samples.size()));
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
}

qsizetype PcmBuffer::read(qsizetype position, qint16 *target, qsizetype maxCount) const
{
    QMutexLocker lock(&m_mutex);
    const auto available = qsizetype(m_samples.size()) - position;
    const auto count = std::min(available, maxCount);
    if (count <= 0)
        return 0;
    std::copy_n(m_samples.begin() + position, count, target);
    return count;
}

qsizetype PcmBuffer::size() const
{
    QMutexLocker lock(&m_mutex);
    return qsizetype(m_samples.size());
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
