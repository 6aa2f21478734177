// The connection test on 127.0.0.1, 200 in a row per mode: straight to the stand-in server,
// through tinyproxy with Basic authorisation, and through microsocks. Reports the round trips
// (median, slowest), the tests or yardstick requests that did not bring the server's text (lost),
// those that took longer than the test's limits allow (over its limit), and the median against
// its yardstick's measured in the same run: a plain socket asking the same request (direct),
// the direct test (SOCKS5). Also the reply clean-up of a megabyte of tags.
#include "PeryBench.h"
#include "net/ProtokolHTTP.h"
#include "net/clsHTTP.h"

#include <QElapsedTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

const QString kTextTestu = QStringLiteral("Spojení se serverem objednávek je v pořádku.");

// The peers for the whole run, the data folder theirs; they end with the process however it ends.
struct Prostredi : PeryBench {
    Prostredi() { qputenv("SORVENIKA_DATA", dir.path().toUtf8()); }
    void rezim(int r) const { nastav(dir.path(), r); }
};

Prostredi& prostredi() {
    static Prostredi p;
    return p;
}

double median(std::vector<double> casy) {
    std::sort(casy.begin(), casy.end());
    return casy[casy.size() / 2];
}

// The direct test's request on a blocking socket, read to the server's close.
bool prostyDotaz(quint16 port, const QByteArray& pozadavek, QByteArray& odpoved) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0 &&
              ::send(s, pozadavek.constData(), static_cast<size_t>(pozadavek.size()), 0) == pozadavek.size();
    odpoved.clear();
    char buf[4096];
    for (ssize_t n; ok && (n = ::recv(s, buf, sizeof buf, 0)) != 0;) {
        if (n < 0) ok = false;
        else odpoved.append(buf, n);
    }
    ::close(s);
    return ok;
}

bool prislo(const Vysledek<QString>& v) { return v && *v == kTextTestu; }

// Times one call in milliseconds.
template <class F>
double ms(F&& f) {
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

// Each test is paired with its yardstick, asked just before it, so that both meet the machine in
// the same state: direct with a plain socket's request (budget 3x), SOCKS5 with a direct test
// (budget 2x); the HTTP proxy has no yardstick.
void BM_TestSpojeni(benchmark::State& state) {
    Prostredi& p = prostredi();
    if (!p.chyba().isEmpty()) return state.SkipWithError(p.chyba().toStdString().c_str());
    const int rezim = static_cast<int>(state.range(0));
    p.rezim(1);
    clsHTTP primo;
    p.rezim(rezim);
    clsHTTP http;
    const QByteArray pozadavek = http::hlavickaTestu(p.adresaServeru(), http::radkyRezimu(1, false, {}, {}));
    const qint64 limit = http.limitTestu.pripojeni + http.limitTestu.odpoved;
    std::vector<double> casy, meritko;
    int ztraceno = 0;
    QByteArray odpoved;
    for (auto _ : state) {
        state.PauseTiming();
        if (rezim == 1) {
            meritko.push_back(ms([&] {
                if (!prostyDotaz(p.server->port(), pozadavek, odpoved) || http::ZpracujOdpoved(odpoved) != kTextTestu) ++ztraceno;
            }));
        } else if (rezim == 3) {
            meritko.push_back(ms([&] {
                if (!prislo(primo.TestSpojeni())) ++ztraceno;
            }));
        }
        state.ResumeTiming();
        casy.push_back(ms([&] {
            if (!prislo(http.TestSpojeni())) ++ztraceno;
        }));
    }
    const double m = median(casy);
    state.counters["median_ms"] = m;
    state.counters["max_ms"] = *std::max_element(casy.begin(), casy.end());
    state.counters["ztraceno"] = ztraceno;
    state.counters["nad_limitem"] = static_cast<double>(std::count_if(casy.begin(), casy.end(), [&](double t) { return t > limit; }));
    if (meritko.empty()) return;
    state.counters[rezim == 1 ? "prosty_socket_median_ms" : "primo_median_ms"] = median(meritko);
    state.counters[rezim == 1 ? "x_prosty_socket" : "x_primo"] = m / median(meritko);
}

// A megabyte of different tags in a reply body: each tag's removal must not rescan the rest.
void BM_ZpracujOdpoved_MiBZnacek(benchmark::State& state) {
    QByteArray odpoved = "HTTP/1.0 200 OK\r\n\r\n";
    for (int i = 0; odpoved.size() < (1 << 20); ++i) odpoved += "<t" + QByteArray::number(i) + ">slovo";
    for (auto _ : state) benchmark::DoNotOptimize(http::ZpracujOdpoved(odpoved));
    state.SetBytesProcessed(state.iterations() * odpoved.size());
}

}  // namespace

// 1 direct, 2 HTTP proxy, 3 SOCKS5.
BENCHMARK(BM_TestSpojeni)->ArgName("rezim")->Arg(1)->Arg(2)->Arg(3)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZpracujOdpoved_MiBZnacek)->Unit(benchmark::kMillisecond);
