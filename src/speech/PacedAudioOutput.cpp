#include "speech/PacedAudioOutput.h"

#include "speech/PcmBuffer.h"

namespace {
constexpr int kTickMilliseconds = 10;
constexpr int kStarvedTickMilliseconds = 1;
}

PacedAudioOutput::PacedAudioOutput(QObject *parent) : AudioOutput(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &PacedAudioOutput::tick);
}

PacedAudioOutput::~PacedAudioOutput() = default;

bool PacedAudioOutput::start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from)
{
    stop();
    if (!buffer || sampleRate <= 0)
        return false;
    m_buffer = std::move(buffer);
    m_sampleRate = sampleRate;
    m_position = std::max<qsizetype>(0, from);
    m_anchor = m_position;
    m_lastSample = 0;
    m_active = true;
    m_suspended = false;
    begin(sampleRate);
    m_clock.start();
    m_starved = false;
    setStarved(true);
    return true;
}

void PacedAudioOutput::stop()
{
    if (!m_active)
        return;
    // What a device would have played up to this moment has been heard.
    catchUp();
    if (!m_suspended)
        fadeOut();
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

void PacedAudioOutput::begin(int) {}

void PacedAudioOutput::catchUp()
{
    if (!m_active || m_suspended)
        return;
    const qsizetype due = m_anchor + qsizetype(m_clock.nsecsElapsed() * m_sampleRate / 1'000'000'000);
    const qsizetype wanted = due - m_position;
    if (wanted <= 0)
        return;
    m_chunk.resize(size_t(wanted));
    const qsizetype got = m_buffer->read(m_position, m_chunk.data(), wanted);
    m_position += got;
    if (got < wanted) {
        // Synthesis is behind: like a device after an underrun, go on from here
        // instead of catching up in a burst later.
        m_anchor = m_position;
        m_clock.restart();
    }
    setStarved(got == 0 && !m_buffer->isFinal());
    if (got > 0) {
        m_lastSample = m_chunk[size_t(got - 1)];
        // Last: a handler of a signal sent from consume() may stop or restart this output.
        consume(m_chunk.data(), got);
    }
}

void PacedAudioOutput::fadeOut()
{
    // The samples that would have come next, fading to silence; without any, the last one
    // played fades.
    const auto length = qsizetype(m_sampleRate) * kFadeMilliseconds / 1000;
    m_chunk.resize(size_t(length));
    const qsizetype got = m_buffer->read(m_position, m_chunk.data(), length);
    for (qsizetype i = got; i < length; ++i)
        m_chunk[size_t(i)] = got > 0 ? m_chunk[size_t(got - 1)] : m_lastSample;
    for (qsizetype i = 0; i < length; ++i)
        m_chunk[size_t(i)] = qint16(m_chunk[size_t(i)] * (length - 1 - i) / std::max<qsizetype>(1, length - 1));
    if (length > 0)
        consume(m_chunk.data(), length);
    m_position += got;
}

void PacedAudioOutput::setStarved(bool starved)
{
    if (starved == m_starved)
        return;
    m_starved = starved;
    m_timer.start(starved ? kStarvedTickMilliseconds : kTickMilliseconds);
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
