#include "speech/SinkAudioOutput.h"

#include "speech/PcmBuffer.h"

#include <QAudioFormat>
#include <QAudioSink>

namespace {
constexpr int feedMilliseconds = 10;
constexpr int bufferMilliseconds = 200;

QString describe(QAudio::Error error)
{
    switch (error) {
    case QAudio::NoError:
        return {};
    case QAudio::OpenError:
        return QStringLiteral("Audiogerät lässt sich nicht öffnen");
    case QAudio::IOError:
        return QStringLiteral("Fehler beim Schreiben auf das Audiogerät");
    case QAudio::UnderrunError:
        return {};
    case QAudio::FatalError:
        return QStringLiteral("Audiogerät nicht mehr verfügbar");
    }
    return QStringLiteral("Audiofehler");
}
}

SinkAudioOutput::SinkAudioOutput(QAudioDevice device, QObject *parent)
    : AudioOutput(parent)
    , m_device(std::move(device))
{
    m_timer.setInterval(feedMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SinkAudioOutput::feed);
}

SinkAudioOutput::~SinkAudioOutput()
{
    release();
}

bool SinkAudioOutput::start(std::shared_ptr<const PcmBuffer> buffer, int sampleRate)
{
    stop();
    m_error.clear();
    if (!buffer || sampleRate <= 0)
        return false;

    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (m_device.isNull() || !m_device.isFormatSupported(format)) {
        m_error = QStringLiteral("Audiogerät kann 16-Bit-Mono nicht abspielen");
        return false;
    }

    m_sink = std::make_unique<QAudioSink>(m_device, format);
    m_sink->setBufferSize(format.bytesForDuration(bufferMilliseconds * 1000));
    connect(m_sink.get(), &QAudioSink::stateChanged, this, &SinkAudioOutput::onStateChanged);
    m_io = m_sink->start();
    if (!m_io || m_sink->error() != QAudio::NoError) {
        m_error = describe(m_sink->error());
        if (m_error.isEmpty())
            m_error = QStringLiteral("Audiogerät lässt sich nicht öffnen");
        release();
        return false;
    }

    m_buffer = std::move(buffer);
    m_sampleRate = sampleRate;
    m_position = 0;
    m_active = true;
    m_suspended = false;
    feed();
    m_timer.start();
    return true;
}

void SinkAudioOutput::stop()
{
    m_timer.stop();
    m_active = false;
    m_suspended = false;
    release();
}

void SinkAudioOutput::suspend()
{
    if (!m_active || m_suspended)
        return;
    m_suspended = true;
    m_sink->suspend();
}

void SinkAudioOutput::resume()
{
    if (!m_active || !m_suspended)
        return;
    m_suspended = false;
    m_sink->resume();
    feed();
}

bool SinkAudioOutput::isActive() const
{
    return m_active;
}

bool SinkAudioOutput::isSuspended() const
{
    return m_suspended;
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
        if (got > 0) {
            const qint64 written = m_io->write(reinterpret_cast<const char *>(m_chunk.data()),
                                               got * qsizetype(sizeof(qint16)));
            if (written > 0) {
                m_position += written / qsizetype(sizeof(qint16));
                wrote = true;
            }
        }
    }
    if (hasPlayedAll(wrote)) {
        stop();
        emit finished();
    }
}

bool SinkAudioOutput::hasPlayedAll(bool justWrote) const
{
    if (!m_buffer->isFinal() || m_position < m_buffer->size())
        return false;
    // Everything is written; done once the device has played it. An idle state seen right
    // after a write may still be the one from before it.
    constexpr qint64 slackMicroseconds = 10'000;
    const qint64 writtenMicroseconds = qint64(m_position) * 1'000'000 / m_sampleRate;
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
    m_error = reason;
    stop();
    emit failed(reason);
}

void SinkAudioOutput::release()
{
    if (!m_sink)
        return;
    m_sink->disconnect(this);
    m_sink->stop();
    m_sink.reset();
    m_io = nullptr;
}
