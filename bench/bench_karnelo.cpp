#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "engine/Obezdivka.h"
#include "engine/Sorvenika.h"
#include "pricelist/TabulkaArtiklu.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <stdexcept>
#include <utility>

// One complete costing of each of KARNELO, KARNELO2S, KARNELO2R and T-REMOL on the shipped
// sample data, as the wizard's OK runs it: the item table loaded against the price list (read
// once at start-up), the calculator, both grids filled.
namespace {

struct Kalkulace {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    GlobalniData g;
    TabulkaArtiklu cenik;
    Kalkulacky kalkulacky;
    FlexGrid tabulka{1, 6};
    FlexGrid tabSuma{1, 3};
    using Parametry = std::function<void(SorvenikaParametry&, const GlobalniData&)>;
    Parametry parametry;

    Kalkulace(const char* system, Parametry nastav) : parametry(std::move(nastav)) {
        qputenv("SORVENIKA_DATA", data.toUtf8());
        if (NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba) throw std::runtime_error("Sorvenika.ini");
        cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
        for (int i = 1; i <= g.nastaveni.PocetSystemu; ++i)
            if (g.system(i).Sekce == QLatin1String(system)) g.sorvenikaParametry.SystemKod = i;
        g.sorvenikaParametry.System = QString::fromLatin1(system);
        kalkulacky = vytvorKalkulacky(g);
        tabSuma.setFixedRows(0);
        tabSuma.setRows(6);
    }

    void spocitej() {
        if (!NactiSystem(g, cenik)) throw std::runtime_error("item table");
        parametry(g.sorvenikaParametry, g);
        SpocitejSorveniku(g, kalkulacky, {tabulka, tabSuma});
    }
};

void prurez(SorvenikaParametry& p, const GlobalniData& g, int sloupec) {
    p.IdPrurez = Integer(sloupec);
    p.Prurez = g.dataSystemu.Prurezy(sloupec);
}

void kalkulace(benchmark::State& state, Kalkulace& k) {
    for (auto _ : state) {
        k.spocitej();
        benchmark::DoNotOptimize(k.tabSuma.TextMatrix(2, 1));
    }
    state.counters["radku"] = k.tabulka.Rows() - 1;
}

}  // namespace

// "18" with a shaft and the right foot, 12.33 m, brick casing, door, second connection at 45°.
static void BM_KalkulaceKARNELO(benchmark::State& state) {
    Kalkulace k("KARNELO", [](SorvenikaParametry& p, const GlobalniData& g) {
        prurez(p, g, 4);
        p.Vyska = 12.33f;
        p.Sachta = true;
        p.Kourovod = Integer(1);
        p.DruhPaty = Integer(2);
        p.HorniDvirka = true;
        p.DruheNapojeni = true;
        p.Ukonceni = 1;
        p.DruhCihly = 2;
        p.VyskaUkonceni = 1.33f;
        SpocitejObezdivku(p);
        p.PocetZSLKT = 2;
        p.Prislusenstvi(3) = true;
        p.Prislusenstvi(11) = true;
    });
    kalkulace(state, k);
}
BENCHMARK(BM_KalkulaceKARNELO)->Unit(benchmark::kMicrosecond);

// "16/16" without shaft, 9 m, mixed angles, KEPO sets, cladding.
static void BM_KalkulaceKARNELO2S(benchmark::State& state) {
    Kalkulace k("KARNELO2S", [](SorvenikaParametry& p, const GlobalniData& g) {
        prurez(p, g, 3);
        p.Vyska = 9.0f;
        p.Kourovod2 = Integer(1);
        p.SoupravaKEPO = Integer(1);
        p.Ukonceni = 2;
        p.DruhPlaste = 2;
        p.IdVyskaPlaste = Integer(4);
        p.Prislusenstvi(10) = true;
        p.Prislusenstvi(16) = true;
    });
    kalkulace(state, k);
}
BENCHMARK(BM_KalkulaceKARNELO2S)->Unit(benchmark::kMicrosecond);

// "16/20" with a shaft, 15.66 m, both basic kits, door, cover plates.
static void BM_KalkulaceKARNELO2R(benchmark::State& state) {
    Kalkulace k("KARNELO2R", [](SorvenikaParametry& p, const GlobalniData& g) {
        prurez(p, g, 9);
        p.Vyska = 15.66f;
        p.Sachta = true;
        p.HorniDvirka = true;
        p.Ukonceni = 4;
        p.Prislusenstvi(0) = true;
        p.Prislusenstvi(33) = true;
    });
    kalkulace(state, k);
}
BENCHMARK(BM_KalkulaceKARNELO2R)->Unit(benchmark::kMicrosecond);

// "20" without shaft, 12 m, 45°, KDS.
static void BM_KalkulaceTREMOL(benchmark::State& state) {
    Kalkulace k("T-REMOL", [](SorvenikaParametry& p, const GlobalniData& g) {
        prurez(p, g, 4);
        p.Vyska = 12.0f;
        p.Kourovod = Integer(1);
        p.Ukonceni = 5;
        p.Prislusenstvi(13) = true;
    });
    kalkulace(state, k);
}
BENCHMARK(BM_KalkulaceTREMOL)->Unit(benchmark::kMicrosecond);
