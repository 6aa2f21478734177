#include "systems/xMIV.h"

#include "systems/SystemFixture.h"

namespace {

struct MivTest : KalkulaceTest<xMIV> {
    void SetUp() override { testovaci("MIV", "miv"); }
};

}  // namespace

TEST_F(MivTest, BillFromTheParameters) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        Radky baze;
        Radky ks;
        std::vector<int> soupravy = {};  // Sady 1..4 and basic kits 1..2; empty: not checked
    };
    const Pripad kPripady[] = {
        {"14, 90°, casing, 6 m",
         {.prurez = "14", .ukonceni = 1, .druhCihly = 1, .cihly = 550, .pytle = 9, .zslkt = 2},
         {{1, 1}, {16, 0}, {17, 0}, {11, 1}, {12, 0}, {39, 1}, {40, 1}, {41, 0}, {10, 1}, {9, 14}, {14, 1}, {18, 1},
          {20, 1}, {15, 0}, {19, 0}, {21, 0}, {42, 550}, {43, 0}, {37, 11}, {38, 2}, {7, 18}, {8, 0}, {13, 36}, {35, 3}},
         // Sada MIV 1 holds 9 blocks, 5 liners, the short liners, 18 mats, door, plate and 4 compound.
         {{7, 9}, {9, 9}, {10, 0}, {11, 0}, {13, 18}, {39, 0}, {40, 0}, {35, 0}, {1, 1}, {42, 550}},
         {1, 0, 0, 0, 0, 0}},
        {"25 at 45°, cover plate",
         {.prurez = "25", .kourovod = 1},
         {{12, 1}, {17, 0}, {16, 1}, {11, 0}, {40, 1}, {41, 0}, {9, 14}, {14, 0}, {15, 1}, {18, 0}, {7, 18}, {13, 36},
          {36, 1}, {35, 0}, {37, 3}, {38, 0}},
         {{39, 0}, {40, 0}, {12, 1}},
         {0, 0, 0, 0, 1, 0}},
        {"45, door, 10 m",
         {.prurez = "45", .vyska = 10.0f, .dvirka = true},
         {{9, 23}, {10, 2}, {39, 2}, {7, 30}, {13, 75}, {36, 3}, {37, 10}, {15, 1}},
         {{39, 1}, {13, 75}},
         {0, 0, 0, 0, 1, 0}},
        {"60 with shaft, door, 10 m",
         {.prurez = "60", .vyska = 10.0f, .sachta = true, .dvirka = true},
         {{9, 20}, {10, 2}, {39, 2}, {8, 30}, {7, 0}, {13, 90}, {36, 5}, {37, 20}, {15, 1}, {19, 0}},
         {},
         {0, 0, 0, 0, 1, 0}},
        {"20 with shaft, Orlex of 15 pieces",
         {.prurez = "20", .vyska = 9.0f, .sachta = true, .ukonceni = 3, .zslkt = 1, .dilyOrlex = 15, .tyceOrlex = 12},
         {{2, 1}, {16, 0}, {9, 20}, {14, 1}, {25, 1}, {24, 0}, {28, 8}, {27, 7}, {29, 12}, {38, 1}, {8, 21}, {13, 48},
          {35, 6}, {37, 3}},
         {},
         {0, 1, 0, 0, 0, 0}},
        {"20 with shaft, Orlex of 14 pieces",
         {.prurez = "20", .vyska = 9.0f, .sachta = true, .ukonceni = 3, .dilyOrlex = 14},
         {{28, 7}, {27, 7}, {8, 21}, {9, 20}},
         {},
         {0, 1, 0, 0, 0, 0}},
        {"16 without shaft, Orlex of 5 pieces",
         {.prurez = "16", .vyska = 9.0f, .ukonceni = 3, .dilyOrlex = 5, .tyceOrlex = 4},
         {{24, 1}, {26, 5}, {29, 4}, {7, 23}, {9, 20}, {25, 0}, {27, 0}, {28, 0}},
         {},
         {1, 0, 0, 0, 0, 0}},
        {"18 at 45° with a second connection",
         {.prurez = "18", .kourovod = 1, .druhe = true},
         {{12, 1}, {11, 1}, {40, 1}, {41, 1}, {9, 12}, {13, 36}, {3, 1}, {16, 0}, {17, 0}},
         {},
         {0, 0, 1, 0, 0, 0}},
        // "60" has no 45° basic kit: it is counted, deducts nothing and the bill still comes out.
        {"60 at 45°",
         {.prurez = "60", .kourovod = 1},
         {{12, 1}, {17, 1}, {16, 0}, {41, 1}, {40, 0}, {9, 11}},
         {{39, 1}, {41, 1}, {17, 1}},
         {0, 0, 0, 0, 0, 1}},
        // The blocks' mortar lands on an exact half; IEEE doubles decide, halves go to even.
        {"18 with shaft, 77 blocks", {.prurez = "18", .vyska = 25.66f, .sachta = true}, {{8, 77}, {37, 11}}, {}},
        {"25 with shaft, 53 blocks", {.prurez = "25", .vyska = 17.66f, .sachta = true}, {{8, 53}, {37, 10}}, {}},
        {"40, 39 blocks", {.prurez = "40", .vyska = 13.0f}, {{7, 39}, {37, 11}}, {}},
        {"45, 71 blocks", {.prurez = "45", .vyska = 23.66f}, {{7, 71}, {37, 22}}, {}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        ocekavej(c.baze, c.ks);
        if (!c.soupravy.empty()) {
            for (int k = 1; k <= 4; ++k) EXPECT_EQ(p().Sady(k).Pocet, c.soupravy[k - 1]) << "Sada " << k;
            for (int k = 1; k <= 2; ++k) EXPECT_EQ(p().ZakladniSoupravy(k).Pocet, c.soupravy[k + 3]) << "basic kit " << k;
            EXPECT_EQ(p().SadyStred(1).Pocet, 0);
            EXPECT_EQ(p().SoupravyPaty(1).Pocet, 0);
        }
    }
}

TEST_F(MivTest, OrlexTextFollowsTheShaft) {
    g.PopisSadyOrlex = QStringLiteral("starý");
    spocitej({.prurez = "16", .ukonceni = 4});
    EXPECT_EQ(g.PopisSadyOrlex, QStringLiteral("starý"));
    spocitej({.prurez = "16", .ukonceni = 3});
    EXPECT_EQ(g.PopisSadyOrlex,
              QStringLiteral("Sada Orlex jednoprůduchová bez větrací šachty obsahuje: 15 ks tvárnice Orlex, 3 ks komínové "
                             "vložky, 6 ks izolační rohože, 1 ks krycí deska Orlex, 1 ks maltová směs tenkovrstvá, 2 ks "
                             "statická souprava 2 x 3 m, montážní návod."));
    spocitej({.prurez = "16", .sachta = true, .ukonceni = 3});
    EXPECT_EQ(g.PopisSadyOrlex,
              QStringLiteral("Sada Orlex jednoprůduchová s větrací šachtou obsahuje: 15 ks tvárnice Orlex s větrací "
                             "šachtou (8 ks tvárnice typ 1, 7 ks tvárnice typ 2), 3 ks komínové vložky, 6 ks izolační "
                             "rohože, 1 ks krycí deska Orlex s větrací šachtou, 1 ks maltová směs tenkovrstvá, 2 ks "
                             "statická souprava 2 x 3 m, montážní návod."));
}

// ZSLKT goes to row 38 for casing, cladding and Orlex; KDS and KDVO set no termination row.
TEST_F(MivTest, TerminationRows) {
    struct {
        int ukonceni;
        int r38;
        Radky vrchol;  // rows 14, 15, 18, 19, 20, 21
    } const kPripady[] = {
        {1, 2, {{14, 1}, {15, 0}, {18, 1}, {19, 0}, {20, 1}, {21, 0}}},
        {2, 2, {{14, 1}, {15, 0}, {18, 0}, {19, 0}, {20, 0}, {21, 0}}},
        {3, 2, {{14, 1}, {15, 0}, {18, 0}, {19, 0}, {20, 0}, {21, 0}}},
        {4, 0, {{14, 0}, {15, 1}, {18, 0}, {19, 0}, {20, 0}, {21, 0}}},
        {5, 0, {{14, 0}, {15, 0}, {18, 0}, {19, 0}, {20, 0}, {21, 0}}},
        {6, 0, {{14, 0}, {15, 0}, {18, 0}, {19, 0}, {20, 0}, {21, 0}}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.ukonceni);
        spocitej({.prurez = "16", .ukonceni = c.ukonceni, .druhCihly = 2, .cihly = 300, .pytle = 5, .zslkt = 2,
                  .druhPlaste = 1, .idVyskaPlaste = 3});
        EXPECT_EQ(baze(38), c.r38);
        ocekavej(c.vrchol, {});
    }
    // Large cross-sections have only the large casing top.
    spocitej({.prurez = "35", .sachta = true, .ukonceni = 1, .druhCihly = 2, .cihly = 300, .pytle = 5});
    ocekavej({{14, 0}, {15, 1}, {19, 0}, {21, 0}, {43, 300}, {42, 0}}, {});
}

TEST_F(MivTest, KitContentsAndTexts) {
    const QString z14 = QStringLiteral(
        "Základní souprava obsahuje: podstavec s odvodem kondenzátu, spárovací hmota FM DRUXA (4ks), komínová dvířka "
        "dvoudílná, větrací mřížka, čelní deska, maltovací šablona, identifikační štítek, houbička, ruční pistole, "
        "montážní návod, záruční list, prohlášení o shodě.");
    const QString z45_18 = QStringLiteral(
        "Základní souprava obsahuje: podstavec s odvodem kondenzátu, spárovací hmota FM DRUXA (6ks), komínová dvířka "
        "dvoudílná, větrací mřížka, čelní deska pro napojení 45°, maltovací šablona, identifikační štítek, houbička, "
        "ruční pistole, montážní návod, záruční list, prohlášení o shodě.");
    const QString z0 = QStringLiteral(
        "Základní souprava obsahuje: podstavec s odvodem kondenzátu, komínová dvířka dvoudílná, větrací mřížka, čelní "
        "deska, maltovací šablona, identifikační štítek, houbička, montážní návod, záruční list, prohlášení o shodě.");
    const auto s = [](const char* sachta, const char* uhel, int druxa) {
        return QStringLiteral(
                   "Sada MIV obsahuje: 9 ks komínová tvárnice %1, 5 ks komínové vložky 330 mm, 1 ks komínová vložka pro "
                   "kouřovod %2 660 mm, 1 ks komínová vložka pro dvířka 660 mm, 18 ks izolační rohož, 1 ks podstavec "
                   "pro odvod kondenzátu, 1 ks větrací mřížka, 1 ks komínová dvířka Lamora, 1 ks čelní deska "
                   "minerální, 1 ks maltovací šablona, spárovací hmota FM DRUXA (%3 ks), houbička, ruční pistole, "
                   "montážní návod MIV*** TRENA, záruční list, identifikační štítek, prohlášení o shodě, těsnící "
                   "přechod.")
            .arg(QString::fromUtf8(sachta), QString::fromUtf8(uhel))
            .arg(druxa);
    };
    const char* bez = "bez větrací šachty";
    const char* se = "s větrací šachtou";

    spocitej({.prurez = "14"});
    EXPECT_EQ(p().ZakladniSoupravy(1).Popis, z14);
    EXPECT_TRUE(p().ZakladniSoupravy(2).Popis.isEmpty());
    EXPECT_EQ(p().Sady(1).Popis, s(bez, "90°", 4));
    EXPECT_EQ(p().Sady(2).Popis, s(se, "90°", 4));
    EXPECT_TRUE(p().Sady(3).Popis.isEmpty());

    spocitej({.prurez = "18"});
    EXPECT_EQ(p().ZakladniSoupravy(2).Popis, z45_18);
    EXPECT_EQ(p().Sady(3).Popis, s(bez, "45°", 6));
    EXPECT_TRUE(p().Sady(2).Popis.isEmpty());

    spocitej({.prurez = "20"});
    EXPECT_EQ(p().Sady(1).Popis, s(bez, "90°", 6));
    EXPECT_EQ(p().Sady(2).Popis, s(se, "90°", 6));
    EXPECT_EQ(p().Sady(3).Popis, s(bez, "45°", 6));
    EXPECT_EQ(p().Sady(4).Popis, s(se, "45°", 6));
    EXPECT_TRUE(p().SadyStred(2).Popis.isEmpty());
    // Set 4 takes the shaft blocks, the 45° liner and the 45° plate, and 6 compound.
    spocitej({.prurez = "20", .vyska = 12.0f, .sachta = true, .kourovod = 1});
    ASSERT_EQ(p().Sady(4).Pocet, 1);
    for (auto [r, n] : Radky{{8, 9}, {9, 5}, {10, 1}, {12, 1}, {13, 18}, {39, 1}, {41, 1}, {35, 6}})
        EXPECT_EQ(ks(r), baze(r) - n) << "row " << r;

    for (const char* velky : {"25", "30", "35", "40", "45", "60"}) {
        spocitej({.prurez = velky});
        EXPECT_EQ(p().ZakladniSoupravy(1).Popis, z0) << velky;
        EXPECT_EQ(p().ZakladniSoupravy(1).Radek.pocet(), 2) << velky;
        EXPECT_TRUE(p().Sady(1).Radek.prazdne()) << velky;
    }
}

// ---- recompute after an edit ---------------------------------------------------------------

TEST_F(MivTest, ConnectionLinersAreSwitches) {
    struct {
        const char* prurez;
        bool sachta;
        int radek, ks;
        int q11, q12, q16, q17;
    } const kPripady[] = {
        {"16", true, 11, 0, 0, 1, 0, 1},  // over to 45°
        {"25", true, 11, 0, 0, 1, 1, 0},  // 45° liner, but only the 90° basic kit
        {"12", false, 11, 0, 1, 0, 1, 0}, // no 45° liner: stays at 90°
        {"16", true, 11, 5, 1, 0, 1, 0},
        {"16", true, 12, 1, 0, 1, 0, 1},
        {"25", false, 12, 3, 0, 1, 1, 0},
        {"16", true, 12, 0, 1, 0, 1, 0},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " row " << c.radek << " := " << c.ks);
        spocitej({.prurez = c.prurez, .vyska = 6.0f, .sachta = c.sachta});
        k.Prepocitej(c.radek, Integer(c.ks));
        ocekavej({{11, c.q11}, {12, c.q12}, {16, c.q16}, {17, c.q17}}, {});
        EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, c.q16);
        EXPECT_EQ(p().ZakladniSoupravy(2).Pocet, c.q17);
        // Row 9 follows the liners: 18 less 2 for each short liner.
        EXPECT_EQ(baze(9), 18 - 2 * (1 + c.q11 + c.q12));
    }
}

TEST_F(MivTest, RefusedAndUndoneEdits) {
    // A "Sada MIV" owns the connection liners.
    spocitej({.prurez = "18"});
    auto pred = zaklady();
    k.Prepocitej(12, Integer(1));
    k.Prepocitej(11, Integer(0));
    EXPECT_EQ(zaklady(), pred);

    // Derived rows come back; an ordinary row keeps the typed count.
    for (int r : {7, 8, 9, 10, 13, 17, 22, 24, 25, 40, 41, 62, 91}) {
        spocitej({.prurez = "20", .vyska = 9.0f});
        pred = zaklady();
        k.Prepocitej(r, Integer(50));
        EXPECT_EQ(zaklady(), pred) << "row " << r;
    }
    k.Prepocitej(16, Integer(3));
    EXPECT_EQ(baze(16), 3);
    EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, 3);
}

TEST_F(MivTest, KitRowsChooseBetweenSetAndBasicKit) {
    spocitej({.prurez = "14"});
    k.Prepocitej(2, Integer(1));  // no shaft: the shaft set cannot be chosen
    ocekavej({{1, 1}, {2, 0}, {16, 0}}, {});

    spocitej({.prurez = "14", .sachta = true});
    ASSERT_EQ(baze(2), 1);
    k.Prepocitej(2, Integer(0));
    ocekavej({{1, 0}, {2, 0}, {11, 1}, {16, 1}, {17, 0}}, {});
    EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, 1);
    k.Prepocitej(2, Integer(4));
    ocekavej({{2, 1}, {11, 1}, {12, 0}, {16, 0}, {17, 0}}, {});
    EXPECT_EQ(p().Sady(2).Pocet, 1);
    EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, 0);

    spocitej({.prurez = "20", .sachta = true, .kourovod = 1});
    ASSERT_EQ(baze(4), 1);
    k.Prepocitej(4, Integer(0));
    ocekavej({{4, 0}, {11, 0}, {12, 1}, {16, 0}, {17, 1}}, {});
}

TEST_F(MivTest, MiddleSetCommand) {
    spocitej({.prurez = "14", .vyska = 12.0f});
    ASSERT_EQ(ks(7), 36 - 9);
    k.Prepocitej(5, Integer(1));
    ocekavej({{5, 1}, {6, 0}, {7, 36}, {9, 32}, {13, 72}},
             {{7, 36 - 9 - 12}, {9, 32 - 5 - 12}, {13, 72 - 18 - 24}});
    EXPECT_EQ(p().SadyStred(1).Pocet, 1);
    k.Prepocitej(5, Integer(0));
    ocekavej({{5, 0}}, {{7, 27}, {9, 27}, {13, 54}});

    spocitej({.prurez = "20", .vyska = 12.0f, .sachta = true});
    k.Prepocitej(5, Integer(1));
    k.Prepocitej(6, Integer(1));
    ocekavej({{5, 0}, {6, 1}}, {{8, 36 - 9 - 12}});
    EXPECT_EQ(ks(13), baze(13) - 18 - 24);  // mats of "Sada MIV" 2 and the middle set
}

// Each kit holds one door: a typed count is what the sheet shows after the deduction.
TEST_F(MivTest, DoorRowAddsTheKits) {
    spocitej({.prurez = "12", .vyska = 6.0f});
    k.Prepocitej(39, Integer(2));
    ocekavej({{39, 3}, {10, 3}, {9, 10}}, {{39, 2}});

}

// A typed door count beyond the 16-bit range with the kits' doors is the overflow error, raised
// before anything is stored.
TEST_F(MivTest, OverflowChangesNothing) {
    spocitej({.prurez = "12", .vyska = 6.0f});
    const auto pred = zaklady();
    EXPECT_EQ(cisloChyby([&] { k.Prepocitej(39, Integer(32767)); }), 6);
    EXPECT_EQ(zaklady(), pred);
}

TEST_F(MivTest, CasingTopRows) {
    struct {
        const char* prurez;
        bool sachta;
        int ukonceni;
        std::vector<std::pair<int, int>> upravy;  // edits in order
        Radky vrchol;
    } const kPripady[] = {
        {"20", false, 1, {{14, 0}}, {{14, 0}, {15, 1}, {18, 1}, {19, 0}, {20, 0}, {21, 0}}},
        {"20", false, 1, {{14, 0}, {20, 1}}, {{14, 1}, {15, 0}, {18, 1}, {19, 0}, {20, 1}, {21, 0}}},
        {"20", false, 1, {{15, 2}}, {{14, 0}, {15, 1}, {18, 1}, {19, 0}, {20, 0}, {21, 0}}},
        {"20", true, 1, {{21, 0}}, {{14, 0}, {15, 1}, {18, 0}, {19, 1}, {20, 0}, {21, 0}}},
        {"20", true, 1, {{21, 0}, {15, 0}}, {{14, 1}, {15, 0}, {18, 0}, {19, 1}, {20, 0}, {21, 1}}},
        {"20", true, 1, {{20, 1}}, {{14, 1}, {15, 0}, {18, 0}, {19, 1}, {20, 0}, {21, 1}}},  // wrong variant
        {"35", true, 1, {{15, 0}}, {{14, 0}, {15, 1}, {19, 0}}},
        {"35", true, 1, {{14, 1}, {15, 1}}, {{14, 0}, {15, 1}, {18, 0}, {19, 0}, {20, 0}, {21, 0}}},
        {"20", false, 4, {{14, 1}, {21, 1}, {15, 0}}, {{14, 0}, {15, 1}, {18, 0}, {21, 0}}},  // not a casing
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " shaft " << c.sachta << " termination " << c.ukonceni);
        spocitej({.prurez = c.prurez, .sachta = c.sachta, .ukonceni = c.ukonceni, .druhCihly = 1});
        for (auto [r, n] : c.upravy) k.Prepocitej(r, Integer(n));
        ocekavej(c.vrchol, {});
    }
}

// One accessory flag at a time: which row, if any, it reaches.
TEST_F(MivTest, AccessoryRows) {
    struct {
        const char* prurez;
        bool sachta;
        int ukonceni;
        int priznak;
        int radek;  // 0: none
    } const kPripady[] = {
        {"16", false, 4, 10, 54}, {"16", false, 4, 11, 55}, {"16", false, 4, 12, 56}, {"16", false, 4, 13, 0},
        {"16", false, 4, 14, 0},  {"18", false, 4, 10, 0},  {"18", false, 4, 11, 54}, {"18", false, 4, 13, 56},
        {"18", false, 4, 14, 0},  {"20", false, 4, 11, 54}, {"20", false, 4, 14, 57}, {"12", false, 4, 11, 0},
        {"16", false, 1, 2, 58},  {"16", false, 3, 2, 60},  {"16", true, 1, 2, 59},   {"16", true, 3, 2, 61},
        {"16", false, 2, 2, 0},   {"16", true, 4, 2, 0},    {"25", false, 4, 0, 50},  {"25", false, 4, 1, 51},
        {"25", false, 4, 3, 30},  {"25", false, 4, 4, 31},  {"25", false, 4, 5, 32},  {"25", false, 4, 6, 48},
        {"25", false, 4, 7, 49},  {"25", false, 4, 8, 53},  {"25", false, 4, 9, 52},  {"25", false, 4, 15, 47},
        {"25", false, 4, 22, 45}, {"25", false, 4, 23, 62}, {"25", false, 4, 24, 63}, {"25", false, 4, 26, 44},
        {"25", false, 4, 27, 92}, {"25", false, 4, 30, 95}, {"25", false, 4, 32, 97}, {"20", false, 4, 16, 0},
        {"20", false, 4, 21, 0},  {"20", false, 4, 25, 0},  {"20", false, 4, 33, 0},  {"20", false, 4, 35, 0},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " flag " << c.priznak);
        prirustky({.prurez = c.prurez, .sachta = c.sachta, .ukonceni = c.ukonceni, .druhPlaste = 1, .idVyskaPlaste = 1},
                  {c.priznak}, c.radek ? Radky{{c.radek, 1}} : Radky{});
    }
}
