#include "speech/PacedAudioOutput.h"

#include "speech/PcmBuffer.h"

#include <QElapsedTimer>

#include <cstring>

namespace {
constexpr int kTickMilliseconds = 10;
constexpr int kStarvedTickMilliseconds = 1;
// The most taken at once. More is due only after the process or the machine stood still
// (a suspend, a debugger); a device then goes on where it was, and so does this output.
constexpr int kMostMillisecondsAtOnce = 200;
}

PacedAudioOutput::PacedAudioOutput(QObject *parent) : AudioOutput(parent)
{
    setClock({});
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kTickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &PacedAudioOutput::tick);
}

PacedAudioOutput::~PacedAudioOutput() = default;

void PacedAudioOutput::setClock(Clock clock)
{
    if (!clock) {
        clock = [] {
            static const QElapsedTimer started = [] {
                QElapsedTimer timer;
                timer.start();
                return timer;
            }();
            return started.nsecsElapsed();
        };
    }
    m_clock = std::move(clock);
}

bool PacedAudioOutput::start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from)
{
    stop();
    if (!buffer || sampleRate <= 0)
        return false;
    m_cursor.reset(std::move(buffer), from);
    m_sampleRate = sampleRate;
    m_active = true;
    m_suspended = false;
    begin(sampleRate);
    anchor();
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
    anchor();
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
    return m_cursor.position();
}

void PacedAudioOutput::begin(int) {}

void PacedAudioOutput::anchor()
{
    m_anchor = m_cursor.position();
    m_anchorTime = m_clock();
}

void PacedAudioOutput::catchUp()
{
    if (!m_active || m_suspended)
        return;
    const qsizetype most = qsizetype(m_sampleRate) * kMostMillisecondsAtOnce / 1000;
    // How far playback lags behind the clock, bounded before it is turned into samples so that
    // no jump of the clock overflows.
    const qint64 played = qint64(m_cursor.position() - m_anchor) * 1'000'000'000 / m_sampleRate;
    const qint64 lag = std::min<qint64>(m_clock() - m_anchorTime - played, 2LL * kMostMillisecondsAtOnce * 1'000'000);
    const qsizetype behind = qsizetype(lag * m_sampleRate / 1'000'000'000);
    const qsizetype wanted = std::min(behind, most);
    if (wanted <= 0)
        return;
    m_chunk.resize(size_t(wanted));
    const qsizetype got = m_cursor.take(m_chunk.data(), wanted);
    if (got < wanted || behind > most) {
        // Synthesis is behind, or time jumped: like a device after an underrun, go on from
        // here instead of catching up in a burst later.
        anchor();
    }
    setStarved(got == 0 && !m_cursor.buffer()->isFinal());
    // Last: a handler of a signal sent from consume() may stop or restart this output.
    if (got > 0)
        consume(m_chunk.data(), got);
}

void PacedAudioOutput::fadeOut()
{
    const auto length = qsizetype(m_sampleRate) * kFadeMilliseconds / 1000;
    const std::vector<char> bytes = m_cursor.fadeOut(length);
    m_chunk.resize(bytes.size() / sizeof(qint16));
    memcpy(m_chunk.data(), bytes.data(), m_chunk.size() * sizeof(qint16));
    if (!m_chunk.empty())
        consume(m_chunk.data(), qsizetype(m_chunk.size()));
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
    if (m_active && m_cursor.isAtEnd()) {
        m_timer.stop();
        m_active = false;
        emit finished();
    }
}
