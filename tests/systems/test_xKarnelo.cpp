#include "systems/xKarnelo.h"

#include "systems/SystemFixture.h"

namespace {

// Row 12 (45° T-piece) does not exist for "12"; rows 81 and 82 not for "20". A costing is of
// 10 m and no termination unless it says otherwise.
struct KarneloTest : KalkulaceTest<xKarnelo> {
    void SetUp() override {
        synteticka("KARNELO", {"12", "14", "16", "18", "20"}, 95, {{12, "12"}, {81, "20"}, {82, "20"}});
        vyska = 10.0f;
        ukonceni = 0;
    }
};

}  // namespace

TEST_F(KarneloTest, BillFromTheParameters) {
    priklady({
        // The raw split 5, 1, 2 carries twice; the basic kit takes both compound cartridges.
        {"10 m", {.prurez = "16"},
         {{10, 6}, {9, 0}, {8, 0}, {11, 1}, {4, 30}, {13, 0}, {14, 1}, {15, 1}, {16, 0}, {17, 1}, {19, 1}, {24, 1},
          {25, 2}, {30, 0}},
         {{25, 0}, {14, 1}}},
        {"12 m", {.prurez = "16", .vyska = 12.0f}, {{10, 7}, {9, 1}, {8, 0}, {24, 1}, {25, 3}, {30, 1}, {4, 36}}},
        {"3 m", {.prurez = "16", .vyska = 3.0f}, {{10, 0}, {9, 1}, {8, 1}, {4, 9}}},
        {"11.33 m", {.prurez = "14", .vyska = 11.33f}, {{30, 0}}},
        {"11.34 m", {.prurez = "14", .vyska = 11.34f}, {{30, 0}}},
        {"30 m", {.prurez = "14", .vyska = 30.0f}, {{30, 10}, {10, 21}, {9, 0}, {8, 0}}},
        {"foot kit, heat-insulating blocks", {.prurez = "16", .vyska = 12.0f, .druhPaty = 1, .termo = 2},
         {{1, 1}, {6, 2}, {4, 31}, {13, 1}, {14, 0}, {15, 0}, {16, 0}, {80, 0}},
         {{25, 1}}},
        {"shaft, right foot", {.prurez = "18", .sachta = true, .druhPaty = 2, .termo = 1},
         {{2, 1}, {3, 0}, {7, 1}, {5, 26}, {4, 0}, {13, 1}, {14, 0}, {16, 0}, {18, 1}, {20, 1}, {17, 0}}},
        {"shaft, left foot", {.prurez = "18", .sachta = true, .druhPaty = 1}, {{3, 1}, {2, 0}, {5, 27}, {13, 1}}},
        // A right foot is a shaft item: without a shaft nothing is fitted.
        {"no shaft, foot kind 2", {.prurez = "18", .druhPaty = 2}, {{1, 0}, {2, 0}, {13, 0}, {14, 1}}},
        {"KEPO, shaft", {.prurez = "16", .vyska = 12.0f, .sachta = true, .kepo = 1},
         {{80, 1}, {14, 0}, {16, 1}, {15, 0}},
         {{25, 3}}},
        {"45° where it is offered", {.prurez = "14", .kourovod = 1}, {{12, 1}, {11, 0}}},
        {"45° where it is not", {.prurez = "12", .kourovod = 1}, {{12, 0}, {11, 1}}},
        {"door and second connection at 45°", {.prurez = "14", .kourovod = 1, .dvirka = true, .druhe = true},
         {{10, 4}, {26, 1}, {12, 2}, {11, 0}, {9, 0}, {8, 0}}},
        {"second connection at 90°", {.prurez = "14", .druhe = true}, {{10, 5}, {11, 2}, {12, 0}}},
        // The ZSLKT bags go to row 24, never the Orlex rods.
        {"brick casing",
         {.prurez = "16", .ukonceni = 1, .druhCihly = 2, .cihly = 120, .pytle = 4, .zslkt = 2, .tyceOrlex = 12},
         {{46, 120}, {45, 0}, {23, 4}, {24, 3}, {17, 1}, {19, 1}}},
        {"clinker casing", {.prurez = "16", .ukonceni = 1, .druhCihly = 1, .cihly = 98.5f}, {{45, 98}, {46, 0}, {24, 1}}},
        {"cover plate cast on site", {.prurez = "16", .sachta = true, .ukonceni = 4},
         {{33, 1}, {17, 0}, {18, 0}, {19, 0}, {20, 0}, {21, 0}, {22, 0}}},
        {"Orlex top", {.prurez = "16", .ukonceni = 3, .zslkt = 3}, {{17, 1}, {19, 1}, {18, 0}, {20, 0}, {24, 1}}},
        {"KDS", {.prurez = "16", .sachta = true, .ukonceni = 5}, {{18, 1}, {20, 1}, {17, 0}, {19, 0}, {33, 0}}},
        {"KDVO", {.prurez = "16", .ukonceni = 6}, {{17, 1}, {19, 1}}},
    });
}

TEST_F(KarneloTest, KitsAndTheirCounts) {
    spocitej({.prurez = "16", .vyska = 20.0f});
    ASSERT_EQ(p().SoupravyPaty.pocet(), 3);
    const Souprava& z = p().ZakladniSoupravy(1);
    EXPECT_EQ(z.Pocet, 1);
    EXPECT_TRUE(z.Popis.startsWith(QStringLiteral("Základní souprava obsahuje: T-kus pata, těsnící uzávěr")));
    EXPECT_TRUE(z.Popis.endsWith(QStringLiteral("vyhlazovač spár, pilka, vyřezávací šablona.")));
    EXPECT_TRUE(p().SoupravyPaty(2).Popis.endsWith(QStringLiteral("vyhlazovač spár, pilka adaptérový kroužek.")));
    // 20 m: round(3.52 + 0.49) = 4 cartridges, two of them in the basic kit.
    ocekavej({{25, 4}}, {{25, 2}});

    spocitej({.prurez = "16", .vyska = 20.0f, .sachta = true, .druhPaty = 1});
    EXPECT_EQ(p().SoupravyPaty(3).Pocet, 1);
    EXPECT_EQ(p().SoupravyPaty(1).Pocet + p().SoupravyPaty(2).Pocet + p().ZakladniSoupravy(1).Pocet, 0);
    ocekavej({}, {{25, 2}});
}

TEST_F(KarneloTest, AccessoryRows) {
    const std::vector<int> vse{0, 1, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 22, 24, 25, 27, 32, 33, 34, 35};
    struct {
        const char* prurez;
        bool sachta;
        Radky radky;
    } const kPripady[] = {
        {"12", false, {{34, 1}, {35, 1}, {49, 0}, {50, 0}, {51, 0}, {81, 1}, {82, 1}, {83, 1}, {84, 1}, {85, 0}}},
        {"16", true, {{34, 1}, {35, 0}, {49, 1}, {50, 1}, {51, 1}, {83, 0}, {85, 1}, {86, 1}}},
        {"18", false, {{49, 1}, {50, 1}, {51, 0}}},
        {"20", false, {{49, 1}, {50, 1}, {51, 1}, {81, 0}, {82, 0}}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.prurez);
        spocitej({.prurez = c.prurez, .sachta = c.sachta, .prislusenstvi = vse});
        ocekavej(c.radky);
        ocekavej({{38, 1}, {39, 1}, {40, 1}, {47, 1}, {48, 1}, {31, 1}, {43, 1}, {32, 1}, {87, 1}, {92, 1}, {88, 0},
                  {93, 1}});
    }
    spocitej({.prurez = "18", .prislusenstvi = {12, 14}});
    ocekavej({{49, 0}, {50, 0}, {51, 0}});
}

// ---- recompute after an edit ---------------------------------------------------------------

TEST_F(KarneloTest, EditRules) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        int radek, ks;
        Radky baze;
        std::vector<int> paty = {};  // foot kits 1..3 and the basic kit; empty: not checked
    };
    const Pripad kPripady[] = {
        {"foot on", {.prurez = "16"}, 1, 1, {{1, 1}, {14, 0}, {15, 0}, {13, 1}, {4, 27}}, {1, 0, 0, 0}},
        {"foot off", {.prurez = "16", .druhPaty = 1}, 1, 0, {{1, 0}, {14, 1}, {15, 1}, {13, 0}, {4, 30}},
         {0, 0, 0, 1}},
        // The manufacturer's rule: row 1 with a shaft brings back the plate without shaft.
        {"foot on with a shaft", {.prurez = "16", .sachta = true}, 1, 1, {{1, 0}, {14, 1}, {15, 1}, {16, 1}}},
        {"right foot without a shaft", {.prurez = "16"}, 2, 1, {{2, 0}, {14, 1}, {13, 0}}},
        {"right foot", {.prurez = "16", .sachta = true}, 2, 3, {{2, 1}, {3, 0}, {14, 0}, {16, 0}, {13, 1}, {5, 27}},
         {0, 1, 0, 0}},
        {"left foot instead of right", {.prurez = "16", .sachta = true, .druhPaty = 2}, 3, 1,
         {{2, 0}, {3, 1}, {14, 0}, {16, 0}}, {0, 0, 1, 0}},
        {"left foot off", {.prurez = "16", .sachta = true, .druhPaty = 1}, 3, 0,
         {{2, 0}, {3, 0}, {14, 1}, {16, 1}, {13, 0}}, {0, 0, 0, 1}},
        // Also beside the KEPO set: two basic sets result.
        {"foot off beside KEPO", {.prurez = "16", .sachta = true, .kepo = 1}, 2, 0, {{14, 1}, {80, 1}, {16, 1}},
         {0, 0, 0, 1}},
        {"KEPO on", {.prurez = "16"}, 80, 1, {{14, 0}, {80, 1}}, {0, 0, 0, 0}},
        {"KEPO off", {.prurez = "16", .kepo = 1}, 80, 0, {{14, 1}, {80, 0}}, {0, 0, 0, 1}},
        {"over to 45°", {.prurez = "16"}, 11, 0, {{11, 0}, {12, 1}, {10, 6}}},
        {"no 45° for 12", {.prurez = "12"}, 11, 0, {{11, 1}, {12, 0}}},
        {"back to 90°", {.prurez = "16", .kourovod = 1}, 12, 0, {{11, 1}, {12, 0}}},
        {"head without shaft", {.prurez = "16"}, 19, 0, {{17, 0}, {19, 0}, {21, 1}}},
        {"plate without shaft", {.prurez = "16"}, 21, 0, {{17, 1}, {19, 1}, {21, 0}}},
        {"head with shaft", {.prurez = "16", .sachta = true}, 22, 2, {{18, 0}, {20, 0}, {22, 1}}},
        {"plate with shaft", {.prurez = "16", .sachta = true}, 20, 1, {{18, 1}, {20, 1}, {22, 0}}},
        {"a shaft row without shaft", {.prurez = "16"}, 22, 3, {{22, 0}, {17, 1}}},
        {"flashing without shaft on a shaft costing", {.prurez = "16", .sachta = true}, 19, 1, {{19, 0}, {20, 1}}},
        {"an ordinary row", {.prurez = "16"}, 33, 4, {{33, 4}}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        k.Prepocitej(c.radek, Integer(c.ks));
        EXPECT_EQ(g.AktRadek, c.radek);
        ocekavej(c.baze);
        if (c.paty.empty()) continue;
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(p().SoupravyPaty(i).Pocet, c.paty[i - 1]) << "foot kit " << i;
        EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, c.paty[3]);
    }
}

TEST_F(KarneloTest, RecomputeOfDependentRows) {
    // A protected row keeps its base, but the blocks are recomputed, without the
    // heat-insulating ones.
    spocitej({.prurez = "16", .termo = 2});
    ASSERT_EQ(baze(4), 28);
    k.Prepocitej(9, Integer(5));
    ocekavej({{9, 0}, {4, 30}, {10, 6}});

    // 9 m: "20" takes a 0.66 m liner more and keeps the stored 0.33 m one; "18" splits as before.
    spocitej({.prurez = "20", .vyska = 9.0f});
    ocekavej({{10, 5}, {9, 0}, {8, 1}});
    k.Prepocitej(8, Integer(0));
    ocekavej({{10, 5}, {9, 1}, {8, 1}});
    spocitej({.prurez = "18", .vyska = 9.0f});
    k.Prepocitej(33, Integer(0));
    ocekavej({{10, 5}, {9, 0}, {8, 1}});

    // The stored door counts in X: the 1.33 m liner it replaced stays away.
    spocitej({.prurez = "18", .vyska = 9.0f, .dvirka = true});
    ocekavej({{10, 4}, {26, 1}});
    k.Prepocitej(33, Integer(1));
    ocekavej({{10, 4}, {9, 0}, {8, 1}, {26, 1}, {33, 1}});

    // An accessory row follows its flag.
    spocitej({.prurez = "16"});
    k.Prepocitej(38, Integer(5));
    ocekavej({{38, 0}});
}
