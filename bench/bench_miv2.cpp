#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "engine/Obezdivka.h"
#include "engine/Orlex.h"
#include "engine/Sorvenika.h"
#include "pricelist/TabulkaArtiklu.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <stdexcept>

// One complete costing of DORVA, MIV2S and MIV2R on the shipped sample data, as the wizard's OK
// runs it after the system was chosen: the item table loaded against the price list (read once
// at start-up), the calculator, both grids filled.
namespace {

struct Kalkulace {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    GlobalniData g;
    TabulkaArtiklu cenik;
    Kalkulacky kalkulacky;
    FlexGrid tabulka{1, 6};
    FlexGrid tabSuma{1, 3};
    std::function<void(SorvenikaParametry&)> parametry;

    Kalkulace(const char* system, std::function<void(SorvenikaParametry&)> parametry)
        : parametry(std::move(parametry)) {
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

    void spocitej(int sloupec) {
        if (!NactiSystem(g, cenik)) throw std::runtime_error("item table");
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.IdPrurez = Integer(sloupec);
        p.Prurez = g.dataSystemu.Prurezy(sloupec);
        parametry(p);
        SpocitejSorveniku(g, kalkulacky, {tabulka, tabSuma});
    }
};

// "20", 12.33 m, casing of 1.66 m in clinker brick, upper door, anchoring.
void dorva(SorvenikaParametry& p) {
    p.Vyska = 12.33f;
    p.HorniDvirka = true;
    p.Ukonceni = 1;
    p.DruhCihly = 1;
    p.VyskaUkonceni = 1.66f;
    SpocitejObezdivku(p);
    p.Prislusenstvi(6) = true;
}

// "20/20", 12.33 m, flue 2 at 45°, Orlex top of 2 m, door, second connection, two accessories.
void miv2s(SorvenikaParametry& p) {
    p.Vyska = 12.33f;
    p.Kourovod2 = Integer(1);
    p.HorniDvirka = true;
    p.DruheNapojeni = true;
    p.Ukonceni = 3;
    p.VyskaUkonceni = 2.0f;
    SpocitejOrlex(p);
    p.Prislusenstvi(0) = true;
    p.Prislusenstvi(11) = true;
}

// "14/18", 12.33 m, the "Sada MIV" with flue 2 at 45°, Orlex top of 2 m, door, two accessories.
void miv2r(SorvenikaParametry& p) {
    p.Vyska = 12.33f;
    p.Kourovod2 = Integer(1);
    p.HorniDvirka = true;
    p.Ukonceni = 3;
    p.VyskaUkonceni = 2.0f;
    SpocitejOrlex(p);
    p.Prislusenstvi(0) = true;
    p.Prislusenstvi(17) = true;
}

void kalkulace(benchmark::State& state, const char* system, void (*parametry)(SorvenikaParametry&), int sloupec) {
    Kalkulace k(system, parametry);
    for (auto _ : state) {
        k.spocitej(sloupec);
        benchmark::DoNotOptimize(k.tabSuma.TextMatrix(2, 1));
    }
    state.counters["radku"] = k.tabulka.Rows() - 1;
}

// The calculator alone, without loading or grids.
void spocitej(benchmark::State& state, const char* system, void (*parametry)(SorvenikaParametry&), int sloupec) {
    Kalkulace k(system, parametry);
    k.spocitej(sloupec);
    Kalkulacka* c = k.kalkulacky.najdi(QString::fromLatin1(system));
    for (auto _ : state) {
        c->Spocitej();
        benchmark::DoNotOptimize(k.g.dataSystemu.Polozky(sloupec, 3).Ks);
    }
}

// A recompute after an edit of the compound row, as the sheet calls it.
void prepocitej(benchmark::State& state, const char* system, void (*parametry)(SorvenikaParametry&), int sloupec,
                int radek) {
    Kalkulace k(system, parametry);
    k.spocitej(sloupec);
    Kalkulacka* c = k.kalkulacky.najdi(QString::fromLatin1(system));
    for (auto _ : state) {
        c->Prepocitej(radek, Integer(7));
        benchmark::DoNotOptimize(k.g.dataSystemu.Polozky(sloupec, radek).Ks);
    }
}

}  // namespace

BENCHMARK_CAPTURE(kalkulace, DORVA, "DORVA", dorva, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(kalkulace, MIV2S, "MIV2S", miv2s, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(kalkulace, MIV2R, "MIV2R", miv2r, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spocitej, DORVA, "DORVA", dorva, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spocitej, MIV2S, "MIV2S", miv2s, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(spocitej, MIV2R, "MIV2R", miv2r, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(prepocitej, DORVA, "DORVA", dorva, 5, 9)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(prepocitej, MIV2S, "MIV2S", miv2s, 5, 27)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(prepocitej, MIV2R, "MIV2R", miv2r, 6, 38)->Unit(benchmark::kMicrosecond);
