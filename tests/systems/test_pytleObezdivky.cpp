// The casing's bags join the mortar row as an Integer plus a Single: summed in single precision,
// then CInt. Bags one float step below a half then sum to the half itself, and CInt takes its
// even neighbour, one more than a sum in double gives; in every system alike.
#include "engine/Kalkulacka.h"
#include "systems/SystemFixture.h"
#include "systems/Kalkulacky.h"

#include <gtest/gtest.h>
#include <cmath>

TEST(PytleObezdivky, SumInSinglePrecisionInEverySystem) {
    FakeServices sluzby;
    // system|cross-section|height|the mortar row|what it holds without the casing|the bags, one float
    // step below this|what it holds with the casing
    for (const QStringList& c : pripady("pripady/pytleObezdivky.txt")) {
        SCOPED_TRACE(c.join(u'|').toStdString());
        GlobalniData g;
        ASSERT_EQ(nactiDodanySystem(g, c[0]), QString());
        ASSERT_TRUE(zvolPrurez(g, c[1]));
        const Kalkulacky kalkulacky = vytvorKalkulacky(g);
        Kalkulacka* k = kalkulacky.najdi(g.sorvenikaParametry.System);
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.Vyska = c[2].toFloat();
        p.PocetPytlu = std::nextafter(c[5].toFloat(), 0.0f);
        for (int u : {4, 1}) {
            p.Ukonceni = u;
            k->Spocitej();
            EXPECT_EQ(bunka(g, c[3].toInt()).KsZaklad, (u == 1 ? c[6] : c[4]).toFloat()) << "termination " << u;
        }
    }
}
