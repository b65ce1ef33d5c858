#include "PulseServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

#include <sys/prctl.h>

namespace {
constexpr int kStartMilliseconds = 5000;
constexpr int kWarmUpMilliseconds = 3000;

// A test that crashes takes its server and recorders with it.
void endWithTheTest(QProcess &process)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}
}

PulseServer::PulseServer(QStringList sinks) : m_sinks(std::move(sinks))
{
    m_hadPreviousServer = qEnvironmentVariableIsSet("PULSE_SERVER");
    m_previousServer = qgetenv("PULSE_SERVER");
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder for the sound server");
        return;
    }
    // Kept short: a unix socket path holds at most 108 bytes.
    m_socket = m_dir.filePath(QStringLiteral("native"));
    QDir(m_dir.path()).mkpath(QStringLiteral("home"));
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_socket));
    start();
}

PulseServer::~PulseServer()
{
    kill();
    if (m_hadPreviousServer)
        qputenv("PULSE_SERVER", m_previousServer);
    else
        qunsetenv("PULSE_SERVER");
}

QProcessEnvironment PulseServer::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Nothing of the user's own sound setup: a home, runtime and state folder of its own.
    env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.path());
    env.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.path());
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + m_socket);
    // pactl's listings in English, as they are read.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("DISPLAY"));
    return env;
}

bool PulseServer::start()
{
    if (isRunning())
        return true;
    if (!m_dir.isValid())
        return false;
    QStringList arguments{QStringLiteral("-n"),
                          QStringLiteral("--daemonize=no"),
                          QStringLiteral("--exit-idle-time=-1"),
                          QStringLiteral("--disallow-exit"),
                          QStringLiteral("--use-pid-file=no"),
                          QStringLiteral("--realtime=no"),
                          QStringLiteral("--high-priority=no"),
                          QStringLiteral("--log-target=stderr"),
                          QStringLiteral("--log-level=error")};
    for (const QString &sink : m_sinks)
        arguments
            << QStringLiteral("--load=module-null-sink sink_name=%1 rate=%2 channels=1").arg(sink).arg(kSampleRate);
    // A source of its own as the default one: otherwise the default source is the monitor of
    // the default sink, and recordings of a monitor follow the default sink when it changes.
    arguments << QStringLiteral("--load=module-null-source source_name=nomicrophone");
    // Anonymous: a root server and its clients need no cookie in a home folder.
    arguments << QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1").arg(m_socket);
    m_server.setProcessEnvironment(environment());
    endWithTheTest(m_server);
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start(QStringLiteral("pulseaudio"), arguments);
    if (!m_server.waitForStarted()) {
        m_error = QStringLiteral("pulseaudio cannot be started here (%1)").arg(m_server.errorString());
        return false;
    }
    const QDeadlineTimer deadline(kStartMilliseconds);
    while (!deadline.hasExpired()) {
        if (m_server.state() != QProcess::Running) {
            m_error = QStringLiteral("pulseaudio ended at once: %1")
                          .arg(QString::fromLocal8Bit(m_server.readAllStandardError()).trimmed());
            return false;
        }
        if (!pactl({QStringLiteral("info")}).isEmpty()) {
            if (!m_sinks.isEmpty())
                setDefaultSink(m_sinks.first());
            pactl({QStringLiteral("set-default-source"), QStringLiteral("nomicrophone")});
            m_error.clear();
            warmUp();
            return true;
        }
        QThread::msleep(20);
    }
    m_error = QStringLiteral("pulseaudio did not answer within %1 ms").arg(kStartMilliseconds);
    kill();
    return false;
}

void PulseServer::warmUp()
{
    // A null sink that has had no client renders two seconds ahead and only looks at a
    // client's latency once that time has passed: a first stream would stall that long. A
    // client asking for a short latency, and the wait until the sink has taken it, avoid that.
    for (const QString &sink : m_sinks) {
        auto keeper = std::make_unique<QProcess>();
        keeper->setProcessEnvironment(environment());
        endWithTheTest(*keeper);
        keeper->setStandardOutputFile(QProcess::nullDevice());
        keeper->start(QStringLiteral("parec"), {QStringLiteral("-d"), sink + QStringLiteral(".monitor"),
                                                QStringLiteral("--raw"), QStringLiteral("--latency-msec=10")});
        m_keepers.push_back(std::move(keeper));
    }
    const QRegularExpression latency(QStringLiteral("^\\s+Latency: (\\d+) usec"), QRegularExpression::MultilineOption);
    const QDeadlineTimer deadline(kWarmUpMilliseconds);
    while (!deadline.hasExpired()) {
        const QString sinks = pactl({QStringLiteral("list"), QStringLiteral("sinks")});
        bool warm = !sinks.trimmed().isEmpty();
        for (auto it = latency.globalMatch(sinks); it.hasNext();) {
            if (it.next().captured(1).toLongLong() >= 100'000)
                warm = false;
        }
        if (warm)
            return;
        QThread::msleep(50);
    }
}

void PulseServer::kill()
{
    for (const auto &keeper : m_keepers) {
        keeper->kill();
        keeper->waitForFinished(3000);
    }
    m_keepers.clear();
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.kill();
    m_server.waitForFinished(3000);
}

bool PulseServer::isRunning() const
{
    return m_server.state() == QProcess::Running && m_error.isEmpty();
}

QString PulseServer::error() const
{
    return m_error;
}

QString PulseServer::pactl(const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    // Some commands print nothing on success.
    return out.isEmpty() ? QStringLiteral("\n") : out;
}

QStringList PulseServer::sinkInputs() const
{
    QStringList indexes;
    const QStringList lines = pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        indexes << line.section(QLatin1Char('\t'), 0, 0);
    return indexes;
}

bool PulseServer::setDefaultSink(const QString &sink) const
{
    return !pactl({QStringLiteral("set-default-sink"), sink}).isEmpty();
}

std::unique_ptr<PulseServer::Recording> PulseServer::record(const QString &sink) const
{
    return std::make_unique<Recording>(*this, sink);
}

PulseServer::Recording::Recording(const PulseServer &server, const QString &sink)
{
    m_parec.setProcessEnvironment(server.environment());
    endWithTheTest(m_parec);
    // A short latency, or the recording lags by hundreds of milliseconds.
    m_parec.start(QStringLiteral("parec"),
                  {QStringLiteral("-d"), sink + QStringLiteral(".monitor"), QStringLiteral("--format=s16le"),
                   QStringLiteral("--rate=%1").arg(kSampleRate), QStringLiteral("--channels=1"),
                   QStringLiteral("--raw"), QStringLiteral("--latency-msec=10")});
    m_parec.waitForStarted();
}

PulseServer::Recording::~Recording()
{
    m_parec.kill();
    m_parec.waitForFinished(3000);
}

bool PulseServer::Recording::isRunning() const
{
    return m_parec.state() == QProcess::Running;
}

std::vector<qint16> PulseServer::Recording::samples()
{
    m_data += m_parec.readAllStandardOutput();
    std::vector<qint16> samples(size_t(m_data.size() / 2));
    memcpy(samples.data(), m_data.constData(), samples.size() * sizeof(qint16));
    return samples;
}
