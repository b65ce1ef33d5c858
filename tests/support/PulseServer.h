#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A private PulseAudio server with null sinks, for tests of real playback on machines without
// a sound card. While it exists, every libpulse client of this process (and the pactl and
// parec it starts) talks to it and to nothing else. Works as root and as a normal user.
class PulseServer
{
public:
    // The first sink is the default one. Sinks run at 22050 Hz mono, as espeak-ng speaks.
    explicit PulseServer(QStringList sinks = {QStringLiteral("tolkarin")});
    ~PulseServer();

    // False when no server could start here; error() says why (for QSKIP).
    bool isRunning() const;
    QString error() const;

    // Ends the server at once, as a crash would; start() brings it back on the same socket.
    void kill();
    bool start();

    // pactl's standard output, or an empty string when it fails.
    QString pactl(const QStringList &arguments) const;
    // Indexes of the playback streams the server has, from "pactl list short sink-inputs".
    QStringList sinkInputs() const;
    bool setDefaultSink(const QString &sink) const;

    // Records a sink's monitor from now on.
    class Recording
    {
    public:
        Recording(const PulseServer &server, const QString &sink);
        ~Recording();
        bool isRunning() const;
        // Everything recorded so far.
        std::vector<qint16> samples();

    private:
        QProcess m_parec;
        QByteArray m_data;
    };
    std::unique_ptr<Recording> record(const QString &sink) const;

    static constexpr int kSampleRate = 22050;

private:
    QProcessEnvironment environment() const;
    void warmUp();

    QTemporaryDir m_dir;
    QStringList m_sinks;
    QString m_socket;
    QProcess m_server;
    // Recorders that keep the sinks at a short latency.
    std::vector<std::unique_ptr<QProcess>> m_keepers;
    QString m_error;
    QByteArray m_previousServer;
    bool m_hadPreviousServer = false;
};
