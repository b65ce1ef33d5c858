#include "speech/SinkAudioOutput.h"

#include "speech/NullAudioOutput.h"
#include "speech/PacedAudioOutput.h"
#include "speech/PcmBuffer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

namespace {
constexpr int kFeedMilliseconds = 10;
constexpr int kStarvedFeedMilliseconds = 1;
// How far the device is fed ahead: long enough to ride out a busy moment of the window
// thread, short enough for stop to be heard at once.
constexpr int kBufferMilliseconds = 100;
// How often a silent output looks for a device again.
constexpr int kRetryMilliseconds = 2000;
const QString kNoDevice = QStringLiteral("Kein Audiogerät vorhanden");

QString describe(QAudio::Error error)
{
    switch (error) {
    case QAudio::NoError:
        return {};
    case QAudio::OpenError:
        return QStringLiteral("Das Audiogerät lässt sich nicht öffnen");
    case QAudio::IOError:
        return QStringLiteral("Fehler beim Schreiben auf das Audiogerät");
    case QAudio::UnderrunError:
        return {};
    case QAudio::FatalError:
        return QStringLiteral("Das Audiogerät ist nicht mehr verfügbar");
    }
    return QStringLiteral("Audiofehler");
}
}

SinkAudioOutput::SinkAudioOutput(QObject *parent)
    : AudioOutput(parent),
      m_followsDefault(true),
      m_devices(std::make_unique<QMediaDevices>()),
      m_device(QMediaDevices::defaultAudioOutput())
{
    m_timer.setInterval(kFeedMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SinkAudioOutput::feed);
    connect(m_devices.get(), &QMediaDevices::audioOutputsChanged, this, &SinkAudioOutput::onDefaultDeviceChanged);
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &SinkAudioOutput::onDefaultDeviceChanged);
    if (m_device.isNull())
        m_error = kNoDevice;
}

SinkAudioOutput::SinkAudioOutput(QAudioDevice device, QObject *parent)
    : AudioOutput(parent), m_device(std::move(device))
{
    m_timer.setInterval(kFeedMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SinkAudioOutput::feed);
}

SinkAudioOutput::~SinkAudioOutput()
{
    m_timer.stop();
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
    }
}

bool SinkAudioOutput::start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from)
{
    stop();
    if (!buffer || sampleRate <= 0)
        return false;
    m_buffer = std::move(buffer);
    m_sampleRate = sampleRate;
    m_suspended = false;
    if (m_followsDefault)
        m_device = QMediaDevices::defaultAudioOutput();
    if (openSink(from)) {
        m_active = true;
        return true;
    }
    if (!m_followsDefault) {
        m_buffer.reset();
        return false;
    }
    m_active = true;
    playSilently(from, m_error);
    return true;
}

bool SinkAudioOutput::openSink(qsizetype from)
{
    m_error.clear();
    if (m_device.isNull()) {
        m_error = kNoDevice;
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(m_sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!m_device.isFormatSupported(format)) {
        m_error = QStringLiteral("Das Audiogerät kann 16-Bit-Mono nicht abspielen");
        return false;
    }

    auto sink = std::make_unique<QAudioSink>(m_device, format);
    sink->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    QIODevice *io = sink->start();
    if (!io || sink->error() != QAudio::NoError) {
        m_error = describe(sink->error());
        if (m_error.isEmpty())
            m_error = QStringLiteral("Das Audiogerät lässt sich nicht öffnen");
        sink->stop();
        return false;
    }
    connect(sink.get(), &QAudioSink::stateChanged, this, &SinkAudioOutput::onStateChanged);
    m_sink = std::move(sink);
    m_io = io;
    m_silence.reset();
    m_retry.stop();
    m_position = m_sinkStart = std::max<qsizetype>(0, from);
    m_lastSample = 0;
    feed();
    m_timer.start();
    return true;
}

void SinkAudioOutput::playSilently(qsizetype from, const QString &reason)
{
    m_error = reason;
    m_silence = std::make_unique<NullAudioOutput>(reason);
    connect(m_silence.get(), &AudioOutput::finished, this, [this] {
        // Not inside the silent output's own signal.
        QMetaObject::invokeMethod(
            this, [this] { end(); }, Qt::QueuedConnection);
    });
    m_silence->start(m_buffer, m_sampleRate, from);
    if (m_suspended)
        m_silence->suspend();
    // Qt 6.4's PulseAudio backend does not announce new devices: look for one now and then.
    m_retry.start();
    emit silenced(reason);
}

void SinkAudioOutput::stop()
{
    m_timer.stop();
    m_retry.stop();
    if (m_sink)
        fadeOutAndRelease();
    if (m_silence) {
        m_silence->disconnect(this);
        m_silence->stop();
        m_silence.reset();
    }
    m_active = false;
    m_suspended = false;
}

void SinkAudioOutput::suspend()
{
    if (!m_active || m_suspended)
        return;
    m_suspended = true;
    if (m_sink)
        m_sink->suspend();
    if (m_silence)
        m_silence->suspend();
}

void SinkAudioOutput::resume()
{
    if (!m_active || !m_suspended)
        return;
    m_suspended = false;
    if (m_silence)
        m_silence->resume();
    if (m_sink) {
        m_sink->resume();
        feed();
    }
}

bool SinkAudioOutput::isActive() const
{
    return m_active;
}

bool SinkAudioOutput::isSuspended() const
{
    return m_suspended;
}

qsizetype SinkAudioOutput::position() const
{
    if (m_silence)
        return m_silence->position();
    if (!m_sink || m_sampleRate <= 0)
        return m_position;
    const qsizetype played = m_sinkStart + qsizetype(m_sink->processedUSecs() * m_sampleRate / 1'000'000);
    return std::min(played, m_position);
}

bool SinkAudioOutput::isAudible() const
{
    return m_active ? m_sink != nullptr : !m_device.isNull();
}

QString SinkAudioOutput::errorString() const
{
    return m_error;
}

void SinkAudioOutput::feed()
{
    if (!m_active || m_suspended || !m_io)
        return;
    const qsizetype room = m_sink->bytesFree() / qsizetype(sizeof(qint16));
    bool wrote = false;
    if (room > 0) {
        m_chunk.resize(size_t(room));
        const qsizetype got = m_buffer->read(m_position, m_chunk.data(), room);
        // While synthesis has nothing yet, look often, so that the first sound is not late.
        const int interval = got == 0 && !m_buffer->isFinal() ? kStarvedFeedMilliseconds : kFeedMilliseconds;
        if (m_timer.interval() != interval)
            m_timer.setInterval(interval);
        if (got > 0) {
            const qint64 written =
                m_io->write(reinterpret_cast<const char *>(m_chunk.data()), got * qsizetype(sizeof(qint16)));
            if (written > 0) {
                const qsizetype samples = written / qsizetype(sizeof(qint16));
                m_position += samples;
                m_lastSample = m_chunk[size_t(samples - 1)];
                wrote = true;
            }
        }
    }
    if (hasPlayedAll(wrote)) {
        m_timer.stop();
        releaseSink();
        end();
    }
}

void SinkAudioOutput::end()
{
    if (!m_active)
        return;
    m_timer.stop();
    m_retry.stop();
    m_silence.reset();
    m_active = false;
    m_suspended = false;
    emit finished();
}

bool SinkAudioOutput::hasPlayedAll(bool justWrote) const
{
    if (!m_buffer->isFinal() || m_position < m_buffer->size())
        return false;
    // Everything is written; done once the device has played it. An idle state seen right
    // after a write may still be the one from before it.
    constexpr qint64 slackMicroseconds = 10'000;
    const qint64 writtenMicroseconds = qint64(m_position - m_sinkStart) * 1'000'000 / m_sampleRate;
    return (!justWrote && m_sink->state() == QAudio::IdleState)
           || m_sink->processedUSecs() + slackMicroseconds >= writtenMicroseconds;
}

void SinkAudioOutput::onStateChanged(QAudio::State state)
{
    if (!m_active || state != QAudio::StoppedState || !m_sink)
        return;
    const QString reason = describe(m_sink->error());
    if (reason.isEmpty())
        return;
    // This runs inside the sink's own signal: act once it has returned.
    m_sink->disconnect(this);
    m_timer.stop();
    QMetaObject::invokeMethod(
        this, [this, reason] { onSinkFailed(reason); }, Qt::QueuedConnection);
}

void SinkAudioOutput::onSinkFailed(const QString &reason)
{
    if (!m_active || !m_sink)
        return;
    const qsizetype from = position();
    releaseSink();
    m_error = reason;
    if (!m_followsDefault) {
        // Where the next output goes on.
        m_position = from;
        m_active = false;
        m_suspended = false;
        emit failed(reason);
        return;
    }
    // Another device may have taken over; otherwise go on silently until one comes.
    const QAudioDevice current = QMediaDevices::defaultAudioOutput();
    if (!current.isNull() && current.id() != m_device.id()) {
        m_device = current;
        if (openSink(from)) {
            if (m_suspended)
                m_sink->suspend();
            return;
        }
    }
    playSilently(from, reason);
}

void SinkAudioOutput::onDefaultDeviceChanged()
{
    const QAudioDevice current = QMediaDevices::defaultAudioOutput();
    const bool same = current.isNull() ? m_device.isNull() : current.id() == m_device.id();
    if (same && (m_sink || !m_active))
        return;
    m_device = current;
    if (!m_active) {
        m_error = m_device.isNull() ? kNoDevice : QString();
        return;
    }
    const qsizetype from = position();
    if (m_sink) {
        m_timer.stop();
        fadeOutAndRelease();
    }
    if (openSink(from)) {
        if (m_suspended)
            m_sink->suspend();
        return;
    }
    if (!m_silence)
        playSilently(from, m_error);
}

void SinkAudioOutput::fadeOutAndRelease()
{
    const auto length = qsizetype(m_sampleRate) * PacedAudioOutput::kFadeMilliseconds / 1000;
    int playOut = 0;
    if (m_io && length > 0 && !m_suspended && m_sink->state() != QAudio::StoppedState) {
        m_chunk.resize(size_t(length));
        const qsizetype got = m_buffer->read(m_position, m_chunk.data(), length);
        for (qsizetype i = got; i < length; ++i)
            m_chunk[size_t(i)] = got > 0 ? m_chunk[size_t(got - 1)] : m_lastSample;
        for (qsizetype i = 0; i < length; ++i)
            m_chunk[size_t(i)] = qint16(m_chunk[size_t(i)] * (length - 1 - i) / std::max<qsizetype>(1, length - 1));
        m_io->write(reinterpret_cast<const char *>(m_chunk.data()), length * qsizetype(sizeof(qint16)));
        playOut = kBufferMilliseconds + PacedAudioOutput::kFadeMilliseconds + 20;
    }
    releaseSink(playOut);
}

void SinkAudioOutput::releaseSink(int afterMilliseconds)
{
    if (!m_sink)
        return;
    m_sink->disconnect(this);
    QAudioSink *sink = m_sink.release();
    // Goes with this output at the latest.
    sink->setParent(this);
    m_io = nullptr;
    QTimer::singleShot(afterMilliseconds, sink, [sink] {
        sink->stop();
        sink->deleteLater();
    });
}
