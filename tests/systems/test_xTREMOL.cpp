#include "systems/xTREMOL.h"

#include "systems/SystemFixture.h"

namespace {

struct TremolTest : KalkulaceTest<xTREMOL> {
    void SetUp() override {
        synteticka("T-REMOL", {"14", "16", "18", "20"}, 58);
        vyska = 10.0f;
        ukonceni = 0;
    }
};

}  // namespace

TEST_F(TremolTest, BillFromTheParameters) {
    priklady({
        // 5 kg of compound round to 5, which makes a bucket; the basic kit holds one bucket.
        {"16, 10 m",
         {.prurez = "16"},
         {{1, 30}, {2, 0}, {3, 26}, {4, 1}, {5, 1}, {6, 0}, {7, 60}, {10, 1}, {11, 0}, {18, 1}, {22, 1}, {23, 0},
          {20, 1}, {21, 0}, {17, 5}},
         {{20, 0}, {18, 0}, {22, 0}, {10, 1}}},
        {"20, 12 m", {.prurez = "20", .vyska = 12.0f}, {{20, 1}, {21, 2}, {17, 4}, {1, 36}}, {{20, 0}, {21, 2}}},
        {"14 without shaft: no buckets", {.prurez = "14"}, {{20, 0}, {21, 0}, {17, 3}}},
        // 4 kg, less than a bucket: one bucket.
        {"14 with shaft", {.prurez = "14", .sachta = true}, {{20, 1}, {21, 0}, {17, 4}, {2, 30}, {1, 0}}},
        {"18, 6 kg", {.prurez = "18"}, {{20, 1}, {21, 0}, {17, 3}}},
        {"18, 1 m", {.prurez = "18", .vyska = 1.0f}, {{20, 1}, {21, 0}, {17, 1}, {3, -1}}, {{3, 0}}},
        {"16 with shaft, 20 m", {.prurez = "16", .vyska = 20.0f, .sachta = true}, {{20, 1}, {21, 3}, {17, 7}}},
        {"20 with shaft, 15 m", {.prurez = "20", .vyska = 15.0f, .sachta = true}, {{20, 1}, {21, 4}, {17, 6}}},
        {"door", {.prurez = "16", .dvirka = true}, {{3, 24}, {4, 2}, {18, 2}, {19, 1}}, {{18, 1}, {4, 2}}},
        // The second connection takes the 90° pieces also at 45°.
        {"45° with a second connection", {.prurez = "16", .kourovod = 1, .druhe = true},
         {{6, 1}, {11, 1}, {23, 1}, {5, 1}, {22, 1}, {10, 0}, {3, 24}},
         {{23, 0}, {22, 1}, {18, 0}}},
        // "14" has no 45° kit: it is counted and deducts nothing.
        {"14 at 45°", {.prurez = "14", .kourovod = 1}, {{6, 1}, {11, 1}, {23, 1}, {18, 1}, {10, 0}},
         {{18, 1}, {23, 1}, {22, 0}}},
        {"brick casing", {.prurez = "16", .ukonceni = 1, .druhCihly = 1, .cihly = 95, .pytle = 3},
         {{8, 1}, {12, 1}, {14, 1}, {13, 0}, {15, 0}, {27, 95}, {28, 0}, {17, 8}}},
        {"fireclay casing with shaft", {.prurez = "16", .sachta = true, .ukonceni = 1, .druhCihly = 2, .cihly = 110},
         {{8, 1}, {13, 1}, {15, 1}, {12, 0}, {28, 110}, {27, 0}}},
        {"cover plate", {.prurez = "16", .ukonceni = 4}, {{9, 1}, {8, 0}}},
        {"KDS", {.prurez = "16", .ukonceni = 5}, {{8, 1}, {32, 1}, {33, 0}, {16, 4}, {24, 0}}},
        {"KDS with shaft", {.prurez = "16", .sachta = true, .ukonceni = 5}, {{33, 1}, {32, 0}, {16, 4}}},
        {"KDVO", {.prurez = "16", .sachta = true, .ukonceni = 6}, {{8, 1}, {26, 1}, {25, 0}, {16, 0}}},
    });
    // Cladding and the Orlex top add no rows.
    for (int u : {2, 3}) {
        spocitej({.prurez = "18", .sachta = true, .ukonceni = u, .druhCihly = 1, .cihly = 50, .pytle = 2});
        for (int r : {8, 9, 12, 13, 14, 15, 16, 24, 25, 26, 27, 28, 32, 33}) EXPECT_EQ(baze(r), 0) << "row " << r;
        EXPECT_EQ(baze(17), 4);
    }
}

// The text is that of T-REMOL2S; the bill's cases check what the 90° kit deducts.
TEST_F(TremolTest, BasicKits) {
    spocitej({.prurez = "18", .kourovod = 1});
    EXPECT_EQ(p().ZakladniSoupravy(1).Popis, p().ZakladniSoupravy(2).Popis);
    EXPECT_TRUE(p().ZakladniSoupravy(1).Popis.startsWith(QStringLiteral("Základní souprava obsahuje: 1ks podstavec")));
    ocekavej({{20, 1}, {18, 1}, {23, 1}}, {{20, 0}, {18, 0}, {23, 0}});
    // "14" has no compound in its kit and no 45° kit.
    spocitej({.prurez = "14", .sachta = true});
    ocekavej({{20, 1}, {18, 1}}, {{20, 1}, {18, 0}});
    EXPECT_TRUE(p().ZakladniSoupravy(2).Popis.isEmpty());
}

TEST_F(TremolTest, AccessoryRows) {
    struct {
        const char* prurez;
        bool sachta;
        int ukonceni;
        Radky radky;
    } const kPripady[] = {
        {"14", false, 1, {{49, 1}, {50, 0}, {51, 0}, {52, 0}, {45, 0}, {46, 0}, {47, 0}, {48, 0}}},
        {"16", true, 1, {{50, 1}, {49, 0}, {45, 0}, {46, 1}, {47, 1}, {48, 0}}},
        {"18", false, 3, {{51, 1}, {49, 0}, {45, 1}, {46, 1}, {47, 1}}},
        {"20", true, 3, {{52, 1}, {45, 1}, {48, 1}}},
        {"20", true, 4, {{49, 0}, {50, 0}, {51, 0}, {52, 0}}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.prurez);
        spocitej({.prurez = c.prurez, .sachta = c.sachta, .ukonceni = c.ukonceni,
                  .prislusenstvi = {0, 1, 2, 3, 5, 7, 8, 9, 11, 12, 13, 14, 15, 23, 24, 26}});
        ocekavej(c.radky);
        ocekavej({{41, 1}, {42, 1}, {35, 1}, {36, 0}, {37, 1}, {39, 0}, {40, 1}, {44, 1}, {43, 1}, {55, 1}, {53, 1},
                  {54, 1}, {56, 1}});
    }
    spocitej({.prurez = "16", .prislusenstvi = {10}});
    ocekavej({{45, 1}, {46, 0}});
    spocitej({.prurez = "18", .prislusenstvi = {10}});
    ocekavej({{45, 0}});
}

TEST_F(TremolTest, EditsTakeOnlyTheKdsAndTheirOwnRows) {
    struct Pripad {
        int radek, ks;
        Radky baze;
    };
    const Pripad kPripady[] = {
        {16, 0, {{16, 0}, {24, 1}}},   // the frame instead of the angles
        {24, 0, {{24, 0}, {16, 4}}},   // back to the angles
        {16, 2, {{16, 2}, {24, 0}}},
        {3, 99, {{3, 26}}},            // follows from the height
        {20, 5, {{20, 1}}},
        {41, 2, {{41, 0}}},
        {27, 7, {{27, 7}}},
        {34, 2, {{34, 2}}},
        {38, 3, {{38, 3}}},
        {35, 4, {{35, 0}}},            // accessory rows follow their flags
        {40, 4, {{40, 1}}},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(testing::Message() << "row " << c.radek << " := " << c.ks);
        spocitej({.prurez = "16", .ukonceni = 5, .prislusenstvi = {7}});
        k.Prepocitej(c.radek, Integer(c.ks));
        EXPECT_EQ(g.AktRadek, c.radek);
        ocekavej(c.baze);
        EXPECT_EQ(p().ZakladniSoupravy(1).Pocet, 1);
    }
}
