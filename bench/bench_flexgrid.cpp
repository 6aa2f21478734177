#include "platform/FlexGrid.h"

#include <QStringList>
#include <benchmark/benchmark.h>

#include <random>

// The price list: 16,000 articles of ten columns added row by row, then sorted on the order
// number, with a view attached in the program.
namespace {

QStringList radkyCeniku(int n) {
    std::mt19937 nahoda(1);
    QStringList radky;
    radky.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QString kod = QString::number(100000 + nahoda() % 900000) + (i % 50 == 0 ? "-s" : "");
        radky << QStringLiteral("K%1\t%2\tTvárnice komínová %3\t0\t1 234,50\t12,30\tks\t1 234,50\t1\tMIV")
                     .arg(i)
                     .arg(kod)
                     .arg(i % 40);
    }
    return radky;
}

void naplnit(FlexGrid& g, const QStringList& radky) {
    FlexGridDavka davka(g);
    g.setRows(1);
    for (const QString& r : radky) g.AddItem(r);
}

}  // namespace

static void BM_FlexGridFill(benchmark::State& state) {
    const QStringList radky = radkyCeniku(static_cast<int>(state.range(0)));
    FlexGrid g(1, 10);
    for (auto _ : state) {
        naplnit(g, radky);
        benchmark::DoNotOptimize(g.Rows());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FlexGridFill)->Arg(16000)->Unit(benchmark::kMillisecond);

static void BM_FlexGridSort(benchmark::State& state) {
    const QStringList radky = radkyCeniku(static_cast<int>(state.range(0)));
    FlexGrid g(1, 10);
    for (auto _ : state) {
        state.PauseTiming();
        naplnit(g, radky);
        state.ResumeTiming();
        FlexGridDavka davka(g);
        g.setCol(1);
        g.setRow(1);
        g.setRowSel(g.Rows() - 1);
        g.Sort();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FlexGridSort)->Arg(16000)->Unit(benchmark::kMillisecond);
