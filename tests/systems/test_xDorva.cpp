#include "systems/xDorva.h"

#include "systems/SystemFixture.h"

namespace {

struct DorvaTest : KalkulaceTest<xDorva> {
    void SetUp() override { dodana("DORVA"); }
};

}  // namespace

TEST_F(DorvaTest, BillFromTheParameters) {
    priklady({
        {"16 at 6 m, cover plate",
         {.prurez = "16"},
         {{1, 1}, {2, 18}, {3, 7}, {4, 0}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 2}, {10, 0}, {11, 0}, {12, 0},
          {13, 0}, {14, 0}, {29, 1}}},
        {"12 at 12 m", {.prurez = "12", .vyska = 12.0f}, {{2, 36}, {3, 16}, {8, 2}, {9, 0}, {10, 0}, {29, 0}}},
        {"12 at 16 m", {.prurez = "12", .vyska = 16.0f}, {{8, 3}, {9, 0}, {10, 1}, {29, 0}}},
        {"20 at 8 m", {.prurez = "20", .vyska = 8.0f}, {{8, 1}, {9, 3}, {10, 1}, {29, 1}}},
        {"25 at 10 m", {.prurez = "25", .vyska = 10.0f}, {{9, 5}, {10, 2}}},
        {"25 at 6 m", {.prurez = "25"}, {{9, 3}, {10, 0}}},
        {"18 at 30 m", {.prurez = "18", .vyska = 30.0f}, {{2, 90}, {3, 43}, {9, 11}, {10, 7}}},
        // Odd block count: the door comes off the rounded liners (CInt(5.5) - 1).
        {"14 at 5 m with the upper door", {.prurez = "14", .vyska = 5.0f, .dvirka = true}, {{2, 15}, {3, 5}, {4, 1}}},
        {"14 at 6 m with the upper door", {.prurez = "14", .dvirka = true}, {{3, 6}, {4, 1}}},
        // The casing's bags join the mortar row in single precision, halves to even.
        {"14, fireclay casing",
         {.prurez = "14", .ukonceni = 1, .druhCihly = 2, .cihly = 180, .pytle = 6.5f},
         {{12, 180}, {11, 0}, {9, 8}, {6, 1}, {7, 1}}},
        {"14, clinker casing",
         {.prurez = "14", .ukonceni = 1, .druhCihly = 1, .cihly = 99.5f, .pytle = 7.5f},
         {{11, 100}, {12, 0}, {9, 10}}},
        {"12, casing of an unknown brick", {.prurez = "12", .ukonceni = 1, .cihly = 50, .pytle = 3}, {{11, 0}, {12, 0}, {9, 3}}},
        {"16, plaster cladding 125 cm",
         {.prurez = "16", .ukonceni = 2, .druhPlaste = 1, .idVyskaPlaste = 3},
         {{24, 1}, {6, 0}, {7, 0}, {5, 1}}},
        {"16, brick cladding 250 cm", {.prurez = "16", .ukonceni = 2, .druhPlaste = 2, .idVyskaPlaste = 7}, {{21, 1}}},
        {"16, Orlex is not a DORVA top", {.prurez = "16", .ukonceni = 3, .dilyOrlex = 5}, {{6, 1}, {7, 1}}},
        // Shaft, angle and second connection leave the bill alone.
        {"16, shaft, 45°, second connection",
         {.prurez = "16", .sachta = true, .kourovod = 1, .druhe = true},
         {{2, 18}, {3, 7}, {4, 0}, {9, 2}}},
        {"anchors", {.prurez = "16", .prislusenstvi = {6, 7, 3}}, {{13, 1}, {14, 1}}},
    }, [&](const Priklad& c) {
        EXPECT_EQ(kusy(), zaklady());  // the set deducts nothing
        int plast = 0;
        for (int r = 15; r <= 28; ++r) plast += baze(r);
        EXPECT_EQ(plast, c.z.ukonceni == 2 ? 1 : 0);
    });
}

TEST_F(DorvaTest, UnknownCrossSectionKeepsTheFixedRows) {
    spocitej({.prurez = "25", .vyska = 10.0f, .ukonceni = 1, .pytle = 4});
    g.sorvenikaParametry.Prurez = QStringLiteral("30");
    k.Spocitej();
    ocekavej({{8, 1}, {9, 4}, {10, 0}, {29, 0}, {2, 30}});
}

TEST_F(DorvaTest, LowChimneyShowsNoNegativeLiners) {
    spocitej({.prurez = "14", .vyska = 1.0f, .dvirka = true});
    // (3 - 6) / 2 + 1 = -0.5 goes to 0, the door takes it to -1; the sheet shows 0.
    ocekavej({{3, -1}}, {{3, 0}, {4, 1}});
}

TEST_F(DorvaTest, TheSetCarriesOnlyItsText) {
    spocitej({.prurez = "20"});
    // One set, counted once; it deducts nothing (every row shows its base, see above).
    ASSERT_EQ(p().Sady.pocet(), 1);
    const Souprava& sada = p().Sady(1);
    EXPECT_EQ(sada.Pocet, 1);
    EXPECT_EQ(sada.Popis, QStringLiteral("DORVA SADA obsahuje: základní souprava DORVA, kryt paty komína, DORVA souprava "
                                         "T-kus pata, souprava T-kus pro napojení kouřovodu, soklová deska."));
}

TEST_F(DorvaTest, RecomputeAfterAnEdit) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        int radek, ks;
        Radky baze;
    };
    const Pripad kPripady[] = {
        {"derived rows come back", {.prurez = "16"}, 2, 50, {{2, 18}, {3, 7}}},
        {"row 1", {.prurez = "16"}, 1, 4, {{1, 1}}},
        {"row 3", {.prurez = "16"}, 3, 0, {{3, 7}}},
        {"row 6", {.prurez = "16"}, 6, 3, {{6, 1}}},
        {"row 7", {.prurez = "16"}, 7, 0, {{7, 1}}},
        {"cladding rows", {.prurez = "16", .ukonceni = 2, .druhPlaste = 2, .idVyskaPlaste = 1}, 15, 0, {{15, 1}}},
        {"cladding row 28", {.prurez = "16"}, 28, 2, {{28, 0}}},
        {"the door row moves the liners", {.prurez = "16"}, 4, 2, {{4, 2}, {3, 5}}},
        {"editable rows keep the edit", {.prurez = "16"}, 9, 12, {{9, 12}, {3, 7}}},
        {"row 29", {.prurez = "16"}, 29, 3, {{29, 3}}},
        {"anchors follow their flags", {.prurez = "16"}, 13, 2, {{13, 0}}},
        {"anchors follow their flags", {.prurez = "16", .prislusenstvi = {7}}, 14, 0, {{14, 1}}},
        // Odd block count with the door: a recompute rounds after taking the door off.
        {"door at 5 m", {.prurez = "14", .vyska = 5.0f, .dvirka = true}, 5, 1, {{3, 4}, {4, 1}}},
        {"door at 6 m", {.prurez = "14", .dvirka = true}, 5, 1, {{3, 6}, {4, 1}}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        uprav(c.radek, c.ks);
        EXPECT_EQ(g.AktRadek, c.radek);
        ocekavej(c.baze);
    }
}
