#include "speech/AudioOutput.h"
#include "speech/PacedAudioOutput.h"
#include "speech/PcmBuffer.h"
#include "speech/PlaybackCursor.h"
#include "speech/SpeechEngine.h"

#include "PulseServer.h"
#include "SignalAnalysis.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <cmath>
#include <numbers>
#include <thread>

namespace {
constexpr int kRate = PulseServer::kSampleRate;
const QString kSentence = QStringLiteral("Guten Morgen, heute sprechen wir einen etwas längeren Satz.");
const QString kWord = QStringLiteral("Hallo");

QString programDirectory()
{
    return qEnvironmentVariable("TOLKARIN_DATA_DIR", QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

// A tone of the given length, loud enough to be told from silence in a recording.
std::vector<qint16> tone(int milliseconds)
{
    std::vector<qint16> samples(size_t(kRate * milliseconds / 1000));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qint16(8000 * std::sin(2 * std::numbers::pi * 330 * double(i) / kRate));
    return samples;
}

// Seconds of 10 ms frames louder than a whisper between from and to (seconds into the recording).
double audibleSeconds(const std::vector<qint16> &samples, double from = 0.0, double to = 1e9)
{
    constexpr qsizetype frame = kRate / 100;
    const auto first = qsizetype(from * kRate);
    const auto last = std::min(qsizetype(samples.size()), qsizetype(to * kRate));
    int loud = 0;
    for (qsizetype start = std::max<qsizetype>(0, first); start + frame <= last; start += frame) {
        double sum = 0.0;
        for (qsizetype i = start; i < start + frame; ++i)
            sum += double(samples[size_t(i)]) * samples[size_t(i)];
        if (std::sqrt(sum / frame) > 300)
            ++loud;
    }
    return loud / 100.0;
}

// Notes how much a paced output takes at once.
class TakingOutput : public PacedAudioOutput
{
public:
    QString errorString() const override { return {}; }
    qsizetype taken = 0;
    qsizetype mostAtOnce = 0;

protected:
    void consume(const qint16 *, qsizetype count) override
    {
        taken += count;
        mostAtOnce = std::max(mostAtOnce, count);
    }
};

// Keeps the other core busy, as a compiler or a browser would.
class BusyCore
{
public:
    BusyCore()
        : m_thread([this] {
              while (!m_stop.load(std::memory_order_relaxed))
                  m_spins.fetch_add(1, std::memory_order_relaxed);
          })
    {}
    ~BusyCore()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<quint64> m_spins{0};
    std::thread m_thread;
};
}

class TestAudioOutput : public QObject
{
    Q_OBJECT
    // One server for all tests that play: starting one takes a few seconds.
    std::unique_ptr<PulseServer> m_server;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void aDeviceTakesAnyNumberOfBytes_data();
    void aDeviceTakesAnyNumberOfBytes();
    void pacedOutputGoesOnAtPaceAfterAStall();
    void manyShortUtterancesWithStops();
    void oneStreamForTheWholeRun();
    void pauseHoldsTheSound();
    void aPauseWhileTheStreamIsMadeHolds();
    void followsTheDefaultDevice();
    void comesBackWithTheServer();
};

void TestAudioOutput::initTestCase()
{
    m_server = std::make_unique<PulseServer>(QStringList{QStringLiteral("tolkarin"), QStringLiteral("other")});
}

void TestAudioOutput::cleanupTestCase()
{
    m_server.reset();
}

void TestAudioOutput::aDeviceTakesAnyNumberOfBytes_data()
{
    // Bytes the device takes on each write, in turn; a sound server takes whole samples, but
    // a device need not.
    QTest::addColumn<QList<int>>("takes");
    QTest::newRow("whole samples") << QList<int>{8, 2, 6};
    QTest::newRow("odd pieces") << QList<int>{3, 5, 1, 7};
    QTest::newRow("a byte at a time") << QList<int>{1};
}

void TestAudioOutput::aDeviceTakesAnyNumberOfBytes()
{
    QFETCH(QList<int>, takes);
    std::vector<qint16> samples(301);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qint16(int(i) * 97 - 12000);
    const QByteArray expected(reinterpret_cast<const char *>(samples.data()), qsizetype(samples.size() * 2));
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->append(samples);
    pcm->finish();

    // Played to the end.
    PlaybackCursor cursor;
    cursor.reset(pcm, 0);
    QByteArray taken;
    int turn = 0;
    const PlaybackCursor::Device device = [&](const char *data, qsizetype bytes) {
        const qsizetype take = std::min<qsizetype>(bytes, takes[turn++ % takes.size()]);
        taken.append(data, take);
        return take;
    };
    for (int i = 0; i < 2000 && !cursor.isAtEnd(); ++i)
        cursor.writeTo(11, device);
    QVERIFY(cursor.isAtEnd());
    QCOMPARE(taken, expected);
    QCOMPARE(cursor.position(), qsizetype(samples.size()));

    // Stopped in the middle: the fade goes on from exactly where the device stopped taking.
    cursor.reset(pcm, 0);
    taken.clear();
    turn = 0;
    while (taken.size() < 101)
        cursor.writeTo(11, device);
    const std::vector<char> fade = cursor.fadeOut(10);
    const QByteArray played = taken + QByteArray(fade.data(), qsizetype(fade.size()));
    QCOMPARE(played.size() % 2, 0);
    QCOMPARE(played.left(taken.size()), expected.left(taken.size()));
    const auto *out = reinterpret_cast<const qint16 *>(played.constData());
    const qsizetype next = (taken.size() + 1) / 2;
    // The sample split between the device's last write and the fade is whole.
    if (taken.size() % 2 == 1)
        QCOMPARE(out[next - 1], samples[size_t(next - 1)]);
    QCOMPARE(out[next], samples[size_t(next)]);
    QCOMPARE(out[played.size() / 2 - 1], qint16(0));
}

void TestAudioOutput::pacedOutputGoesOnAtPaceAfterAStall()
{
    constexpr qint64 kMillisecond = 1'000'000;
    qint64 now = 0;
    TakingOutput output;
    output.setClock([&now] { return now; });
    auto pcm = std::make_shared<PcmBuffer>();
    pcm->append(tone(2000));
    pcm->finish();
    QVERIFY(output.start(pcm, kRate, 0));
    const auto advance = [&now](qint64 milliseconds) {
        now += milliseconds * kMillisecond;
        QTest::qWait(25);
    };
    advance(100);
    QCOMPARE(output.taken, qsizetype(kRate / 10));

    // A suspended machine, or a process stopped for an hour: the clock jumps.
    advance(3600 * 1000);
    qInfo("after the jump: %lld samples at once, %lld of %lld taken", qlonglong(output.mostAtOnce),
          qlonglong(output.taken), qlonglong(pcm->size()));
    QVERIFY(output.mostAtOnce <= kRate / 4);
    QVERIFY(output.isActive());
    // From there on it plays at pace, to the end.
    const qsizetype afterJump = output.taken;
    for (int i = 0; i < 5; ++i)
        advance(100);
    QCOMPARE(output.taken, afterJump + kRate / 2);
    for (int i = 0; i < 20 && output.isActive(); ++i)
        advance(100);
    QVERIFY(!output.isActive());
    QCOMPARE(output.taken, pcm->size());
}

void TestAudioOutput::manyShortUtterancesWithStops()
{
    if (!m_server->isRunning())
        QSKIP(qPrintable(QStringLiteral("needs a PulseAudio server: ") + m_server->error()));
    PulseServer &server = *m_server;
    const auto recording = server.record(QStringLiteral("tolkarin"));
    const int utterances = qEnvironmentVariableIntValue("TOLKARIN_STRESS_UTTERANCES") > 0
                               ? qEnvironmentVariableIntValue("TOLKARIN_STRESS_UTTERANCES")
                               : 500;
    const BusyCore busy;
    auto output = AudioOutput::createDefault();
    QSignalSpy failed(output.get(), &AudioOutput::failed);
    QSignalSpy silenced(output.get(), &AudioOutput::silenced);
    int finished = 0;
    connect(output.get(), &AudioOutput::finished, this, [&finished] { ++finished; });

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    QElapsedTimer clock;
    clock.start();
    int late = 0;
    double played = 0.0;
    for (int i = 0; i < utterances; ++i) {
        const int length = 40 + int(random.bounded(81));
        const std::vector<qint16> samples = tone(length);
        auto pcm = std::make_shared<PcmBuffer>();
        // Half of them grow while they play, as synthesis fills them.
        const bool growing = random.bounded(2) == 0;
        const auto split = growing ? qsizetype(samples.size() / 3) : qsizetype(samples.size());
        pcm->append(samples.data(), split);
        if (growing) {
            QTimer::singleShot(int(random.bounded(20)), output.get(), [pcm, samples, split] {
                pcm->append(samples.data() + split, qsizetype(samples.size()) - split);
                pcm->finish();
            });
        } else {
            pcm->finish();
        }
        QVERIFY(output->start(pcm, kRate, 0));
        if (i % 2 == 1) {
            const int after = int(random.bounded(151));
            const int before = finished;
            // A short tone may have ended before.
            (void)QTest::qWaitFor([&] { return finished > before; }, after);
            output->stop();
            QVERIFY(!output->isActive());
            played += std::min(length, after) / 1000.0;
        } else {
            const int before = finished;
            if (!QTest::qWaitFor([&] { return finished > before; }, length + 1000))
                ++late;
            played += length / 1000.0;
        }
    }
    QTest::qWait(200);
    const double heard = audibleSeconds(recording->samples());
    qInfo("%d utterances (seed %u) in %.1f s: %.1f s played, %.1f s heard, %d never finished", utterances, seed,
          clock.elapsed() / 1000.0, played, heard, late);
    QCOMPARE(late, 0);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(silenced.count(), 0);
    QVERIFY(recording->isRunning());
    // What was played reached the sink (a stop ends a tone within a few milliseconds).
    QVERIFY(heard > 0.7 * played);
    QVERIFY(heard < 1.3 * played + 0.5);
}

void TestAudioOutput::oneStreamForTheWholeRun()
{
    if (!m_server->isRunning())
        QSKIP(qPrintable(QStringLiteral("needs a PulseAudio server: ") + m_server->error()));
    PulseServer &server = *m_server;
    auto output = AudioOutput::createDefault();
    int finished = 0;
    connect(output.get(), &AudioOutput::finished, this, [&finished] { ++finished; });
    QStringList seen;
    qsizetype most = 0;
    const auto look = [&] {
        const QStringList now = server.sinkInputs();
        most = std::max(most, now.size());
        for (const QString &index : now)
            if (!seen.contains(index))
                seen << index;
    };
    for (int i = 0; i < 50; ++i) {
        auto pcm = std::make_shared<PcmBuffer>();
        pcm->append(tone(60));
        pcm->finish();
        const int before = finished;
        QVERIFY(output->start(pcm, kRate, 0));
        look();
        QVERIFY(QTest::qWaitFor([&] { return finished > before; }, 2000));
        look();
    }
    qInfo("50 utterances: at most %lld streams at once, %lld different ones", qlonglong(most), qlonglong(seen.size()));
    QCOMPARE(most, qsizetype(1));
    QCOMPARE(seen.size(), qsizetype(1));
    // Idle, the stream is corked, so that the server may let its device sleep.
    QVERIFY(
        server.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}).contains(QStringLiteral("Corked: yes")));
}

void TestAudioOutput::pauseHoldsTheSound()
{
    if (!m_server->isRunning())
        QSKIP(qPrintable(QStringLiteral("needs a PulseAudio server: ") + m_server->error()));
    PulseServer &server = *m_server;
    const auto previous = AudioOutput::setFactory({});
    SpeechEngine engine(programDirectory());
    AudioOutput::setFactory(previous);
    const auto hear = [&](bool pausing) {
        const auto recording = server.record(QStringLiteral("tolkarin"));
        QTest::qWait(100);
        engine.speakText(kSentence);
        if (pausing) {
            QTest::qWait(600);
            engine.pause();
            QTest::qWait(700);
            engine.resume();
        }
        if (!QTest::qWaitFor([&engine] { return !engine.isSpeaking(); }, 10000))
            return std::vector<qint16>{};
        QTest::qWait(100);
        return recording->samples();
    };
    const std::vector<qint16> paused = hear(true);
    const std::vector<qint16> straight = hear(false);
    // The longest silence between two sounds, in 10 ms frames.
    constexpr qsizetype frame = kRate / 100;
    int longest = 0;
    int run = -1;
    for (qsizetype start = 0; start + frame <= qsizetype(paused.size()); start += frame) {
        if (audibleSeconds({paused.begin() + start, paused.begin() + start + frame}) > 0) {
            longest = std::max(longest, run);
            run = 0;
        } else if (run >= 0) {
            ++run;
        }
    }
    qInfo("with a 0.7 s pause: %.2f s of speech, longest silence %.2f s; without: %.2f s", audibleSeconds(paused),
          longest / 100.0, audibleSeconds(straight));
    QVERIFY(!straight.empty());
    // Nothing is lost or doubled, and the pause is heard as one.
    QVERIFY(std::abs(audibleSeconds(paused) - audibleSeconds(straight)) < 0.15);
    QVERIFY(longest / 100.0 > 0.6);
    QVERIFY(longest / 100.0 < 0.9);
}

void TestAudioOutput::aPauseWhileTheStreamIsMadeHolds()
{
    if (!m_server->isRunning())
        QSKIP(qPrintable(QStringLiteral("needs a PulseAudio server: ") + m_server->error()));
    const auto recording = m_server->record(QStringLiteral("tolkarin"));
    QTest::qWait(100);
    auto output = AudioOutput::createDefault();
    int finished = 0;
    connect(output.get(), &AudioOutput::finished, this, [&finished] { ++finished; });
    const auto utterance = [](int milliseconds) {
        auto pcm = std::make_shared<PcmBuffer>();
        pcm->append(tone(milliseconds));
        pcm->finish();
        return pcm;
    };
    // Paused before the output has even reached the server, and again when a voice of another
    // rate needs a new stream.
    for (const int rate : {kRate, kRate / 2}) {
        const qsizetype before = qsizetype(recording->samples().size());
        QVERIFY(output->start(utterance(300), rate, 0));
        output->suspend();
        QTest::qWait(800);
        QCOMPARE(finished, 0);
        const std::vector<qint16> during = recording->samples();
        QVERIFY(audibleSeconds({during.begin() + std::min(before, qsizetype(during.size())), during.end()}) < 0.05);
        output->resume();
        QVERIFY(QTest::qWaitFor([&] { return finished > 0; }, 3000));
        finished = 0;
    }
    QTest::qWait(100);
    QVERIFY(audibleSeconds(recording->samples()) > 0.4);
}

void TestAudioOutput::followsTheDefaultDevice()
{
    if (!m_server->isRunning())
        QSKIP(qPrintable(QStringLiteral("needs a PulseAudio server: ") + m_server->error()));
    PulseServer &server = *m_server;
    const auto onFirst = server.record(QStringLiteral("tolkarin"));
    const auto onSecond = server.record(QStringLiteral("other"));
    const auto previous = AudioOutput::setFactory({});
    SpeechEngine engine(programDirectory());
    AudioOutput::setFactory(previous);
    QTest::qWait(100);

    QElapsedTimer clock;
    clock.start();
    engine.speakText(kSentence);
    QTest::qWait(1200);
    QVERIFY(server.setDefaultSink(QStringLiteral("other")));

    const double switched = clock.elapsed() / 1000.0;
    const bool ended = QTest::qWaitFor([&engine] { return !engine.isSpeaking(); }, 10000);
    server.setDefaultSink(QStringLiteral("tolkarin"));
    QVERIFY(ended);
    QTest::qWait(200);
    const double total = clock.elapsed() / 1000.0;
    const std::vector<qint16> first = onFirst->samples();
    const std::vector<qint16> second = onSecond->samples();
    // The recordings began about 0.1 s before the speech.
    const double firstBefore = audibleSeconds(first, 0.0, switched);
    const double firstAfter = audibleSeconds(first, switched + 0.3);
    const double secondBefore = audibleSeconds(second, 0.0, switched);
    const double secondAfter = audibleSeconds(second, switched);
    qInfo("switched after %.2f s of %.2f s: first sink %.2f s of speech before, %.2f s after; second sink %.2f s",
          switched, total, firstBefore, firstAfter, secondAfter);
    QVERIFY(firstBefore > 0.5);
    QVERIFY(firstAfter < 0.1);
    QVERIFY(secondBefore < 0.1);
    QVERIFY(secondAfter > 1.0);
}

void TestAudioOutput::comesBackWithTheServer()
{
    if (!m_server->isRunning())
        QSKIP(qPrintable(QStringLiteral("needs a PulseAudio server: ") + m_server->error()));
    PulseServer &server = *m_server;
    const auto previous = AudioOutput::setFactory({});
    SpeechEngine engine(programDirectory());
    AudioOutput::setFactory(previous);
    QSignalSpy failed(&engine, &SpeechEngine::failed);
    const auto speak = [&engine] {
        engine.speakText(kWord);
        return QTest::qWaitFor([&engine] { return !engine.isSpeaking(); }, 10000);
    };

    {
        const auto recording = server.record(QStringLiteral("tolkarin"));
        QTest::qWait(100);
        QVERIFY(speak());
        QTest::qWait(200);
        QVERIFY(audibleSeconds(recording->samples()) > 0.2);
    }
    server.kill();
    QVERIFY(speak());
    QVERIFY(speak());
    QTRY_COMPARE(failed.count(), 1);
    qInfo("said: %s", qPrintable(failed.at(0).at(0).toString()));

    QVERIFY(server.start());
    const auto recording = server.record(QStringLiteral("tolkarin"));
    QTest::qWait(100);
    QVERIFY(speak());
    QTest::qWait(200);
    const double heard = audibleSeconds(recording->samples());
    qInfo("after the server came back: %.2f s heard", heard);
    QVERIFY(heard > 0.2);
    QCOMPARE(failed.count(), 1);
}

QTEST_GUILESS_MAIN(TestAudioOutput)
#include "tst_audiooutput.moc"
