#include "speech/PacedAudioOutput.h"
#include "speech/PcmBuffer.h"
#include "speech/PlaybackCursor.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {
constexpr int kRate = 22050;

// A tone of the given length, loud enough to be told from silence in a recording.
std::vector<qint16> tone(int milliseconds)
{
    std::vector<qint16> samples(size_t(kRate * milliseconds / 1000));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qint16(8000 * std::sin(2 * std::numbers::pi * 330 * double(i) / kRate));
    return samples;
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
}

class TestAudioOutput : public QObject
{
    Q_OBJECT

private slots:
    void aDeviceTakesAnyNumberOfBytes_data();
    void aDeviceTakesAnyNumberOfBytes();
    void pacedOutputGoesOnAtPaceAfterAStall();
};

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

QTEST_GUILESS_MAIN(TestAudioOutput)
#include "tst_audiooutput.moc"
