#include "engine/Obezdivka.h"

#include <gtest/gtest.h>

namespace {

struct Pripad {
    bool sachta;
    const char* system;
    const char* prurez;
    int druh;
    float vyska;
    float cihly, pytle;
};

// Worked examples, and heights where Round(x + 0.49) lands by a half, computed apart in IEEE
// single (1.33f * 197 = 262.01001 -> 263; 2.33f * 197 = 459.00998 -> 459).
const Pripad kPripady[] = {
    {false, "MIV", "12", 1, 1.0f, 91, 4},
    {true, "MIV", "60", 2, 2.0f, 522, 24},
    {false, "MIV2S", "20/20", 1, 4.0f, 544, 41},
    {false, "T-REMOL2S", "20/20", 1, 4.0f, 544, 41},
    {false, "MIV2R", "18/20", 1, 4.0f, 544, 27},
    {false, "KARNELO2S", "18/18", 1, 4.0f, 544, 27},  // same bricks as MIV2S, the other sign
    {true, "MIV", "12", 1, 1.33f, 140, 7},
    {true, "KARNELO", "12", 1, 1.33f, 140, 9},         // +0.25 h^2 where MIV has -0.25
    {true, "T-REMOL", "40", 2, 0.33f, 66, 3},
    {true, "MIV", "40", 2, 1.33f, 263, 12},
    {true, "MIV", "40", 2, 2.33f, 459, 21},
    {true, "MIV", "40", 2, 3.33f, 657, 30},
    {false, "KALVIR", "30", 2, 2.0f, 330, 14},
    {false, "ORVIK", "25", 1, 1.0f, 130, 6},
    {false, "DORVA", "12", 2, 0.66f, 73, 3},
    {false, "DORVA", "16", 2, 2.0f, 220, 10},
    {false, "DORVA", "18", 1, 1.0f, 102, 5},
    {true, "MIV2R", "16/18", 1, 1.0f, 146, 8},
    {false, "MIV", "25", 1, 0.0f, 0, 0},  // negative c0: the bags become 0
    {true, "MIV", "12", 1, 0.0f, 0, 0},   // positive c0: Round(0.2)
};

}  // namespace

TEST(Obezdivka, CountsFromTheCoefficientTable) {
    for (const Pripad& p : kPripady) {
        SCOPED_TRACE(testing::Message() << p.system << " " << p.prurez << " " << p.sachta << " " << p.druh << " " << p.vyska);
        const Obezdivka o =
            SpocitejObezdivku(p.sachta, QString::fromLatin1(p.system), QString::fromLatin1(p.prurez), p.druh, p.vyska, {});
        EXPECT_EQ(o.PocetCihel, p.cihly);
        EXPECT_EQ(o.PocetPytlu, p.pytle);
    }
}

// Without a row nothing is computed and the held counts come back unrounded, never doubled.
TEST(Obezdivka, NoRowKeepsTheHeldCounts) {
    struct {
        bool sachta;
        const char* system;
        const char* prurez;
        int druh;
    } const kBezRadku[] = {
        {true, "KARNELO2R", "12/14", 1}, {false, "MIV", "60", 1}, {false, "MIV", "12", 0}, {false, "MIV", "12", 3},
        {false, "SELVAN", "12", 1},      {false, "miv", "12", 1}, {false, "MIV", "12 ", 1},
    };
    for (const auto& p : kBezRadku) {
        const Obezdivka drzena{140.5f, 3.0f};
        EXPECT_EQ(SpocitejObezdivku(p.sachta, QString::fromLatin1(p.system), QString::fromLatin1(p.prurez), p.druh, 2.0f, drzena),
                  drzena) << p.system << " " << p.prurez << " " << p.sachta << " " << p.druh;
    }
}

// The fireclay brick is the larger count on every row, and the bags do not depend on the brick.
TEST(Obezdivka, BrickKindChangesOnlyTheBricks) {
    const char* systemy[] = {"MIV", "T-REMOL", "KARNELO", "MIV2R", "T-REMOL2R", "KARNELO2R",
                             "MIV2S", "T-REMOL2S", "KARNELO2S", "DORVA", "KALVIR", "ORVIK"};
    const char* prurezy[] = {"12", "14", "16", "18", "20", "25", "30", "35", "40", "45", "60",
                             "12/12", "14/14", "16/16", "18/18", "20/20", "12/14", "12/16", "12/18",
                             "12/20", "14/16", "14/18", "14/20", "16/18", "16/20", "18/20"};
    int radku = 0;
    for (bool sachta : {false, true})
        for (const char* s : systemy)
            for (const char* p : prurezy) {
                const QString sys = QString::fromLatin1(s), pr = QString::fromLatin1(p);
                const Obezdivka nic{-1, -1};
                const Obezdivka k1 = SpocitejObezdivku(sachta, sys, pr, 1, 2.33f, nic);
                const Obezdivka k2 = SpocitejObezdivku(sachta, sys, pr, 2, 2.33f, nic);
                ASSERT_EQ(k1 == nic, k2 == nic) << s << " " << p;
                if (k1 == nic) continue;
                ++radku;
                EXPECT_GT(k2.PocetCihel, k1.PocetCihel) << s << " " << p;
                EXPECT_EQ(k2.PocetPytlu, k1.PocetPytlu) << s << " " << p;
                EXPECT_GT(k1.PocetPytlu, 0) << s << " " << p;
            }
    // Rows per system and shaft, counted from the manufacturer's table: 70 with a shaft, 85 without.
    EXPECT_EQ(radku, 70 + 85);
}

// The wizard's form; switching to no shaft finds no "60" row: the counts stay, the bags are not doubled.
TEST(Obezdivka, WizardFormWritesTheMembers) {
    SorvenikaParametry p;
    p.System = QStringLiteral("MIV");
    p.Prurez = QStringLiteral("60");
    p.DruhCihly = 2;
    p.VyskaUkonceni = 2.0f;
    for (bool sachta : {true, false}) {
        p.Sachta = sachta;
        SpocitejObezdivku(p);
        EXPECT_EQ(p.PocetCihel, 522);
        EXPECT_EQ(p.PocetPytlu, 24);
    }
}
