#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "engine/Obezdivka.h"
#include "engine/Sorvenika.h"
#include "pricelist/TabulkaArtiklu.h"

#include <benchmark/benchmark.h>
#include <stdexcept>

// One complete costing of T-REMOL2R, T-REMOL2S, KALVIR and ORVIK on the shipped sample data, as
// the wizard's OK runs it: the item table loaded against the price list (read once at
// start-up), the calculator, both grids filled.
namespace {

const char* const kSystemy[] = {"T-REMOL2R", "T-REMOL2S", "KALVIR", "ORVIK"};

struct Kalkulace {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    GlobalniData g;
    TabulkaArtiklu cenik;
    Kalkulacky kalkulacky;
    FlexGrid tabulka{1, 6};
    FlexGrid tabSuma{1, 3};

    explicit Kalkulace(const char* system) {
        qputenv("SORVENIKA_DATA", data.toUtf8());
        if (NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba) throw std::runtime_error("Sorvenika.ini");
        cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
        for (int i = 1; i <= g.nastaveni.PocetSystemu; ++i)
            if (g.system(i).Sekce == QLatin1String(system)) g.sorvenikaParametry.SystemKod = i;
        g.sorvenikaParametry.System = QString::fromLatin1(system);
        g.nastaveni.TypUzivatele = 1;
        kalkulacky = vytvorKalkulacky(g);
        tabSuma.setFixedRows(0);
        tabSuma.setRows(6);
    }

    // The second cross-section, 12.33 m, a brick casing of 1.33 m, door, second connection with
    // flue 2 at 45°, two connecting pieces, three accessories.
    void spocitej() {
        if (!NactiSystem(g, cenik)) throw std::runtime_error("item table");
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.IdPrurez = Integer(2);
        p.Prurez = g.dataSystemu.Prurezy(2);
        p.Vyska = 12.33f;
        p.Kourovod2 = Integer(1);
        p.HorniDvirka = true;
        p.DruheNapojeni = true;
        p.PocetNapojovacichDilu = Integer(2);
        p.Ukonceni = 1;
        p.DruhCihly = 2;
        p.VyskaUkonceni = 1.33f;
        SpocitejObezdivku(p);
        p.Prislusenstvi(0) = true;
        p.Prislusenstvi(6) = true;
        p.Prislusenstvi(17) = true;
        SpocitejSorveniku(g, kalkulacky, {tabulka, tabSuma});
    }
};

}  // namespace

static void BM_KalkulaceT2KO(benchmark::State& state) {
    const char* system = kSystemy[state.range(0)];
    Kalkulace k(system);
    for (auto _ : state) {
        k.spocitej();
        benchmark::DoNotOptimize(k.tabSuma.TextMatrix(2, 1));
    }
    state.SetLabel(system);
    state.counters["radku"] = k.tabulka.Rows() - 1;
}
BENCHMARK(BM_KalkulaceT2KO)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The calculator and recompute alone, without loading or grids.
static void BM_SpocitejT2KO(benchmark::State& state) {
    const char* system = kSystemy[state.range(0)];
    Kalkulace k(system);
    k.spocitej();
    Kalkulacka* c = k.kalkulacky.najdi(QString::fromLatin1(system));
    for (auto _ : state) {
        c->Spocitej();
        c->Prepocitej(1, Integer(2));
        benchmark::DoNotOptimize(k.g.dataSystemu.Polozky(2, 1).Ks);
    }
    state.SetLabel(system);
}
BENCHMARK(BM_SpocitejT2KO)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
