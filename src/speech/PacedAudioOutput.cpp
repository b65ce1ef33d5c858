#include "speech/PacedAudioOutput.h"

#include "speech/PcmBuffer.h"

namespace {
constexpr int tickMilliseconds = 10;
}

PacedAudioOutput::PacedAudioOutput(QObject *parent)
    : AudioOutput(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(tickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &PacedAudioOutput::tick);
}

PacedAudioOutput::~PacedAudioOutput() = default;

bool PacedAudioOutput::start(std::shared_ptr<const PcmBuffer> buffer, int sampleRate)
{
    stop();
    if (!buffer || sampleRate <= 0)
        return false;
    m_buffer = std::move(buffer);
    m_sampleRate = sampleRate;
    m_position = 0;
    m_anchor = 0;
    m_active = true;
    m_suspended = false;
    begin(sampleRate);
    m_clock.start();
    m_timer.start();
    return true;
}

void PacedAudioOutput::stop()
{
    if (!m_active)
        return;
    // What a device would have played up to this moment has been heard.
    catchUp();
    m_timer.stop();
    m_active = false;
    m_suspended = false;
}

void PacedAudioOutput::suspend()
{
    if (!m_active || m_suspended)
        return;
    catchUp();
    m_timer.stop();
    m_suspended = true;
}

void PacedAudioOutput::resume()
{
    if (!m_active || !m_suspended)
        return;
    m_suspended = false;
    m_anchor = m_position;
    m_clock.restart();
    m_timer.start();
}

bool PacedAudioOutput::isActive() const
{
    return m_active;
}

bool PacedAudioOutput::isSuspended() const
{
    return m_suspended;
}

qsizetype PacedAudioOutput::position() const
{
    return m_position;
}

void PacedAudioOutput::begin(int)
{
}

void PacedAudioOutput::catchUp()
{
    if (!m_active || m_suspended)
        return;
    const qsizetype due = m_anchor + qsizetype(m_clock.nsecsElapsed() * m_sampleRate / 1'000'000'000);
    const qsizetype wanted = due - m_position;
    if (wanted > 0) {
        m_chunk.resize(size_t(wanted));
        const qsizetype got = m_buffer->read(m_position, m_chunk.data(), wanted);
        if (got > 0)
            consume(m_chunk.data(), got);
        m_position += got;
        if (got < wanted) {
            // Synthesis is behind: like a device after an underrun, go on from here
            // instead of catching up in a burst later.
            m_anchor = m_position;
            m_clock.restart();
        }
    }
}

void PacedAudioOutput::tick()
{
    catchUp();
    if (m_active && m_buffer->isFinal() && m_position >= m_buffer->size()) {
        m_timer.stop();
        m_active = false;
        emit finished();
    }
}
