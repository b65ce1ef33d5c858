#include "speech/VoiceMarkup.h"
#include "speech/VoicePattern.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Slot = VoiceMarkup::Slot;
Q_DECLARE_METATYPE(VoiceMarkup::Slot)

class TestVoiceMarkup : public QObject
{
    Q_OBJECT
private slots:
    void tags_data();
    void tags();
    void fixedStrings();
    void patternFile_data();
    void patternFile();
    void missingPatternFile();
};

void TestVoiceMarkup::tags_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("label");
    QTest::newRow("volume min") << Slot::Volume << 0 << "#VOL=0%dB#"
                                << "0%";
    QTest::newRow("volume max") << Slot::Volume << 500 << "#VOL=500%dB#"
                                << "500%";
    QTest::newRow("echo min") << Slot::Echo << 0 << "#AFX =DL122=1:$123=0.0,$124=0.4,$125=0.0;#"
                              << "0";
    QTest::newRow("echo start") << Slot::Echo << 50 << "#AFX =DL122=1:$123=50.0,$124=0.4,$125=0.0;#"
                                << "50";
    QTest::newRow("echo max") << Slot::Echo << 500 << "#AFX =DL122=1:$123=500.0,$124=0.4,$125=0.0;#"
                              << "500";
    QTest::newRow("base pitch min") << Slot::BasePitch << 15 << "#bpit=15Hz#"
                                    << "15Hz";
    QTest::newRow("base pitch max") << Slot::BasePitch << 400 << "#bpit=400Hz#"
                                    << "400Hz";
    QTest::newRow("speed min") << Slot::Speed << 20 << "#spd=20%#"
                               << "20%";
    QTest::newRow("speed max") << Slot::Speed << 250 << "#spd=250%#"
                               << "250%";
    QTest::newRow("intonation min") << Slot::Intonation << 10 << "#pit=10Hz#"
                                    << "10Hz";
    QTest::newRow("intonation max") << Slot::Intonation << 300 << "#pit=300Hz#"
                                    << "300Hz";
    QTest::newRow("roughness min") << Slot::Roughness << 0 << "#BINT=0%#"
                                   << "0%";
    QTest::newRow("roughness max") << Slot::Roughness << 250 << "#BINT=250%#"
                                   << "250%";
}

void TestVoiceMarkup::tags()
{
    QFETCH(Slot, slot);
    QFETCH(int, value);
    QFETCH(QString, tag);
    QFETCH(QString, label);
    const VoiceMarkup::Parameter &p = VoiceMarkup::parameter(slot);
    QCOMPARE(p.slot, slot);
    QVERIFY(value >= p.minimum && value <= p.maximum);
    QVERIFY(p.initial >= p.minimum && p.initial <= p.maximum);
    QCOMPARE(VoiceMarkup::tag(slot, value), tag);
    QCOMPARE(VoiceMarkup::valueLabel(slot, value), label);
}

void TestVoiceMarkup::fixedStrings()
{
    QCOMPARE(VoiceMarkup::billPreset(), QStringLiteral("#voice=name:lgx.de.bill#"));
    QCOMPARE(VoiceMarkup::silkePreset(), QStringLiteral("#voice=name:lgx.de.silke#"));
    QCOMPARE(VoiceMarkup::johannaPreset(), QStringLiteral("#voice=name:lgx.de.johanna#"));
    QCOMPARE(VoiceMarkup::martinPreset(), QStringLiteral("#voice=name:lgx.de.martin#"));
    QCOMPARE(VoiceMarkup::tryOut(QStringLiteral("lgx.en.bill")), QStringLiteral("#voice=name:lgx.en.bill#Test 1 2 3!"));
    QCOMPARE(VoiceMarkup::kHelpPattern,
             QStringLiteral("#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#"));
}

void TestVoiceMarkup::patternFile_data()
{
    QTest::addColumn<QStringList>("lines");
    VoicePattern nothingMoved;
    nothingMoved.voice = VoiceMarkup::billPreset();
    QTest::newRow("only the voice") << nothingMoved.lines();
    QTest::newRow("no voice either") << VoicePattern().lines();
    VoicePattern some;
    some.voice = VoiceMarkup::voiceTag(QStringLiteral("lgx.de.silke"));
    some.echo = VoiceMarkup::tag(Slot::Echo, 0);
    some.roughness = VoiceMarkup::tag(Slot::Roughness, 250);
    QTest::newRow("gaps between") << some.lines();
    QTest::newRow("test pattern") << some.testLines(QStringLiteral("Test"));
}

void TestVoiceMarkup::patternFile()
{
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const QString path = dir.filePath(VoicePattern::fileName());
    QVERIFY(VoicePattern::write(path, lines));
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    // One line per slot, empty slots as empty lines.
    QCOMPARE(raw.readAll().count("\r\n"), lines.size());
    QCOMPARE(*VoicePattern::read(path), lines);
}

void TestVoiceMarkup::missingPatternFile()
{
    QTemporaryDir dir;
    QVERIFY(!VoicePattern::read(dir.filePath(VoicePattern::fileName())).has_value());
}

QTEST_GUILESS_MAIN(TestVoiceMarkup)
#include "tst_voicemarkup.moc"
