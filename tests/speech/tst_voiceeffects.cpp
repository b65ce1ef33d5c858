#include "speech/TimeStretcher.h"
#include "speech/VoiceEffects.h"
#include "speech/VoiceSettings.h"
#include "speech/VoiceTagParser.h"

#include "SignalAnalysis.h"

#include <espeak-ng/speak_lib.h>

#include <QTest>

#include <cmath>
#include <numbers>

namespace {
constexpr int kRate = 22050;

// A voice-like test signal: a fundamental with falling harmonics.
std::vector<qint16> voiced(double hz, double seconds, double amplitude)
{
    std::vector<qint16> samples(size_t(seconds * kRate));
    for (size_t i = 0; i < samples.size(); ++i) {
        double value = 0.0;
        for (int harmonic = 1; harmonic <= 5; ++harmonic)
            value += std::sin(2.0 * std::numbers::pi * hz * harmonic * double(i) / kRate) / harmonic;
        samples[i] = qint16(std::lround(amplitude * value / 1.6));
    }
    return samples;
}

std::vector<qint16> run(VoiceEffects &effects, const std::vector<qint16> &input)
{
    std::vector<qint16> out;
    effects.process(input.data(), qsizetype(input.size()), out);
    effects.flush(out);
    return out;
}

VoiceSettings settingsFrom(const QString &tags)
{
    VoiceSettings settings;
    for (const VoiceSegment &segment : VoiceTagParser::parseLine(tags))
        settings.apply(segment);
    return settings;
}
}

class TestVoiceEffects : public QObject
{
    Q_OBJECT
private slots:
    void echoRepeatsAtTheDelay_data();
    void echoRepeatsAtTheDelay();
    void withoutEffectsTheSignalPassesUnchanged();
    void nothingInNothingOut();
    void gainAboveFullVolume();
    void loudSignalsAreLimitedNotWrapped();
    void roughnessMakesTheVoiceLessPeriodic_data();
    void roughnessMakesTheVoiceLessPeriodic();
    void stretchKeepsPitch_data();
    void stretchKeepsPitch();
    void settingsStayInEspeakRanges_data();
    void settingsStayInEspeakRanges();
};

void TestVoiceEffects::echoRepeatsAtTheDelay_data()
{
    QTest::addColumn<int>("delayMs");
    QTest::newRow("shortest audible") << 10;
    QTest::newRow("help window") << 26;
    QTest::newRow("slider middle") << 250;
    QTest::newRow("longest") << 500;
}

void TestVoiceEffects::echoRepeatsAtTheDelay()
{
    QFETCH(int, delayMs);
    VoiceEffects effects(kRate);
    std::vector<qint16> out;
    effects.configure(settingsFrom(QStringLiteral("#AFX =DL122=1:$123=%1.0,$124=0.4,$125=0.0;#").arg(delayMs)), out);
    QVERIFY(out.empty());
    std::vector<qint16> impulse(10, 0);
    impulse[0] = 10000;
    out = run(effects, impulse);

    const auto delay = size_t(std::lround(delayMs / 1000.0 * kRate));
    const size_t first = VoiceEffects::kRoughnessLatency;
    QCOMPARE(out.at(first), qint16(10000));
    QCOMPARE(out.at(first + delay), qint16(4000));
    QCOMPARE(out.at(first + 2 * delay), qint16(1600));
    QCOMPARE(out.at(first + 3 * delay), qint16(640));
    QCOMPARE(out.at(first + delay / 2), qint16(0));
    // It rings out until it is inaudible, and no longer than a few repeats past that.
    QVERIFY(out.size() > first + 5 * delay);
    QVERIFY(out.size() < first + 10 * delay + 200);
}

void TestVoiceEffects::withoutEffectsTheSignalPassesUnchanged()
{
    VoiceEffects effects(kRate);
    std::vector<qint16> out;
    effects.configure(VoiceSettings{}, out);
    const auto input = voiced(120, 0.2, 8000);
    out = run(effects, input);
    QVERIFY(out.size() >= input.size() + VoiceEffects::kRoughnessLatency);
    QVERIFY(std::all_of(out.begin(), out.begin() + VoiceEffects::kRoughnessLatency, [](qint16 s) { return s == 0; }));
    QVERIFY(std::equal(input.begin(), input.end(), out.begin() + VoiceEffects::kRoughnessLatency));
    QVERIFY(std::all_of(out.begin() + qsizetype(VoiceEffects::kRoughnessLatency + input.size()), out.end(),
                        [](qint16 s) { return s == 0; }));
}

void TestVoiceEffects::nothingInNothingOut()
{
    VoiceEffects effects(kRate);
    std::vector<qint16> out;
    effects.configure(settingsFrom(QStringLiteral("#AFX =DL122=1:$123=100.0,$124=0.4,$125=0.0;#")), out);
    effects.flush(out);
    QVERIFY(out.empty());
}

void TestVoiceEffects::gainAboveFullVolume()
{
    VoiceEffects effects(kRate);
    std::vector<qint16> out;
    effects.configure(settingsFrom(QStringLiteral("#VOL=200%dB#")), out);
    const auto input = voiced(120, 0.2, 4000);
    out = run(effects, input);
    const auto begin = out.begin() + VoiceEffects::kRoughnessLatency;
    const std::vector<qint16> aligned(begin, begin + qsizetype(input.size()));
    QVERIFY(std::abs(SignalAnalysis::rms(aligned) / SignalAnalysis::rms(input) - 2.0) < 0.001);
}

void TestVoiceEffects::loudSignalsAreLimitedNotWrapped()
{
    VoiceEffects effects(kRate);
    std::vector<qint16> out;
    effects.configure(settingsFrom(QStringLiteral("#VOL=500%dB#")), out);
    const auto input = voiced(120, 0.2, 30000);
    out = run(effects, input);
    const size_t lag = VoiceEffects::kRoughnessLatency;
    int sameSign = 0;
    int loud = 0;
    for (size_t i = 0; i < input.size(); ++i) {
        if (std::abs(input[i]) < 3000)
            continue;
        ++loud;
        sameSign += (input[i] > 0) == (out[i + lag] > 0);
    }
    // Five times the gain would wrap around without the limiter.
    QVERIFY(loud > 1000);
    QVERIFY2(sameSign > loud * 95 / 100, qPrintable(QStringLiteral("%1 of %2").arg(sameSign).arg(loud)));
    QVERIFY(SignalAnalysis::rms(out) > 20000);
}

void TestVoiceEffects::roughnessMakesTheVoiceLessPeriodic_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("atMost");
    QTest::newRow("help window 43 %") << 43 << 0.99;
    QTest::newRow("100 %") << 100 << 0.92;
    QTest::newRow("250 %") << 250 << 0.75;
}

void TestVoiceEffects::roughnessMakesTheVoiceLessPeriodic()
{
    QFETCH(int, percent);
    QFETCH(double, atMost);
    const auto input = voiced(150, 1.0, 8000);
    const double clean = SignalAnalysis::periodicity(input, kRate);
    QVERIFY(clean > 0.99);

    VoiceEffects effects(kRate);
    std::vector<qint16> out;
    effects.configure(settingsFrom(QStringLiteral("#BINT=%1%#").arg(percent)), out);
    out = run(effects, input);
    const double rough = SignalAnalysis::periodicity(out, kRate);
    qInfo("roughness %d %%: periodicity %.3f (clean %.3f)", percent, rough, clean);
    QVERIFY(rough < atMost);
    // Still the same voice: loudness and pitch stay.
    QVERIFY(std::abs(SignalAnalysis::rms(out) / SignalAnalysis::rms(input) - 1.0) < 0.25);
    QVERIFY(std::abs(SignalAnalysis::estimatePitch(out, kRate) / 150.0 - 1.0) < 0.1);
}

void TestVoiceEffects::stretchKeepsPitch_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("none") << 1.0;
    QTest::newRow("one and a half") << 1.5;
    QTest::newRow("slowest speed") << VoiceSettings{.speedPercent = 20}.stretch();
}

void TestVoiceEffects::stretchKeepsPitch()
{
    QFETCH(double, factor);
    const auto input = voiced(140, 1.0, 8000);
    TimeStretcher stretcher(kRate);
    stretcher.setFactor(factor);
    std::vector<qint16> out;
    // Fed in pieces as espeak-ng delivers them.
    for (size_t at = 0; at < input.size(); at += 1323)
        stretcher.process(input.data() + at, qsizetype(std::min<size_t>(1323, input.size() - at)), out);
    stretcher.flush(out);

    QVERIFY2(std::abs(double(out.size()) / double(input.size()) / factor - 1.0) < 0.02,
             qPrintable(QStringLiteral("%1 samples from %2").arg(out.size()).arg(input.size())));
    QVERIFY(std::abs(SignalAnalysis::estimatePitch(out, kRate) / 140.0 - 1.0) < 0.03);
    QVERIFY(SignalAnalysis::periodicity(out, kRate) > 0.9);
}

void TestVoiceEffects::settingsStayInEspeakRanges_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("base pitch") << "#bpit=%1Hz#" << 15 << 400;
    QTest::newRow("intonation") << "#pit=%1Hz#" << 10 << 300;
    QTest::newRow("speed") << "#spd=%1%#" << 20 << 250;
    QTest::newRow("volume") << "#VOL=%1%dB#" << 0 << 500;
}

void TestVoiceEffects::settingsStayInEspeakRanges()
{
    QFETCH(QString, format);
    QFETCH(int, low);
    QFETCH(int, high);
    // Each slider step keeps every espeak-ng parameter in its range and never turns back;
    // what espeak-ng cannot reach is made up by stretch and gain.
    VoiceSettings previous = settingsFrom(format.arg(low));
    double previousDuration = previous.stretch() / previous.espeakRate();
    double previousLoudness = previous.espeakVolume() * previous.gain();
    for (int v = low; v <= high; ++v) {
        const VoiceSettings s = settingsFrom(format.arg(v));
        QVERIFY(s.espeakPitch() >= 0 && s.espeakPitch() <= 100);
        QVERIFY(s.espeakRange() >= 0 && s.espeakRange() <= 100);
        QVERIFY(s.espeakVolume() >= 0 && s.espeakVolume() <= 100);
        QVERIFY(s.espeakRate() >= espeakRATE_MINIMUM && s.espeakRate() <= espeakRATE_MAXIMUM);
        QVERIFY(s.stretch() >= 1.0 && s.gain() >= 1.0);
        QVERIFY(s.espeakPitch() >= previous.espeakPitch());
        QVERIFY(s.espeakRange() >= previous.espeakRange());
        const double duration = s.stretch() / s.espeakRate();
        const double loudness = s.espeakVolume() * s.gain();
        QVERIFY2(duration <= previousDuration + 1e-12, qPrintable(format.arg(v)));
        QVERIFY2(loudness >= previousLoudness - 1e-9, qPrintable(format.arg(v)));
        previous = s;
        previousDuration = duration;
        previousLoudness = loudness;
    }
    const VoiceSettings top = settingsFrom(format.arg(high));
    const VoiceSettings bottom = settingsFrom(format.arg(low));
    QVERIFY(top.espeakPitch() > bottom.espeakPitch() || top.espeakRange() > bottom.espeakRange()
            || top.espeakRate() > bottom.espeakRate()
            || top.gain() * top.espeakVolume() > bottom.gain() * bottom.espeakVolume());
}

QTEST_GUILESS_MAIN(TestVoiceEffects)
#include "tst_voiceeffects.moc"
