#include "engine/Orlex.h"

#include <gtest/gtest.h>

TEST(Orlex, PiecesHeightBagsAndRods) {
    struct {
        const char* system;
        float typed;
        float drzeneZSLKT;
        float dily, vyska, zslkt, tyce;
    } const kPripady[] = {
        {"MIV", 1.0f, 0, 0, 1.0f, 0, 0},
        {"MIV", 0.5f, 0, 0, 1.0f, 0, 0},
        {"MIV", 1.1f, 0, 0, 1.0f, 0, 0},
        {"MIV", 1.125f, 0, 0, 1.0f, 0, 0},  // the set itself
        {"MIV", 1.2f, 0, 1, 1.2f, 0, 0},
        {"MIV", 1.3f, 0, 3, 1.35f, 1, 0},
        {"MIV", 1.5f, 0, 5, 1.5f, 1, 4},
        {"MIV", 2.0f, 0, 12, 2.025f, 1, 12},
        {"MIV", 3.0f, 0, 25, 3.0f, 1, 12},
        {"MIV", 3.1f, 0, 27, 3.15f, 2, 12},
        {"MIV2R", 1.5f, 0, 6, 1.555f, 1, 4},
        {"MIV2S", 1.5f, 0, 6, 1.555f, 1, 4},
        {"MIV2R", 2.5f, 0, 19, 2.53f, 2, 12},
        {"MIV2S", 3.0f, 0, 26, 3.055f, 3, 12},
        {"MIV2R", 1.0f, 0, 0, 1.0f, 0, 0},
        // A typed 2.0 snaps to 2.005 m, between the listed ranges: it takes the upper one.
        {"MIV2S", 2.0f, 0, 12, 2.005f, 2, 12},
        {"MIV2R", 1.9f, 0, 11, 1.93f, 1, 4},
        // Other systems keep the bags they hold; the set is 1.105 m high as for two flues.
        {"KARNELO", 1.5f, 2, 6, 1.555f, 2, 4},
        {"DORVA", 2.5f, 0, 19, 2.53f, 0, 12},
        {"miv", 1.5f, 3, 6, 1.555f, 3, 4},
    };
    for (const auto& p : kPripady) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QString::fromLatin1(p.system)).arg(p.typed).toStdString());
        const Orlex o = SpocitejOrlex(QString::fromLatin1(p.system), p.typed, p.drzeneZSLKT);
        EXPECT_EQ(o.PocetDiluOrlex, p.dily);
        EXPECT_FLOAT_EQ(o.VyskaUkonceni, p.vyska);
        EXPECT_EQ(o.PocetZSLKT, p.zslkt);
        EXPECT_EQ(o.PocetTyciOrlex, p.tyce);
    }
}

// A lower entry after a higher one gives the fresh 1.0-m top, not the earlier pieces.
TEST(Orlex, WizardFormAfterAHigherEntry) {
    SorvenikaParametry p;
    p.System = QStringLiteral("MIV");
    p.VyskaUkonceni = 2.0f;
    SpocitejOrlex(p);
    EXPECT_EQ(p.PocetDiluOrlex, 12);

    p.VyskaUkonceni = 1.0f;
    SpocitejOrlex(p);
    EXPECT_EQ(p.PocetDiluOrlex, 0);
    EXPECT_EQ(p.VyskaUkonceni, 1.0f);
    EXPECT_EQ(p.PocetZSLKT, 0);
    EXPECT_EQ(p.PocetTyciOrlex, 0);
}
