#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "engine/Orlex.h"
#include "engine/Sorvenika.h"
#include "pricelist/TabulkaArtiklu.h"

#include <benchmark/benchmark.h>
#include <stdexcept>

// One complete MIV costing on the shipped sample data, as the wizard's OK runs it after the
// system was chosen: the item table loaded against the price list (read once at start-up),
// the calculator, both grids filled.
namespace {

struct Kalkulace {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    GlobalniData g;
    TabulkaArtiklu cenik;
    Kalkulacky kalkulacky;
    FlexGrid tabulka{1, 6};
    FlexGrid tabSuma{1, 3};

    Kalkulace() {
        qputenv("SORVENIKA_DATA", data.toUtf8());
        if (NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba) throw std::runtime_error("Sorvenika.ini");
        cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
        for (int i = 1; i <= g.nastaveni.PocetSystemu; ++i)
            if (g.system(i).Sekce == QLatin1String("MIV")) g.sorvenikaParametry.SystemKod = i;
        g.sorvenikaParametry.System = QStringLiteral("MIV");
        kalkulacky = vytvorKalkulacky(g);
        tabSuma.setFixedRows(0);
        tabSuma.setRows(6);
    }

    // "20" with a shaft, 12.33 m, Orlex top of 2 m, door, second connection, two accessories.
    void spocitej() {
        if (!NactiSystem(g, cenik)) throw std::runtime_error("MIV.txt");
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.IdPrurez = Integer(5);
        p.Prurez = g.dataSystemu.Prurezy(5);
        p.Vyska = 12.33f;
        p.Sachta = true;
        p.Kourovod = Integer(0);
        p.HorniDvirka = true;
        p.DruheNapojeni = true;
        p.Ukonceni = 3;
        p.VyskaUkonceni = 2.0f;
        SpocitejOrlex(p);
        p.Prislusenstvi(0) = true;
        p.Prislusenstvi(11) = true;
        SpocitejSorveniku(g, kalkulacky, {tabulka, tabSuma});
    }
};

}  // namespace

static void BM_KalkulaceMIV(benchmark::State& state) {
    Kalkulace k;
    for (auto _ : state) {
        k.spocitej();
        benchmark::DoNotOptimize(k.tabSuma.TextMatrix(2, 1));
    }
    state.counters["radku"] = k.tabulka.Rows() - 1;
}
BENCHMARK(BM_KalkulaceMIV)->Unit(benchmark::kMicrosecond);

// The calculator alone, without loading or grids.
static void BM_SpocitejMIV(benchmark::State& state) {
    Kalkulace k;
    k.spocitej();
    Kalkulacka* miv = k.kalkulacky.najdi(QStringLiteral("MIV"));
    for (auto _ : state) {
        miv->Spocitej();
        benchmark::DoNotOptimize(k.g.dataSystemu.Polozky(5, 9).Ks);
    }
}
BENCHMARK(BM_SpocitejMIV)->Unit(benchmark::kMicrosecond);
