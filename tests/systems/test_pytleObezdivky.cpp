// The casing's bags join the mortar row as an Integer plus a Single: summed in single precision,
// then CInt. Bags one float step below a half then sum to the half itself, and CInt takes its
// even neighbour, one more than a sum in double gives; in every system alike.
#include "engine/Kalkulacka.h"
#include "systems/SystemFixture.h"
#include "systems/Kalkulacky.h"

#include <gtest/gtest.h>
#include <cmath>

TEST(PytleObezdivky, SumInSinglePrecisionInEverySystem) {
    struct {
        const char *system, *prurez;
        float vyska;
        int radek, bezObezdivky;  // the mortar row and what it holds without the casing
        float pul;                // the bags: one float step below this
        int sObezdivkou;
    } const kPripady[] = {
        {"DORVA", "16", 6.0f, 9, 2, 3.5f, 6},          {"MIV2R", "16/18", 6.0f, 39, 4, 3.5f, 8},
        {"MIV2S", "16/16", 6.0f, 28, 3, 2.5f, 6},      {"T-REMOL", "16", 10.0f, 17, 5, 2.5f, 8},
        {"T-REMOL2R", "16/18", 9.0f, 25, 4, 3.5f, 8},  {"T-REMOL2S", "18/18", 8.0f, 23, 5, 2.5f, 8},
        {"KALVIR", "16", 7.0f, 10, 3, 2.5f, 6},        {"ORVIK", "16", 6.0f, 10, 2, 3.5f, 6},
    };
    FakeServices sluzby;
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.system);
        GlobalniData g;
        ASSERT_EQ(nactiDodanySystem(g, QString::fromLatin1(c.system)), QString());
        ASSERT_TRUE(zvolPrurez(g, QString::fromLatin1(c.prurez)));
        const Kalkulacky kalkulacky = vytvorKalkulacky(g);
        Kalkulacka* k = kalkulacky.najdi(g.sorvenikaParametry.System);
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.Vyska = c.vyska;
        p.PocetPytlu = std::nextafter(c.pul, 0.0f);
        for (int u : {4, 1}) {
            p.Ukonceni = u;
            k->Spocitej();
            EXPECT_EQ(bunka(g, c.radek).KsZaklad, u == 1 ? c.sObezdivkou : c.bezObezdivky) << "termination " << u;
        }
    }
}
