#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class AudioOutput;
class VoiceCatalogue;

// Speaks hand-off files. Synthesis runs on the engine's own worker thread (espeak-ng keeps
// global state, so every call into it happens there, under EspeakLibrary's lock should a
// second engine exist); playback goes to an AudioOutput, which starts before synthesis of a
// long text ends. Every call returns at once; speech goes on while the user works.
class SpeechEngine : public QObject
{
    Q_OBJECT
public:
    // Voices come from voices.txt in the directory of the executable.
    explicit SpeechEngine(QObject *parent = nullptr);
    // Voices come from voices.txt in programDirectory.
    explicit SpeechEngine(const QString &programDirectory, QObject *parent = nullptr);
    ~SpeechEngine() override;

    // Reads voices.txt from there again; the current voice becomes the first one.
    void setProgramDirectory(const QString &programDirectory);
    QString programDirectory() const;

    // The voices that "#voice=name:<alias>#" can name. The current one speaks every text
    // whose language is not given or has no voice, until a voice tag names another.
    VoiceCatalogue &voices();
    const VoiceCatalogue &voices() const;

    // Reads the file (voice tags and text, one quoted line or plain lines) and speaks it,
    // replacing whatever is being spoken. language is the ISO code of the text ("de", "en",
    // "el", "it", "es"; empty when unknown): without a voice tag the text is spoken by the
    // catalogue's first voice of that language. A file with nothing to say leaves the current
    // speech alone. False when the file cannot be read.
    [[nodiscard]] bool speakFile(const QString &path, const QString &language = {});
    // The same for text already in memory (lines separated by line breaks).
    void speakText(const QString &markup, const QString &language = {});

    void stop();
    void pause();
    void resume();
    // Speaks the last text that was spoken again, from its beginning.
    void again();

    // espeak-ng is ready: texts can be synthesised (heard or not).
    bool canSpeak() const;
    bool isSpeaking() const;
    bool isPaused() const;
    // Empty while the synthesiser works; otherwise why nothing can be heard.
    QString lastError() const;
    // The espeak-ng voices ("de+m3") the last text was synthesised with so far, in order.
    QStringList voicesOfLastText() const;

signals:
    void started();
    void finished();
    // Something keeps speech from being heard as asked: no speech data, a voice espeak-ng
    // cannot load, unusable lines in voices.txt, no audio output. The message, in German,
    // names what is missing; each cause is reported once in the engine's life, after the
    // call that met it has returned. The engine goes on as far as it can.
    void failed(const QString &message);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
