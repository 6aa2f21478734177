#include "app/SouborNastaveni.h"
#include "costing/Kalkulace.h"
#include "costing/PrikazyListu.h"
#include "engine/NactiSystem.h"
#include "engine/Systemy.h"
#include "orders/ModelObjednavky.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <map>

// The shipped sample installation: every system's item table loads, is as long as its calculator
// needs and holds only articles of the shipped price list, each with a price.
TEST(SampleInstallation, EveryItemTableLoadsWithPricedArticles) {
    // The highest row any calculator, kit or hidden-row rule of the system addresses.
    const std::map<QString, int> kNejmeneRadku = {
        {"MIV", 97},       {"MIV2S", 81},     {"MIV2R", 102},     {"DORVA", 29},     {"KARNELO", 93}, {"T-REMOL", 56},
        {"KARNELO2S", 86}, {"KARNELO2R", 110}, {"T-REMOL2R", 71}, {"T-REMOL2S", 53}, {"KALVIR", 37}, {"ORVIK", 32},
    };
    FakeServices sluzby;
    Prostredi data("SORVENIKA_DATA", QByteArray(SORVENIKA_SOURCE_DIR "/Data"));
    GlobalniData g;
    ASSERT_FALSE(NactiIni(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Sorvenika.ini"), g).chyba);
    const TabulkaArtiklu cenik = TabulkaArtiklu::nactiCenik();
    int systemu = 0;
    for (int kod = 1; kod <= g.nastaveni.PocetSystemu; ++kod) {
        if (g.system(kod).Data.isEmpty()) continue;  // the placeholder without a calculator
        const QString sekce = g.system(kod).Sekce.toUpper();
        SCOPED_TRACE(sekce.toStdString());
        ++systemu;
        g.sorvenikaParametry.SystemKod = kod;
        g.sorvenikaParametry.System = sekce;
        ASSERT_TRUE(NactiSystem(g, cenik));
        ASSERT_TRUE(kNejmeneRadku.count(sekce));
        EXPECT_GE(g.sorvenikaParametry.PocetRadku, kNejmeneRadku.at(sekce));
        const MaticePolozek& m = g.dataSystemu.Polozky;
        int kodu = 0;
        for (int s = 1; s <= m.sloupcu(); ++s)
            for (int r = 1; r <= g.sorvenikaParametry.PocetRadku; ++r) {
                const Polozka& p = m(s, r);
                EXPECT_FALSE(p.Nazev.contains(QStringLiteral("nenalezena"))) << r << "/" << s;
                if (p.ObjZnak == QLatin1String("-")) continue;
                ++kodu;
                EXPECT_GT(p.Cena.raw(), 0) << r << "/" << s;
            }
        EXPECT_GT(kodu, 0);
        if (!jeTRemol(sekce)) continue;
        // Every item of every cross-section in one costing, added to the order sheet: its
        // sub-order looks each code up with "-s" after it and finds them all.
        for (int s = 1; s <= m.sloupcu(); ++s) {
            g.sorvenikaParametry.IdPrurez = Integer(s);
            for (int r = 1; r <= g.sorvenikaParametry.PocetRadku; ++r)
                if (m(s, r).ObjZnak != QLatin1String("-")) g.dataSystemu.Polozky(s, r).Ks = 1;
            const PolozkaObjednavky o = PridaniDoObjednavky(sestavKalkulaci(g, true));
            const CenaPodobjednavky c = ocen({{}, {}, o.ObjZnaky, o.Kusy, o.Nazev}, cenik);
            ASSERT_TRUE(o.Nazev.startsWith(QLatin1String("_T-")));
            EXPECT_EQ(c.radky.size(), o.ObjZnaky.count(QLatin1Char('|'))) << s;
            for (const RadekObjednavky& r : c.radky) EXPECT_FALSE(r.nazev.contains(QStringLiteral("nenalezena"))) << r.kod.toStdString();
        }
    }
    EXPECT_EQ(systemu, 12);
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());
}
