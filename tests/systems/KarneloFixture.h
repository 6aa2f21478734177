#pragma once
// A costing of one of the KARNELO and T-REMOL systems on a synthetic item table: what the
// wizard commits, and the quantities the calculator leaves in the chosen column.
#include "systems/SystemFixture.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

struct Zadani {
    const char* prurez = "";
    float vyska = 10.0f;
    bool sachta = false;
    int kourovod = 0, kourovod2 = 0;
    int druhPaty = 0, kepo = 0, termo = 0;
    int ukonceni = 0;  // none of the terminations: no termination rows
    bool dvirka = false, druhe = false;
    int druhCihly = 0;
    float cihly = 0, pytle = 0, zslkt = 0, tyceOrlex = 0;
    int druhPlaste = 0, idVyskaPlaste = 0;
    std::vector<int> prislusenstvi = {};
};

using Radky = std::vector<std::pair<int, int>>;  // row, quantity

template <typename K>
struct KalkulaceTest : ::testing::Test {
    GlobalniData g;
    K k{g};

    void tabulka(const char* system, const QStringList& prurezy, int radku,
                 const std::vector<std::pair<int, QString>>& pomlcky = {}) {
        g = syntetickySystem(QString::fromLatin1(system), prurezy, radku, pomlcky);
    }

    void spocitej(const Zadani& z) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        ASSERT_TRUE(zvolPrurez(g, QString::fromLatin1(z.prurez))) << z.prurez;
        p.Vyska = z.vyska;
        p.Sachta = z.sachta;
        p.Kourovod = Integer(z.kourovod);
        p.Kourovod2 = Integer(z.kourovod2);
        p.DruhPaty = Integer(z.druhPaty);
        p.SoupravaKEPO = Integer(z.kepo);
        p.PocetTermoTvarnic = Integer(z.termo);
        p.Ukonceni = z.ukonceni;
        p.HorniDvirka = z.dvirka;
        p.DruheNapojeni = z.druhe;
        p.DruhCihly = z.druhCihly;
        p.PocetCihel = z.cihly;
        p.PocetPytlu = z.pytle;
        p.PocetZSLKT = z.zslkt;
        p.PocetTyciOrlex = z.tyceOrlex;
        p.DruhPlaste = z.druhPlaste;
        p.IdVyskaPlaste = Integer(z.idVyskaPlaste);
        p.Prislusenstvi.vytvor(35);
        for (int i : z.prislusenstvi) p.Prislusenstvi(i) = true;
        k.Spocitej();
    }

    int baze(int r) const { return ::baze(g, r); }
    int ks(int r) const { return ::ks(g, r); }
    const SorvenikaParametry& p() const { return g.sorvenikaParametry; }

    std::vector<float> zaklady() const {
        std::vector<float> v;
        for (int r = 1; r <= g.dataSystemu.Polozky.radku(); ++r) v.push_back(bunka(g, r).KsZaklad);
        return v;
    }

    void ocekavej(const Radky& baze, const Radky& ks = {}) const {
        for (auto [r, n] : baze) EXPECT_EQ(this->baze(r), n) << "base of row " << r;
        for (auto [r, n] : ks) EXPECT_EQ(this->ks(r), n) << "shown quantity of row " << r;
    }
};
