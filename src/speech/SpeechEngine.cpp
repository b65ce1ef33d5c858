#include "speech/SpeechEngine.h"

#include "core/TextFile.h"
#include "speech/AudioOutput.h"
#include "speech/NullAudioOutput.h"
#include "speech/PcmBuffer.h"
#include "speech/SpeechSynthesiser.h"
#include "speech/SpeechText.h"
#include "speech/VoiceCatalogue.h"
#include "speech/VoiceTagParser.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <QThread>

#include <algorithm>

namespace {
// Speaks when the catalogue offers no voice.
const QString kFallbackVoice = QStringLiteral("de");
const QString kCatalogueFile = QStringLiteral("voices.txt");
}

struct SpeechEngine::Private
{
    explicit Private(SpeechEngine *engine) : q(engine) {}

    void speakLines(const QStringList &lines, const QString &language);
    QList<VoiceSegment> segmentsOf(const QStringList &lines) const;
    QString startVoiceFor(const QString &language) const;
    void synthesise(const QList<VoiceSegment> &segments, const QString &startVoice);
    void play(const std::shared_ptr<PcmBuffer> &pcm, qsizetype from);
    void setOutput(std::unique_ptr<AudioOutput> next);
    void moveToNextOutput(const QString &reason);
    void fallBackToSilence(const QString &reason);
    void end();
    // True when espeak-ng can synthesise; otherwise says why, once.
    bool checkSpeechRuntime();
    void reportCatalogue();
    void reportVoice(const QString &espeakName);
    void reportAudio(const QString &reason);
    void report(const QString &cause, const QString &message);

    SpeechEngine *q;
    QString programDirectory;
    VoiceCatalogue catalogue;
    bool catalogueRead = false;
    QThread thread;
    SpeechSynthesiser *synthesiser = nullptr;
    std::unique_ptr<AudioOutput> output;
    QList<VoiceSegment> lastSegments;
    QString lastStartVoice;
    std::shared_ptr<PcmBuffer> lastPcm;
    QSet<QString> reported;
    bool speaking = false;
    bool paused = false;
};

SpeechEngine::SpeechEngine(QObject *parent) : SpeechEngine(QCoreApplication::applicationDirPath(), parent) {}

SpeechEngine::SpeechEngine(const QString &programDirectory, QObject *parent)
    : QObject(parent), d(std::make_unique<Private>(this))
{
    setProgramDirectory(programDirectory);

    d->thread.setObjectName(QStringLiteral("speech synthesis"));
    d->synthesiser = new SpeechSynthesiser;
    d->synthesiser->moveToThread(&d->thread);
    connect(d->synthesiser, &SpeechSynthesiser::voiceUnavailable, this,
            [this](const QString &espeakName) { d->reportVoice(espeakName); });
    d->thread.start();
    QMetaObject::invokeMethod(
        d->synthesiser, [s = d->synthesiser] { s->open(); }, Qt::BlockingQueuedConnection);

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
    QMetaObject::invokeMethod(
        d->synthesiser, [s = d->synthesiser] { s->close(); }, Qt::BlockingQueuedConnection);
    d->thread.quit();
    d->thread.wait();
    delete d->synthesiser;
}

void SpeechEngine::setProgramDirectory(const QString &programDirectory)
{
    d->programDirectory = programDirectory;
    d->catalogueRead = d->catalogue.load(QDir(programDirectory).filePath(kCatalogueFile));
    d->reported.remove(QStringLiteral("catalogue"));
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

bool SpeechEngine::speakFile(const QString &path, const QString &language)
{
    auto lines = TextFile::readLines(path);
    if (!lines)
        return false;
    TextFile::unquoteRecord(*lines);
    d->speakLines(*lines, language);
    return true;
}

void SpeechEngine::speakText(const QString &markup, const QString &language)
{
    d->speakLines(TextFile::splitLines(markup), language);
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
    if (!d->checkSpeechRuntime() || !d->lastPcm)
        return;
    // Samples cut off by stop or a newer text are incomplete, and a long text keeps only its
    // recent part: synthesise those anew.
    if (d->lastPcm->state() == PcmBuffer::State::Cancelled || !d->lastPcm->rewind())
        d->synthesise(d->lastSegments, d->lastStartVoice);
    else
        d->play(d->lastPcm, 0);
}

bool SpeechEngine::canSpeak() const
{
    return d->synthesiser->sampleRate() > 0;
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

QStringList SpeechEngine::voicesOfLastText() const
{
    return d->synthesiser->voicesOfLastJob();
}

void SpeechEngine::Private::speakLines(const QStringList &lines, const QString &language)
{
    reportCatalogue();
    const QList<VoiceSegment> segments = segmentsOf(lines);
    const bool saysSomething = std::any_of(segments.cbegin(), segments.cend(), [](const VoiceSegment &segment) {
        return segment.kind == VoiceSegment::Kind::Text;
    });
    // Nothing to say must not cut off what is being said, nor become the text "again" repeats.
    if (!saysSomething || !checkSpeechRuntime())
        return;
    synthesise(segments, startVoiceFor(language));
}

QList<VoiceSegment> SpeechEngine::Private::segmentsOf(const QStringList &lines) const
{
    QList<VoiceSegment> segments;
    for (const QString &line : lines) {
        for (VoiceSegment segment : VoiceTagParser::parseLine(line)) {
            switch (segment.kind) {
            case VoiceSegment::Kind::Voice: {
                const auto voice = catalogue.find(segment.text);
                if (!voice)
                    continue;
                segment.text = voice->espeakName();
                segments.append(segment);
                break;
            }
            case VoiceSegment::Kind::Text:
                for (const QString &piece : SpeechText::pieces(SpeechText::printable(segment.text))) {
                    segment.text = piece;
                    segments.append(segment);
                }
                break;
            default:
                segments.append(segment);
                break;
            }
        }
    }
    return segments;
}

QString SpeechEngine::Private::startVoiceFor(const QString &language) const
{
    if (const auto voice = catalogue.firstOfLanguage(language))
        return voice->espeakName();
    if (const auto current = catalogue.current())
        return current->espeakName();
    return kFallbackVoice;
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
    QMetaObject::invokeMethod(
        synthesiser, [s = synthesiser, job] { s->run(job); }, Qt::QueuedConnection);
    play(job.pcm, 0);
}

void SpeechEngine::Private::play(const std::shared_ptr<PcmBuffer> &pcm, qsizetype from)
{
    output->stop();
    end();
    const int rate = synthesiser->sampleRate();
    if (!output->start(pcm, rate, from)) {
        fallBackToSilence(output->errorString());
        output->start(pcm, rate, from);
    }
    speaking = true;
    paused = false;
    emit q->started();
    if (!output->isAudible())
        reportAudio(output->errorString());
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
    QObject::connect(output.get(), &AudioOutput::failed, q,
                     [this](const QString &reason) { moveToNextOutput(reason); });
    QObject::connect(output.get(), &AudioOutput::silenced, q, [this](const QString &reason) { reportAudio(reason); });
}

void SpeechEngine::Private::moveToNextOutput(const QString &reason)
{
    // The output has given up: speech goes on where it was, through whatever output is
    // there now, or silently.
    const bool wasSpeaking = speaking;
    const bool wasPaused = paused;
    const qsizetype from = output->position();
    setOutput(AudioOutput::create());
    if (!wasSpeaking || !lastPcm)
        return;
    const int rate = synthesiser->sampleRate();
    if (!output->start(lastPcm, rate, from)) {
        fallBackToSilence(reason);
        output->start(lastPcm, rate, from);
    }
    if (wasPaused)
        output->suspend();
    if (!output->isAudible())
        reportAudio(output->errorString());
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

bool SpeechEngine::Private::checkSpeechRuntime()
{
    if (synthesiser->sampleRate() > 0)
        return true;
    report(QStringLiteral("speech data"), synthesiser->errorString());
    return false;
}

void SpeechEngine::Private::reportCatalogue()
{
    if (!catalogueRead) {
        report(QStringLiteral("catalogue"),
               QStringLiteral("Die Stimmenliste voices.txt fehlt im Programmordner (%1). Es spricht die deutsche "
                              "Standardstimme.")
                   .arg(QDir::toNativeSeparators(programDirectory)));
        return;
    }
    const QList<int> rejected = catalogue.rejectedLines();
    if (rejected.isEmpty())
        return;
    QStringList numbers;
    for (const int line : rejected)
        numbers.append(QString::number(line));
    report(QStringLiteral("catalogue"),
           QStringLiteral("Die Stimmenliste voices.txt enthält ungültige Einträge (%1 %2); sie werden nicht "
                          "verwendet.")
               .arg(rejected.size() == 1 ? QStringLiteral("Zeile") : QStringLiteral("Zeilen"),
                    numbers.join(QStringLiteral(", "))));
}

void SpeechEngine::Private::reportVoice(const QString &espeakName)
{
    QString alias;
    for (const QString &candidate : catalogue.aliases()) {
        if (catalogue.find(candidate)->espeakName() == espeakName) {
            alias = candidate;
            break;
        }
    }
    const QString message =
        alias.isEmpty()
            ? QStringLiteral("Die Stimme „%1“ lässt sich in espeak-ng nicht laden; es spricht eine andere Stimme.")
                  .arg(espeakName)
            : QStringLiteral("Die Stimme „%1“ aus voices.txt lässt sich in espeak-ng nicht laden (%2); es spricht "
                             "eine andere Stimme.")
                  .arg(alias, espeakName);
    report(QStringLiteral("voice ") + espeakName, message);
}

void SpeechEngine::Private::reportAudio(const QString &reason)
{
    report(QStringLiteral("audio"),
           QStringLiteral("Die Sprachausgabe ist nicht zu hören: %1. Sie läuft stumm weiter, bis ein Audiogerät "
                          "bereitsteht.")
               .arg(reason));
}

void SpeechEngine::Private::report(const QString &cause, const QString &message)
{
    if (reported.contains(cause))
        return;
    reported.insert(cause);
    QMetaObject::invokeMethod(
        q, [engine = q, message] { emit engine->failed(message); }, Qt::QueuedConnection);
}
