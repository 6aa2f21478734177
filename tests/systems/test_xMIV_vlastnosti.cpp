// Every costing the wizard can ask of MIV, on an item table and its price list: no error, and no
// quantity on a cell whose article does not exist for the cross-section ("-") or is missing from
// the price list ("?????"). Run on the test fixture and on the shipped sample installation.
#include "systems/xMIV.h"

#include "app/SouborNastaveni.h"
#include "engine/ArtiklyCeniku.h"
#include "engine/Obezdivka.h"
#include "engine/Orlex.h"
#include "engine/Sorvenika.h"
#include "systems/SystemFixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

// What the wizard offers MIV per cross-section.
std::vector<int> ukonceniPrurezu(const QString& p) {
    if (p == QLatin1String("25") || p == QLatin1String("30")) return {1, 2, 4, 5, 6};
    if (p == QLatin1String("35") || p == QLatin1String("40") || p == QLatin1String("45")) return {4, 5, 6};
    return {1, 2, 3, 4, 5, 6};
}
std::vector<int> uhlyPrurezu(const QString& p) {
    for (const char* jen90 : {"12", "14", "35", "40", "45"})
        if (p == QLatin1String(jen90)) return {0};
    return {0, 1};
}
// The sheet's middle-set command is offered for "14" to "18" without a shaft, for "20", from 4 m.
bool sadaStredNabizena(const QString& p, bool sachta, float vyska) {
    const bool prurez = p == QLatin1String("20") ||
                        (!sachta && (p == QLatin1String("14") || p == QLatin1String("16") || p == QLatin1String("18")));
    return prurez && vyska >= 4.0f;
}

struct Vlastnosti {
    explicit Vlastnosti(GlobalniData& g) : g(g) {}
    GlobalniData& g;
    int kalkulaci = 0;
    std::map<QString, int> chyby;  // first failure of each kind, with a count
    QStringList priklady;

    void chyba(const QString& druh, const QString& priklad) {
        if (chyby[druh]++ == 0) priklady << druh + QStringLiteral(": ") + priklad;
    }

    QString popis() const {
        const SorvenikaParametry& p = g.sorvenikaParametry;
        return QStringLiteral("%1 cm, %2 m, shaft %3, angle %4, termination %5, door %6, second %7")
            .arg(p.Prurez)
            .arg(p.Vyska)
            .arg(p.Sachta)
            .arg(p.Kourovod)
            .arg(p.Ukonceni)
            .arg(p.HorniDvirka)
            .arg(p.DruheNapojeni);
    }

    void zkontroluj(const char* krok) {
        const SorvenikaParametry& p = g.sorvenikaParametry;
        for (int r = 1; r <= p.PocetRadku; ++r) {
            const Polozka& c = bunka(g, r);
            const bool chybi = c.ObjZnak == QLatin1String("-") || c.ObjZnak == QLatin1String("?????");
            if (chybi && (c.Ks != 0 || c.KsZaklad != 0))
                chyba(QStringLiteral("%1: row %2 of %3 cm is \"%4\" but gets %5")
                          .arg(QString::fromLatin1(krok))
                          .arg(r)
                          .arg(p.Prurez, c.ObjZnak)
                          .arg(c.KsZaklad),
                      popis());
        }
    }

    void kalkulace(xMIV& miv) {
        ++kalkulaci;
        try {
            miv.Spocitej();
        } catch (const RuntimeError& e) {
            chyba(QStringLiteral("Spocitej error %1").arg(e.cislo()), popis());
            return;
        }
        zkontroluj("Spocitej");
        const SorvenikaParametry& p = g.sorvenikaParametry;
        if (!sadaStredNabizena(p.Prurez, p.Sachta, p.Vyska)) return;
        try {
            miv.Prepocitej(p.Sachta ? 6 : 5, Integer(1));
        } catch (const RuntimeError& e) {
            chyba(QStringLiteral("middle set error %1").arg(e.cislo()), popis());
            return;
        }
        zkontroluj("middle set");
    }

    // Each termination with the details the wizard computes for it; the height index k varies
    // the details, so that every brick kind, cladding and Orlex height turns up.
    void ukonceni(xMIV& miv, int u, int k) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.Ukonceni = u;
        p.PocetCihel = p.PocetPytlu = p.PocetZSLKT = p.PocetDiluOrlex = p.PocetTyciOrlex = 0;
        if (u == 1) {
            p.DruhCihly = 1 + k % 2;
            p.VyskaUkonceni = static_cast<float>(k % 13) / 3;
            SpocitejObezdivku(p);
            p.PocetZSLKT = static_cast<float>(k % 3);  // static-securing kits
        } else if (u == 2) {
            p.DruhPlaste = 1 + k % 2;
            p.IdVyskaPlaste = Integer(1 + k % 7);
        } else if (u == 3) {
            p.VyskaUkonceni = 1.0f + static_cast<float>(k % 21) / 10;
            SpocitejOrlex(p);
        }
        kalkulace(miv);
    }

    void vse(xMIV& miv) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c) {
            const QString prurez = g.dataSystemu.Prurezy(c);
            ASSERT_TRUE(zvolPrurez(g, prurez));
            for (int k = 3; k <= 90; ++k) {
                float h = static_cast<float>(k / 3.0);
                p.Vyska = ZaokrouhliVysku(h);
                for (int i = 0; i <= 35; ++i) p.Prislusenstvi(i) = (k + i) % 2 == 0;
                for (bool sachta : {false, true}) {
                    if (sachta && !g.dataSystemu.SachtaPovolena(c)) continue;
                    p.Sachta = sachta;
                    for (int uhel : uhlyPrurezu(prurez)) {
                        p.Kourovod = Integer(uhel);
                        for (int volby = 0; volby < 4; ++volby) {
                            p.HorniDvirka = volby & 1;
                            p.DruheNapojeni = volby & 2;
                            for (int u : ukonceniPrurezu(prurez)) ukonceni(miv, u, k + volby);
                        }
                    }
                }
            }
        }
    }
};

void overVlastnosti(GlobalniData& g) {
    xMIV miv(g);
    Vlastnosti v(g);
    v.vse(miv);
    EXPECT_GT(v.kalkulaci, 50000);
    EXPECT_TRUE(v.chyby.empty()) << v.priklady.join(QLatin1Char('\n')).toStdString();
}

}  // namespace

TEST(MivVlastnosti, FixtureHoldsEveryArticleTheBillNeeds) {
    FakeServices sluzby;
    CenikTsv cenik(testData(QStringLiteral("miv/Cenik.txt")));
    GlobalniData g = stavSystemu(QStringLiteral("MIV"), QStringLiteral("MIV.txt"));
    ASSERT_TRUE(nactiZeSlozky(g, testData(QStringLiteral("miv")), cenik));
    overVlastnosti(g);
}

TEST(MivVlastnosti, ShippedDataHoldsEveryArticleTheBillNeeds) {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba);
    int kod = 0;
    for (int i = 1; i <= g.nastaveni.PocetSystemu; ++i)
        if (g.system(i).Sekce == QLatin1String("MIV")) kod = i;
    ASSERT_NE(kod, 0) << "no MIV in the shipped settings";
    if (!QFileInfo::exists(data + g.system(kod).Data)) GTEST_SKIP() << "the sample MIV item table is not there yet";
    g.sorvenikaParametry.SystemKod = kod;
    g.sorvenikaParametry.System = QStringLiteral("MIV");
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
    ASSERT_TRUE(nactiZeSlozky(g, data, ArtiklyCeniku(cenik)));
    overVlastnosti(g);
}
