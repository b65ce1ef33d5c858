#pragma once

#include <QObject>
#include <QString>

#include <memory>

class AudioOutput;

// Speaks hand-off files. Synthesis runs on the engine's own worker thread (espeak-ng keeps
// global state, so every call into it happens there); playback goes to an AudioOutput.
// Every call returns at once; speech goes on while the user works.
class SpeechEngine : public QObject
{
    Q_OBJECT
public:
    explicit SpeechEngine(QObject *parent = nullptr);
    ~SpeechEngine() override;

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
