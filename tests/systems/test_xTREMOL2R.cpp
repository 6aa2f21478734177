#include "systems/xTREMOL2R.h"

#include "systems/SystemFixture.h"

namespace {

struct Tremol2RTest : KalkulaceTest<xTREMOL2R> {
    void SetUp() override { testovaci("T-REMOL2R", "tremol2"); }
    void pocty(const std::vector<int>& ocekavane) const {
        for (size_t i = 0; i < ocekavane.size(); ++i)
            EXPECT_EQ(p().ZakladniSoupravy(static_cast<int>(i) + 1).Pocet, ocekavane[i]) << "basic kit " << i + 1;
    }
};

}  // namespace

TEST_F(Tremol2RTest, BillBeforeAndAfterTheKits) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        Radky baze, ks;
        std::vector<int> soupravy;
        bool ostatniNula = false;
    };
    const Pripad kPripady[] = {
        {"9 m, 16/18, 90/90, cover plate",
         {.prurez = "16/18", .vyska = 9.0f},
         {{1, 27}, {3, 23}, {4, 23}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {11, 54}, {12, 54}, {15, 1}, {16, 1}, {17, 1},
          {18, 1}, {25, 4}, {27, 2}, {29, 1}, {30, 1}, {31, 1}, {32, 1}},
         {{27, 0}, {29, 0}, {31, 0}, {32, 0}, {1, 27}, {3, 23}, {17, 1}, {18, 1}, {30, 1}, {25, 4}, {11, 54}},
         {1, 1, 0, 0},
         true},
        // 2.5 units make no bucket; the rest becomes one.
        {"5 m, 14/16", {.prurez = "14/16", .vyska = 5.0f}, {{29, 1}, {30, 0}, {1, 15}}, {{29, 0}}, {1, 1, 0, 0}},
        // Flue 1 of 14 takes no compound from its kit: 2 buckets less flue 2's one.
        {"14 m, 14/16, shaft", {.prurez = "14/16", .vyska = 14.0f, .sachta = true}, {{29, 2}, {30, 0}, {2, 42}, {1, 0}},
         {{29, 1}}, {1, 1, 0, 0}},
        {"14 m, 14/16, shaft, flue 2 at 45°",
         {.prurez = "14/16", .vyska = 14.0f, .sachta = true, .kourovod2 = 1},
         {{29, 2}, {10, 1}, {20, 1}, {34, 1}, {8, 0}, {18, 0}},
         {{29, 1}, {34, 0}},
         {1, 0, 0, 1}},
        // 11.2 units: one bucket and a rest of 5, which makes a second bucket.
        {"14 m, 16/20, shaft", {.prurez = "16/20", .vyska = 14.0f, .sachta = true}, {{29, 2}, {30, 0}, {25, 7}},
         {{29, 0}}, {1, 1, 0, 0}},
        // 10.4 units: a rest of exactly 4 stays loose.
        {"13 m, 16/18, shaft", {.prurez = "16/18", .vyska = 13.0f, .sachta = true}, {{29, 1}, {30, 4}, {25, 6}},
         {{29, 0}, {30, 4}}, {1, 1, 0, 0}},
        {"both flues at 45°",
         {.prurez = "16/18", .vyska = 9.0f, .kourovod = 1, .kourovod2 = 1},
         {{9, 1}, {10, 1}, {19, 1}, {20, 1}, {33, 1}, {34, 1}, {7, 0}, {8, 0}, {17, 0}, {18, 0}, {31, 0}, {32, 0},
          {3, 23}},
         {{33, 0}, {34, 0}, {27, 0}},
         {0, 0, 1, 1}},
        // Kit 1 is not counted, so the second connection's "FP" of row 31 stays in the bill.
        {"second connection, flue 1 at 45°",
         {.prurez = "16/18", .vyska = 9.0f, .kourovod = 1, .druhe = true},
         {{7, 1}, {9, 1}, {8, 2}, {31, 1}, {32, 2}, {33, 1}, {3, 21}, {4, 21}},
         {{31, 1}, {32, 1}, {33, 0}},
         {0, 1, 1, 0}},
        {"upper door",
         {.prurez = "16/18", .vyska = 9.0f, .dvirka = true},
         {{5, 2}, {6, 2}, {27, 4}, {28, 2}, {3, 21}, {4, 21}},
         {{27, 2}, {28, 2}},
         {1, 1, 0, 0}},
        {"1 m with door and second connection",
         {.prurez = "16/18", .vyska = 1.0f, .dvirka = true, .druhe = true},
         {{3, -5}, {4, -5}, {1, 3}, {11, 6}},
         {{3, 0}, {4, 0}},
         {1, 1, 0, 0}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        ocekavej(c.baze, c.ks);
        if (c.ostatniNula) jenTyto(1, radku(), c.baze);
        pocty(c.soupravy);
    }
}

TEST_F(Tremol2RTest, Terminations) {
    struct Pripad {
        Zadani z;
        Radky baze;
    };
    // Rows 13-16, 21-26, 35-39 and 42 by termination; 9 m of "16/18" make 4 bags by height.
    const auto radky = [](const Radky& nenulove) {
        Radky r;
        for (int i : {13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 35, 36, 37, 38, 39, 42}) {
            int n = i == 25 ? 4 : 0;
            for (auto [j, m] : nenulove)
                if (j == i) n = m;
            r.push_back({i, n});
        }
        return r;
    };
    const Zadani z{.prurez = "16/18", .vyska = 9.0f};
    const auto s = [&](int ukonceni, bool sachta, int druh = 0, float cihly = 0, float pytle = 0) {
        Zadani x = z;
        x.ukonceni = ukonceni;
        x.sachta = sachta;
        x.druhCihly = druh;
        x.cihly = cihly;
        x.pytle = pytle;
        return x;
    };
    const Pripad kPripady[] = {
        // Bricks are CInt of the Single; the bags are added after the height's rounding.
        {s(1, false, 1, 140.5f, 3), radky({{13, 1}, {14, 1}, {21, 1}, {23, 1}, {38, 140}, {25, 7}})},
        {s(1, true, 2, 141.5f, 2.5f), radky({{13, 1}, {14, 1}, {22, 1}, {24, 1}, {39, 142}, {25, 6}})},
        {s(1, false, 0, 200, 0), radky({{13, 1}, {14, 1}, {21, 1}, {23, 1}})},
        {s(2, false), radky({})},
        {s(3, true), radky({})},
        {s(4, true), radky({{15, 1}, {16, 1}})},
        {s(5, false), radky({{13, 1}, {14, 1}, {42, 1}, {26, 4}})},
        {s(6, false), radky({{13, 1}, {14, 1}, {36, 1}})},
        {s(6, true), radky({{13, 1}, {14, 1}, {37, 1}})},
        {s(7, false), radky({})},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(testing::Message() << "termination " << *c.z.ukonceni << " shaft " << c.z.sachta);
        spocitej(c.z);
        ocekavej(c.baze);
    }
}

// The bill's cases check what the four kits deduct; the text is that of T-REMOL2S.
TEST_F(Tremol2RTest, KitsOnePerFlueAndAngle) {
    spocitej({.prurez = "18/20"});
    EXPECT_TRUE(p().ZakladniSoupravy(1).Popis.startsWith(QStringLiteral("Základní souprava obsahuje: 1ks podstavec")));
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(p().ZakladniSoupravy(k).Popis, p().ZakladniSoupravy(1).Popis);

    // Another label: kits without components, still counted; no compound or mortar; the
    // spark arrester and cowl only in their flue-2 rows.
    spocitej({.prurez = "16/18", .vyska = 9.0f, .prislusenstvi = {0, 1}});
    g.sorvenikaParametry.Prurez = QStringLiteral("16/22");
    k.Spocitej();
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(p().ZakladniSoupravy(k).Kod.prazdne());
    pocty({1, 1, 0, 0});
    ocekavej({{25, 0}, {29, 0}, {30, 0}, {50, 0}, {52, 0}, {51, 1}, {53, 1}, {27, 2}, {1, 27}}, {{27, 2}});
}

TEST_F(Tremol2RTest, RecalculationTakesOnlyItsRows) {
    spocitej({.prurez = "16/18", .vyska = 9.0f, .ukonceni = 5, .prislusenstvi = {3}});
    ASSERT_EQ(baze(26), 4);
    uprav(26, 0);
    ocekavej({{26, 0}, {35, 1}}, {{26, 0}, {35, 1}});
    uprav(35, 0);
    ocekavej({{26, 4}, {35, 0}}, {{26, 4}});
    uprav(26, 2);  // a count that is not 0 leaves the frame alone
    ocekavej({{26, 2}, {35, 0}}, {});

    const auto pred = zaklady();
    uprav(3, 50);
    EXPECT_EQ(zaklady(), pred);
    uprav(44, 5);  // the accessory copy runs after the edit
    EXPECT_EQ(zaklady(), pred);
    EXPECT_EQ(baze(44), 1);

    uprav(38, 12);
    uprav(42, 2);
    ocekavej({{38, 12}, {42, 2}, {27, 2}, {29, 1}, {31, 1}}, {{38, 12}, {42, 2}, {27, 0}, {29, 0}, {31, 0}});
    pocty({1, 1, 0, 0});
    EXPECT_EQ(g.AktRadek, 42);
}

// One accessory flag at a time: the rows it reaches.
TEST_F(Tremol2RTest, AccessoryRows) {
    struct {
        const char* prurez;
        bool sachta;
        int ukonceni;
        int priznak;
        std::vector<int> radky;
    } const kPripady[] = {
        {"16/18", false, 4, 0, {50, 51}}, {"16/18", false, 4, 1, {52, 53}}, {"14/16", false, 1, 2, {66}},
        {"14/16", true, 1, 2, {67}},      {"14/16", false, 3, 2, {68}},     {"14/16", true, 3, 2, {}},
        {"14/16", false, 4, 2, {}},       {"14/16", false, 4, 3, {44}},     {"14/16", false, 4, 4, {45}},
        {"14/16", false, 4, 5, {46}},     {"14/16", false, 4, 6, {48}},     {"14/16", false, 4, 7, {49}},
        {"14/16", false, 4, 8, {55}},     {"14/16", false, 4, 9, {54}},     {"14/16", false, 4, 15, {69}},
        {"14/16", false, 4, 21, {70}},    {"14/16", false, 4, 26, {71}},    {"14/16", false, 4, 23, {64}},
        {"14/16", false, 4, 24, {65}},    {"16/18", false, 4, 10, {56}},    {"16/20", false, 4, 11, {57}},
        {"18/20", false, 4, 12, {58}},    {"14/18", false, 4, 10, {}},      {"14/18", false, 4, 12, {}},
        {"14/16", false, 4, 16, {60}},    {"14/16", false, 4, 17, {61}},    {"14/16", false, 4, 18, {62}},
        {"14/16", false, 4, 19, {}},      {"14/16", false, 4, 20, {}},      {"14/18", false, 4, 16, {}},
        {"14/18", false, 4, 17, {60}},    {"16/18", false, 4, 18, {61}},    {"14/18", false, 4, 19, {62}},
        {"16/18", false, 4, 20, {}},      {"14/20", false, 4, 17, {60}},    {"18/20", false, 4, 19, {62}},
        {"16/20", false, 4, 20, {63}},    {"16/20", false, 4, 16, {}},      {"16/18", false, 4, 13, {}},
        {"16/18", false, 4, 14, {}},      {"16/18", false, 4, 22, {}},      {"16/18", false, 4, 25, {}},
        {"16/18", false, 4, 27, {}},      {"16/18", false, 4, 35, {}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " flag " << c.priznak);
        prirustky({.prurez = c.prurez, .sachta = c.sachta, .ukonceni = c.ukonceni}, {c.priznak}, poJednom(c.radky));
    }
}
