#include "engine/NactiSystem.h"
#include "engine/Sorvenika.h"
#include "platform/Cp1250.h"
#include "pricelist/TabulkaArtiklu.h"
#include "costing/Kalkulace.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

// One complete costing as the wizard's OK runs it: the item table loaded against a price list
// of 16,000 articles, a calculator, both grids filled; and the price refill after an edit.
namespace {

constexpr int kArtiklu = 16000;
constexpr int kRadku = 100;    // item rows, about the largest system's table
constexpr int kSloupcu = 10;   // cross-sections

// The price list's article table of 16,000 articles; codes as the item table names them.
struct Cenik {
    std::vector<QString> kody;
    TabulkaArtiklu tabulka;

    Cenik() {
        DataDBF d;
        d.nazvy = QStringList{"STARYKOD", "OBJCISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJSKLAD", "SYSTEM"};
        for (int i = 0; i < kArtiklu; ++i) {
            kody.push_back(QStringLiteral("A%1").arg(i * 7919 % 1000003, 7, 10, QLatin1Char('0')) + (i % 50 ? "" : "-s"));
            d.radky.push_back({QString::number(i), kody.back(), QStringLiteral("Tvárnice komínová"), 1234.5 + i,
                               12.3, QStringLiteral("ks"), 1.0, QStringLiteral("MIV")});
        }
        tabulka = TabulkaArtiklu::zDat(d, QStringLiteral("Art"));
    }
    QString kod(int i) const { return kody[static_cast<size_t>(i)]; }
};

QByteArray tabulkaPolozek(const Cenik& cenik) {
    QString t;
    for (int c = 1; c <= kSloupcu; ++c) t += (c > 1 ? "\t" : "") + QString(c % 2 ? "SACHTA" : "");
    t += "\r\n";
    for (int c = 1; c <= kSloupcu; ++c) t += (c > 1 ? "\t" : "") + QString::number(10 + 2 * c);
    t += "\r\n";
    for (int r = 1; r <= kRadku; ++r) {
        for (int c = 1; c <= kSloupcu; ++c)
            t += (c > 1 ? "\t" : "") + ((r + c) % 7 == 0 ? QStringLiteral("-") : cenik.kod((r * 131 + c * 17) % kArtiklu));
        t += "\r\n";
    }
    return cp1250::encode(t);
}

// Quantities from the height in the calculators' manner, three kits and the accessory rows.
class ZkusebniKalkulacka : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;
    void Spocitej() override {
        vytvorSoupravy(2, 1, 1, 1);
        const double v = P().Vyska;
        VektorMnozstvi q = novyVektor();
        for (int r = 1; r <= P().PocetRadku; ++r)
            if (existuje(r)) q(r) = Integer::fromDouble(Round(v * (r % 9 + 1) / 20 + 0.49));
        P().ZakladniSoupravy(1).Pocet = q(1);
        P().ZakladniSoupravy(1).pridejDil(QStringLiteral("A"), 2, 10);
        P().ZakladniSoupravy(1).pridejDil(QStringLiteral("B"), 1, 11);
        P().Sady(1).Pocet = Integer(1);
        P().Sady(1).pridejDil(QStringLiteral("C"), 3, 12);
        PrenesPrislusenstvi(q);
        ZapisMnozstvi(q);
    }
    void Prepocitej(int radek, Integer ks) override {
        auto q = zacniPrepocet(radek, ks);
        if (!q) return;
        PrenesPrislusenstvi(*q);
        ZapisMnozstvi2(*q);
    }
    void PrenesPrislusenstvi(VektorMnozstvi& q) override {
        for (int i = 0; i <= 35; ++i) q(50 + i) = kus(P().Prislusenstvi(i));
    }
};

struct Prostredi {
    QTemporaryDir dir;
    Cenik cenik;
    GlobalniData g;
    Kalkulacky kalkulacky;
    FlexGrid tabulka{1, 6};
    FlexGrid tabSuma{1, 3};

    Prostredi() {
        QFile f(dir.filePath(QStringLiteral("SYS.txt")));
        if (!f.open(QIODevice::WriteOnly)) throw std::runtime_error("SYS.txt");
        f.write(tabulkaPolozek(cenik));
        f.close();
        qputenv("SORVENIKA_DATA", dir.path().toUtf8());
        g.Systemy.resize(2);
        g.Systemy[1].Data = QStringLiteral("SYS.txt");
        g.sorvenikaParametry.SystemKod = 1;
        g.sorvenikaParametry.System = QStringLiteral("MIV");
        g.sorvenikaParametry.IdPrurez = Integer(3);
        g.sorvenikaParametry.Vyska = 12.33f;
        g.nastaveni.DPH = Currency::fromInt(21);
        kalkulacky.nastav(QStringLiteral("MIV"), std::make_unique<ZkusebniKalkulacka>(g));
        tabSuma.setFixedRows(0);
        tabSuma.setRows(6);
    }
    void kalkulace() {
        if (!NactiSystem(g, cenik.tabulka)) throw std::runtime_error("NactiSystem");
        g.sorvenikaParametry.IdPrurez = Integer(3);
        g.sorvenikaParametry.Prislusenstvi(4) = true;
        SpocitejSorveniku(g, kalkulacky, {tabulka, tabSuma});
    }
};

}  // namespace

static void BM_UplnaKalkulace(benchmark::State& state) {
    Prostredi p;
    for (auto _ : state) {
        p.kalkulace();
        benchmark::DoNotOptimize(p.tabSuma.TextMatrix(2, 1));
    }
    state.counters["radku"] = p.tabulka.Rows() - 1;
}
BENCHMARK(BM_UplnaKalkulace)->Unit(benchmark::kMicrosecond);

static void BM_PrepocitejCeny(benchmark::State& state) {
    Prostredi p;
    p.kalkulace();
    p.g.Koeficient = 0.87f;
    for (auto _ : state) {
        PrepocitejCeny(p.g, {p.tabulka, p.tabSuma});
        benchmark::DoNotOptimize(p.tabSuma.TextMatrix(2, 1));
    }
    state.counters["radku"] = p.tabulka.Rows() - 1;
}
BENCHMARK(BM_PrepocitejCeny)->Unit(benchmark::kMicrosecond);
