// One application object for the whole run, made before any benchmark: the output benchmarks
// need a GUI application, and one made by an earlier benchmark would be the wrong kind.
#ifdef SORVENIKA_BENCH_GUI
#include <QGuiApplication>
using Aplikace = QGuiApplication;
#else
#include <QCoreApplication>
using Aplikace = QCoreApplication;
#endif
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    const Aplikace aplikace(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
