#include "CenikBench.h"
#include "pricelist/ModelArt.h"

#include <benchmark/benchmark.h>

// One keystroke in the order-number box as the browser lists in old-code order: every article
// through the four boxes and the list refilled. "" and "K" list every orderable article.
static void BM_KlavesaFiltru(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    ModelArt m(t);
    m.otevri({});
    const QString texty[] = {"", "K", "K1", "K12", "K123"};
    m.setTextFiltru(1, texty[state.range(0)]);
    for (auto _ : state) m.ZobrazPolozky();
    state.counters["radku"] = m.TabulkaArt().Rows() - 1;
}
BENCHMARK(BM_KlavesaFiltru)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The same with a name prefix, case differing, that a sixteenth of the articles have.
static void BM_KlavesaFiltruNazev(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    ModelArt m(t);
    m.otevri({});
    m.setTextFiltru(2, QStringLiteral("KOMÍNOVÁ V"));
    for (auto _ : state) m.ZobrazPolozky();
    state.counters["radku"] = m.TabulkaArt().Rows() - 1;
}
BENCHMARK(BM_KlavesaFiltruNazev)->Unit(benchmark::kMillisecond);
