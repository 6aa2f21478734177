#include "costing/ExportDoExcelu.h"
#include "costing/Sorvenika2Html.h"
#include "support/UkazkaVystupu.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The outputs of a 110-row costing, each written to its file as the sheet's commands do.
namespace {

template <class Zapis>
void zapisuj(benchmark::State& state, const char* soubor, Zapis zapis) {
    qputenv("SORVENIKA_DATA", SORVENIKA_SOURCE_DIR "/Data");
    const Kalkulace k = dlouhaKalkulace(110);
    QTemporaryDir dir;
    const QString cil = dir.filePath(QString::fromLatin1(soubor));
    for (auto _ : state)
        if (!zapis(k, cil)) state.SkipWithError("the file was not written");
}

void BM_HtmlKalkulace(benchmark::State& state) { zapisuj(state, "MIV.htm", Sorvenika2Html); }
BENCHMARK(BM_HtmlKalkulace)->Unit(benchmark::kMillisecond);

void BM_SesitKalkulace(benchmark::State& state) {
    zapisuj(state, "MIV.xlsx", [](const Kalkulace& k, const QString& cil) { return zapisSesit(k, cil); });
}
BENCHMARK(BM_SesitKalkulace)->Unit(benchmark::kMillisecond);

}  // namespace
