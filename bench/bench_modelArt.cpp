#include "CenikBench.h"
#include "pricelist/ModelArt.h"

#include <benchmark/benchmark.h>

// The browser's list without its window, as the callers show it (old-code order), every article
// orderable: the rows through the four boxes and the list refilled, for a text in the
// order-number box ("" and "K" list every article, "K1" a tenth, "K12" a hundredth).
static void BM_ZobrazPolozky(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(objednatelnyCenik(static_cast<int>(state.range(0))));
    ModelArt m(t);
    m.otevri({});
    const QString texty[] = {"", "K", "K1", "K12"};
    m.setTextFiltru(1, texty[state.range(1)]);
    for (auto _ : state) m.ZobrazPolozky();
    state.counters["radku"] = m.TabulkaArt().Rows() - 1;
}
BENCHMARK(BM_ZobrazPolozky)
    ->ArgNames({"artiklu", "text"})
    ->ArgsProduct({{16000, 100000}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond);

// The same with a name prefix, case differing, that a sixteenth of the articles have.
static void BM_ZobrazPolozkyNazev(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(objednatelnyCenik(static_cast<int>(state.range(0))));
    ModelArt m(t);
    m.otevri({});
    m.setTextFiltru(2, QStringLiteral("KOMÍNOVÁ V"));
    for (auto _ : state) m.ZobrazPolozky();
    state.counters["radku"] = m.TabulkaArt().Rows() - 1;
}
BENCHMARK(BM_ZobrazPolozkyNazev)->ArgName("artiklu")->Arg(16000)->Arg(100000)->Unit(benchmark::kMillisecond);
