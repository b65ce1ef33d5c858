#pragma once

#include <QObject>
#include <QString>

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
    // until a voice tag names another.
    VoiceCatalogue &voices();
    const VoiceCatalogue &voices() const;

    // Reads the file (voice tags and text, one quoted line or plain lines) and speaks it,
    // replacing whatever is being spoken. False when the file cannot be read.
    bool speakFile(const QString &path);
    // The same for text already in memory (lines separated by line breaks).
    void speakText(const QString &markup);

    void stop();
    void pause();
    void resume();
    // Speaks the last text again from its beginning.
    void again();

    bool isSpeaking() const;
    bool isPaused() const;
    // Empty while the synthesiser works; otherwise why nothing can be heard.
    QString lastError() const;

signals:
    void started();
    void finished();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
