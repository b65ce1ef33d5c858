#include "speech/AudioOutput.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechPage.h"
#include "speech/VoiceCatalogue.h"

#include "RecordingOutput.h"
#include "SignalAnalysis.h"
#include "SourceData.h"

#include <QSignalSpy>
#include <QtTest>

#include <future>
#include <memory>
#include <thread>

using Action = SpeechPage::Action;
Q_DECLARE_METATYPE(SpeechPage::Action)

class TestSpeechPage : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void shippedPageDeclaresEveryElement_data();
    void shippedPageDeclaresEveryElement();
    void onlyFormZeroCounts();
    void hostilePages_data();
    void hostilePages();
    void missingPageFailsEveryClick();
    void missingElementFails();
    void clickReportsTheElement();

    // The shipped page driving a speech engine that plays into a recording.
    void clicksDriveTheEngine();
    void languageChoosesTheVoice_data();
    void languageChoosesTheVoice();
    void emptyHandOffLeavesSpeechPlaying();

private:
    // A page folder with the shipped page, an engine with the shipped voices and a page on
    // both; false when it cannot be set up.
    bool openSpeaker();
    bool writeHandOff(const QByteArray &bytes) const;
    std::vector<qint16> heard() const { return m_output ? m_output->samples() : std::vector<qint16>{}; }
    double spanHeard() const { return m_output ? SignalAnalysis::speechSpan(heard(), m_output->sampleRate()) : 0.0; }

    RecordingOutput *m_output = nullptr;
    AudioOutput::Factory m_previousFactory;
    std::unique_ptr<QTemporaryDir> m_pageDir;
    std::unique_ptr<SpeechEngine> m_engine;
    std::unique_ptr<SpeechPage> m_page;
};

namespace {
const QByteArray kSentence = "Guten Morgen, heute sprechen wir einen etwas l\xe4ngeren Satz.";
}

void TestSpeechPage::cleanup()
{
    m_page.reset();
    m_engine.reset();
    m_pageDir.reset();
    m_output = nullptr;
}

bool TestSpeechPage::openSpeaker()
{
    m_pageDir = std::make_unique<QTemporaryDir>();
    const QString page = m_pageDir->filePath(QStringLiteral("sp"));
    if (!m_pageDir->isValid() || !QFile::copy(QDir(sourceDataDirectory()).filePath(QStringLiteral("sp")), page))
        return false;
    m_previousFactory = RecordingOutput::install(&m_output);
    m_engine = std::make_unique<SpeechEngine>(sourceDataDirectory());
    AudioOutput::setFactory(m_previousFactory);
    m_page = std::make_unique<SpeechPage>(m_engine.get());
    return m_output && m_engine->canSpeak() && m_page->load(page);
}

bool TestSpeechPage::writeHandOff(const QByteArray &bytes) const
{
    QFile file(m_pageDir->filePath(QStringLiteral("hilfe.txt")));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void TestSpeechPage::shippedPageDeclaresEveryElement_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("file");
    QTest::newRow("Hilfe") << "Hilfe" << Action::Speak << "hilfe.txt";
    QTest::newRow("Hilfex") << "Hilfex" << Action::Speak << "hilfe.txt";
    QTest::newRow("stop") << "stop" << Action::Stop << "";
    QTest::newRow("pause") << "pause" << Action::Pause << "";
    QTest::newRow("Weiter") << "Weiter" << Action::Resume << "";
    QTest::newRow("Nochmal") << "Nochmal" << Action::Again << "";
}

void TestSpeechPage::shippedPageDeclaresEveryElement()
{
    QFETCH(QString, name);
    QFETCH(Action, action);
    QFETCH(QString, file);
    SpeechPage page(nullptr);
    QVERIFY(page.load(QDir(sourceDataDirectory()).filePath(QStringLiteral("sp"))));
    const auto &elements = page.elements();
    const auto it = std::find_if(elements.begin(), elements.end(), [&](const auto &e) { return e.name == name; });
    QVERIFY(it != elements.end());
    QCOMPARE(it->action, action);
    QCOMPARE(it->file, file);
}

void TestSpeechPage::onlyFormZeroCounts()
{
    const auto elements = SpeechPage::parseForm0(
        "<html><body><p><input name='outside' data-action='stop'></p>"
        "<form><div><button name='Inner' data-action='again'>Noch <b>mal</b></button></div>"
        "<input name='Speak' value='Los' data-action='speak' data-file='x.txt'><input value='nameless'></form>"
        "<form><input name='second' data-action='stop'></form></body></html>");
    QCOMPARE(elements.size(), 2);
    QCOMPARE(elements[0].name, QStringLiteral("Inner"));
    QCOMPARE(elements[0].caption, QStringLiteral("Noch mal"));
    QCOMPARE(elements[0].action, Action::Again);
    QCOMPARE(elements[1].caption, QStringLiteral("Los"));
    QCOMPARE(elements[1].file, QStringLiteral("x.txt"));
    QVERIFY(SpeechPage::parseForm0("<html><body>no form</body></html>").isEmpty());
    QVERIFY(SpeechPage::parseForm0("<<<>>>\xff\xfe").isEmpty());
}

void TestSpeechPage::hostilePages_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<int>("elements");
    QTest::newRow("named elements nested 40000 deep")
        << "<form>" + QByteArray("<span name='a'>").repeated(40000) + "x</form>" << 0;
}

// Such pages overflowed the stack or took minutes; they are no speech pages and give nothing.
void TestSpeechPage::hostilePages()
{
    QFETCH(QByteArray, html);
    QFETCH(int, elements);
    auto task =
        std::make_shared<std::packaged_task<qsizetype()>>([html] { return SpeechPage::parseForm0(html).size(); });
    auto done = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    QVERIFY2(done.wait_for(std::chrono::seconds(20)) == std::future_status::ready, "parsing did not finish");
    QCOMPARE(done.get(), elements);
}

void TestSpeechPage::missingPageFailsEveryClick()
{
    QTemporaryDir dir;
    SpeechPage page(nullptr);
    QSignalSpy clicks(&page, &SpeechPage::clicked);
    QVERIFY(!page.load(dir.filePath(QStringLiteral("sp"))));
    QVERIFY(!page.isLoaded());
    QVERIFY(!page.click(QStringLiteral("Hilfe")));
    // A folder by the page's name is no page either.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sp")));
    QVERIFY(!page.load(dir.filePath(QStringLiteral("sp"))));
    QVERIFY(!page.click(QStringLiteral("stop")));
    QCOMPARE(clicks.size(), 0);
}

void TestSpeechPage::missingElementFails()
{
    SpeechPage page(nullptr);
    QVERIFY(page.load(QDir(sourceDataDirectory()).filePath(QStringLiteral("sp"))));
    QVERIFY(!page.click(QStringLiteral("hilfe")));
    QVERIFY(!page.click(QStringLiteral("stimm")));
    QVERIFY(!page.click(QString()));
}

void TestSpeechPage::clickReportsTheElement()
{
    SpeechPage page(nullptr);
    QSignalSpy clicks(&page, &SpeechPage::clicked);
    QVERIFY(page.load(QDir(sourceDataDirectory()).filePath(QStringLiteral("sp"))));
    QVERIFY(page.click(QStringLiteral("Hilfex")));
    QVERIFY(page.click(QStringLiteral("Nochmal")));
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(1).first().toString(), QStringLiteral("Nochmal"));
}

void TestSpeechPage::clicksDriveTheEngine()
{
    QVERIFY(openSpeaker());
    QVERIFY(writeHandOff("\"#Standard Sprecher#" + kSentence + "\"\r\n"));

    QVERIFY(m_page->click(QStringLiteral("Hilfe"), QStringLiteral("de")));
    QVERIFY(m_engine->isSpeaking());
    QTest::qWait(400);
    QVERIFY(m_page->click(QStringLiteral("pause")));
    QVERIFY(m_engine->isPaused());
    const size_t atPause = heard().size();
    QVERIFY(atPause > 0);
    QTest::qWait(300);
    QCOMPARE(heard().size(), atPause);

    QVERIFY(m_page->click(QStringLiteral("Weiter")));
    QVERIFY(!m_engine->isPaused());
    QTest::qWait(300);
    QVERIFY(heard().size() > atPause);
    QVERIFY(m_page->click(QStringLiteral("stop")));
    QVERIFY(!m_engine->isSpeaking());
    const double stoppedAfter = spanHeard();
    QTest::qWait(200);
    QCOMPARE(spanHeard(), stoppedAfter);

    // "Nochmal" says the whole sentence again, from its start.
    QVERIFY(m_page->click(QStringLiteral("Nochmal")));
    QVERIFY(m_engine->isSpeaking());
    QVERIFY(m_output->waitUntilIdle());
    const double whole = spanHeard();
    qInfo("stopped after %.2f s of speech; Nochmal: %.2f s", stoppedAfter, whole);
    QVERIFY(stoppedAfter > 0.4 && stoppedAfter < 1.2);
    QVERIFY(whole > 2.5);

    // "Hilfex" reads the same hand-off.
    QVERIFY(writeHandOff("Hallo"));
    QVERIFY(m_page->click(QStringLiteral("Hilfex"), QStringLiteral("de")));
    QVERIFY(m_output->waitUntilIdle());
    QVERIFY(spanHeard() > 0.2 && spanHeard() < 1.0);
}

void TestSpeechPage::languageChoosesTheVoice_data()
{
    QTest::addColumn<QByteArray>("handOff");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("voices");

    // The shipped catalogue's first voice of each language is "bill" (variant m3); the current
    // voice is set to lgx.it.silke.
    QTest::newRow("English") << QByteArray("hello") << "en" << QStringList{"en+m3"};
    QTest::newRow("German") << QByteArray("hallo") << "de" << QStringList{"de+m3"};
    QTest::newRow("Greek") << QByteArray("\xce\xb3\xce\xb5\xce\xb9\xce\xb1") << "el" << QStringList{"el+m3"};
    QTest::newRow("Spanish") << QByteArray("hola") << "es" << QStringList{"es+m3"};
    QTest::newRow("no language: the current voice") << QByteArray("ciao") << "" << QStringList{"it+f2"};
    QTest::newRow("language without a voice") << QByteArray("bonjour") << "fr" << QStringList{"it+f2"};
    QTest::newRow("standard speaker is no voice tag")
        << QByteArray("\"#Standard Sprecher#hello\"") << "en" << QStringList{"en+m3"};
    QTest::newRow("settings window standard speaker")
        << QByteArray("# Standard Sprecher #\r\nhello") << "en" << QStringList{"en+m3"};
    QTest::newRow("voice tag wins") << QByteArray("#voice=name:lgx.es.martin#hola") << "de" << QStringList{"es+m1"};
    QTest::newRow("unknown voice keeps the language")
        << QByteArray("#voice=name:lgx.zz.niemand#hello") << "en" << QStringList{"en+m3"};
    QTest::newRow("voice tag after text")
        << QByteArray("hallo #voice=name:lgx.en.silke#hello") << "de" << QStringList{"de+m3", "en+f2"};
}

void TestSpeechPage::languageChoosesTheVoice()
{
    QFETCH(QByteArray, handOff);
    QFETCH(QString, language);
    QFETCH(QStringList, voices);

    QVERIFY(openSpeaker());
    QVERIFY(m_engine->voices().setCurrentIndex(m_engine->voices().indexOf(u"lgx.it.silke")));
    QVERIFY(writeHandOff(handOff));
    QVERIFY(m_page->click(QStringLiteral("Hilfe"), language));
    QVERIFY(m_output->waitUntilIdle());
    QCOMPARE(m_engine->voicesOfLastText(), voices);
    QVERIFY(spanHeard() > 0.1);
}

void TestSpeechPage::emptyHandOffLeavesSpeechPlaying()
{
    QVERIFY(openSpeaker());
    QSignalSpy finished(m_engine.get(), &SpeechEngine::finished);
    QVERIFY(writeHandOff(kSentence));
    QVERIFY(m_page->click(QStringLiteral("Hilfe"), QStringLiteral("de")));
    QTest::qWait(200);
    QVERIFY(writeHandOff("\"#Standard Sprecher#\"\r\n"));
    QVERIFY(m_page->click(QStringLiteral("Hilfex"), QStringLiteral("de")));
    QVERIFY(m_engine->isSpeaking());
    QCOMPARE(finished.count(), 0);
    QVERIFY(m_output->waitUntilIdle());
    const double first = spanHeard();
    QCOMPARE(m_output->startCount(), 1);

    // "Nochmal" repeats the sentence, not the empty hand-off.
    QVERIFY(m_page->click(QStringLiteral("Nochmal")));
    QVERIFY(m_output->waitUntilIdle());
    qInfo("sentence %.2f s, Nochmal after the empty hand-off %.2f s", first, spanHeard());
    QVERIFY(first > 2.5);
    QVERIFY(std::abs(spanHeard() / first - 1.0) < 0.05);
}

QTEST_GUILESS_MAIN(TestSpeechPage)
#include "tst_speechpage.moc"
