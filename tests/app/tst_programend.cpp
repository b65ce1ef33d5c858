#include "app/Controls.h"
#include "app/FormRegistry.h"
#include "app/Program.h"
#include "app/ProgramDirectory.h"
#include "speech/SpeechService.h"

#include "RecordingOutput.h"
#include "TestSupport.h"

#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cstdio>

namespace {
const char *const kChild = "--run-program";

// The program as main() runs it, in this process, ended through the speaker window's end
// button once it stands. Reports what is left of it afterwards.
int runProgram(const QString &programDirectory)
{
    ProgramDirectory::setPath(programDirectory);
    RecordingOutput *latest = nullptr;
    RecordingOutput::install(&latest);
    QList<QPointer<Form>> windows;
    QObject::connect(&FormRegistry::instance(), &FormRegistry::windowLoaded,
                     [&windows](Form *window) { windows << window; });
    QTimer::singleShot(300, [] {
        if (auto *end = Controls::find<QPushButton>(QStringLiteral("Form1"), QStringLiteral("Command2")))
            end->click();
    });
    const int code = Program::run();
    const qsizetype alive = std::count_if(windows.cbegin(), windows.cend(), [](const auto &w) { return !w.isNull(); });
    std::printf("loaded %lld windows, %lld alive, speech service %s\n", qlonglong(windows.size()), qlonglong(alive),
                SpeechService::current() ? "alive" : "gone");
    std::fflush(stdout);
    return code;
}
}

class TestProgramEnd : public QObject
{
    Q_OBJECT
private slots:
    void endsThroughTheSpeakerWindow();
};

void TestProgramEnd::endsThroughTheSpeakerWindow()
{
    TestProgramDirectory dir;
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QCoreApplication::applicationFilePath(), {QLatin1String(kChild), dir.path()});
    QVERIFY(program.waitForStarted());
    QVERIFY2(program.waitForFinished(15000), "the program did not end");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString report = QString::fromUtf8(program.readAllStandardOutput()).trimmed();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^loaded (\\d+) windows, (\\d+) alive, speech service (\\w+)$")).match(report);
    QVERIFY2(m.hasMatch(), qPrintable(report));
    // At least the main window and the speaker window stood; none is left, nor the speech service.
    QVERIFY2(m.captured(1).toInt() >= 2, qPrintable(report));
    QCOMPARE(m.captured(2), QStringLiteral("0"));
    QCOMPARE(m.captured(3), QStringLiteral("gone"));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kChild) == 0)
        return runProgram(QString::fromLocal8Bit(argv[2]));
    TestProgramEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programend.moc"
