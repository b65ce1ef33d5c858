#include "speech/AudioOutput.h"
#include "speech/PacedAudioOutput.h"
#include "speech/SpeechEngine.h"
#include "speech/SpeechPage.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>

namespace {
using Steady = std::chrono::steady_clock;

// Plays like a device in real time and notes when the first sample of a playback arrives.
class FirstSampleOutput : public PacedAudioOutput
{
public:
    QString errorString() const override { return {}; }

    std::optional<Steady::time_point> firstSample;
    QEventLoop *waiting = nullptr;

protected:
    void begin(int) override { firstSample.reset(); }
    void consume(const qint16 *, qsizetype count) override
    {
        if (firstSample || count <= 0)
            return;
        firstSample = Steady::now();
        if (waiting)
            waiting->quit();
    }
};

// The shipped page and voices in a folder of their own, with a hand-off as the help window
// writes it, and an engine playing into a FirstSampleOutput.
struct SpeechFixture
{
    SpeechFixture()
    {
        const QDir data(QStringLiteral(TOLKARIN_SOURCE_DATA_DIR));
        const QDir here(dir.path());
        QFile::copy(data.filePath(QStringLiteral("sp")), here.filePath(QStringLiteral("sp")));
        QFile::copy(data.filePath(QStringLiteral("voices.txt")), here.filePath(QStringLiteral("voices.txt")));
        QFile handOff(here.filePath(QStringLiteral("hilfe.txt")));
        if (handOff.open(QIODevice::WriteOnly))
            handOff.write("\"#Standard Sprecher#Guten Morgen, heute sprechen wir einen etwas l\xe4ngeren Satz.\"\r\n");
        handOff.close();

        const auto previous = AudioOutput::setFactory([this]() -> std::unique_ptr<AudioOutput> {
            auto made = std::make_unique<FirstSampleOutput>();
            output = made.get();
            return made;
        });
        engine = std::make_unique<SpeechEngine>(dir.path());
        AudioOutput::setFactory(previous);
        page = std::make_unique<SpeechPage>(engine.get());
        page->load(here.filePath(QStringLiteral("sp")));
    }

    QTemporaryDir dir;
    FirstSampleOutput *output = nullptr;
    std::unique_ptr<SpeechEngine> engine;
    std::unique_ptr<SpeechPage> page;
};

SpeechFixture &speechFixture()
{
    static SpeechFixture f;
    return f;
}
}

// From the click on the page's "Hilfe" element (reading the hand-off file, parsing, handing
// the job to the synthesis thread) to the first sample taken by the output.
static void BM_ClickToFirstSample(benchmark::State &state)
{
    SpeechFixture &f = speechFixture();
    if (!f.engine->canSpeak() || !f.output) {
        state.SkipWithError("espeak-ng cannot speak here");
        return;
    }
    QEventLoop loop;
    f.output->waiting = &loop;
    for (auto _ : state) {
        const Steady::time_point clicked = Steady::now();
        if (!f.page->click(QStringLiteral("Hilfe"), QStringLiteral("de"))) {
            state.SkipWithError("the click failed");
            break;
        }
        if (!f.output->firstSample) {
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        if (!f.output->firstSample) {
            state.SkipWithError("no sound within 2 s");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(*f.output->firstSample - clicked).count());
        f.engine->stop();
    }
    f.output->waiting = nullptr;
}
BENCHMARK(BM_ClickToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond);
