#include "net/clsBase64.h"
#include "net/clsRC4.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray vzorek(qsizetype n) {
    QByteArray b(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i) b[i] = static_cast<char>(i * 13 + 7);
    return b;
}

}  // namespace

// Order messages and offer commands are enciphered, encoded and broken into lines whole.
static void BM_Base64Encode(benchmark::State& state) {
    const QByteArray b = vzorek(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(clsBase64::Encode(b));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Base64Encode)->Arg(1 << 10)->Arg(1 << 20);

static void BM_Base64Decode(benchmark::State& state) {
    const QByteArray t = clsBase64::Encode(vzorek(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(clsBase64::Decode(t));
    state.SetBytesProcessed(state.iterations() * t.size());
}
BENCHMARK(BM_Base64Decode)->Arg(1 << 10)->Arg(1 << 20);

static void BM_Base64MakeLine(benchmark::State& state) {
    const QString t = clsBase64::Encode(QString::fromLatin1(vzorek(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(clsBase64::ClearCRLF(clsBase64::MakeLine(t)));
    state.SetBytesProcessed(state.iterations() * t.size());
}
BENCHMARK(BM_Base64MakeLine)->Arg(1 << 20);

static void BM_RC4(benchmark::State& state) {
    const QByteArray b = vzorek(state.range(0));
    clsRC4 rc4;
    for (auto _ : state) {
        rc4.RC4ini(QByteArray("e3b94c07a51f6d28c9e0b7a43d12f865"));
        benchmark::DoNotOptimize(rc4.EnDeCrypt(b));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RC4)->Arg(1 << 10)->Arg(1 << 20);
