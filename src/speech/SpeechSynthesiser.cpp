#include "speech/SpeechSynthesiser.h"

#include "speech/EspeakLibrary.h"
#include "speech/PcmBuffer.h"
#include "speech/TimeStretcher.h"
#include "speech/VoiceEffects.h"
#include "speech/VoiceSettings.h"

#include <QMutexLocker>

#include <chrono>
#include <mutex>

namespace {
// Speaks when neither the voice asked for nor the start voice can be loaded.
const QString kLastResortVoice = QStringLiteral("de");
// How often a job waiting for espeak-ng looks whether it is still wanted.
constexpr std::chrono::milliseconds kLockPoll{20};
}

SpeechSynthesiser::SpeechSynthesiser(QObject *parent) : QObject(parent) {}

SpeechSynthesiser::~SpeechSynthesiser() = default;

void SpeechSynthesiser::open()
{
    if (m_open)
        return;
    const EspeakLibrary::Session session = EspeakLibrary::acquire();
    m_open = true;
    m_error = session.error;
    m_sampleRate = session.error.isEmpty() ? session.sampleRate : 0;
}

void SpeechSynthesiser::close()
{
    if (!m_open)
        return;
    EspeakLibrary::release();
    m_open = false;
}

quint64 SpeechSynthesiser::beginGeneration()
{
    return ++m_generation;
}

void SpeechSynthesiser::cancel()
{
    ++m_generation;
}

int SpeechSynthesiser::sampleRate() const
{
    return m_sampleRate;
}

QString SpeechSynthesiser::errorString() const
{
    return m_error;
}

QStringList SpeechSynthesiser::voicesOfLastJob() const
{
    QMutexLocker locker(&m_voicesMutex);
    return m_voicesOfLastJob;
}

void SpeechSynthesiser::noteVoice(const QString &voice)
{
    QMutexLocker locker(&m_voicesMutex);
    if (m_voicesOfLastJob.isEmpty() || m_voicesOfLastJob.constLast() != voice)
        m_voicesOfLastJob.append(voice);
}

bool SpeechSynthesiser::isStale(const SynthesisJob &job) const
{
    return job.generation != m_generation.load();
}

void SpeechSynthesiser::run(const SynthesisJob &job)
{
    if (isStale(job) || m_sampleRate <= 0) {
        job.pcm->cancel();
        return;
    }

    {
        QMutexLocker locker(&m_voicesMutex);
        m_voicesOfLastJob.clear();
    }
    // Every utterance starts from the voice's defaults: earlier tags do not leak into it.
    QString voice = job.startVoice;
    VoiceSettings settings;
    TimeStretcher stretcher(m_sampleRate);
    VoiceEffects effects(m_sampleRate);
    Context context;
    context.self = this;
    context.job = &job;
    context.stretcher = &stretcher;
    context.effects = &effects;

    for (const VoiceSegment &segment : job.segments) {
        if (isStale(job))
            break;
        switch (segment.kind) {
        case VoiceSegment::Kind::Text: {
            context.processed.clear();
            effects.configure(settings, context.processed);
            job.pcm->append(context.processed);
            stretcher.setFactor(settings.stretch());
            // Another engine's paused text may hold espeak-ng for long: give up once this job
            // is no longer wanted, so that closing this engine never waits for that one.
            std::unique_lock<QMutex> locker(EspeakLibrary::lock(), std::defer_lock);
            while (!locker.try_lock_for(kLockPoll)) {
                if (isStale(job))
                    break;
            }
            // Leaves the switch; the loop ends at its check for a stale job.
            if (!locker.owns_lock())
                break;
            // Another engine may have used espeak-ng in between: set everything again.
            espeak_SetSynthCallback(&SpeechSynthesiser::onSamples);
            voice = setVoice(voice, job);
            noteVoice(voice);
            applyParameters(settings);
            speak(context, segment.text);
            break;
        }
        case VoiceSegment::Kind::Voice:
            voice = segment.text;
            break;
        default:
            settings.apply(segment);
            break;
        }
    }

    if (isStale(job)) {
        job.pcm->cancel();
        return;
    }
    context.processed.clear();
    effects.flush(context.processed);
    job.pcm->append(context.processed);
    job.pcm->finish();
}

QString SpeechSynthesiser::setVoice(const QString &voice, const SynthesisJob &job)
{
    QStringList tried;
    for (const QString &candidate : {voice, job.startVoice, kLastResortVoice}) {
        if (tried.contains(candidate))
            continue;
        tried.append(candidate);
        if (EspeakLibrary::setVoice(candidate))
            return candidate;
        emit voiceUnavailable(candidate);
    }
    // espeak-ng keeps the voice it had.
    return voice;
}

void SpeechSynthesiser::applyParameters(const VoiceSettings &settings)
{
    espeak_SetParameter(espeakRATE, settings.espeakRate(), 0);
    espeak_SetParameter(espeakVOLUME, settings.espeakVolume(), 0);
    espeak_SetParameter(espeakPITCH, settings.espeakPitch(), 0);
    espeak_SetParameter(espeakRANGE, settings.espeakRange(), 0);
}

void SpeechSynthesiser::speak(Context &context, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &context);
    // The stretcher holds back up to a frame; let it out before the next text, whose speed
    // may differ.
    context.stretched.clear();
    context.stretcher->flush(context.stretched);
    context.processed.clear();
    context.effects->process(context.stretched.data(), qsizetype(context.stretched.size()), context.processed);
    context.job->pcm->append(context.processed);
}

int SpeechSynthesiser::onSamples(short *samples, int count, espeak_EVENT *events)
{
    auto *context = events ? static_cast<Context *>(events->user_data) : nullptr;
    if (!context)
        return 0;
    if (context->self->isStale(*context->job))
        return 1;
    if (!samples || count <= 0)
        return 0;
    // Stay a few seconds ahead of playback at most: a long text then needs no more memory
    // than a short one, and pause holds synthesis too.
    if (!context->job->pcm->waitForRoom())
        return 1;
    context->stretched.clear();
    context->stretcher->process(samples, count, context->stretched);
    context->processed.clear();
    context->effects->process(context->stretched.data(), qsizetype(context->stretched.size()), context->processed);
    context->job->pcm->append(context->processed);
    return 0;
}
