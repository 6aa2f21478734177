#pragma once
// A calculator test on the shipped sample installation (Data/, loaded by nactiDodanySystem):
// the parameters the wizard commits, and reading one column's quantities back.
#include "app/SouborNastaveni.h"
#include "engine/ArtiklyCeniku.h"
#include "engine/Kalkulacka.h"
#include "systems/SystemFixture.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>
#include <vector>

// What the wizard commits for one costing.
struct Zadani {
    const char* prurez = "";
    float vyska = 6.0f;
    bool sachta = false;
    int kourovod = 0, kourovod2 = 0;
    int ukonceni = 4;
    bool dvirka = false;
    bool druhe = false;
    int druhCihly = 0;
    float cihly = 0, pytle = 0, zslkt = 0, dilyOrlex = 0, tyceOrlex = 0, vyskaUkonceni = 0;
    int druhPlaste = 0, idVyskaPlaste = 0;
    std::vector<int> prislusenstvi = {};
};

// Writes the parameters; false when the item table has no such cross-section.
inline bool zadej(GlobalniData& g, const Zadani& z) {
    SorvenikaParametry& p = g.sorvenikaParametry;
    if (!zvolPrurez(g, QString::fromUtf8(z.prurez))) return false;
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
    p.PocetZSLKT = z.zslkt;
    p.PocetDiluOrlex = z.dilyOrlex;
    p.PocetTyciOrlex = z.tyceOrlex;
    p.VyskaUkonceni = z.vyskaUkonceni;
    p.DruhPlaste = z.druhPlaste;
    p.IdVyskaPlaste = Integer(z.idVyskaPlaste);
    p.Prislusenstvi.vytvor(35);
    for (int i : z.prislusenstvi) p.Prislusenstvi(i) = true;
    return true;
}

using Radky = std::vector<std::pair<int, int>>;  // row, quantity

// One calculator on its shipped item table.
template <typename K>
struct KalkulackaTest : ::testing::Test {
    explicit KalkulackaTest(const char* sekce) : sekce(QString::fromLatin1(sekce)) {}
    QString sekce;
    FakeServices sluzby;
    GlobalniData g;
    K k{g};

    void SetUp() override { ASSERT_EQ(nactiDodanySystem(g, sekce), QString()); }

    void spocitej(const Zadani& z) {
        ASSERT_TRUE(zadej(g, z)) << z.prurez;
        k.Spocitej();
    }
    void uprav(int radek, int ks) { k.Prepocitej(radek, Integer(ks)); }

    int baze(int r) const { return ::baze(g, r); }
    int ks(int r) const { return ::ks(g, r); }
    const SorvenikaParametry& p() const { return g.sorvenikaParametry; }
    std::vector<float> zaklady() const {
        std::vector<float> v;
        for (int r = 1; r <= g.dataSystemu.Polozky.radku(); ++r) v.push_back(bunka(g, r).KsZaklad);
        return v;
    }
    // The base quantities (before the kits) and the shown ones.
    void ocekavej(const Radky& zaklad, const Radky& zobrazene = {}) const {
        for (auto [r, n] : zaklad) EXPECT_EQ(baze(r), n) << "base of row " << r;
        for (auto [r, n] : zobrazene) EXPECT_EQ(ks(r), n) << "shown quantity of row " << r;
    }
    // Rows od..po are all 0 except those listed.
    void jenTyto(int od, int po, std::initializer_list<int> nenulove) const {
        for (int r = od; r <= po; ++r) {
            bool ma = false;
            for (int x : nenulove) ma = ma || x == r;
            if (!ma) {
                EXPECT_EQ(baze(r), 0) << "row " << r;
            }
        }
    }
};
