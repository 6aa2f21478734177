// 200 connection tests in a row per connection mode on 127.0.0.1: straight to the stand-in
// server, through tinyproxy with Basic authorisation, and through microsocks. Reports the round
// trips (median, slowest), the tests that did not bring the server's text (lost) and those that
// took longer than the test's limits allow (over its limit).
#include "net/clsHTTP.h"
#include "support/Peers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

const QString kTextTestu = QStringLiteral("Spojení se serverem objednávek je v pořádku.");

// The peers and a data folder for the whole run.
struct Prostredi {
    QTemporaryDir dir;
    std::unique_ptr<Peer> server, proxy, socks;
    Prostredi() {
        qputenv("SORVENIKA_DATA", dir.path().toUtf8());
        server = Peer::zastupnyServer(dir.filePath("server"));
        proxy = Peer::tinyproxy(dir.path(), "tester", "heslo");
        socks = Peer::microsocks();
    }
    QString chyba() const {
        for (const Peer* p : {server.get(), proxy.get(), socks.get()})
            if (!p->chyba().isEmpty()) return p->chyba();
        return {};
    }
    void rezim(int r) {
        QFile o(dir.filePath("Objednavky.ini"));
        o.open(QIODevice::WriteOnly);
        o.write(QStringLiteral("[NASTAVENI]\r\npripojeni=%1\r\nproxy=127.0.0.1\r\nport=%2\r\nSOCKS5server=127.0.0.1\r\n"
                               "SOCKS5port=%3\r\nserver=127.0.0.1:%4\r\n")
                    .arg(r)
                    .arg(proxy->port())
                    .arg(socks->port())
                    .arg(server->port())
                    .toLatin1());
        QFile u(dir.filePath("Sorvenika.ini"));
        u.open(QIODevice::WriteOnly);
        u.write("[UZIVATEL]\r\nProxyAuthorization=-1\r\nProxyUser=tester\r\nProxyPwd=aGVzbG8=\r\n");
    }
};

Prostredi& prostredi() {
    static int argc = 1;
    static char nazev[] = "sorvenika_bench";
    static char* argv[] = {nazev, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    static Prostredi p;
    return p;
}

void BM_TestSpojeni(benchmark::State& state) {
    Prostredi& p = prostredi();
    if (!p.chyba().isEmpty()) return state.SkipWithError(p.chyba().toStdString().c_str());
    p.rezim(static_cast<int>(state.range(0)));
    clsHTTP http;
    const qint64 limit = http.limitTestu.pripojeni + http.limitTestu.odpoved;
    std::vector<double> casy;
    int ztraceno = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const Vysledek<QString> v = http.TestSpojeni();
        casy.push_back(t.nsecsElapsed() / 1e6);
        if (!v || *v != kTextTestu) ++ztraceno;
    }
    std::sort(casy.begin(), casy.end());
    state.counters["median_ms"] = casy[casy.size() / 2];
    state.counters["max_ms"] = casy.back();
    state.counters["ztraceno"] = ztraceno;
    state.counters["nad_limitem"] = static_cast<double>(std::count_if(casy.begin(), casy.end(), [&](double ms) { return ms > limit; }));
}

}  // namespace

// 1 direct, 2 HTTP proxy, 3 SOCKS5.
BENCHMARK(BM_TestSpojeni)->ArgName("rezim")->Arg(1)->Arg(2)->Arg(3)->Iterations(200)->Unit(benchmark::kMillisecond);
