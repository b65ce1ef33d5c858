#include "speech/AudioOutput.h"
#include "speech/EspeakLibrary.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechPage.h"

#include "RecordingOutput.h"
#include "SourceData.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// espeak-ng is initialised once per process, so a run without its data needs a program of
// its own: here espeak-ng is pointed at an empty folder.
class TestSpeechWithoutData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void missingDataIsSaidOnceAndTheProgramRunsOn();

private:
    QTemporaryDir m_emptyData;
    AudioOutput::Factory m_previousFactory;
    RecordingOutput *m_output = nullptr;
};

void TestSpeechWithoutData::initTestCase()
{
    QVERIFY(m_emptyData.isValid());
    EspeakLibrary::setDataPath(m_emptyData.path());
    m_previousFactory = RecordingOutput::install(&m_output);
}

void TestSpeechWithoutData::cleanupTestCase()
{
    AudioOutput::setFactory(m_previousFactory);
}

void TestSpeechWithoutData::missingDataIsSaidOnceAndTheProgramRunsOn()
{
    QTemporaryDir pageDir;
    const QString pagePath = pageDir.filePath(QStringLiteral("sp"));
    QVERIFY(QFile::copy(QDir(sourceDataDirectory()).filePath(QStringLiteral("sp")), pagePath));
    QFile handOff(pageDir.filePath(QStringLiteral("hilfe.txt")));
    QVERIFY(handOff.open(QIODevice::WriteOnly));
    handOff.write("Hallo");
    handOff.close();

    SpeechEngine engine(sourceDataDirectory());
    SpeechPage page(&engine);
    QVERIFY(page.load(pagePath));
    QSignalSpy failed(&engine, &SpeechEngine::failed);
    QVERIFY(!engine.canSpeak());

    QVERIFY(!page.click(QStringLiteral("Hilfe"), QStringLiteral("de")));
    QVERIFY(!page.click(QStringLiteral("Nochmal")));
    QVERIFY(page.click(QStringLiteral("stop")));
    engine.speakText(QStringLiteral("Guten Tag"));
    QVERIFY(!engine.isSpeaking());
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(),
             QStringLiteral("Die Sprachausgabe hat keine Sprachdaten gefunden (espeak-ng-data in %1). "
                            "Texte können nicht vorgelesen werden.")
                 .arg(m_emptyData.path()));
    QCOMPARE(engine.lastError(), failed.at(0).at(0).toString());
    QCOMPARE(m_output->startCount(), 0);
    QTest::qWait(50);
    QCOMPARE(failed.count(), 1);
}

QTEST_GUILESS_MAIN(TestSpeechWithoutData)
#include "tst_speechwithoutdata.moc"
