#include "orders/ImportZakazniku.h"
#include "platform/Cp1250.h"

#include <benchmark/benchmark.h>

// A spreadsheet's export of 10,000 customers, ";"-separated, read into rows.
static void BM_ImportCsv(benchmark::State& state) {
    QString text = QStringLiteral("Příjmení;Jméno;Ulice;PSČ;Obec\r\n");
    for (int i = 0; i < state.range(0); ++i)
        text += QStringLiteral("Dvořák%1;Jiří;Nádražní %1;602 00;Brno\r\n").arg(i);
    const QByteArray obsah = cp1250::encode(text);
    for (auto _ : state) benchmark::DoNotOptimize(ctiZakazniciCsv(obsah));
    state.SetBytesProcessed(state.iterations() * obsah.size());
}
BENCHMARK(BM_ImportCsv)->Arg(10000)->Unit(benchmark::kMillisecond);
