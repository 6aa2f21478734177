// Sending an order of 20 sub-orders of 50 lines each to the stand-in server, once per connection
// mode (direct, tinyproxy with Basic authorisation, microsocks): checks, message, RC4, Base64,
// upload, the copy and the emptied sheet. Counts the orders the server stored with other bytes
// than those built ("rozdilne") and those it did not confirm ("nepotvrzeno").
#include "net/clsHTTP.h"
#include "orders/OdeslaniObjednavky.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/Services.h"
#include "support/Peers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Prostredi {
    QTemporaryDir dir;
    std::unique_ptr<Peer> server, proxy, socks;
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Art"));
    Prostredi() {
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
        qputenv("SORVENIKA_DATA", dir.filePath("Data").toUtf8());
        QDir().mkpath(dir.filePath("Data"));
        QFile o(dir.filePath("Data/Objednavky.ini"));
        o.open(QIODevice::WriteOnly);
        o.write(QStringLiteral("[NASTAVENI]\r\npripojeni=%1\r\nproxy=127.0.0.1\r\nport=%2\r\nSOCKS5server=127.0.0.1\r\n"
                               "SOCKS5port=%3\r\nserver=127.0.0.1:%4\r\nemail=obchod@example.cz\r\nid=K-17\r\n"
                               "cislo objednavky=1000\r\nvystup=%5\r\n")
                    .arg(r)
                    .arg(proxy->port())
                    .arg(socks->port())
                    .arg(server->port())
                    .arg(dir.filePath("kopie"))
                    .toUtf8());
        QFile u(dir.filePath("Data/Sorvenika.ini"));
        u.open(QIODevice::WriteOnly);
        u.write("[UZIVATEL]\r\nProxyAuthorization=-1\r\nProxyUser=tester\r\nProxyPwd=aGVzbG8=\r\n");
        QFile::copy(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/objednavka.htm"), dir.filePath("Data/objednavka.htm"));
    }
    // 20 sub-orders of 50 articles of the price list, each with a two-line note.
    void napln(ModelObjednavky& m) const {
        for (int i = 0; i < 20; ++i) {
            QString kody, kusy;
            for (int j = 1; j <= 50; ++j) {
                kody += cenik.text(1 + (i * 50 + j) % cenik.pocetArtiklu(), TabulkaArtiklu::ObjCislo) + QLatin1Char('|');
                kusy += QString::number(j) + QLatin1Char('|');
            }
            m.PridatObjednavku({QStringLiteral("Podobjednávka %1").arg(i + 1), kody, kusy, QStringLiteral("řádek 1\r\nřádek 2"), {}});
        }
        const QDate dnes = platform::clock().today();
        m.txtDatumExpediceDen = QString::number(dnes.day());
        m.txtDatumExpediceMesic = QString::number(dnes.month());
        m.txtDatumExpediceRok = QString::number(dnes.year());
        m.cmbZavod = 1;
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

void BM_OdeslaniObjednavky20x50(benchmark::State& state) {
    Prostredi& p = prostredi();
    if (!p.chyba().isEmpty()) return state.SkipWithError(p.chyba().toStdString().c_str());
    p.rezim(static_cast<int>(state.range(0)));
    clsHTTP http;
    int rozdilne = 0, nepotvrzeno = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto m = std::make_unique<ModelObjednavky>(p.cenik, Currency::fromInt(21));
        p.napln(*m);
        const qint32 cislo = m->Objednavka.CisloObjednavky();
        const QByteArray zprava = cp1250::encode(*ZpravaObjednavky(*m, platform::clock().today()));
        m->Objednavka.setCisloObjednavky(cislo);
        state.ResumeTiming();
        const VysledekOdeslani v = mnuOdeslat_Click(*m, http);
        state.PauseTiming();
        if (!m->lstObjednavky.isEmpty() || v.zpravy.isEmpty() || !v.zpravy[0].contains(u'[')) {
            ++nepotvrzeno;
        } else {
            const qint32 n = m->Objednavka.CisloObjednavky() - 1;
            QFile f(p.dir.filePath(QStringLiteral("server/objednavky/%1.txt").arg(n)));
            if (!f.open(QIODevice::ReadOnly) || f.readAll() != zprava) ++rozdilne;
        }
        m.reset();
        state.ResumeTiming();
    }
    state.counters["rozdilne"] = rozdilne;
    state.counters["nepotvrzeno"] = nepotvrzeno;
}

}  // namespace

// 1 direct, 2 HTTP proxy, 3 SOCKS5.
BENCHMARK(BM_OdeslaniObjednavky20x50)->ArgName("rezim")->Arg(1)->Arg(2)->Arg(3)->Iterations(10)->Unit(benchmark::kMillisecond);
