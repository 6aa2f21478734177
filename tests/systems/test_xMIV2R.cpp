#include "systems/xMIV2R.h"

#include "systems/SystemFixture.h"

#include <array>

namespace {

struct Miv2rTest : KalkulaceTest<xMIV2R> {
    void SetUp() override { dodana("MIV2R"); }

    // Kit counts: Sady 1, 2 and basic sets 1..4.
    std::vector<int> soupravy() const {
        std::vector<int> v{p().Sady(1).Pocet, p().Sady(2).Pocet};
        for (int k = 1; k <= 4; ++k) v.push_back(p().ZakladniSoupravy(k).Pocet);
        return v;
    }
};

const QString kSada = QStringLiteral(
    "Sada MIV obsahuje: 7 ks komínová tvárnice bez větrací šachty, 3 + 3 ks komínové vložky 330 mm, 1 + 1 ks komínová "
    "vložka pro kouřovod 90° 660 mm, 1 + 1 ks komínová vložka pro dvířka 660 mm, 14 + 14 ks izolační rohož, 1 + 1 ks "
    "podstavec pro odvod kondenzátu, 2 ks větrací mřížka, 2 ks komínová dvířka Lamora, 1 + 1 ks čelní deska "
    "minerální, 1 + 1 ks maltovací šablona, 10 ks spárovací hmota FM DRUXA, houbička, ruční pistole, montážní návod "
    "MIV*** TRENA, 2 ks záruční list, 2 ks identifikační štítek, prohlášení o shodě, 2 ks těsnící přechod.");
const QString kSada45_18 = QStringLiteral(
    "Sada MIV obsahuje: 7 ks komínová tvárnice bez větrací šachty, 3 + 3 ks komínové vložky 330 mm, 1 ks komínová "
    "vložka pro kouřovod pr. 14 - 90°, 660 mm, 1 ks komínová vložka pro kouřovod pr. 18  - 45°, 660 mm, 1 + 1 ks "
    "komínová vložka pro dvířka 660 mm, 14 + 14 ks izolační rohož, 1 + 1 ks podstavec pro odvod kondenzátu, 2 ks "
    "větrací mřížka, 2 ks komínová dvířka Lamora, 1 + 1 ks čelní deska minerální, 1 + 1 ks maltovací šablona, 10 ks "
    "spárovací hmota FM DRUXA, houbička, ruční pistole, montážní návod MIV*** TRENA, 2 ks záruční list, 2 ks "
    "identifikační štítek, prohlášení o shodě, 2 ks těsnící přechod.");

}  // namespace

TEST_F(Miv2rTest, BillFromTheParameters) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        Radky baze;
        Radky ks = {};
        std::vector<int> soupravy = {};  // Sady 1, 2, basic sets 1..4; empty: not checked
    };
    const Pripad kPripady[] = {
        {"16/18 at 6 m, 90/90, no termination",
         {.prurez = "16/18", .ukonceni = 0},
         {{3, 18}, {4, 0}, {5, 14}, {6, 14}, {7, 1}, {8, 1}, {9, 1}, {10, 1}, {11, 0}, {12, 0}, {13, 36}, {14, 36},
          {15, 1}, {16, 1}, {17, 0}, {18, 0}, {19, 1}, {20, 0}, {21, 1}, {22, 0}, {34, 1}, {35, 0}, {36, 1}, {37, 0},
          {38, 7}, {39, 4}, {40, 0}, {41, 2}, {42, 1}, {43, 0}, {44, 1}, {45, 0}, {1, 0}, {2, 0}},
         {{38, 0}, {41, 0}, {42, 0}, {44, 0}, {39, 4}},
         {0, 0, 1, 0, 1, 0}},
        {"14/18 takes the set",
         {.prurez = "14/18"},
         {{1, 1}, {2, 0}, {34, 0}, {36, 0}, {9, 1}, {10, 1}, {3, 18}, {5, 14}, {6, 14}},
         {{3, 11}, {5, 11}, {6, 11}, {7, 0}, {8, 0}, {9, 0}, {10, 0}, {13, 22}, {14, 22}, {38, 0}, {41, 0}, {42, 0},
          {44, 0}},
         {1, 0, 0, 0, 0, 0}},
        {"14/18 with flue 2 at 45° takes set 2",
         {.prurez = "14/18", .kourovod2 = 1},
         {{1, 0}, {2, 1}, {12, 1}, {45, 1}, {10, 0}, {44, 0}, {37, 0}},
         {{12, 0}, {45, 0}, {9, 0}, {42, 0}, {6, 11}},
         {0, 1, 0, 0, 0, 0}},
        {"14/20 with shaft takes the basic sets",
         {.prurez = "14/20", .vyska = 10.0f, .sachta = true, .kourovod2 = 1, .ukonceni = 5},
         {{1, 0}, {2, 0}, {4, 30}, {3, 0}, {20, 1}, {22, 1}, {19, 0}, {21, 0}, {39, 7}, {38, 10}},
         {{38, 10 - 4 - 6}},
         {0, 0, 1, 0, 0, 1}},
        {"16/18 with flue 1 at 45°",
         {.prurez = "16/18", .kourovod = 1},
         {{11, 1}, {43, 1}, {35, 1}, {9, 0}, {42, 0}, {34, 0}, {5, 14}},
         {{11, 1}, {43, 0}, {38, 0}},
         {0, 0, 0, 1, 1, 0}},
        {"12/14 at 5 m", {.prurez = "12/14", .vyska = 5.0f}, {{38, 4}, {39, 3}, {5, 11}, {6, 11}}},
        {"16/18 door", {.prurez = "16/18", .dvirka = true}, {{5, 12}, {6, 12}, {7, 2}, {8, 2}, {41, 4}}},
        {"16/18 second connection",
         {.prurez = "16/18", .druhe = true},
         {{5, 12}, {6, 12}, {9, 2}, {10, 2}, {42, 2}, {44, 2}, {34, 1}, {36, 1}}},
        {"16/18 door and second connection",
         {.prurez = "16/18", .dvirka = true, .druhe = true},
         {{5, 10}, {6, 10}, {7, 2}, {8, 2}, {41, 4}}},
        {"16/20 clinker casing",
         {.prurez = "16/20", .ukonceni = 1, .druhCihly = 1, .cihly = 320, .pytle = 5.5f, .zslkt = 2},
         {{46, 320}, {47, 0}, {39, 10}, {40, 2}, {15, 1}, {16, 1}, {19, 1}, {21, 1}}},
        {"16/20 fireclay casing with shaft",
         {.prurez = "16/20", .sachta = true, .ukonceni = 1, .druhCihly = 2, .cihly = 340, .pytle = 6},
         {{46, 0}, {47, 340}, {39, 10}, {20, 1}, {22, 1}}},
        {"12/18 cover plate",
         {.prurez = "12/18", .ukonceni = 4},
         {{15, 0}, {16, 0}, {17, 1}, {18, 1}, {19, 0}, {20, 0}, {21, 0}, {22, 0}, {23, 0}, {24, 0}}},
        {"14/18 Orlex of 7 pieces",
         {.prurez = "14/18", .ukonceni = 3, .zslkt = 1, .dilyOrlex = 7, .tyceOrlex = 4, .vyskaUkonceni = 1.63f},
         {{25, 1}, {26, 3}, {27, 4}, {28, 4}, {29, 0}, {40, 1}, {15, 1}, {16, 1}, {19, 0}, {21, 0}, {22, 0}, {5, 11},
          {6, 11}, {13, 30}, {14, 30}, {3, 14}}},
        {"14/18 Orlex of 8 pieces",
         {.prurez = "14/18", .ukonceni = 3, .dilyOrlex = 8, .vyskaUkonceni = 1.705f},
         {{26, 4}, {27, 4}, {3, 13}}},
        {"16/20 Orlex of 6 pieces", {.prurez = "16/20", .ukonceni = 3, .dilyOrlex = 6}, {{26, 3}, {27, 3}, {3, 14}}},
        // With a shaft the Orlex top adds nothing.
        {"16/20 Orlex with shaft",
         {.prurez = "16/20", .sachta = true, .ukonceni = 3, .zslkt = 1, .dilyOrlex = 6, .tyceOrlex = 4},
         {{25, 0}, {26, 0}, {27, 0}, {28, 0}, {40, 0}, {5, 14}, {6, 14}, {13, 36}, {22, 1}, {4, 18}}},
        {"18/20 KDS", {.prurez = "18/20", .kourovod = 1, .kourovod2 = 1, .ukonceni = 5}, {{38, 8}, {11, 1}, {12, 1}, {43, 1}, {45, 1}},
         {{38, 0}, {41, 0}, {43, 0}, {45, 0}, {11, 1}},
         {0, 0, 0, 1, 0, 1}},
        // Mortar on an exact half: IEEE doubles decide, halves go to even.
        {"12/14 at 7 m", {.prurez = "12/14", .vyska = 7.0f}, {{39, 4}, {38, 5}}},
        {"12/16 at 7 m", {.prurez = "12/16", .vyska = 7.0f}, {{39, 4}, {38, 6}}},
        {"14/16 at 7 m", {.prurez = "14/16", .vyska = 7.0f}, {{39, 4}, {38, 7}}},
        {"18/20 at 3 m with shaft", {.prurez = "18/20", .vyska = 3.0f, .sachta = true}, {{39, 2}, {38, 4}}},
        {"12/18 at 7 m", {.prurez = "12/18", .vyska = 7.0f}, {{39, 4}, {38, 7}}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        ocekavej(c.baze, c.ks);
        if (!c.soupravy.empty()) {
            EXPECT_EQ(soupravy(), c.soupravy);
        }
        jenTyto(75, 102, {});
    }
}

TEST_F(Miv2rTest, OrlexTextAndStaticKit) {
    g.PopisSadyOrlex = QStringLiteral("starý");
    spocitej({.prurez = "16/18", .sachta = true, .ukonceni = 3, .dilyOrlex = 4});
    EXPECT_EQ(g.PopisSadyOrlex, QStringLiteral("starý"));
    spocitej({.prurez = "16/18", .ukonceni = 3, .dilyOrlex = 4});
    EXPECT_TRUE(g.PopisSadyOrlex.startsWith(QStringLiteral("Sada Orlex dvouprůduchová bez větrací šachty")));
    // Row 29 ends with the static-kit flag whatever the height of the top.
    for (float vyska : {1.66f, 1.705f, 3.0f}) {
        spocitej({.prurez = "16/18", .ukonceni = 3, .dilyOrlex = 8, .vyskaUkonceni = vyska});
        EXPECT_EQ(baze(29), 0) << vyska;
        spocitej({.prurez = "16/18", .ukonceni = 3, .dilyOrlex = 8, .vyskaUkonceni = vyska, .prislusenstvi = {3}});
        EXPECT_EQ(baze(29), 1) << vyska;
    }
}

TEST_F(Miv2rTest, KitContentsAndTexts) {
    // The basic-set text itself is that of MIV.
    const auto text = [](const QString& t, int n, bool na45) {
        return t.contains(QStringLiteral("FM DRUXA (%1ks)").arg(n)) && t.contains(QStringLiteral("napojení 45°")) == na45;
    };
    // FM DRUXA pieces of basic sets 1..4, 0 where the set is empty.
    struct {
        const char* prurez;
        std::array<int, 4> druxa;
        bool sady;
    } const kPripady[] = {
        {"12/14", {3, 0, 4, 0}, false}, {"12/16", {3, 0, 5, 5}, false}, {"12/18", {3, 0, 6, 6}, false},
        {"12/20", {3, 0, 6, 6}, false}, {"14/16", {4, 0, 5, 5}, false}, {"14/18", {4, 0, 6, 6}, true},
        {"14/20", {4, 0, 6, 6}, true},  {"16/18", {5, 5, 6, 6}, false}, {"16/20", {5, 5, 6, 6}, false},
        {"18/20", {6, 6, 6, 6}, false},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.prurez);
        spocitej({.prurez = c.prurez});
        for (int k = 1; k <= 4; ++k) {
            const int n = c.druxa[static_cast<size_t>(k - 1)];
            const QString& t = p().ZakladniSoupravy(k).Popis;
            EXPECT_TRUE(n == 0 ? t.isEmpty() : text(t, n, k % 2 == 0)) << k;
            EXPECT_EQ(p().ZakladniSoupravy(k).Radek.prazdne(), n == 0) << k;
        }
        EXPECT_EQ(p().Sady(1).Radek.prazdne(), !c.sady);
        EXPECT_EQ(p().Sady(2).Radek.prazdne(), !c.sady);
    }

    spocitej({.prurez = "14/18"});
    EXPECT_EQ(p().Sady(1).Popis, kSada);
    EXPECT_EQ(p().Sady(2).Popis, kSada45_18);
    spocitej({.prurez = "14/20"});
    EXPECT_EQ(p().Sady(1).Popis, kSada);
    QString s45_20 = kSada45_18;
    s45_20.replace(QStringLiteral("pr. 18  - 45°"), QStringLiteral("pr. 20  - 45°"));
    EXPECT_EQ(p().Sady(2).Popis, s45_20);

    // Another label fills no kit and has no compound or mortar; its counted sets deduct nothing.
    spocitej({.prurez = "16/18"});
    g.sorvenikaParametry.Prurez = QStringLiteral("20/25");
    k.Spocitej();
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(p().ZakladniSoupravy(k).Radek.prazdne());
    EXPECT_EQ(soupravy(), (std::vector<int>{0, 0, 1, 0, 1, 0}));
    ocekavej({{38, 0}, {39, 0}, {5, 14}}, {{41, 2}, {42, 1}});
}

// ---- recompute after an edit ---------------------------------------------------------------

TEST_F(Miv2rTest, ProtectedRowsComeBack) {
    for (int r : {3, 4, 5, 6, 7, 8, 13, 14, 19, 20, 34, 35, 36, 37, 42, 43, 44, 45, 75, 90, 102}) {
        spocitej({.prurez = "16/18", .vyska = 9.0f, .kourovod = 1, .ukonceni = 2, .druhPlaste = 1, .idVyskaPlaste = 2});
        const auto pred = zaklady();
        uprav(r, 11);
        EXPECT_EQ(zaklady(), pred) << "row " << r;
    }
}

TEST_F(Miv2rTest, LinersAndDoorLinersFollowRow41) {
    spocitej({.prurez = "16/18", .vyska = 6.5f});
    uprav(33, 1);
    ocekavej({{7, 1}, {5, 16}, {6, 16}});  // CInt(15.5)
    for (auto [ulozeno, pul] : {std::pair{5, 2}, std::pair{7, 4}, std::pair{2, 1}}) {
        spocitej({.prurez = "16/18"});
        polozka(41).KsZaklad = static_cast<float>(ulozeno);
        uprav(33, 1);
        ocekavej({{41, ulozeno}, {7, pul}, {8, pul}, {5, 18 - 2 * (pul + 1)}});
    }
}

TEST_F(Miv2rTest, DoorRowCountsTheSets) {
    struct {
        const char* prurez;
        int kourovod2;
        int typed, stored, shown;
    } const kPripady[] = {
        {"16/18", 0, 3, 6, 4},  // basic sets 1 and 3
        {"16/18", 1, 3, 4, 2},  // basic sets 1 and 4: set 4 is not counted
        {"14/18", 0, 3, 4, 2},  // "Sada MIV" counted once, holds two
        {"16/18", 0, 0, 2, 0},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " typed " << c.typed);
        spocitej({.prurez = c.prurez, .kourovod2 = c.kourovod2});
        uprav(41, c.typed);
        ocekavej({{41, c.stored}, {7, c.stored / 2}, {8, c.stored / 2}}, {{41, c.shown}});
    }
}

TEST_F(Miv2rTest, SystemKitRows) {
    // Set 1 typed over set 2: both flues back to 90°, no basic set.
    spocitej({.prurez = "14/18", .kourovod2 = 1});
    uprav(1, 1);
    ocekavej({{1, 1}, {2, 0}, {34, 0}, {35, 0}, {36, 0}, {37, 0}, {9, 1}, {10, 1}, {11, 0}, {12, 0}, {42, 0}, {43, 0},
              {44, 0}, {45, 0}});
    EXPECT_EQ(soupravy(), (std::vector<int>{1, 0, 0, 0, 0, 0}));

    // 0 takes the set out: both flues at 90° with basic sets 1 and 3.
    spocitej({.prurez = "14/18"});
    uprav(1, 0);
    ocekavej({{1, 0}, {2, 0}, {9, 1}, {10, 1}, {11, 0}, {12, 0}, {34, 1}, {35, 0}, {36, 1}, {37, 0}, {42, 1}, {43, 0},
              {44, 1}, {45, 0}});
    EXPECT_EQ(soupravy(), (std::vector<int>{0, 0, 1, 0, 1, 0}));
    spocitej({.prurez = "14/20", .kourovod2 = 1});
    uprav(2, 0);
    ocekavej({{2, 0}, {10, 1}, {12, 0}, {36, 1}, {37, 0}});

    // With a shaft there is no set.
    spocitej({.prurez = "14/18", .sachta = true});
    uprav(1, 1);
    ocekavej({{1, 0}, {34, 1}, {36, 1}});
    EXPECT_EQ(soupravy(), (std::vector<int>{0, 0, 1, 0, 1, 0}));
    uprav(2, 3);
    ocekavej({{2, 0}, {34, 1}, {36, 1}});

    // Product rule: typing set 2 moves flue 1, not flue 2, to 45°; flue 2 keeps its 90° liner.
    spocitej({.prurez = "14/18"});
    uprav(2, 1);
    ocekavej({{1, 0}, {2, 1}, {9, 0}, {11, 1}, {10, 1}, {12, 0}, {34, 0}, {36, 0}, {42, 0}, {44, 0}});
    EXPECT_EQ(soupravy(), (std::vector<int>{0, 1, 0, 0, 0, 0}));
}

TEST_F(Miv2rTest, ConnectionRows) {
    struct {
        const char* prurez;
        int kourovod, kourovod2;
        int radek, ks;
        std::array<int, 4> vlozky;  // rows 9-12; basic sets and front plates follow
    } const kPripady[] = {
        {"16/18", 0, 0, 10, 0, {1, 0, 0, 1}},  // a 45° liner there: flue 2 goes over
        {"12/14", 0, 0, 10, 0, {1, 1, 0, 0}},  // none: flue 2 stays at 90°
        {"16/18", 0, 1, 10, 2, {1, 1, 0, 0}},
        {"16/18", 0, 0, 9, 0, {0, 1, 1, 0}},   // typed 0 with a 45° liner: flue 1 goes over
        {"12/16", 0, 0, 9, 0, {1, 1, 0, 0}},
        {"16/18", 1, 0, 9, 4, {1, 1, 0, 0}},
        {"16/18", 0, 0, 11, 1, {0, 1, 1, 0}},
        {"16/18", 1, 0, 11, 0, {1, 1, 0, 0}},
        {"16/18", 0, 0, 12, 3, {1, 0, 0, 1}},
        {"16/18", 0, 1, 12, 0, {1, 1, 0, 0}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " row " << c.radek << " := " << c.ks);
        spocitej({.prurez = c.prurez, .kourovod = c.kourovod, .kourovod2 = c.kourovod2});
        uprav(c.radek, c.ks);
        // Basic set k and its front plate go with liner row 9, 11, 10, 12.
        const int kSouprava[] = {1, 3, 2, 4};
        for (int i = 0; i < 4; ++i) {
            const int n = c.vlozky[static_cast<size_t>(i)];
            const int k = kSouprava[i];
            EXPECT_EQ(baze(9 + i), n) << "liner row " << 9 + i;
            EXPECT_EQ(baze(33 + k), n) << "basic set row " << 33 + k;
            EXPECT_EQ(baze(41 + k), n) << "front plate row " << 41 + k;
            EXPECT_EQ(p().ZakladniSoupravy(k).Pocet, n);
        }
        // The liners of each flue follow its connection liners.
        EXPECT_EQ(baze(5), 18 - 2 * (1 + c.vlozky[0] + c.vlozky[2]));
        EXPECT_EQ(baze(6), 18 - 2 * (1 + c.vlozky[1] + c.vlozky[3]));
    }
    // A system kit holds the connection liners: a 45° liner typed beside it goes back to 0.
    spocitej({.prurez = "14/18"});
    uprav(12, 1);
    ocekavej({{12, 0}, {10, 1}, {1, 1}, {37, 0}});
    polozka(11).ObjZnak = QStringLiteral("RA45 14");  // an item table with a 45° liner for flue 1
    uprav(11, 1);
    ocekavej({{11, 0}, {9, 1}, {1, 1}, {35, 0}});
}

TEST_F(Miv2rTest, CasingGroups) {
    struct {
        bool sachta;
        int ukonceni;
        int radek, ks;
        std::array<int, 8> vrchol;  // rows 15 to 22
    } const kPripady[] = {
        {true, 1, 17, 0, {1, 1, 0, 0, 0, 1, 0, 1}},  {false, 1, 15, 0, {0, 0, 1, 1, 1, 0, 0, 0}},
        {false, 1, 21, 2, {1, 1, 0, 0, 1, 0, 1, 0}}, {true, 1, 18, 1, {0, 0, 1, 1, 0, 1, 0, 0}},
        {true, 1, 22, 0, {0, 0, 1, 1, 0, 1, 0, 0}},  {false, 1, 16, 1, {1, 1, 0, 0, 1, 0, 1, 0}},
        // Cladding and Orlex refuse the edit; other tops keep it.
        {false, 2, 21, 1, {1, 1, 0, 0, 0, 0, 0, 0}}, {false, 3, 15, 0, {1, 1, 0, 0, 0, 0, 0, 0}},
        {false, 4, 21, 3, {0, 0, 1, 1, 0, 0, 3, 0}}, {true, 5, 17, 2, {1, 1, 2, 0, 0, 1, 0, 1}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << "shaft " << c.sachta << " termination " << c.ukonceni << " row " << c.radek);
        spocitej({.prurez = "16/20", .sachta = c.sachta, .ukonceni = c.ukonceni, .dilyOrlex = 2, .druhPlaste = 1,
                  .idVyskaPlaste = 1});
        uprav(c.radek, c.ks);
        for (int r = 15; r <= 22; ++r) EXPECT_EQ(baze(r), c.vrchol[static_cast<size_t>(r - 15)]) << "row " << r;
    }
}

TEST_F(Miv2rTest, BlocksAndOrlex) {
    spocitej({.prurez = "14/18", .ukonceni = 3, .dilyOrlex = 8});
    ASSERT_EQ(baze(25), 1);
    uprav(33, 2);
    // 18 - 3 - Round(1.6); the liners three less than the height gives.
    ocekavej({{3, 13}, {5, 18 - 4 - 3}, {6, 18 - 4 - 3}});
    uprav(26, 9);
    ocekavej({{26, 9}, {3, 18 - 3 - 3}});

    // With a shaft row 4 follows the height and row 3 keeps what is stored.
    spocitej({.prurez = "16/18", .sachta = true});
    polozka(3).KsZaklad = 7;
    uprav(33, 2);
    ocekavej({{3, 7}, {4, 18}});
}

TEST_F(Miv2rTest, AccessoryRows) {
    struct {
        const char* prurez;
        bool sachta;
        int ukonceni;
        int priznak;
        std::vector<int> radky;
    } const kPripady[] = {
        {"12/14", false, 4, 0, {57}},     {"14/16", false, 4, 0, {56, 57}}, {"18/20", false, 4, 1, {58, 59}},
        {"12/20", false, 4, 1, {59}},     {"12/14", false, 1, 2, {72}},     {"12/14", true, 1, 2, {73}},
        {"16/18", false, 3, 2, {74}},     {"16/18", true, 3, 2, {}},        {"16/18", false, 2, 2, {}},
        {"16/18", false, 4, 2, {}},       {"16/18", false, 4, 3, {29}},     {"16/18", false, 4, 4, {30}},
        {"16/18", false, 4, 5, {31}},     {"16/18", false, 4, 6, {54}},     {"16/18", false, 4, 7, {55}},
        {"16/18", false, 4, 8, {61}},     {"16/18", false, 4, 9, {60}},     {"16/18", false, 4, 10, {62}},
        {"16/18", false, 4, 11, {63}},    {"16/18", false, 4, 12, {64}},    {"16/18", false, 4, 13, {}},
        {"16/20", false, 4, 10, {}},      {"16/20", false, 4, 11, {62}},    {"18/20", false, 4, 13, {64}},
        {"14/20", false, 4, 11, {}},      {"16/18", false, 4, 14, {}},      {"12/14", false, 4, 15, {52}},
        {"12/16", false, 4, 16, {66}},    {"14/16", false, 4, 18, {68}},    {"14/16", false, 4, 19, {}},
        {"12/18", false, 4, 16, {}},      {"16/18", false, 4, 17, {66}},    {"14/18", false, 4, 19, {68}},
        {"16/18", false, 4, 20, {}},      {"12/20", false, 4, 17, {66}},    {"18/20", false, 4, 20, {69}},
        {"12/14", false, 4, 17, {}},      {"12/14", false, 4, 21, {53}},    {"12/14", true, 4, 22, {49}},
        {"12/14", false, 4, 26, {48}},    {"12/14", true, 4, 23, {70}},     {"12/14", true, 4, 24, {71}},
        {"12/14", false, 4, 25, {}},      {"12/14", false, 4, 27, {}},      {"12/14", false, 4, 35, {}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " shaft " << c.sachta << " termination " << c.ukonceni
                                        << " flag " << c.priznak);
        prirustky({.prurez = c.prurez, .sachta = c.sachta, .ukonceni = c.ukonceni, .dilyOrlex = 2, .druhPlaste = 1,
                   .idVyskaPlaste = 1},
                  {c.priznak}, poJednom(c.radky));
    }
    spocitej({.prurez = "16/18", .prislusenstvi = {15}});
    uprav(52, 2);
    ocekavej({{52, 1}});
}
