#include "platform/Cp1250.h"

#include <benchmark/benchmark.h>

// Offer and order files are decoded whole at every read.
static void BM_Cp1250RoundTrip(benchmark::State& state) {
    QByteArray bytes(static_cast<qsizetype>(state.range(0)), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    for (auto _ : state) {
        const QString s = cp1250::decode(bytes);
        benchmark::DoNotOptimize(cp1250::encode(s));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Cp1250RoundTrip)->Arg(1 << 20);
