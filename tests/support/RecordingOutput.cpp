#include "RecordingOutput.h"

#include "SignalAnalysis.h"

#include <QTest>

RecordingOutput::RecordingOutput(QObject *parent) : PacedAudioOutput(parent) {}

AudioOutput::Factory RecordingOutput::install(RecordingOutput **latest)
{
    return AudioOutput::setFactory([latest]() -> std::unique_ptr<AudioOutput> {
        auto output = std::make_unique<RecordingOutput>();
        *latest = output.get();
        return output;
    });
}

bool RecordingOutput::start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from)
{
    m_buffer = buffer;
    return PacedAudioOutput::start(std::move(buffer), sampleRate, from);
}

std::shared_ptr<const PcmBuffer> RecordingOutput::buffer() const
{
    return m_buffer;
}

QString RecordingOutput::errorString() const
{
    return {};
}

const std::vector<qint16> &RecordingOutput::samples() const
{
    return m_samples;
}

int RecordingOutput::sampleRate() const
{
    return m_sampleRate;
}

double RecordingOutput::durationSeconds() const
{
    return m_sampleRate > 0 ? double(m_samples.size()) / m_sampleRate : 0.0;
}

double RecordingOutput::rms() const
{
    return SignalAnalysis::rms(m_samples);
}

int RecordingOutput::startCount() const
{
    return m_starts;
}

bool RecordingOutput::waitUntilIdle(int timeoutMilliseconds) const
{
    return QTest::qWaitFor([this] { return !isActive(); }, timeoutMilliseconds);
}

void RecordingOutput::begin(int sampleRate)
{
    m_samples.clear();
    m_sampleRate = sampleRate;
    ++m_starts;
}

void RecordingOutput::consume(const qint16 *samples, qsizetype count)
{
    m_samples.insert(m_samples.end(), samples, samples + count);
}
