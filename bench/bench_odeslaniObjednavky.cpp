// Sending an order of 20 sub-orders of 50 lines each to the stand-in server, once per connection
// mode (direct, tinyproxy with Basic authorisation, microsocks): checks, message, RC4, Base64,
// upload, the copy and the emptied sheet. Counts the orders the server stored with other bytes
// than those built ("rozdilne") and those it did not confirm ("nepotvrzeno").
#include "PeryBench.h"
#include "net/clsHTTP.h"
#include "orders/OdeslaniObjednavky.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/Services.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Prostredi : PeryBench {
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Art"));
    void rezim(int r) {
        const QString data = dir.filePath(QStringLiteral("Data"));
        qputenv("SORVENIKA_DATA", data.toUtf8());
        nastav(data, r,
               QStringLiteral("email=obchod@example.cz\r\nid=K-17\r\ncislo objednavky=1000\r\nvystup=%1\r\n")
                   .arg(dir.filePath(QStringLiteral("kopie"))));
        QFile::copy(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/objednavka.htm"), data + QStringLiteral("/objednavka.htm"));
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
        const Hlaseni<Fokus> v = mnuOdeslat_Click(*m, http);
        state.PauseTiming();
        if (!m->lstObjednavky.isEmpty() || v.oznameni.isEmpty() || !v.oznameni[0].contains(u'[')) {
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
