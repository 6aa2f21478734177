#include "systems/xKarnelo2r.h"

#include "systems/SystemFixture.h"

namespace {

// "12/14" has no 45° T-piece on flue 1 and no KEPO sets; "16/18" no second spark arrester.
struct Karnelo2rTest : KalkulaceTest<xKarnelo2r> {
    void SetUp() override {
        synteticka("KARNELO2R",
                {"12/14", "12/16", "12/18", "12/20", "14/16", "14/18", "14/20", "16/18", "16/20", "18/20"}, 112,
                {{15, "12/14"}, {100, "12/14"}, {101, "12/14"}, {103, "16/18"}});
        vyska = 10.0f;
        ukonceni = 0;
    }
};

}  // namespace

TEST_F(Karnelo2rTest, BillFromTheParameters) {
    priklady({
        {"10 m", {.prurez = "14/18"},
         {{13, 1}, {14, 1}, {15, 0}, {16, 0}, {11, 6}, {12, 6}, {9, 0}, {10, 0}, {7, 0}, {8, 0}, {3, 30}, {17, 0},
          {18, 0}, {19, 1}, {20, 1}, {21, 1}, {22, 0}, {23, 1}, {25, 1}, {30, 1}, {31, 4}, {40, 0}, {41, 0}},
         {{31, 0}}},
        {"12 m", {.prurez = "14/18", .vyska = 12.0f},
         {{11, 7}, {12, 7}, {9, 1}, {10, 1}, {7, 0}, {8, 0}, {30, 2}, {31, 5}, {40, 1}, {41, 1}}},
        {"3 m", {.prurez = "14/18", .vyska = 3.0f}, {{11, 0}, {12, 0}, {9, 1}, {10, 1}, {7, 1}, {8, 1}}},
        {"11.33 m", {.prurez = "14/18", .vyska = 11.33f}, {{40, 0}, {41, 0}}},
        // Both basic kits deduct 4 each, the second one despite its empty text.
        {"30 m", {.prurez = "14/18", .vyska = 30.0f}, {{31, 11}, {40, 10}, {41, 10}, {11, 21}}, {{31, 3}}},
        {"30 m, KEPO on flue 2", {.prurez = "14/18", .vyska = 30.0f, .kepo = 1}, {{19, 1}, {20, 0}, {101, 1}},
         {{31, 7}}},
        {"45° and 90°", {.prurez = "16/18", .kourovod = 1}, {{15, 1}, {14, 1}, {13, 0}, {16, 0}}},
        {"45° and 90°, second connection", {.prurez = "16/18", .kourovod = 1, .druhe = true},
         {{15, 2}, {16, 1}, {14, 1}, {13, 0}, {11, 5}, {12, 5}}},
        {"door", {.prurez = "16/18", .dvirka = true}, {{11, 5}, {12, 5}, {32, 1}, {33, 1}}},
        // The basic kits by cross-section.
        {"12/14 with a foot", {.prurez = "12/14", .druhPaty = 1}, {{1, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 1}, {21, 0}}},
        {"12/14 with KEPO", {.prurez = "12/14", .kepo = 1}, {{19, 1}, {20, 1}, {100, 0}, {101, 0}}},
        {"16/18 with KEPO", {.prurez = "16/18", .kepo = 1}, {{19, 0}, {20, 0}, {100, 1}, {101, 1}}},
        {"14/18 with KEPO", {.prurez = "14/18", .kepo = 1}, {{19, 1}, {20, 0}, {100, 0}, {101, 1}}},
        {"18/20 with KEPO", {.prurez = "18/20", .kepo = 1}, {{19, 0}, {20, 1}, {100, 1}, {101, 0}}},
        {"16/18 with a foot", {.prurez = "16/18", .druhPaty = 1, .kepo = 1},
         {{19, 0}, {20, 0}, {100, 0}, {101, 0}, {21, 0}, {3, 27}}},
        {"16/18 with shaft", {.prurez = "16/18", .sachta = true, .termo = 2},
         {{22, 1}, {21, 0}, {24, 1}, {26, 1}, {23, 0}, {6, 2}, {4, 28}}},
        // The ZSLKT bags go to row 30, never the Orlex rods.
        {"brick casing",
         {.prurez = "14/18", .ukonceni = 1, .druhCihly = 2, .cihly = 310, .pytle = 8, .zslkt = 2, .tyceOrlex = 12},
         {{63, 310}, {62, 0}, {29, 8}, {30, 3}, {23, 1}, {25, 1}}},
        {"cover plates", {.prurez = "14/18", .sachta = true, .ukonceni = 4},
         {{44, 1}, {45, 1}, {23, 0}, {24, 0}, {25, 0}, {26, 0}}},
    });
    EXPECT_TRUE(p().ZakladniSoupravy(2).Popis.isEmpty());
    EXPECT_FALSE(p().ZakladniSoupravy(1).Popis.isEmpty());
}

TEST_F(Karnelo2rTest, AccessoryRows) {
    const std::vector<int> vse{0, 1, 3, 4, 5, 6, 7, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 33, 35};
    struct {
        const char* prurez;
        bool sachta;
        Radky radky;
    } const kPripady[] = {
        {"12/14", false, {{48, 1}, {49, 1}, {66, 0}, {69, 0}, {70, 0}, {71, 0}, {106, 1}, {108, 0}}},
        {"12/16", true, {{48, 1}, {49, 0}, {69, 1}, {70, 1}, {71, 1}, {106, 0}, {108, 1}}},
        {"12/18", false, {{69, 0}, {70, 1}, {71, 1}}},
        {"16/18", false, {{102, 1}, {103, 0}, {48, 0}, {66, 1}, {67, 1}, {68, 1}, {69, 0}, {70, 1}, {71, 1}}},
        {"18/20", false, {{66, 0}, {67, 1}, {68, 1}, {69, 1}, {70, 1}, {71, 1}}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.prurez);
        spocitej({.prurez = c.prurez, .sachta = c.sachta, .prislusenstvi = vse});
        ocekavej(c.radky);
        ocekavej({{54, 1}, {55, 1}, {56, 1}, {64, 1}, {65, 1}, {46, 1}, {47, 1}, {42, 1}, {59, 1}, {43, 1}, {104, 1},
                  {105, 1}, {110, 2}});
    }
    spocitej({.prurez = "18/20", .prislusenstvi = {12, 18}});
    ocekavej({{68, 0}, {71, 0}});
    // With a shaft the row without shaft is not written: a typed count stays.
    spocitej({.prurez = "14/18", .sachta = true, .prislusenstvi = {33}});
    k.Prepocitej(106, Integer(3));
    ocekavej({{106, 3}, {108, 1}});
    spocitej({.prurez = "14/18", .prislusenstvi = {33}});
    k.Prepocitej(106, Integer(3));
    ocekavej({{106, 1}});
}

TEST_F(Karnelo2rTest, EditRules) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        int radek, ks;
        Radky baze;
        std::vector<int> soupravy = {};  // foot kits 1, 2 and basic kits 1, 2; empty: not checked
    };
    const Pripad kPripady[] = {
        {"foot on", {.prurez = "14/18"}, 1, 1, {{1, 1}, {19, 0}, {20, 0}, {21, 0}, {17, 1}, {18, 1}, {3, 27}},
         {1, 0, 0, 0}},
        {"foot off", {.prurez = "14/18", .druhPaty = 1}, 1, 0, {{1, 0}, {19, 1}, {20, 1}, {21, 1}, {17, 0}},
         {0, 0, 1, 1}},
        {"foot on with shaft", {.prurez = "14/18", .sachta = true}, 1, 1, {{1, 0}, {19, 1}}},
        {"shaft foot on", {.prurez = "14/18", .sachta = true}, 2, 1, {{2, 1}, {19, 0}, {20, 0}, {22, 0}, {4, 27}},
         {0, 1, 0, 0}},
        {"shaft foot off", {.prurez = "14/18", .sachta = true, .druhPaty = 1}, 2, 0, {{2, 0}, {19, 1}, {20, 1}, {22, 1}},
         {0, 0, 1, 1}},
        {"shaft foot without shaft", {.prurez = "14/18"}, 2, 1, {{2, 0}}},
        {"flue 1 to 45°", {.prurez = "14/18"}, 13, 0, {{13, 0}, {15, 1}}},
        {"no 45° on flue 1 of 12/14", {.prurez = "12/14"}, 13, 0, {{13, 1}, {15, 0}}},
        {"flue 1 to 45° by its row", {.prurez = "14/18"}, 15, 1, {{13, 0}, {15, 1}}},
        {"flue 1 back to 90°", {.prurez = "14/18", .kourovod = 1}, 15, 0, {{13, 1}, {15, 0}}},
        {"flue 2 to 45°", {.prurez = "14/18"}, 14, 0, {{14, 0}, {16, 1}}},
        {"flue 2 back to 90°", {.prurez = "14/18", .kourovod2 = 1}, 16, 0, {{14, 1}, {16, 0}}},
        {"flue 2 kept at 90°", {.prurez = "14/18"}, 14, 2, {{14, 1}, {16, 0}}},
        // Both flues change together, whatever the cross-section allows.
        {"KEPO on", {.prurez = "14/18"}, 100, 1, {{19, 0}, {20, 0}, {100, 1}, {101, 1}}, {0, 0, 0, 0}},
        {"KEPO off", {.prurez = "16/18", .kepo = 1}, 101, 0, {{19, 1}, {20, 1}, {100, 0}, {101, 0}}, {0, 0, 1, 1}},
        {"a protected row", {.prurez = "14/18"}, 11, 9, {{11, 6}}},
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
        EXPECT_EQ(p().ZakladniSoupravy(2).Pocet, c.soupravy[3]);
    }
}

TEST_F(Karnelo2rTest, RecomputeOfTheLengths) {
    // 9 m: a 20 cm flue 2 takes a 0.66 m liner more and keeps its stored 0.33 m one.
    struct {
        const char* prurez;
        Radky delky;  // after the recompute
    } const kPripady[] = {
        {"16/20", {{11, 5}, {9, 0}, {7, 1}, {12, 5}, {10, 1}, {8, 1}}},
        {"16/18", {{11, 5}, {9, 0}, {7, 1}, {12, 5}, {10, 0}, {8, 1}}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.prurez);
        spocitej({.prurez = c.prurez, .vyska = 9.0f});
        ocekavej({{11, 5}, {9, 0}, {7, 1}, {12, 5}, {10, 0}, {8, 1}});
        k.Prepocitej(8, Integer(3));
        ocekavej(c.delky);
    }
    // The stored doors count in X: each flue keeps the 1.33 m liner less.
    spocitej({.prurez = "14/18", .vyska = 9.0f, .dvirka = true});
    ocekavej({{11, 4}, {12, 4}});
    k.Prepocitej(42, Integer(0));
    ocekavej({{11, 4}, {9, 0}, {7, 1}, {12, 4}, {10, 0}, {8, 1}});
}
