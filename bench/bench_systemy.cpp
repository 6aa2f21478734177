#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "engine/Obezdivka.h"
#include "engine/Orlex.h"
#include "engine/Sorvenika.h"
#include "pricelist/TabulkaArtiklu.h"
#include "systems/Kalkulacky.h"
#include "costing/Kalkulace.h"

#include <benchmark/benchmark.h>
#include <stdexcept>
#include <string>

// Each of the twelve systems on the shipped sample data: one complete costing as the wizard's OK
// runs it after the system was chosen (the item table loaded against the price list, which is
// read once at start-up, the calculator, both grids filled); the calculator alone; and a
// recompute after an edit, as the sheet calls it.
namespace {

struct Scenar {
    const char* system;
    int sloupec;  // the cross-section
    int radek;    // the row edited for the recompute
    void (*parametry)(GlobalniData&);
};

void obezdivka(SorvenikaParametry& p, int druhCihly, float vyska) {
    p.Ukonceni = 1;
    p.DruhCihly = druhCihly;
    p.VyskaUkonceni = vyska;
    SpocitejObezdivku(p);
}

void orlex(SorvenikaParametry& p) {
    p.Ukonceni = 3;
    p.VyskaUkonceni = 2.0f;
    SpocitejOrlex(p);
}

// T-REMOL2R, T-REMOL2S, KALVIR and ORVIK alike: 12.33 m, a fireclay casing of 1.33 m, door,
// second connection with flue 2 at 45°, two connecting pieces, three accessories.
void tremol2(GlobalniData& g) {
    SorvenikaParametry& p = g.sorvenikaParametry;
    g.nastaveni.TypUzivatele = 1;
    p.Vyska = 12.33f;
    p.Kourovod2 = Integer(1);
    p.HorniDvirka = p.DruheNapojeni = true;
    p.PocetNapojovacichDilu = Integer(2);
    obezdivka(p, 2, 1.33f);
    p.Prislusenstvi(0) = p.Prislusenstvi(6) = p.Prislusenstvi(17) = true;
}

const Scenar kScenare[] = {
    // "20" with a shaft, 12.33 m, Orlex top of 2 m, door, second connection, two accessories.
    {"MIV", 5, 16,
     [](GlobalniData& g) {
         SorvenikaParametry& p = g.sorvenikaParametry;
         p.Vyska = 12.33f;
         p.Sachta = p.HorniDvirka = p.DruheNapojeni = true;
         orlex(p);
         p.Prislusenstvi(0) = p.Prislusenstvi(11) = true;
     }},
    // "20", 12.33 m, casing of 1.66 m in clinker brick, upper door, anchoring.
    {"DORVA", 5, 9,
     [](GlobalniData& g) {
         SorvenikaParametry& p = g.sorvenikaParametry;
         p.Vyska = 12.33f;
         p.HorniDvirka = true;
         obezdivka(p, 1, 1.66f);
         p.Prislusenstvi(6) = true;
     }},
    // "20/20", 12.33 m, flue 2 at 45°, Orlex top of 2 m, door, second connection, two accessories.
    {"MIV2S", 5, 27,
     [](GlobalniData& g) {
         SorvenikaParametry& p = g.sorvenikaParametry;
         p.Vyska = 12.33f;
         p.Kourovod2 = Integer(1);
         p.HorniDvirka = p.DruheNapojeni = true;
         orlex(p);
         p.Prislusenstvi(0) = p.Prislusenstvi(11) = true;
     }},
    // "14/18", 12.33 m, the "Sada MIV" with flue 2 at 45°, Orlex top of 2 m, door, two accessories.
    {"MIV2R", 6, 38,
     [](GlobalniData& g) {
         SorvenikaParametry& p = g.sorvenikaParametry;
         p.Vyska = 12.33f;
         p.Kourovod2 = Integer(1);
         p.HorniDvirka = true;
         orlex(p);
         p.Prislusenstvi(0) = p.Prislusenstvi(17) = true;
     }},
    // "18" with a shaft and the right foot, 12.33 m, brick casing, door, second connection at 45°.
    {"KARNELO", 4, 9,
     [](GlobalniData& g) {
         SorvenikaParametry& p = g.sorvenikaParametry;
         p.Vyska = 12.33f;
         p.Sachta = p.HorniDvirka = p.DruheNapojeni = true;
         p.Kourovod = Integer(1);
         p.DruhPaty = Integer(2);
         obezdivka(p, 2, 1.33f);
         p.PocetZSLKT = 2;
         p.Prislusenstvi(3) = p.Prislusenstvi(11) = true;
     }},
    // "16/16" without shaft, 9 m, mixed angles, KEPO sets, cladding.
    {"KARNELO2S", 3, 8,
     [](GlobalniData& g) {
         SorvenikaParametry& p = g.sorvenikaParametry;
         p.Vyska = 9.0f;
         p.Kourovod2 = Integer(1);
         p.SoupravaKEPO = Integer(1);
         p.Ukonceni = 2;
         p.DruhPlaste = 2;
         p.IdVyskaPlaste = Integer(4);
         p.Prislusenstvi(10) = p.Prislusenstvi(16) = true;
     }},
    // "16/20" with a shaft, 15.66 m, both basic kits, door, cover plates.
    {"KARNELO2R", 9, 8,
     [](GlobalniData& g) {
         SorvenikaParametry& p = g.sorvenikaParametry;
         p.Vyska = 15.66f;
         p.Sachta = p.HorniDvirka = true;
         p.Ukonceni = 4;
         p.Prislusenstvi(0) = p.Prislusenstvi(33) = true;
     }},
    // "20" without shaft, 12 m, 45°, KDS; the recompute swaps the angle pieces for the frame.
    {"T-REMOL", 4, 16,
     [](GlobalniData& g) {
         SorvenikaParametry& p = g.sorvenikaParametry;
         p.Vyska = 12.0f;
         p.Kourovod = Integer(1);
         p.Ukonceni = 5;
         p.Prislusenstvi(13) = true;
     }},
    {"T-REMOL2R", 2, 1, tremol2},
    {"T-REMOL2S", 2, 1, tremol2},
    {"KALVIR", 2, 1, tremol2},
    {"ORVIK", 2, 1, tremol2},
};

struct BehKalkulace {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    const Scenar& s;
    GlobalniData g;
    TabulkaArtiklu cenik;
    Kalkulacky kalkulacky;
    FlexGrid tabulka{1, 6};
    FlexGrid tabSuma{1, 3};

    explicit BehKalkulace(const Scenar& s) : s(s) {
        qputenv("SORVENIKA_DATA", data.toUtf8());
        if (NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba) throw std::runtime_error("Sorvenika.ini");
        cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
        for (int i = 1; i <= g.nastaveni.PocetSystemu; ++i)
            if (g.system(i).Sekce == QLatin1String(s.system)) g.sorvenikaParametry.SystemKod = i;
        g.sorvenikaParametry.System = QString::fromLatin1(s.system);
        kalkulacky = vytvorKalkulacky(g);
        tabSuma.setFixedRows(0);
        tabSuma.setRows(6);
    }

    void spocitej() {
        if (!NactiSystem(g, cenik)) throw std::runtime_error(s.system);
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.IdPrurez = Integer(s.sloupec);
        p.Prurez = g.dataSystemu.Prurezy(s.sloupec);
        s.parametry(g);
        SpocitejSorveniku(g, kalkulacky, {tabulka, tabSuma});
    }
    Kalkulacka& kalkulacka() { return *kalkulacky.najdi(QString::fromLatin1(s.system)); }
    float ks(int radek) const { return g.dataSystemu.Polozky(s.sloupec, radek).Ks; }
};

void kalkulace(benchmark::State& state, const Scenar& s) {
    BehKalkulace k(s);
    for (auto _ : state) {
        k.spocitej();
        benchmark::DoNotOptimize(k.tabSuma.TextMatrix(2, 1));
    }
    state.counters["radku"] = k.tabulka.Rows() - 1;
}

void spocitej(benchmark::State& state, const Scenar& s) {
    BehKalkulace k(s);
    k.spocitej();
    for (auto _ : state) {
        k.kalkulacka().Spocitej();
        benchmark::DoNotOptimize(k.ks(3));
    }
}

void prepocitej(benchmark::State& state, const Scenar& s) {
    BehKalkulace k(s);
    k.spocitej();
    for (auto _ : state) {
        k.kalkulacka().Prepocitej(s.radek, Integer(2));
        benchmark::DoNotOptimize(k.ks(s.radek));
    }
}

const bool kRegistrovano = [] {
    for (const Scenar& s : kScenare) {
        const std::string n = s.system;
        benchmark::RegisterBenchmark(("BehKalkulace/" + n).c_str(), kalkulace, s)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Spocitej/" + n).c_str(), spocitej, s)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Prepocitej/" + n).c_str(), prepocitej, s)->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
