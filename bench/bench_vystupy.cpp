#include "costing/ExportDoExcelu.h"
#include "costing/Sorvenika2Html.h"
#include "support/UkazkaVystupu.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The outputs of a 110-row costing, each written to its file as the sheet's commands do.
namespace {

constexpr int kRadku = 110;

void BM_HtmlKalkulace(benchmark::State& state) {
    qputenv("SORVENIKA_DATA", SORVENIKA_SOURCE_DIR "/Data");
    const Kalkulace k = dlouhaKalkulace(kRadku);
    QTemporaryDir dir;
    const QString cil = dir.filePath(QStringLiteral("MIV.htm"));
    for (auto _ : state)
        if (!Sorvenika2Html(k, cil)) state.SkipWithError("the page was not written");
}
BENCHMARK(BM_HtmlKalkulace)->Unit(benchmark::kMillisecond);

void BM_SesitKalkulace(benchmark::State& state) {
    const Kalkulace k = dlouhaKalkulace(kRadku);
    QTemporaryDir dir;
    const QString cil = dir.filePath(QStringLiteral("MIV.xlsx"));
    for (auto _ : state)
        if (!zapisSesit(k, cil)) state.SkipWithError("the workbook was not written");
}
BENCHMARK(BM_SesitKalkulace)->Unit(benchmark::kMillisecond);

}  // namespace
