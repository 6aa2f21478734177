#include "engine/Obezdivka.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(Obezdivka, CountsFromTheCoefficientTable) {
    for (const QStringList& c : pripady("pripady/obezdivka.txt")) {
        const Obezdivka o = SpocitejObezdivku(c[0] == "1", c[1], c[2], c[3].toInt(), c[4].toFloat(), {});
        EXPECT_EQ(QStringList({QString::number(o.PocetCihel), QString::number(o.PocetPytlu)}), c.mid(5)) << c.join(' ').toStdString();
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
