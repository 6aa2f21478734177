#pragma once
// One costing of T-REMOL2R, T-REMOL2S, KALVIR or ORVIK on the fixture item tables of
// tests/data/tremol2 (codes "<system> <row> <label>", "-" where the Parts and the wizard say the
// article does not exist), with the calculator taken from the dispatch's registry.
#include "engine/Kalkulacka.h"
#include "systems/SystemFixture.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

// What the wizard commits for one costing.
struct ZadaniT2KO {
    const char* prurez = "";
    float vyska = 6.0f;
    bool sachta = false;
    int kourovod = 0, kourovod2 = 0;
    int ukonceni = 4;
    bool dvirka = false, druhe = false;
    int druhCihly = 0;
    float cihly = 0, pytle = 0;
    int druhPlaste = 0, idVyskaPlaste = 0;
    int napojovacich = 0;
    std::vector<int> prislusenstvi = {};
};

using RadkyT2KO = std::vector<std::pair<int, int>>;  // row, quantity

class KalkulaceT2KO {
public:
    explicit KalkulaceT2KO(const char* system)
        : g(stavSystemu(QString::fromLatin1(system), QString::fromLatin1(system) + QStringLiteral(".txt"))),
          kalkulacky(vytvorKalkulacky(g)),
          k(kalkulacky.najdi(QString::fromLatin1(system))) {
        nactena = nactiZeSlozky(g, testData(QStringLiteral("tremol2")), cenik);
    }

    void spocitej(const ZadaniT2KO& z) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        ASSERT_TRUE(zvolPrurez(g, QString::fromLatin1(z.prurez))) << z.prurez;
        p.Vyska = z.vyska;
        p.Sachta = z.sachta;
        p.Kourovod = Integer(z.kourovod);
        p.Kourovod2 = Integer(z.kourovod2);
        p.Ukonceni = z.ukonceni;
        p.HorniDvirka = z.dvirka;
        p.DruheNapojeni = z.druhe;
        p.DruhCihly = z.druhCihly;
        p.PocetCihel = z.cihly;
        p.PocetPytlu = z.pytle;
        p.DruhPlaste = z.druhPlaste;
        p.IdVyskaPlaste = Integer(z.idVyskaPlaste);
        p.PocetNapojovacichDilu = Integer(z.napojovacich);
        p.Prislusenstvi.vytvor(35);
        for (int i : z.prislusenstvi) p.Prislusenstvi(i) = true;
        k->Spocitej();
    }
    void prepocitej(int radek, int n) { k->Prepocitej(radek, Integer(n)); }

    int baze(int r) const { return ::baze(g, r); }
    int ks(int r) const { return ::ks(g, r); }
    int radku() const { return g.dataSystemu.Polozky.radku(); }
    std::vector<float> zaklady() const {
        std::vector<float> v;
        for (int r = 1; r <= radku(); ++r) v.push_back(bunka(g, r).KsZaklad);
        return v;
    }
    std::vector<float> kusy() const {
        std::vector<float> v;
        for (int r = 1; r <= radku(); ++r) v.push_back(bunka(g, r).Ks);
        return v;
    }
    const SorvenikaParametry& p() const { return g.sorvenikaParametry; }

    // Base quantities (before the kits) and shown quantities; with `ostatniNula` every base
    // row not listed must be 0.
    void ocekavej(const RadkyT2KO& zaklad, const RadkyT2KO& zobrazene, bool ostatniNula = false) const {
        std::vector<bool> uvedeno(static_cast<size_t>(radku()) + 1);
        for (auto [r, n] : zaklad) {
            EXPECT_EQ(baze(r), n) << "base of row " << r;
            uvedeno[static_cast<size_t>(r)] = true;
        }
        for (auto [r, n] : zobrazene) EXPECT_EQ(ks(r), n) << "shown quantity of row " << r;
        if (!ostatniNula) return;
        for (int r = 1; r <= radku(); ++r)
            if (!uvedeno[static_cast<size_t>(r)]) {
                EXPECT_EQ(baze(r), 0) << "row " << r << " should be 0";
            }
    }

    FakeServices sluzby;
    CenikTsv cenik{testData(QStringLiteral("tremol2/Cenik.txt"))};
    GlobalniData g;
    Kalkulacky kalkulacky;
    Kalkulacka* k;
    bool nactena = false;
};
