#include "systems/xKarnelo2S.h"

#include "systems/SystemFixture.h"

namespace {

// Row 11 (45° T-piece) does not exist for "12/12", rows 50 and 80 not for "18/18".
struct Karnelo2STest : KalkulaceTest<xKarnelo2S> {
    void SetUp() override {
        synteticka("KARNELO2S", {"12/12", "14/14", "16/16", "18/18"}, 88, {{11, "12/12"}, {50, "18/18"}, {80, "18/18"}});
        vyska = 10.0f;
        ukonceni = 0;
    }
};

}  // namespace

TEST_F(Karnelo2STest, BillFromTheParameters) {
    priklady({
        // One flue splits 5, 1, 2, carries twice and is doubled; two basic kits take 8 cartridges.
        {"10 m", {.prurez = "16/16"},
         {{10, 2}, {11, 0}, {9, 12}, {8, 0}, {7, 0}, {3, 30}, {12, 0}, {13, 2}, {14, 1}, {15, 0}, {16, 1}, {18, 1},
          {23, 1}, {24, 4}, {29, 0}},
         {{24, 0}, {13, 2}}},
        {"12 m", {.prurez = "16/16", .vyska = 12.0f}, {{9, 14}, {8, 2}, {7, 0}, {23, 2}, {24, 5}, {29, 1}}},
        {"3 m", {.prurez = "16/16", .vyska = 3.0f}, {{9, 0}, {8, 2}, {7, 2}}},
        {"11.33 m", {.prurez = "14/14", .vyska = 11.33f}, {{29, 0}}},
        {"11.34 m", {.prurez = "14/14", .vyska = 11.34f}, {{29, 0}}},
        {"30 m", {.prurez = "14/14", .vyska = 30.0f}, {{29, 10}, {9, 42}, {8, 0}, {7, 0}, {24, 11}}, {{24, 3}}},
        {"mixed angles", {.prurez = "16/16", .kourovod2 = 1}, {{10, 1}, {11, 1}}},
        {"mixed angles, second connection", {.prurez = "16/16", .kourovod2 = 1, .druhe = true},
         {{10, 3}, {11, 1}, {9, 10}}},
        {"45°, second connection", {.prurez = "16/16", .kourovod = 1, .kourovod2 = 1, .druhe = true},
         {{10, 0}, {11, 4}, {9, 10}}},
        {"door", {.prurez = "16/16", .dvirka = true}, {{9, 10}, {25, 2}}},
        {"foot, heat-insulating blocks", {.prurez = "16/16", .vyska = 12.0f, .druhPaty = 1, .termo = 3},
         {{1, 1}, {5, 3}, {3, 30}, {12, 2}, {13, 0}, {14, 0}, {79, 0}},
         {{24, 1}}},
        {"foot with shaft", {.prurez = "16/16", .vyska = 12.0f, .sachta = true, .druhPaty = 1},
         {{2, 1}, {1, 0}, {4, 33}, {3, 0}, {12, 2}, {13, 0}, {15, 0}, {17, 1}, {19, 1}, {16, 0}}},
        {"KEPO", {.prurez = "16/16", .vyska = 12.0f, .kepo = 1}, {{79, 2}, {13, 0}, {14, 1}}, {{24, 5}}},
        // The ZSLKT bags go to row 23, never the Orlex rods.
        {"brick casing",
         {.prurez = "16/16", .ukonceni = 1, .druhCihly = 1, .cihly = 200, .pytle = 6, .zslkt = 1, .tyceOrlex = 4},
         {{44, 200}, {45, 0}, {22, 6}, {23, 2}, {16, 1}, {18, 1}}},
        {"cover plates", {.prurez = "16/16", .sachta = true, .ukonceni = 4},
         {{32, 2}, {16, 0}, {17, 0}, {18, 0}, {19, 0}}},
        {"Orlex top", {.prurez = "16/16", .sachta = true, .ukonceni = 3}, {{17, 1}, {19, 1}, {16, 0}}},
        {"KDS", {.prurez = "16/16", .ukonceni = 5}, {{16, 1}, {18, 1}, {32, 0}}},
    });
    EXPECT_EQ(p().SoupravyPaty.pocet(), 2);
}

TEST_F(Karnelo2STest, AccessoryRows) {
    const std::vector<int> vse{0, 1, 3, 4, 5, 6, 7, 10, 11, 12, 13, 15, 16, 17, 21, 22, 24, 25, 33, 35};
    struct {
        const char* prurez;
        bool sachta;
        Radky radky;
    } const kPripady[] = {
        {"16/16", false, {{80, 2}, {81, 2}, {48, 2}, {49, 2}, {50, 1}, {82, 1}, {83, 0}, {84, 0}}},
        {"18/18", true, {{80, 0}, {81, 2}, {48, 2}, {49, 1}, {50, 0}, {82, 0}, {84, 1}}},
        {"12/12", false, {{48, 0}, {49, 0}, {50, 0}}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.prurez);
        spocitej({.prurez = c.prurez, .sachta = c.sachta, .prislusenstvi = vse});
        ocekavej(c.radky);
        ocekavej({{37, 1}, {38, 1}, {39, 1}, {46, 1}, {47, 1}, {33, 2}, {30, 1}, {42, 1}, {31, 1}, {86, 2}});
    }
}

TEST_F(Karnelo2STest, EditRules) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        int radek, ks;
        Radky baze;
        std::vector<int> soupravy = {};  // foot kits 1, 2 and the basic kit; empty: not checked
    };
    const Pripad kPripady[] = {
        {"foot on", {.prurez = "16/16"}, 1, 1, {{1, 1}, {13, 0}, {14, 0}, {12, 2}, {3, 27}}, {1, 0, 0}},
        {"foot off", {.prurez = "16/16", .druhPaty = 1}, 1, 0, {{1, 0}, {13, 2}, {14, 1}, {12, 0}, {3, 30}},
         {0, 0, 2}},
        {"foot without shaft on a shaft costing", {.prurez = "16/16", .sachta = true}, 1, 1, {{1, 0}, {13, 2}}},
        {"shaft foot on", {.prurez = "16/16", .sachta = true}, 2, 1, {{2, 1}, {13, 0}, {15, 0}, {12, 2}, {4, 27}},
         {0, 1, 0}},
        {"shaft foot off", {.prurez = "16/16", .sachta = true, .druhPaty = 1}, 2, 0, {{2, 0}, {13, 2}, {15, 1}},
         {0, 0, 2}},
        {"shaft foot without shaft", {.prurez = "16/16"}, 2, 1, {{2, 0}, {13, 2}}},
        {"both flues at 90°", {.prurez = "16/16", .kourovod2 = 1}, 10, 1, {{10, 2}, {11, 0}}},
        {"both flues at 45°", {.prurez = "16/16"}, 10, 0, {{10, 0}, {11, 2}}},
        {"no 45° for 12/12", {.prurez = "12/12"}, 10, 0, {{10, 2}, {11, 0}}},
        {"45° on", {.prurez = "16/16"}, 11, 3, {{10, 0}, {11, 2}}},
        {"45° off", {.prurez = "16/16", .kourovod = 1}, 11, 0, {{10, 2}, {11, 0}}},
        {"KEPO on", {.prurez = "16/16"}, 79, 1, {{13, 0}, {79, 2}}, {0, 0, 0}},
        {"KEPO off", {.prurez = "16/16", .kepo = 1}, 79, 0, {{13, 2}, {79, 0}}, {0, 0, 2}},
        {"an ordinary row", {.prurez = "16/16"}, 32, 3, {{32, 3}}},
        {"an accessory row", {.prurez = "16/16"}, 37, 4, {{37, 0}}},
        {"a protected row", {.prurez = "16/16", .termo = 2}, 9, 4, {{9, 12}, {3, 30}, {5, 2}}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        k.Prepocitej(c.radek, Integer(c.ks));
        EXPECT_EQ(g.AktRadek, c.radek);
        ocekavej(c.baze);
        if (c.soupravy.empty()) continue;
        EXPECT_EQ(p().SoupravyPaty(1).Pocet, c.soupravy[0]);
        EXPECT_EQ(p().SoupravyPaty(2).Pocet, c.soupravy[1]);
        EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, c.soupravy[2]);
    }
}

// Doors and extra T-pieces stored in the base quantities enter X of the recompute, 1.33 m per
// flue each; ignoring them would give back the two 1.33 m liners they replaced.
TEST_F(Karnelo2STest, RecomputeCountsDoorsAndTPieces) {
    for (const Zadani& z : {Zadani{.prurez = "16/16", .vyska = 9.0f, .dvirka = true},
                            Zadani{.prurez = "16/16", .vyska = 9.0f, .druhe = true}}) {
        spocitej(z);
        ocekavej({{9, 8}, {8, 0}, {7, 2}});
        k.Prepocitej(32, Integer(0));
        ocekavej({{9, 8}, {8, 0}, {7, 2}});
    }
}
