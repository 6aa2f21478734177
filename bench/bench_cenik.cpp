#include "platform/Numbers.h"
#include "pricelist/DBF.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// SORVENIKA_BENCH_CENIK names a price list (path without ".dbf"), as bench/dbf_ratio.py passes
// the generator's; without it a 16,000-article list of the same shape is written here.
QString cenik() {
    static QTemporaryDir dir;
    static QString cesta;
    if (!cesta.isEmpty()) return cesta;
    cesta = qEnvironmentVariable("SORVENIKA_BENCH_CENIK");
    if (!cesta.isEmpty()) return cesta;
    QRandomGenerator nahoda(16000);
    const QString slova[] = {"Komínová", "vložka", "díl", "sopouch", "kondenzátu", "šachta", "čisticí", "kus",
                             "přechod", "ústí", "krycí", "deska", "nerez", "tvárnice", "izolace", "úhel"};
    DataDBF d;
    d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
    for (int i = 0; i < 16000; ++i) {
        QString nazev;
        for (int k = nahoda.bounded(2, 7); k > 0; --k) nazev += slova[nahoda.bounded(16)] + QLatin1Char(' ');
        d.radky.push_back({QStringLiteral("S-%1").arg(nahoda.bounded(100000), 5, 10, QLatin1Char('0')),
                           QStringLiteral("K%1").arg(nahoda.bounded(1000000), 6, 10, QLatin1Char('0')),
                           nazev.trimmed(), nahoda.bounded(2000000) / 100.0, nahoda.bounded(200000) / 1000.0,
                           QStringLiteral("ks"), static_cast<double>(nahoda.bounded(3)), QStringLiteral("MIV")});
    }
    cesta = dir.filePath(QStringLiteral("Art"));
    UlozDBF(cesta, d);
    return cesta;
}

}  // namespace

// Start-up: the dBase read, the ten columns, the sort and the lookup index. The texts of columns
// 0 to 2 are made at their first request (BM_PrvniTextyFiltru), those of the prices at each.
static void BM_NactiCenik(benchmark::State& state) {
    const QString c = cenik();
    for (auto _ : state) {
        auto t = std::make_unique<TabulkaArtiklu>(TabulkaArtiklu::nacti(c));
        benchmark::DoNotOptimize(t.get());
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

// The browser's Sort(1) and back.
static void BM_SortStaryKod(benchmark::State& state) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    for (auto _ : state) {
        t.Sort(1);
        t.Sort(0);
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

// What the browser reads at each keystroke: the four filtered columns of every row. Columns 0 to
// 2 become texts at their first request; this is every later pass.
static void BM_TextyFiltru(benchmark::State& state) {
    const TabulkaArtiklu t = TabulkaArtiklu::nacti(cenik());
    const QString predpona = QStringLiteral("k1");
    for (auto _ : state) {
        int n = 0;
        for (int r = 1; r <= t.pocetArtiklu(); ++r)
            for (int c : {0, 1, 2, 9}) n += t.text(r, c).startsWith(predpona, Qt::CaseInsensitive);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_TextyFiltru)->Unit(benchmark::kMillisecond);

// The first such pass over a table just loaded, which makes the texts of columns 0 to 2.
static void BM_PrvniTextyFiltru(benchmark::State& state) {
    const QString c = cenik();
    const QString predpona = QStringLiteral("k1");
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<TabulkaArtiklu>(TabulkaArtiklu::nacti(c));
        state.ResumeTiming();
        int n = 0;
        for (int r = 1; r <= t->pocetArtiklu(); ++r)
            for (int s : {0, 1, 2, 9}) n += t->text(r, s).startsWith(predpona, Qt::CaseInsensitive);
        benchmark::DoNotOptimize(n);
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PrvniTextyFiltru)->Unit(benchmark::kMillisecond);

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
