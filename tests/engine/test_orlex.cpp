#include "engine/Orlex.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(Orlex, PiecesHeightBagsAndRods) {
    for (const QStringList& c : pripady("pripady/orlex.txt")) {
        SCOPED_TRACE(c.join(' ').toStdString());
        const Orlex o = SpocitejOrlex(c[0], c[1].toFloat(), c[2].toFloat());
        EXPECT_EQ(o.PocetDiluOrlex, c[3].toFloat());
        EXPECT_FLOAT_EQ(o.VyskaUkonceni, c[4].toFloat());
        EXPECT_EQ(o.PocetZSLKT, c[5].toFloat());
        EXPECT_EQ(o.PocetTyciOrlex, c[6].toFloat());
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
