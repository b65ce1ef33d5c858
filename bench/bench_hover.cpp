#include "core/ProgramDirectory.h"
#include "shell/Controls.h"
#include "shell/FormRegistry.h"
#include "shell/MessageBox.h"
#include "windows/vodozaduda1/vodozaduda1.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {
// The main window, shown; when no other benchmark made it yet, on an empty program directory.
struct HoverFixture
{
    HoverFixture()
    {
        if (!isLoaded<vodozaduda1>()) {
            ProgramDirectory::setPath(dir.path());
            MessageBox::setHandler([](const QString &) {});
        }
        window = form<vodozaduda1>();
        window->show();
        for (const char *name :
             {"Check1", "Check3", "Check2", "Command28", "Command29", "Command19", "Command20", "Command22",
              "Command24", "Command26", "Command27", "Command23", "Command32", "Command31", "Command33", "Command2"})
            resetSet.push_back(Controls::find<QWidget>(*window, QLatin1String(name)));
    }

    QTemporaryDir dir;
    vodozaduda1 *window = nullptr;
    std::vector<QWidget *> resetSet;
};

// The mouse sweeping over the buttons: each hover recolours the reset set and rewrites the help
// line and the description line. "hover" is the time of one.
void BM_HoverBurst(benchmark::State &state)
{
    static HoverFixture f;
    constexpr int kHovers = 1000;
    const QPointF inside(2, 2);
    for (auto _ : state) {
        for (int k = 0; k < kHovers; ++k) {
            QWidget *w = f.resetSet[std::size_t(k) % f.resetSet.size()];
            QEnterEvent enter(inside, inside, w->mapToGlobal(inside));
            QApplication::sendEvent(w, &enter);
        }
        state.PauseTiming();
        // The repaints the burst asked for, outside the measured time.
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["hover"] =
        benchmark::Counter(kHovers, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_HoverBurst)->Unit(benchmark::kMillisecond);
}
