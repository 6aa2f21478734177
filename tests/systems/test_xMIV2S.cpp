#include "systems/xMIV2S.h"

#include "systems/SystemFixture.h"

#include <array>

namespace {

struct Miv2sTest : KalkulaceTest<xMIV2S> {
    void SetUp() override { dodana("MIV2S"); }
};

const QString kOrlex = QStringLiteral(
    "Sada Orlex dvouprůduchová bez větrací šachty obsahuje: 14 ks tvárnice Orlex (7 ks tvárnice typ 1, 7 ks tvárnice "
    "typ 2), 3 +3 ks komínové vložky, 6 + 6 ks izolační rohože, 1 ks krycí deska Orlex dvouprůduchová, 1 ks maltová "
    "směs tenkovrstvá, 2 ks statická souprava 2 x 3 m, montážní návod.");

}  // namespace

TEST_F(Miv2sTest, BillFromTheParameters) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        Radky baze;
        int soupravy90 = -1, soupravy45 = -1;  // basic-set counts; -1 not checked
    };
    const Pripad kPripady[] = {
        {"16/16 at 6 m, 90/90, cover plate",
         {.prurez = "16/16"},
         {{5, 2}, {25, 2}, {31, 2}, {6, 0}, {26, 0}, {32, 0}, {30, 2}, {4, 2}, {3, 28}, {7, 72}, {27, 6}, {28, 3},
          {8, 0}, {9, 2}, {10, 0}, {11, 0}, {12, 0}, {13, 0}, {1, 18}, {2, 0}},
         2, 0},
        {"12/12 at 4.33 m with shaft, 90/45",
         {.prurez = "12/12", .vyska = 4.33f, .sachta = true, .kourovod2 = 1, .ukonceni = 5},
         {{5, 1}, {6, 1}, {25, 1}, {26, 1}, {31, 1}, {32, 1}, {3, 18}, {7, 52}, {11, 1}, {13, 1}, {10, 0}, {12, 0},
          {27, 3}, {28, 3}, {2, 13}, {1, 0}},
         1, 1},
        {"20/20 at 45/45", {.prurez = "20/20", .kourovod = 1, .kourovod2 = 1}, {{5, 0}, {6, 2}, {32, 2}, {31, 0}, {3, 28}}, 0, 2},
        {"18/18 Orlex of 5 pieces",
         {.prurez = "18/18", .ukonceni = 3, .zslkt = 2, .dilyOrlex = 5, .tyceOrlex = 4},
         {{16, 1}, {17, 2}, {18, 3}, {24, 4}, {29, 2}, {1, 14}, {8, 2}, {9, 0}, {10, 0}, {12, 0}, {13, 0}, {3, 22},
          {7, 60}}},
        {"20/20 Orlex of 6 pieces", {.prurez = "20/20", .ukonceni = 3, .dilyOrlex = 6}, {{17, 3}, {18, 3}, {1, 14}}},
        // With a shaft the Orlex top adds nothing.
        {"20/20 Orlex with shaft",
         {.prurez = "20/20", .sachta = true, .ukonceni = 3, .zslkt = 2, .dilyOrlex = 5, .tyceOrlex = 4},
         {{16, 0}, {17, 0}, {18, 0}, {24, 0}, {29, 0}, {3, 28}, {7, 72}, {8, 2}, {11, 1}, {13, 1}, {2, 18}}},
        {"16/16 door", {.prurez = "16/16", .dvirka = true}, {{3, 24}, {4, 4}, {30, 4}}},
        {"16/16 second connection at 90°", {.prurez = "16/16", .druhe = true}, {{3, 24}, {5, 4}, {31, 4}, {25, 2}}, 2, 0},
        {"16/16 second connection, flue 1 at 45°",
         {.prurez = "16/16", .kourovod = 1, .druhe = true},
         {{3, 24}, {5, 1}, {31, 1}, {6, 1}},
         1, 1},
        {"16/16 door and second connection", {.prurez = "16/16", .dvirka = true, .druhe = true}, {{3, 20}}},
        {"14/14 clinker casing",
         {.prurez = "14/14", .ukonceni = 1, .druhCihly = 1, .cihly = 250, .pytle = 4.5f, .zslkt = 1},
         {{33, 250}, {34, 0}, {28, 8}, {29, 1}, {8, 2}, {9, 0}, {10, 1}, {12, 1}}},
        {"14/14 fireclay casing with shaft",
         {.prurez = "14/14", .sachta = true, .ukonceni = 1, .druhCihly = 2, .cihly = 270, .pytle = 8},
         {{33, 0}, {34, 270}, {28, 12}, {11, 1}, {13, 1}}},
        {"12/12 KDS", {.prurez = "12/12", .ukonceni = 5}, {{8, 2}, {9, 0}, {10, 1}, {12, 1}, {29, 0}}},
        // Mortar on an exact half: IEEE doubles decide, halves go to even.
        {"12/12 at 7 m", {.prurez = "12/12", .vyska = 7.0f}, {{28, 4}, {27, 5}}},
        {"14/14 at 7 m", {.prurez = "14/14", .vyska = 7.0f}, {{28, 4}, {27, 6}}},
        {"16/16 at 7 m", {.prurez = "16/16", .vyska = 7.0f}, {{28, 4}, {27, 7}}},
        {"18/18 at 3 m with shaft", {.prurez = "18/18", .vyska = 3.0f, .sachta = true}, {{28, 2}, {27, 4}}},
        {"20/20 at 3 m with shaft", {.prurez = "20/20", .vyska = 3.0f, .sachta = true}, {{28, 2}, {27, 4}}},
        {"20/20 at 7 m", {.prurez = "20/20", .vyska = 7.0f}, {{28, 5}, {27, 9}}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        ocekavej(c.baze);
        if (c.soupravy90 >= 0) {
            EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, c.soupravy90);
        }
        if (c.soupravy45 >= 0) {
            EXPECT_EQ(p().ZakladniSoupravy(2).Pocet, c.soupravy45);
        }
        jenTyto(54, 81, {});
    }
}

TEST_F(Miv2sTest, BasicSetsAreDeducted) {
    spocitej({.prurez = "18/18", .kourovod = 1});
    // One set at 90° and one at 45°, six FM DRUXA each.
    ocekavej({{27, 8}, {30, 2}, {31, 1}, {32, 1}}, {{27, 0}, {30, 0}, {31, 0}, {32, 0}});
    spocitej({.prurez = "18/18", .vyska = 20.0f, .dvirka = true});
    ocekavej({{27, 24}, {30, 4}}, {{27, 12}, {30, 2}, {31, 0}});
}

TEST_F(Miv2sTest, OrlexText) {
    g.PopisSadyOrlex = QStringLiteral("starý");
    spocitej({.prurez = "20/20", .sachta = true, .ukonceni = 3, .dilyOrlex = 4});
    EXPECT_EQ(g.PopisSadyOrlex, QStringLiteral("starý"));
    spocitej({.prurez = "20/20", .ukonceni = 1});
    EXPECT_EQ(g.PopisSadyOrlex, QStringLiteral("starý"));
    spocitej({.prurez = "20/20", .ukonceni = 3, .dilyOrlex = 4});
    EXPECT_EQ(g.PopisSadyOrlex, kOrlex);
}

// The texts themselves are those of MIV; here which kits a cross-section has and their compound.
TEST_F(Miv2sTest, KitsByCrossSection) {
    struct {
        const char* prurez;
        int druxa;
        bool na45;
    } const kPripady[] = {{"12/12", 3, false}, {"14/14", 4, false}, {"16/16", 5, true}, {"18/18", 6, true}, {"20/20", 6, true}};
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.prurez);
        spocitej({.prurez = c.prurez});
        const QString druxa = QStringLiteral("FM DRUXA (%1ks)").arg(c.druxa);
        EXPECT_TRUE(p().ZakladniSoupravy(1).Popis.contains(druxa));
        EXPECT_FALSE(p().ZakladniSoupravy(1).Popis.contains(QStringLiteral("45°")));
        const QString& z45 = p().ZakladniSoupravy(2).Popis;
        EXPECT_EQ(z45.contains(druxa) && z45.contains(QStringLiteral("pro napojení 45°")), c.na45);
        EXPECT_EQ(p().ZakladniSoupravy(2).Radek.prazdne(), !c.na45);
        EXPECT_EQ(p().ZakladniSoupravy(1).Ks(1), c.druxa);
    }
    // Another label fills no kit and has no compound or mortar.
    spocitej({.prurez = "16/16"});
    g.sorvenikaParametry.Prurez = QStringLiteral("25/25");
    k.Spocitej();
    EXPECT_TRUE(p().ZakladniSoupravy(1).Radek.prazdne());
    ocekavej({{27, 0}, {28, 0}, {25, 2}, {3, 28}});
}

// ---- recompute after an edit ---------------------------------------------------------------

TEST_F(Miv2sTest, ConnectionRowsSwitchBothFlues) {
    struct {
        const char* prurez;
        int kourovod2;
        int radek, ks;
        int na90, na45;  // rows 5/25/31 and 6/26/32
    } const kPripady[] = {
        {"16/16", 1, 5, 1, 2, 0}, {"16/16", 1, 5, 2, 2, 0}, {"16/16", 1, 5, 7, 2, 0}, {"16/16", 1, 5, 0, 0, 2},
        {"20/20", 0, 6, 1, 0, 2}, {"20/20", 1, 6, 0, 2, 0}, {"12/12", 0, 5, 0, 2, 0},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " row " << c.radek << " := " << c.ks);
        spocitej({.prurez = c.prurez, .kourovod2 = c.kourovod2});
        uprav(c.radek, c.ks);
        ocekavej({{5, c.na90}, {25, c.na90}, {31, c.na90}, {6, c.na45}, {26, c.na45}, {32, c.na45}, {3, 28}});
        EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, c.na90);
        EXPECT_EQ(p().ZakladniSoupravy(2).Pocet, c.na45);
    }
    // Without a 45° liner a count of 2 changes nothing further.
    spocitej({.prurez = "12/12", .druhe = true});
    ASSERT_EQ(baze(5), 4);
    uprav(5, 1);
    ocekavej({{5, 2}, {31, 2}, {25, 2}, {6, 0}});
}

TEST_F(Miv2sTest, DoorRowIsMadeEven) {
    spocitej({.prurez = "16/16"});
    uprav(30, 3);
    // 3 + 2 basic sets = 5, up to 6; the door liners follow and the liners fall by 8.
    ocekavej({{30, 6}, {4, 6}, {3, 20}}, {{30, 4}});
    uprav(30, 0);
    ocekavej({{30, 2}, {4, 2}, {3, 28}}, {{30, 0}});
}

TEST_F(Miv2sTest, CasingTopArrangements) {
    struct {
        bool sachta;
        int ukonceni;
        int radek, ks;
        std::array<int, 6> vrchol;  // rows 8 to 13
    } const kPripady[] = {
        {false, 1, 9, 1, {0, 2, 1, 0, 0, 0}}, {false, 1, 12, 5, {2, 0, 1, 0, 1, 0}}, {false, 1, 8, 0, {0, 2, 1, 0, 0, 0}},
        {false, 1, 9, 0, {2, 0, 1, 0, 1, 0}}, {true, 1, 8, 0, {0, 2, 0, 1, 0, 0}},   {true, 1, 13, 1, {2, 0, 0, 1, 0, 1}},
        {true, 1, 12, 0, {0, 2, 0, 1, 0, 0}},
        // Cladding and Orlex refuse the edit; the cover plate and KDS keep it.
        {false, 2, 9, 1, {2, 0, 0, 0, 0, 0}}, {false, 3, 12, 1, {2, 0, 0, 0, 0, 0}}, {false, 4, 8, 3, {3, 2, 0, 0, 0, 0}},
        {false, 5, 13, 4, {2, 0, 1, 0, 1, 4}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << "shaft " << c.sachta << " termination " << c.ukonceni << " row " << c.radek);
        spocitej({.prurez = "20/20", .sachta = c.sachta, .ukonceni = c.ukonceni, .dilyOrlex = 2, .druhPlaste = 1,
                  .idVyskaPlaste = 1});
        uprav(c.radek, c.ks);
        for (int r = 8; r <= 13; ++r) EXPECT_EQ(baze(r), c.vrchol[static_cast<size_t>(r - 8)]) << "row " << r;
    }
}

TEST_F(Miv2sTest, ProtectedAndEditableRows) {
    for (int r : {1, 2, 3, 4, 7, 10, 11, 25, 26, 31, 32, 54, 70, 81}) {
        spocitej({.prurez = "20/20", .vyska = 9.0f, .kourovod2 = 1, .ukonceni = 2, .druhPlaste = 2, .idVyskaPlaste = 3});
        const auto pred = zaklady();
        uprav(r, 17);
        EXPECT_EQ(zaklady(), pred) << "row " << r;
    }
    spocitej({.prurez = "16/16"});
    uprav(27, 9);
    ocekavej({{27, 9}}, {{27, 0}});
    uprav(28, 9);
    ocekavej({{28, 9}, {27, 9}}, {{28, 9}});
}

// Two product rules where a recompute and the full costing disagree.
TEST_F(Miv2sTest, RecomputeDiffersFromTheCostingWhereTheRulesSaySo) {
    // Orlex chosen with a shaft: ignored by the costing, six liners off in every recompute.
    spocitej({.prurez = "20/20", .sachta = true, .ukonceni = 3, .dilyOrlex = 4});
    ASSERT_EQ(baze(3), 28);
    uprav(27, 1);
    EXPECT_EQ(baze(3), 22);
    // A second connection with flue 1 at 45°: the costing takes four liners off, a recompute not.
    spocitej({.prurez = "16/16", .kourovod = 1, .druhe = true});
    ASSERT_EQ(baze(3), 24);
    uprav(27, 1);
    EXPECT_EQ(baze(3), 28);
    // With flue 1 at 90° the extra connection is in row 5, and the recompute agrees.
    spocitej({.prurez = "16/16", .druhe = true});
    const auto pred = zaklady();
    uprav(27, baze(27));
    EXPECT_EQ(zaklady(), pred);
}

TEST_F(Miv2sTest, RecomputeKeepsTheOrlexRows) {
    spocitej({.prurez = "18/18", .vyska = 9.0f, .ukonceni = 3, .dilyOrlex = 7, .tyceOrlex = 12});
    ocekavej({{17, 3}, {18, 4}, {1, 27 - 3 - 1}, {3, 54 - 8 - 6}});
    uprav(17, 5);
    // The blocks follow the pieces: Round(0.2 * 9) = 2.
    ocekavej({{17, 5}, {1, 27 - 3 - 2}, {3, 40}, {24, 12}});
}

// ---- accessories ---------------------------------------------------------------------------

TEST_F(Miv2sTest, AccessoryRows) {
    struct {
        const char* prurez;
        bool sachta;
        int ukonceni;
        int priznak;
        int radek;  // 0: none
        int kusu = 1;
    } const kPripady[] = {
        {"16/16", false, 4, 0, 41, 2},  {"16/16", false, 4, 1, 42, 2}, {"12/12", false, 1, 2, 49},
        {"12/12", true, 1, 2, 50},      {"18/18", false, 3, 2, 51},    {"18/18", false, 2, 2, 0},
        {"18/18", false, 4, 2, 0},      {"18/18", false, 5, 2, 0},     {"18/18", false, 6, 2, 0},
        {"18/18", true, 3, 2, 0},       {"16/16", false, 4, 3, 21},    {"16/16", false, 4, 4, 22},
        {"16/16", false, 4, 5, 23},     {"16/16", false, 4, 6, 39},    {"16/16", false, 4, 7, 40},
        {"16/16", false, 4, 8, 44},     {"16/16", false, 4, 9, 43},    {"16/16", false, 4, 10, 45},
        {"16/16", false, 4, 16, 45},    {"16/16", false, 4, 11, 46},   {"16/16", false, 4, 17, 46},
        {"16/16", false, 4, 12, 47},    {"16/16", false, 4, 18, 47},   {"16/16", false, 4, 13, 0},
        {"16/16", false, 4, 14, 0},     {"16/16", false, 4, 20, 0},    {"18/18", false, 4, 10, 0},
        {"18/18", false, 4, 11, 45},    {"18/18", false, 4, 17, 45},   {"18/18", false, 4, 13, 47},
        {"18/18", false, 4, 19, 47},    {"18/18", false, 4, 14, 0},    {"20/20", false, 4, 14, 48},
        {"20/20", false, 4, 20, 48},    {"20/20", false, 4, 12, 46},   {"12/12", false, 4, 11, 0},
        {"14/14", false, 4, 18, 0},     {"14/14", false, 4, 15, 38},   {"14/14", false, 4, 21, 38},
        {"16/16", true, 4, 22, 36},     {"16/16", true, 4, 23, 52},    {"16/16", true, 4, 24, 53},
        {"16/16", false, 4, 26, 35},    {"16/16", false, 4, 25, 0},    {"16/16", false, 4, 27, 0},
        {"16/16", false, 4, 33, 0},     {"16/16", false, 4, 35, 0},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " shaft " << c.sachta << " termination " << c.ukonceni
                                        << " flag " << c.priznak);
        prirustky({.prurez = c.prurez, .sachta = c.sachta, .ukonceni = c.ukonceni, .dilyOrlex = 2, .druhPlaste = 1,
                   .idVyskaPlaste = 1},
                  {c.priznak}, c.radek ? Radky{{c.radek, c.kusu}} : Radky{});
    }
    // Both flues' flags add up; an edit of an accessory row goes back to its flags.
    spocitej({.prurez = "20/20", .prislusenstvi = {15, 21, 11, 17}});
    ocekavej({{38, 2}, {45, 2}});
    uprav(38, 5);
    ocekavej({{38, 2}});
    uprav(41, 5);
    ocekavej({{41, 0}});
}
