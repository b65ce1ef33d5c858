#include "app/Program.h"
#include "core/ProgramDirectory.h"
#include "shell/Controls.h"
#include "shell/FormRegistry.h"
#include "shell/MessageBox.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechService.h"

#include "RecordingOutput.h"
#include "TestSupport.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstdio>

namespace {
// The child's modes: go on to the main window and end there; the same while the sound goes
// away; change the letter there and wait to be killed; print the letter there and end.
const char *const kChild = "--run-program";
const char *const kSilent = "--run-silent";
const char *const kChangeLetter = "--change-letter";
const char *const kShowLetter = "--show-letter";

bool shown(const char *window)
{
    const Form *w = FormRegistry::instance().find(QLatin1String(window));
    return w && w->isVisible();
}

void press(const char *window, const char *button)
{
    if (auto *b = Controls::find<QPushButton>(QLatin1String(window), QLatin1String(button)))
        b->click();
}

// Plays like a device until the sound goes away.
class FadingOutput : public RecordingOutput
{
public:
    static inline bool s_soundGone = false;
    bool isAudible() const override { return !s_soundGone; }
    QString errorString() const override { return s_soundGone ? QStringLiteral("Kein Audiogerät") : QString(); }
};

QPlainTextEdit *letter()
{
    return Controls::find<QPlainTextEdit>(QStringLiteral("vodozaduda1"), QStringLiteral("Text6"));
}

// The program as main() runs it, in this process. Goes on from what the start shows, as a user
// would ("Start >>" in the country window, "OK weiter >" in the first-run window), and ends
// through the speaker window's end button once the main window stands. Reports what is left
// of it afterwards. Silent: the sound goes away just as the end is asked for, so that speech
// says so while the program ends.
int runProgram(const QString &programDirectory, const char *mode = kChild, const QString &text = {})
{
    ProgramDirectory::setPath(programDirectory);
    RecordingOutput *latest = nullptr;
    RecordingOutput::install(&latest);
    if (qstrcmp(mode, kSilent) == 0)
        AudioOutput::setFactory([] { return std::make_unique<FadingOutput>(); });
    int messagesAfterTheEnd = 0;
    MessageBox::setHandler([&messagesAfterTheEnd](const QString &) {
        if (FormRegistry::instance().programEnded())
            ++messagesAfterTheEnd;
    });
    QList<QPointer<Form>> windows;
    QObject::connect(&FormRegistry::instance(), &FormRegistry::windowLoaded,
                     [&windows](Form *window) { windows << window; });
    bool goneOn = false;
    bool mainReached = false;
    QTimer user;
    user.setInterval(50);
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (shown("vodozaduda1")) {
            mainReached = true;
            user.stop();
            if (qstrcmp(mode, kChangeLetter) == 0) {
                letter()->setPlainText(text);
                std::printf("letter changed\n");
                std::fflush(stdout);
                return;
            }
            if (qstrcmp(mode, kShowLetter) == 0)
                std::printf("letter: %s\n", qPrintable(letter()->toPlainText().replace(u'\n', u'|')));
            if (qstrcmp(mode, kSilent) == 0) {
                // The end is asked for (a key already queued), then speech finds no sound.
                QMetaObject::invokeMethod(
                    qApp, [] { press("Form1", "Command2"); }, Qt::QueuedConnection);
                FadingOutput::s_soundGone = true;
                SpeechService::current()->engine().speakText(QStringLiteral("Hallo"));
                return;
            }
            press("Form1", "Command2");
        } else if (!goneOn && shown("Form2")) {
            goneOn = true;
            press("Form2", "Command7");
        } else if (!goneOn && shown("starter")) {
            goneOn = true;
            press("starter", "Command9");
        }
    });
    user.start();
    const int code = Program::run();
    const qsizetype alive = std::count_if(windows.cbegin(), windows.cend(), [](const auto &w) { return !w.isNull(); });
    std::printf("loaded %lld windows, %lld alive, speech service %s, %d messages after the end, main window %s\n",
                qlonglong(windows.size()), qlonglong(alive), SpeechService::current() ? "alive" : "gone",
                messagesAfterTheEnd, mainReached ? "reached" : "never shown");
    std::fflush(stdout);
    return code;
}
}

class TestProgramEnd : public QObject
{
    Q_OBJECT
private slots:
    void endsThroughTheSpeakerWindow_data();
    void endsThroughTheSpeakerWindow();
    void aLetterOutlivesAKill();
};

void TestProgramEnd::endsThroughTheSpeakerWindow_data()
{
    QTest::addColumn<bool>("setUp");
    QTest::addColumn<bool>("silent");
    QTest::newRow("later start, through the country window") << true << false;
    QTest::newRow("first start, through the first-run window") << false << false;
    QTest::newRow("without sound, speaking at the end") << true << true;
}

void TestProgramEnd::endsThroughTheSpeakerWindow()
{
    QFETCH(bool, setUp);
    QFETCH(bool, silent);
    TestProgramDirectory dir;
    if (setUp)
        QVERIFY(dir.write(QStringLiteral("syso/optionen.chk"), "0\r\n"));
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QCoreApplication::applicationFilePath(), {QLatin1String(silent ? kSilent : kChild), dir.path()});
    QVERIFY(program.waitForStarted());
    QVERIFY2(program.waitForFinished(20000), "the program did not end");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString report = QString::fromUtf8(program.readAllStandardOutput()).trimmed();
    const QRegularExpressionMatch m =
        QRegularExpression(
            QStringLiteral("^loaded (\\d+) windows, (\\d+) alive, speech service (\\w+), (\\d+) messages after "
                           "the end, main window ([\\w ]+)$"))
            .match(report);
    QVERIFY2(m.hasMatch(), qPrintable(report));
    QCOMPARE(m.captured(5), QStringLiteral("reached"));
    // At least the first-run, tray, main and speaker windows and the country or the help window
    // stood; none is left, nor the speech service.
    QVERIFY2(m.captured(1).toInt() >= 5, qPrintable(report));
    QCOMPARE(m.captured(2), QStringLiteral("0"));
    QCOMPARE(m.captured(3), QStringLiteral("gone"));
    // Nothing is said once the windows are going.
    QCOMPARE(m.captured(4), QStringLiteral("0"));
    // The first start left its settings behind: the next start is a later one.
    if (!setUp)
        QVERIFY(QFile::exists(dir.file(QStringLiteral("syso/LetztesUpdate-Datum.chk"))));
}

void TestProgramEnd::aLetterOutlivesAKill()
{
    TestProgramDirectory dir;
    QVERIFY(dir.write(QStringLiteral("syso/optionen.chk"), "0\r\n"));
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(QCoreApplication::applicationFilePath(),
                 {QLatin1String(kChangeLetter), dir.path(), QStringLiteral("Lieber Hans,\nhello car")});
    QVERIFY(writer.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(writer.canReadLine() || writer.waitForReadyRead(100), 20000);
    QCOMPARE(writer.readLine().trimmed(), QByteArray("letter changed"));
    // Past the second a change waits before it is kept; then ended as a crash or a power cut ends it.
    QTest::qWait(2000);
    writer.kill();
    QVERIFY(writer.waitForFinished());
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

    QProcess next;
    next.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    next.start(QCoreApplication::applicationFilePath(), {QLatin1String(kShowLetter), dir.path()});
    QVERIFY2(next.waitForFinished(20000), "the program did not end");
    const QByteArray shown = next.readAllStandardOutput();
    QVERIFY2(shown.startsWith("letter: Lieber Hans,|hello car\n"), shown.constData());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && (qstrcmp(argv[1], kChild) == 0 || qstrcmp(argv[1], kSilent) == 0))
        return runProgram(QString::fromLocal8Bit(argv[2]), qstrcmp(argv[1], kSilent) == 0 ? kSilent : kChild);
    if (argc == 4 && qstrcmp(argv[1], kChangeLetter) == 0)
        return runProgram(QString::fromLocal8Bit(argv[2]), kChangeLetter, QString::fromLocal8Bit(argv[3]));
    if (argc == 3 && qstrcmp(argv[1], kShowLetter) == 0)
        return runProgram(QString::fromLocal8Bit(argv[2]), kShowLetter);
    TestProgramEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programend.moc"
