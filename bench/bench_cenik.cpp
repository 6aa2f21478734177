#include "CenikBench.h"
#include "platform/Numbers.h"
#include "pricelist/DBF.h"
#include "pricelist/TabulkaArtiklu.h"

#include <benchmark/benchmark.h>
#include <memory>

// Start-up: the dBase read, the ten columns, the sort, the lookup index and the texts of the old
// codes, order numbers and names, read in place as the browser's filters read them. The texts of
// the prices are made at each request (BM_TextyCen).
static void BM_NactiCenik(benchmark::State& state) {
    const QString c = cenik();
    for (auto _ : state) {
        auto t = std::make_unique<TabulkaArtiklu>(TabulkaArtiklu::nacti(c));
        qsizetype znaku = 0;
        for (int r = 1; r <= t->pocetArtiklu(); ++r)
            for (int s : {TabulkaArtiklu::StaryKod, TabulkaArtiklu::ObjCislo, TabulkaArtiklu::Nazev})
                znaku += t->ulozenyText(r, s).size();
        benchmark::DoNotOptimize(znaku);
        // The table lives for the whole run; its teardown is not part of the start-up.
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NactiCenik)->Unit(benchmark::kMillisecond);

static void BM_NactiDBF(benchmark::State& state) {
    const QString c = cenik();
    for (auto _ : state) benchmark::DoNotOptimize(NactiDBF(c));
}
BENCHMARK(BM_NactiDBF)->Unit(benchmark::kMillisecond);

// The browser's first Sort(1) on a table just loaded, and back (later ones reuse the order).
static void BM_SortStaryKod(benchmark::State& state) {
    const QString c = cenik();
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<TabulkaArtiklu>(TabulkaArtiklu::nacti(c));
        state.ResumeTiming();
        t->Sort(1);
        t->Sort(0);
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortStaryKod)->Unit(benchmark::kMillisecond);

// Every article looked up once, lower-cased as item tables may write them.
static void BM_NajdiArtikl(benchmark::State& state) {
    const TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    QStringList kody;
    for (int r = 1; r <= t.pocetArtiklu(); ++r) kody << t.text(r, TabulkaArtiklu::ObjCislo).toLower();
    for (auto _ : state) {
        for (const QString& k : kody) {
            QString kod = k;
            benchmark::DoNotOptimize(t.NajdiArtikl(kod));
        }
    }
    state.SetItemsProcessed(state.iterations() * kody.size());
}
BENCHMARK(BM_NajdiArtikl);

// What the browser reads at each keystroke: the four filtered columns of every row, in place.
static void BM_TextyFiltru(benchmark::State& state) {
    const TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    const QString predpona = QStringLiteral("k1");
    for (auto _ : state) {
        int n = 0;
        for (int r = 1; r <= t.pocetArtiklu(); ++r)
            for (int c : {0, 1, 2, 9}) n += t.ulozenyText(r, c).startsWith(predpona, Qt::CaseInsensitive);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_TextyFiltru)->Unit(benchmark::kMillisecond);

// The prices and weights the browser shows for every listed row, formatted at each request.
static void BM_TextyCen(benchmark::State& state) {
    const TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    for (auto _ : state) {
        qsizetype n = 0;
        for (int r = 1; r <= t.pocetArtiklu(); ++r) n += t.text(r, 4).size() + t.text(r, 5).size();
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_TextyCen)->Unit(benchmark::kMillisecond);
