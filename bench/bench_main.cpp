#include "app/Program.h"
#include "shell/FormRegistry.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// The benchmarks drive the real window, so they need an application object; no screen.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Program program;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The windows before the program state they hold.
    FormRegistry::instance().shutdown();
    return 0;
}
