#include "systems/xTREMOL2S.h"

#include "systems/SystemFixture.h"

namespace {

struct Tremol2STest : KalkulaceTest<xTREMOL2S> {
    void SetUp() override { testovaci("T-REMOL2S", "tremol2"); }
};

}  // namespace

TEST_F(Tremol2STest, BillBeforeAndAfterTheKits) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        Radky baze, ks;
        int kit90, kit45;
        bool ostatniNula = false;
    };
    const Pripad kPripady[] = {
        {"8 m, 18/18, 90/90, cover plate",
         {.prurez = "18/18", .vyska = 8.0f},
         {{5, 2}, {10, 2}, {17, 2}, {4, 2}, {21, 2}, {7, 96}, {3, 40}, {1, 24}, {19, 1}, {20, 3}, {23, 5}, {9, 2}},
         {{17, 0}, {19, 0}, {21, 0}, {10, 2}, {20, 3}, {3, 40}, {4, 2}},
         2, 0, true},
        {"one flue at 45°",
         {.prurez = "18/18", .vyska = 8.0f, .kourovod2 = 1},
         {{5, 1}, {6, 1}, {10, 1}, {11, 1}, {21, 1}, {22, 1}, {3, 40}, {19, 1}},
         {{17, 0}, {19, 0}, {21, 0}, {22, 0}},
         1, 1},
        {"both flues at 45°", {.prurez = "20/20", .kourovod = 1, .kourovod2 = 1}, {{5, 0}, {6, 2}, {11, 2}, {22, 2}},
         {{22, 0}, {11, 2}}, 0, 2},
        // No loose compound; the kit's "FM DRUXA" has 0 pieces.
        {"14/14 without shaft", {.prurez = "14/14", .vyska = 8.0f}, {{19, 0}, {20, 0}, {23, 4}, {1, 24}}, {{19, 0}}, 2, 0},
        // 6.4 units: a rest of 7 turns into one bucket, which the kit does not take.
        {"14/14 with shaft", {.prurez = "14/14", .vyska = 8.0f, .sachta = true}, {{19, 1}, {20, 0}, {23, 5}, {2, 24}},
         {{19, 1}}, 2, 0},
        {"rest of 5 makes a bucket", {.prurez = "16/16", .vyska = 12.0f, .sachta = true}, {{19, 2}, {20, 0}}, {}, 2, 0},
        {"rest of 4 stays", {.prurez = "16/16", .vyska = 11.0f}, {{19, 1}, {20, 4}}, {{19, 0}, {20, 4}}, 2, 0},
        {"rest without a bucket becomes one", {.prurez = "16/16", .vyska = 4.0f}, {{19, 1}, {20, 0}}, {}, 2, 0},
        {"door and second connection",
         {.prurez = "18/18", .vyska = 8.0f, .dvirka = true, .druhe = true},
         {{3, 32}, {4, 4}, {17, 4}, {18, 2}, {5, 4}, {21, 4}, {10, 2}},
         {{17, 2}, {21, 2}},
         2, 0},
        {"1 m with door and second connection",
         {.prurez = "16/16", .vyska = 1.0f, .dvirka = true, .druhe = true},
         {{3, -10}},
         {{3, 0}},
         2, 0},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        ocekavej(c.baze, c.ks);
        if (c.ostatniNula) jenTyto(1, radku(), c.baze);
        EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, c.kit90);
        EXPECT_EQ(p().ZakladniSoupravy(2).Pocet, c.kit45);
    }
}

TEST_F(Tremol2STest, Terminations) {
    struct Pripad {
        int ukonceni;
        bool sachta;
        int druh;
        float cihly, pytle;
        Radky nenulove;  // of rows 8, 9, 12-16, 23-28, 31; 8 m of "18/18" make 5 bags
    };
    const Pripad kPripady[] = {
        {1, false, 1, 300, 2.5f, {{8, 2}, {12, 1}, {14, 1}, {27, 300}, {23, 8}}},
        {1, true, 2, 250.5f, 3, {{8, 2}, {13, 1}, {15, 1}, {28, 250}, {23, 9}}},
        {2, false, 1, 300, 2, {}},
        {3, false, 1, 300, 2, {}},
        {4, true, 0, 0, 0, {{9, 2}}},
        {5, false, 0, 0, 0, {{8, 2}, {31, 1}, {16, 4}}},
        {6, false, 0, 0, 0, {{8, 2}, {25, 1}}},
        {6, true, 0, 0, 0, {{8, 2}, {26, 1}}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(testing::Message() << "termination " << c.ukonceni << " shaft " << c.sachta);
        spocitej({.prurez = "18/18", .vyska = 8.0f, .sachta = c.sachta, .ukonceni = c.ukonceni, .druhCihly = c.druh,
                    .cihly = c.cihly, .pytle = c.pytle});
        Radky r;
        for (int i : {8, 9, 12, 13, 14, 15, 16, 23, 24, 25, 26, 27, 28, 31}) {
            int n = i == 23 ? (c.sachta ? 6 : 5) : 0;
            for (auto [j, m] : c.nenulove)
                if (j == i) n = m;
            r.push_back({i, n});
        }
        ocekavej(r);
    }
}

// The bill's cases check what the kits deduct.
TEST_F(Tremol2STest, KitsByCrossSection) {
    const QString text = QStringLiteral(
        "Základní souprava obsahuje: 1ks podstavec s odvodem kondenzátu, 1ks větrací mřížka, 1 ks komínová dvířka "
        "včetně uzávěru, 1 ks čelní deska minerální, 1 ks maltovací šablona, spárovací hmota: pro průměr 14 - FM "
        "Druxa, pro průměry 16,18,20 FM 7 kg, houbička, montážní návod, záruční list, identifikační štítek, "
        "prohlášení o shodě.");
    spocitej({.prurez = "16/16"});
    EXPECT_EQ(p().ZakladniSoupravy(1).Popis, text);
    EXPECT_EQ(p().ZakladniSoupravy(2).Popis, text);

    // "14/14" has no 45° kit: one counted all the same deducts nothing and fails nothing.
    spocitej({.prurez = "14/14", .kourovod = 1});
    EXPECT_TRUE(p().ZakladniSoupravy(2).Popis.isEmpty());
    EXPECT_EQ(p().ZakladniSoupravy(2).Pocet, 1);
    ocekavej({{17, 2}, {21, 1}}, {{17, 1}, {21, 0}});
}

TEST_F(Tremol2STest, RecalculationTakesOnlyItsRows) {
    spocitej({.prurez = "18/18", .vyska = 8.0f, .ukonceni = 5, .prislusenstvi = {3}});
    ASSERT_EQ(baze(16), 4);
    uprav(16, 0);
    ocekavej({{16, 0}, {24, 1}}, {{24, 1}});
    uprav(24, 0);
    ocekavej({{16, 4}, {24, 0}}, {{16, 4}});

    const auto pred = zaklady();
    uprav(5, 7);
    EXPECT_EQ(zaklady(), pred);
    uprav(33, 4);  // an accessory row: the copy puts the flag back
    EXPECT_EQ(zaklady(), pred);
    uprav(27, 99);
    ocekavej({{27, 99}, {17, 2}, {19, 1}}, {{27, 99}, {17, 0}, {19, 0}});
    EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, 2);
}

// One or two accessory flags: what each row gains.
TEST_F(Tremol2STest, AccessoryRows) {
    struct {
        const char* prurez;
        bool sachta;
        int ukonceni;
        std::vector<int> priznaky;
        Radky prirustky;
    } const kPripady[] = {
        {"16/16", false, 4, {0}, {{39, 2}}},        {"16/16", false, 4, {1}, {{40, 2}}},
        {"18/18", false, 1, {2}, {{47, 1}}},        {"18/18", false, 3, {2}, {{49, 1}}},
        {"18/18", true, 1, {2}, {{48, 1}}},         {"18/18", true, 3, {2}, {}},
        {"18/18", false, 4, {2}, {}},               {"16/16", false, 4, {3}, {{33, 1}}},
        {"16/16", false, 4, {4}, {{34, 1}}},        {"16/16", false, 4, {5}, {{35, 1}}},
        {"16/16", false, 4, {6}, {{37, 1}}},        {"16/16", false, 4, {7}, {{38, 1}}},
        {"16/16", false, 4, {8}, {{42, 1}}},        {"16/16", false, 4, {9}, {{41, 1}}},
        {"16/16", false, 4, {10}, {{43, 1}}},       {"16/16", false, 4, {10, 16}, {{43, 2}}},
        {"16/16", false, 4, {11, 17}, {{44, 2}}},   {"16/16", false, 4, {18}, {{45, 1}}},
        {"16/16", false, 4, {13, 19}, {}},          {"16/16", false, 4, {14, 20}, {}},
        {"18/18", false, 4, {10, 16}, {}},          {"18/18", false, 4, {11, 17}, {{43, 2}}},
        {"18/18", false, 4, {12}, {{44, 1}}},       {"18/18", false, 4, {19}, {{45, 1}}},
        {"18/18", false, 4, {14, 20}, {}},          {"20/20", false, 4, {13}, {{45, 1}}},
        {"20/20", false, 4, {14, 20}, {{46, 2}}},   {"14/14", false, 4, {11, 12, 13, 17, 18, 19}, {}},
        {"14/14", false, 4, {15}, {{52, 1}}},       {"14/14", false, 4, {15, 21}, {{52, 2}}},
        {"14/14", false, 4, {23}, {{50, 1}}},       {"14/14", false, 4, {24}, {{51, 1}}},
        {"14/14", false, 4, {26}, {{53, 1}}},       {"20/20", false, 4, {22, 25, 27, 35}, {}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " flag " << c.priznaky.front());
        prirustky({.prurez = c.prurez, .sachta = c.sachta, .ukonceni = c.ukonceni}, c.priznaky, c.prirustky);
    }
}
