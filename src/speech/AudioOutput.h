#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class PcmBuffer;

// Where speech goes: plays mono signed 16-bit samples at a given rate, following a PcmBuffer
// while synthesis still fills it. The factory below is the program's one replaceable seam:
// tests install a recording output, the program gets the default device or, without one,
// a silent output so that everything else goes on working.
class AudioOutput : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<AudioOutput>()>;

    explicit AudioOutput(QObject *parent = nullptr);
    ~AudioOutput() override;

    // An output from the installed factory, or the default one.
    static std::unique_ptr<AudioOutput> create();
    // Installs a factory (an empty one restores the default) and returns the previous one.
    static Factory setFactory(Factory factory);
    // The default device as a QAudioSink, or a silent output when there is no device.
    static std::unique_ptr<AudioOutput> createDefault();

    // Plays the buffer from its beginning, replacing what was playing. False when the
    // device refuses; errorString() says why.
    virtual bool start(std::shared_ptr<const PcmBuffer> buffer, int sampleRate) = 0;
    virtual void stop() = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    // Started and not yet played to the end nor stopped (also while suspended).
    virtual bool isActive() const = 0;
    virtual bool isSuspended() const = 0;
    // False when nothing reaches a listener.
    virtual bool isAudible() const;
    virtual QString errorString() const = 0;

signals:
    // The whole buffer has been played.
    void finished();
    // The device gave up while playing.
    void failed(const QString &reason);
};
