#include "speech/SpeechText.h"
#include "speech/VoiceTagParser.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {
// One readable line per parse, so that a failing row shows what came out.
QString describe(const QList<VoiceSegment> &segments)
{
    QStringList parts;
    for (const VoiceSegment &s : segments) {
        switch (s.kind) {
        case VoiceSegment::Kind::Text:
            parts << QStringLiteral("text:") + s.text;
            break;
        case VoiceSegment::Kind::Voice:
            parts << QStringLiteral("voice:") + s.text;
            break;
        case VoiceSegment::Kind::Volume:
            parts << QStringLiteral("volume:%1").arg(s.value);
            break;
        case VoiceSegment::Kind::Echo:
            parts << QStringLiteral("echo:%1/%2").arg(s.value).arg(s.feedback);
            break;
        case VoiceSegment::Kind::BasePitch:
            parts << QStringLiteral("basepitch:%1").arg(s.value);
            break;
        case VoiceSegment::Kind::Speed:
            parts << QStringLiteral("speed:%1").arg(s.value);
            break;
        case VoiceSegment::Kind::Intonation:
            parts << QStringLiteral("intonation:%1").arg(s.value);
            break;
        case VoiceSegment::Kind::Roughness:
            parts << QStringLiteral("roughness:%1").arg(s.value);
            break;
        }
    }
    return parts.join(QLatin1Char('|'));
}

QString withoutBlanks(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

QString echoTag(const QString &delay)
{
    return QStringLiteral("#AFX =DL122=1:$123=%1,$124=0.4,$125=0.0;#").arg(delay);
}
}

class TestVoiceTagParser : public QObject
{
    Q_OBJECT
private slots:
    void parseLine_data();
    void parseLine();
    void printableText_data();
    void printableText();
    void piecesOfText_data();
    void piecesOfText();
    void piecesKeepEveryCharacter();
};

void TestVoiceTagParser::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain text") << "Hallo Welt"
                                << "text:Hallo Welt";
    QTest::newRow("empty line") << ""
                                << "";
    QTest::newRow("voice") << "#voice=name:lgx.de.bill#Hallo"
                           << "voice:lgx.de.bill|text:Hallo";
    QTest::newRow("voice try-out") << "#voice=name:lgx.en.silke#Test 1 2 3!"
                                   << "voice:lgx.en.silke|text:Test 1 2 3!";

    QTest::newRow("volume lowest") << "#VOL=0%dB#a"
                                   << "volume:0|text:a";
    QTest::newRow("volume highest") << "#VOL=500%dB#a"
                                    << "volume:500|text:a";
    QTest::newRow("volume above range") << "#VOL=900%dB#a"
                                        << "volume:500|text:a";
    QTest::newRow("volume negative") << "#VOL=-5%dB#a"
                                     << "volume:0|text:a";
    QTest::newRow("volume lower case") << "#vol=120%dB#a"
                                       << "volume:120|text:a";

    QTest::newRow("echo lowest") << echoTag("0.0") + "a"
                                 << "echo:0/0.4|text:a";
    QTest::newRow("echo highest") << echoTag("500.0") + "a"
                                  << "echo:500/0.4|text:a";
    QTest::newRow("echo above range") << echoTag("800.0") + "a"
                                      << "echo:500/0.4|text:a";
    QTest::newRow("echo without delay") << "#AFX =DL122=1:$124=0.4;#a"
                                        << "text:a";

    QTest::newRow("base pitch lowest") << "#bpit=15Hz#a"
                                       << "basepitch:15|text:a";
    QTest::newRow("base pitch highest") << "#bpit=400Hz#a"
                                        << "basepitch:400|text:a";
    QTest::newRow("base pitch below range") << "#bpit=5Hz#a"
                                            << "basepitch:15|text:a";
    QTest::newRow("base pitch above range") << "#bpit=1000Hz#a"
                                            << "basepitch:400|text:a";

    QTest::newRow("speed lowest") << "#spd=20%#a"
                                  << "speed:20|text:a";
    QTest::newRow("speed highest") << "#spd=250%#a"
                                   << "speed:250|text:a";
    QTest::newRow("speed below range") << "#spd=10%#a"
                                       << "speed:20|text:a";
    QTest::newRow("speed above range") << "#spd=300%#a"
                                       << "speed:250|text:a";

    QTest::newRow("intonation lowest") << "#pit=10Hz#a"
                                       << "intonation:10|text:a";
    QTest::newRow("intonation highest") << "#pit=300Hz#a"
                                        << "intonation:300|text:a";
    QTest::newRow("intonation below range") << "#pit=0Hz#a"
                                            << "intonation:10|text:a";
    QTest::newRow("intonation above range") << "#pit=999Hz#a"
                                            << "intonation:300|text:a";

    QTest::newRow("roughness lowest") << "#BINT=0%#a"
                                      << "roughness:0|text:a";
    QTest::newRow("roughness highest") << "#BINT=250%#a"
                                       << "roughness:250|text:a";
    QTest::newRow("roughness above range") << "#BINT=300%#a"
                                           << "roughness:250|text:a";

    QTest::newRow("tag in the middle of text") << "Guten #spd=50%#Tag"
                                               << "text:Guten|speed:50|text:Tag";
    QTest::newRow("tag at the end") << "Guten Tag#VOL=80%dB#"
                                    << "text:Guten Tag|volume:80";
    QTest::newRow("help window pattern")
        << "#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#"
        << "voice:lgx.de.silkrvlg|echo:26/0.4|roughness:43";
    QTest::newRow("pattern then text") << "#voice=name:lgx.de.bill##VOL=100%dB##spd=100%#Hallo"
                                       << "voice:lgx.de.bill|volume:100|speed:100|text:Hallo";

    QTest::newRow("standard speaker") << "#Standard Sprecher#"
                                      << "";
    QTest::newRow("standard speaker with blanks") << "# Standard Sprecher #"
                                                  << "";
    QTest::newRow("standard speaker before text") << "#Standard Sprecher#Hallo"
                                                  << "text:Hallo";
    QTest::newRow("unknown tag") << "#foo=bar#Hallo"
                                 << "text:Hallo";
    QTest::newRow("known tag without number") << "#spd=schnell#Hallo"
                                              << "text:Hallo";

    QTest::newRow("lone hash") << "#"
                               << "text:#";
    QTest::newRow("C sharp") << "C#"
                             << "text:C#";
    QTest::newRow("two sharps") << "F# und C#"
                                << "text:F# und C#";
    QTest::newRow("hashes around a number") << "# 1 #"
                                            << "text:# 1 #";
    QTest::newRow("sharp before a tag") << "C# #spd=50%#Dur"
                                        << "text:C#|speed:50|text:Dur";
    QTest::newRow("unterminated tag") << "#spd=50%"
                                      << "text:#spd=50%";
    QTest::newRow("tag left open before text") << "#VOL=200%dB Hallo"
                                               << "text:#VOL=200%dB Hallo";
    QTest::newRow("tag left open, then a tag") << "#VOL=200%dB Hallo #spd=50%#Welt"
                                               << "text:#VOL=200%dB Hallo|speed:50|text:Welt";
    QTest::newRow("two words before the equals sign") << "#Guten Tag=x#"
                                                      << "text:#Guten Tag=x#";

    QTest::newRow("quoted line") << "\"#spd=50%#Hallo\""
                                 << "speed:50|text:Hallo";
    QTest::newRow("only one pair of quotes stripped") << "\"\"Hallo\"\""
                                                      << "text:\"Hallo\"";
    QTest::newRow("quote not enclosing") << "\"Hallo\" sagte er"
                                         << "text:\"Hallo\" sagte er";
    QTest::newRow("lone quote") << "\""
                                << "text:\"";
}

void TestVoiceTagParser::parseLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(describe(VoiceTagParser::parseLine(line)), expected);
}

void TestVoiceTagParser::printableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "Grüß Gott"
                           << "Grüß Gott";
    QTest::newRow("control inside a word") << "Hal\x01lo"
                                           << "Hallo";
    QTest::newRow("null character") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << "ab";
    QTest::newRow("delete") << "A\x7f B"
                            << "A B";
    QTest::newRow("tab between words") << "Guten\tTag"
                                       << "Guten Tag";
    QTest::newRow("line break between words") << "Guten\r\nTag"
                                              << "Guten Tag";
    QTest::newRow("unit separator") << "a\x1f"
                                       "b"
                                    << "a b";
    QTest::newRow("escape sequence") << "\x1b[31mrot"
                                     << "[31mrot";
    QTest::newRow("only control characters") << "\x01\x02\t\x1b"
                                             << "";
    QTest::newRow("control before a long word") << "\x01" + QString(400, u'x') << QString(400, u'x');
}

void TestVoiceTagParser::printableText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(SpeechText::printable(text), expected);
}

void TestVoiceTagParser::piecesOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("expected");

    QTest::newRow("short") << "Guten Tag" << 20 << "Guten Tag";
    QTest::newRow("after a sentence") << "Das ist gut. Und das auch noch." << 20 << "Das ist gut.|Und das auch noch.";
    QTest::newRow("at a blank") << "eins zwei drei vier fünf sechs" << 20 << "eins zwei drei vier|fünf sechs";
    QTest::newRow("sentence end too early to use")
        << "Ja. eins zwei drei vier fünf" << 20 << "Ja. eins zwei drei|vier fünf";
    QTest::newRow("one long word") << QString(45, u'a') << 20
                                   << QString(20, u'a') + u'|' + QString(20, u'a') + u'|' + QString(5, u'a');
    QTest::newRow("surrogate pair at the limit")
        << QString(19, u'a') + QString::fromUtf8("\xf0\x9f\x98\x80") + u'b' << 20
        << QString(19, u'a') + u'|' + QString::fromUtf8("\xf0\x9f\x98\x80") + u'b';
    QTest::newRow("blanks only") << "   " << 20 << "";
}

void TestVoiceTagParser::piecesOfText()
{
    QFETCH(QString, text);
    QFETCH(int, maxLength);
    QFETCH(QString, expected);
    QCOMPARE(SpeechText::pieces(text, maxLength).join(u'|'), expected);
}

void TestVoiceTagParser::piecesKeepEveryCharacter()
{
    // Random words, blanks and sentence ends: every piece within the bound, nothing lost.
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    const QString alphabet = QStringLiteral("abcdefghäöü      .,!?");
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += alphabet.at(random.bounded(int(alphabet.size())));
    text += QString(900, u'w');
    const int maxLength = 20 + random.bounded(300);

    const QStringList pieces = SpeechText::pieces(text, maxLength);
    const auto longest = std::max_element(pieces.begin(), pieces.end(),
                                          [](const QString &a, const QString &b) { return a.size() < b.size(); });
    QVERIFY2(longest->size() <= maxLength, qPrintable(QStringLiteral("seed %1").arg(seed)));
    QVERIFY2(withoutBlanks(pieces.join(QString())) == withoutBlanks(text),
             qPrintable(QStringLiteral("seed %1").arg(seed)));
}

QTEST_GUILESS_MAIN(TestVoiceTagParser)
#include "tst_voicetagparser.moc"
