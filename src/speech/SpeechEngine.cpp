#include "speech/SpeechEngine.h"

#include "speech/AudioOutput.h"
#include "app/TextFile.h"
#include "speech/NullAudioOutput.h"
#include "speech/PcmBuffer.h"
#include "speech/SpeechSynthesiser.h"
#include "speech/VoiceCatalogue.h"
#include "speech/VoiceTagParser.h"

#include <QCoreApplication>
#include <QDir>
#include <QThread>

namespace {
// Speaks when the catalogue offers no voice.
const QString fallbackVoice = QStringLiteral("de");
const QString catalogueFile = QStringLiteral("voices.txt");
}

struct SpeechEngine::Private
{
    explicit Private(SpeechEngine *engine)
        : q(engine)
    {
    }

    void speakLines(const QStringList &lines);
    void synthesise(const QList<VoiceSegment> &segments, const QString &startVoice);
    void play(const std::shared_ptr<PcmBuffer> &pcm);
    void setOutput(std::unique_ptr<AudioOutput> next);
    void fallBackToSilence(const QString &reason);
    void end();

    SpeechEngine *q;
    QString programDirectory;
    VoiceCatalogue catalogue;
    QThread thread;
    SpeechSynthesiser *synthesiser = nullptr;
    std::unique_ptr<AudioOutput> output;
    QList<VoiceSegment> lastSegments;
    QString lastStartVoice;
    std::shared_ptr<PcmBuffer> lastPcm;
    bool speaking = false;
    bool paused = false;
};

SpeechEngine::SpeechEngine(QObject *parent)
    : SpeechEngine(QCoreApplication::applicationDirPath(), parent)
{
}

SpeechEngine::SpeechEngine(const QString &programDirectory, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>(this))
{
    setProgramDirectory(programDirectory);

    d->thread.setObjectName(QStringLiteral("speech synthesis"));
    d->synthesiser = new SpeechSynthesiser;
    d->synthesiser->moveToThread(&d->thread);
    d->thread.start();
    QMetaObject::invokeMethod(d->synthesiser, [s = d->synthesiser] { s->open(); },
                              Qt::BlockingQueuedConnection);

    d->setOutput(AudioOutput::create());
}

SpeechEngine::~SpeechEngine()
{
    d->synthesiser->cancel();
    if (d->lastPcm)
        d->lastPcm->cancel();
    if (d->output)
        d->output->stop();
    d->output.reset();
    QMetaObject::invokeMethod(d->synthesiser, [s = d->synthesiser] { s->close(); },
                              Qt::BlockingQueuedConnection);
    d->thread.quit();
    d->thread.wait();
    delete d->synthesiser;
}

void SpeechEngine::setProgramDirectory(const QString &programDirectory)
{
    d->programDirectory = programDirectory;
    d->catalogue.load(QDir(programDirectory).filePath(catalogueFile));
}

QString SpeechEngine::programDirectory() const
{
    return d->programDirectory;
}

VoiceCatalogue &SpeechEngine::voices()
{
    return d->catalogue;
}

const VoiceCatalogue &SpeechEngine::voices() const
{
    return d->catalogue;
}

bool SpeechEngine::speakFile(const QString &path)
{
    auto lines = TextFile::readLines(path);
    if (!lines)
        return false;
    TextFile::unquoteRecord(*lines);
    d->speakLines(*lines);
    return true;
}

void SpeechEngine::speakText(const QString &markup)
{
    d->speakLines(TextFile::splitLines(markup));
}

void SpeechEngine::stop()
{
    d->synthesiser->cancel();
    if (d->lastPcm)
        d->lastPcm->cancel();
    d->output->stop();
    d->end();
}

void SpeechEngine::pause()
{
    if (!d->speaking || d->paused)
        return;
    d->output->suspend();
    d->paused = true;
}

void SpeechEngine::resume()
{
    if (!d->paused)
        return;
    d->paused = false;
    d->output->resume();
}

void SpeechEngine::again()
{
    if (!d->lastPcm)
        return;
    // Samples cut off by stop or a newer text are incomplete: synthesise them anew.
    if (d->lastPcm->state() == PcmBuffer::State::Cancelled)
        d->synthesise(d->lastSegments, d->lastStartVoice);
    else
        d->play(d->lastPcm);
}

bool SpeechEngine::isSpeaking() const
{
    return d->speaking;
}

bool SpeechEngine::isPaused() const
{
    return d->paused;
}

QString SpeechEngine::lastError() const
{
    const QString synthesis = d->synthesiser->errorString();
    if (!synthesis.isEmpty())
        return synthesis;
    if (d->output && !d->output->isAudible())
        return QStringLiteral("Nichts konnte abgespielt werden: %1").arg(d->output->errorString());
    return {};
}

void SpeechEngine::Private::speakLines(const QStringList &lines)
{
    QList<VoiceSegment> segments;
    for (const QString &line : lines) {
        for (VoiceSegment segment : VoiceTagParser::parseLine(line)) {
            if (segment.kind == VoiceSegment::Kind::Voice) {
                const auto voice = catalogue.find(segment.text);
                if (!voice)
                    continue;
                segment.text = voice->espeakName();
            }
            segments.append(segment);
        }
    }
    const auto current = catalogue.current();
    synthesise(segments, current ? current->espeakName() : fallbackVoice);
}

void SpeechEngine::Private::synthesise(const QList<VoiceSegment> &segments, const QString &startVoice)
{
    SynthesisJob job;
    job.generation = synthesiser->beginGeneration();
    if (lastPcm)
        lastPcm->cancel();
    job.startVoice = startVoice;
    job.segments = segments;
    job.pcm = std::make_shared<PcmBuffer>();
    lastSegments = segments;
    lastStartVoice = startVoice;
    lastPcm = job.pcm;

    if (synthesiser->sampleRate() <= 0) {
        // lastError() tells why.
        output->stop();
        end();
        return;
    }
    QMetaObject::invokeMethod(synthesiser, [s = synthesiser, job] { s->run(job); }, Qt::QueuedConnection);
    play(job.pcm);
}

void SpeechEngine::Private::play(const std::shared_ptr<PcmBuffer> &pcm)
{
    output->stop();
    end();
    const int rate = synthesiser->sampleRate();
    if (!output->start(pcm, rate)) {
        fallBackToSilence(output->errorString());
        output->start(pcm, rate);
    }
    speaking = true;
    paused = false;
    emit q->started();
}

void SpeechEngine::Private::setOutput(std::unique_ptr<AudioOutput> next)
{
    if (output) {
        output->disconnect(q);
        output->stop();
        // May be the sender of the signal being handled: delete it once that is done.
        output.release()->deleteLater();
    }
    output = std::move(next);
    QObject::connect(output.get(), &AudioOutput::finished, q, [this] { end(); });
    QObject::connect(output.get(), &AudioOutput::failed, q, [this](const QString &reason) {
        const bool wasSpeaking = speaking;
        fallBackToSilence(reason);
        if (wasSpeaking && lastPcm)
            output->start(lastPcm, synthesiser->sampleRate());
    });
}

void SpeechEngine::Private::fallBackToSilence(const QString &reason)
{
    setOutput(std::make_unique<NullAudioOutput>(reason));
}

void SpeechEngine::Private::end()
{
    if (!speaking)
        return;
    speaking = false;
    paused = false;
    emit q->finished();
}
