#include "systems/xKalvir.h"
#include "systems/xOrvik.h"

#include "systems/SystemFixture.h"

#include <string_view>

namespace {

struct KalvirTest : KalkulaceTest<xKalvir> {
    void SetUp() override { testovaci("KALVIR", "tremol2"); }
};

struct OrvikTest : KalkulaceTest<xOrvik> {
    void SetUp() override { testovaci("ORVIK", "tremol2"); }
};

}  // namespace

// ---- KALVIR --------------------------------------------------------------------------------

TEST_F(KalvirTest, BillFromTheParameters) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        Radky baze;
        bool ostatniNula = false;
    };
    const Pripad kPripady[] = {
        // 3 x 7.3f is 21.9000006 in double.
        {"7.3 m, 16, Orlex top",
         {.prurez = "16", .vyska = 7.3f, .ukonceni = 3, .napojovacich = 2},
         {{1, 18}, {2, 22}, {3, 1}, {4, 1}, {5, 1}, {6, 2}, {7, 1}, {8, 8}, {9, 5}, {10, 3}, {11, 2}, {15, 1}},
         true},
        {"10 m, 30", {.prurez = "30", .vyska = 10.0f}, {{1, 26}, {2, 30}, {8, 10}, {9, 15}, {10, 6}, {11, 0}}},
        {"7 m, 14", {.prurez = "14", .vyska = 7.0f}, {{8, 7}, {9, 4}, {10, 3}}},
        // Bags join the height's mortar after its rounding: CInt(3 + 2.5) is 6.
        {"brick casing, clinker",
         {.prurez = "16", .vyska = 7.3f, .ukonceni = 1, .druhCihly = 1, .cihly = 102, .pytle = 2.5f},
         {{12, 1}, {13, 1}, {20, 102}, {21, 0}, {10, 6}}},
        {"brick casing, fireclay",
         {.prurez = "25", .vyska = 4.0f, .ukonceni = 1, .druhCihly = 2, .cihly = 130.5f, .pytle = 4},
         {{12, 1}, {13, 1}, {20, 0}, {21, 130}, {10, 6}}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        ocekavej(c.baze);
        if (c.ostatniNula) jenTyto(1, radku(), c.baze);
        EXPECT_EQ(kusy(), zaklady());  // nothing deducted
    }
}

TEST_F(KalvirTest, FootKitIsDescribedButNeverCounted) {
    const QString text = QStringLiteral(
        "Pata Kalvir obsahuje: soklová deska, podstavec pro patu, 3 ks komínová tvárnice, 1 ks podstavec pro odvod "
        "kondenzátu, 1 ks napojovací díl pro dvířka s vyrovnáním tlaku, 1 ks komínová dvířka dvoudílná, 2 ks větrací "
        "mřížka, lanko s maticí, souprava vystřeďovacích dílů, maltovací šablona Kalvir, identifikační štítek, "
        "montážní návod Kalvir, záruční list, prohlášení o shodě, stěrka na tmel.");
    for (const char* prurez : {"14", "16", "18", "20", "25", "30"}) {
        SCOPED_TRACE(prurez);
        spocitej({.prurez = prurez, .vyska = 8.0f});
        const Souprava& pata = p().SoupravyPaty(1);
        EXPECT_EQ(pata.Pocet, 0);
        const bool ma = prurez[0] == '1' || prurez == std::string_view("20");
        EXPECT_EQ(pata.Popis, ma ? text : QString());
        EXPECT_EQ(kusy(), zaklady());  // nothing deducted
    }
}

TEST_F(KalvirTest, RecalculationTakesAnyRowButTheAnchors) {
    spocitej({.prurez = "20", .vyska = 9.0f, .ukonceni = 1, .druhCihly = 1, .cihly = 100, .prislusenstvi = {6}});
    ocekavej({{22, 1}, {23, 0}}, {});
    uprav(1, 30);
    uprav(9, 0);
    uprav(22, 0);
    uprav(23, 4);
    ocekavej({{1, 30}, {9, 0}, {22, 1}, {23, 0}, {20, 100}}, {{1, 30}, {9, 0}, {22, 1}});
    EXPECT_EQ(p().SoupravyPaty(1).Pocet, 0);
}

// ---- ORVIK ---------------------------------------------------------------------------------

// 660-mm liners: (3 x the height rounded up - 4) / 2, a half to the even neighbour.
TEST_F(OrvikTest, LinersOverTheRoundedHeight) {
    const struct {
        float vyska;
        int bloky, vlozky;
    } kPripady[] = {{5.0f, 15, 6}, {6.0f, 18, 7}, {7.0f, 21, 8}, {5.2f, 16, 7}, {9.0f, 27, 12}, {1.0f, 3, 0}};
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.vyska);
        spocitej({.prurez = "18", .vyska = c.vyska, .ukonceni = 3});
        ocekavej({{2, c.bloky}, {3, c.vlozky}}, {{3, c.vlozky}});
    }
}

TEST_F(OrvikTest, BillAndTheSet) {
    struct Pripad {
        const char* nazev;
        Zadani z;
        Radky baze, ks;
        int fmd;
        bool ostatniNula = false;
    };
    const Pripad kPripady[] = {
        {"6 m, 16, Orlex top",
         {.prurez = "16", .vyska = 6.0f, .ukonceni = 3, .napojovacich = 1},
         {{1, 1}, {2, 18}, {3, 7}, {5, 1}, {6, 1}, {9, 1}, {10, 2}, {11, 2}, {32, 1}},
         {{1, 1}, {11, 0}, {10, 2}},
         4,
         true},
        {"10 m, 25: the set takes all 5", {.prurez = "25", .vyska = 10.0f}, {{11, 5}, {10, 5}}, {{11, 0}}, 5},
        {"20 m, 14", {.prurez = "14", .vyska = 20.0f}, {{11, 5}}, {{11, 2}}, 3},
        {"brick casing",
         {.prurez = "20", .vyska = 8.0f, .ukonceni = 1, .druhCihly = 2, .cihly = 102, .pytle = 1.5f},
         {{7, 1}, {8, 1}, {12, 0}, {13, 102}, {10, 4}, {11, 4}},  // CInt(3 + 1.5) is 4
         {{11, 0}, {13, 102}},
         4},
    };
    const QString text = QStringLiteral(
        "obsah SADA ORVIK : Základní souprava ORVIK, Kryt paty komína - souprava. Orvik souprava T-kus pata, Soklová "
        "deska.");
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        spocitej(c.z);
        ocekavej(c.baze, c.ks);
        if (c.ostatniNula) jenTyto(1, radku(), c.baze);
        EXPECT_EQ(p().Sady(1).Pocet, 1);
        EXPECT_EQ(p().Sady(1).Ks(1), c.fmd);  // the set's compound
        EXPECT_EQ(p().Sady(1).Popis, text);
    }

    // Another label: the set has nothing to deduct and no text; the label's rows stay 0.
    spocitej({.prurez = "16", .vyska = 6.0f});
    g.sorvenikaParametry.Prurez = QStringLiteral("30");
    k.Spocitej();
    EXPECT_EQ(p().Sady(1).Pocet, 1);
    EXPECT_TRUE(p().Sady(1).Kod.prazdne());
    EXPECT_TRUE(p().Sady(1).Popis.isEmpty());
    ocekavej({{10, 0}, {11, 0}, {32, 0}, {1, 1}, {2, 18}}, {{1, 1}});
}

TEST_F(OrvikTest, RecalculationAndTheSetCount) {
    // 20 m of "16": 6 units of compound, 4 of them in the set.
    spocitej({.prurez = "16", .vyska = 20.0f, .prislusenstvi = {7}});
    ocekavej({{11, 6}, {15, 0}, {16, 1}}, {{11, 2}});
    struct {
        int sad, zbytek;
    } const kSady[] = {{0, 6}, {2, 0}, {1, 2}};
    for (const auto& c : kSady) {
        SCOPED_TRACE(c.sad);
        uprav(1, c.sad);
        EXPECT_EQ(p().Sady(1).Pocet, c.sad);
        ocekavej({{1, c.sad}, {11, 6}}, {{1, c.sad}, {11, c.zbytek}});
    }
    uprav(1, 0);
    uprav(2, 40);  // the count stays for later edits
    ocekavej({{2, 40}}, {{11, 6}});

    uprav(15, 3);
    uprav(16, 0);
    ocekavej({{15, 0}, {16, 1}});
}
