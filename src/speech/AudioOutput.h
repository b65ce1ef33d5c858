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
    // One stream on the desktop's sound server that follows its default device, and plays
    // silently while there is no server.
    static std::unique_ptr<AudioOutput> createDefault();

    // Plays the buffer from position from on, replacing what was playing. False when the
    // device refuses; errorString() says why.
    virtual bool start(std::shared_ptr<PcmBuffer> buffer, int sampleRate, qsizetype from) = 0;
    // Ends playback with a fade of a few milliseconds, so that no click is heard.
    virtual void stop() = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    // Started and not yet played to the end nor stopped (also while suspended).
    virtual bool isActive() const = 0;
    virtual bool isSuspended() const = 0;
    // Position in the buffer up to which samples have been played (about, for a device).
    virtual qsizetype position() const = 0;
    // False when nothing reaches a listener.
    virtual bool isAudible() const;
    virtual QString errorString() const = 0;

signals:
    // The whole buffer has been played.
    void finished();
    // The device gave up while playing; playback has ended. Emitted once the device's own
    // signal has returned, so a handler may replace this output.
    void failed(const QString &reason);
    // Nothing reaches a listener any more, but playback goes on silently at the same pace.
    void silenced(const QString &reason);
};
