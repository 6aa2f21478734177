// What an offer takes from the costing: the costing record's texts, the breakdown and the
// four prices, and the refusal of a costing that would divide by zero.
#include "costing/PodkladNabidky.h"

#include <gtest/gtest.h>

namespace {

Kalkulace kalkulace(const char* system, const char* prurez) {
    Kalkulace k;
    k.parametry.System = QString::fromLatin1(system);
    k.parametry.Zaznam.Nazev = QStringLiteral("Název ") + k.parametry.System;
    k.parametry.Prurez = QString::fromLatin1(prurez);
    k.parametry.Vyska = 7.5f;
    k.parametry.Sachta = true;
    k.parametry.Ukonceni = 3;
    k.PopisSadyOrlex = QStringLiteral("Orlex");
    k.parametry.Poznamka = QStringLiteral("Pozn\r\n2");
    k.souhrn.parametry[3] = QStringLiteral("Ukončení :  ORLEX ");
    k.souhrn.tvarnice = QStringLiteral("36/50");
    Souprava s;
    s.Pocet = Integer(1);
    s.Popis = QStringLiteral("Sada");
    k.parametry.Sady.pridej(s);
    s.Pocet = Integer(0);
    s.Popis = QStringLiteral("Nepoužitá");
    k.parametry.SoupravyPaty.pridej(s);
    for (auto [nazev, ks, cena] : {std::tuple("Díl", 2.0f, 1500), std::tuple("Nula", 0.0f, 10), std::tuple("Třetí", 1.0f, 100)})
        k.radky.push_back({QString::fromUtf8(nazev), QStringLiteral("K"), QStringLiteral("S"), ks, Currency::fromInt(cena),
                           Currency::fromInt(cena * static_cast<int>(ks))});
    return k;
}

}  // namespace

TEST(PodkladNabidky, MivAtNinetyPercent) {
    Kalkulace k = kalkulace("MIV", "25");
    k.Koeficient = 0.9f;
    k.soucty = {QStringLiteral("90"), QStringLiteral("3"), QStringLiteral("3\u00A0100,00"), QStringLiteral("2\u00A0790,00"),
                QStringLiteral("3\u00A0375,90"), QStringLiteral("1,00")};
    const Vysledek<PodkladNabidky> v = podkladNabidky(k);
    ASSERT_TRUE(v) << v.chyba().toStdString();
    EXPECT_EQ(std::tuple(v->CenaBezDPH, v->CenaPoSleveBezDPH, v->CenaPoSleveSDPH, v->ProjektovaSleva),
              std::tuple(3100.0, 2790.0, 3375.9, 10.0));
    EXPECT_EQ(std::tuple(v->Nazev, v->Ukonceni, v->Tvarnice, v->Poznamka),
              std::tuple(QStringLiteral("Název MIV"), QStringLiteral("ORLEX"), QStringLiteral("36/50"), QStringLiteral("Pozn\r\n2")));
    EXPECT_EQ(v->SysPoznamka, QStringLiteral("Sada\r\n\r\nOrlex\r\n\r\nDodací lhůta je 10 pracovních dní od potvrzení objednávky.\r\n"));
    EXPECT_EQ(v->Rozpis, QStringLiteral("Díl\tK\tS\t2\t1\u00A0500,00\t3\u00A0000,00\t\r\nTřetí\tK\tS\t1\t100,00\t100,00\t\r\n"));
}

TEST(PodkladNabidky, DeliverySentenceOnlyFromTwentyFive) {
    Kalkulace k = kalkulace("MIV", "12");
    EXPECT_FALSE(podkladNabidky(k)->SysPoznamka.contains(QStringLiteral("Dodací")));
    k.parametry.System = QStringLiteral("KARNELO");
    k.parametry.Prurez = QStringLiteral("20");
    EXPECT_TRUE(podkladNabidky(k)->SysPoznamka.endsWith(QStringLiteral("objednávky.\r\n")));
}

TEST(PodkladNabidky, TremolPassesNoLinePricesAndTakesTheDiscountFromTheTotals) {
    Kalkulace k = kalkulace("T-REMOL2S", "20");
    k.soucty[kCenikovaCena] = QStringLiteral("4\u00A0000,00");
    k.soucty[kCenaBezDph] = QStringLiteral("3\u00A0000,00");
    k.soucty[kCenaSDph] = QStringLiteral("3\u00A0630,00");
    const Vysledek<PodkladNabidky> v = podkladNabidky(k);
    ASSERT_TRUE(v);
    EXPECT_EQ(std::tuple(v->CenaBezDPH, v->CenaPoSleveBezDPH, v->CenaPoSleveSDPH, v->ProjektovaSleva),
              std::tuple(4000.0, 3000.0, 3630.0, 25.0));
    EXPECT_EQ(v->Rozpis, QStringLiteral("Díl\tK\tS\t2\t0,00\t0,00\t\r\nTřetí\tK\tS\t1\t0,00\t0,00\t\r\n"));
    EXPECT_FALSE(v->SysPoznamka.contains(QStringLiteral("Dodací")));
}

TEST(PodkladNabidky, ZeroDivisorsRefuseTheOffer) {
    Kalkulace miv = kalkulace("MIV", "20");
    miv.Koeficient = 0;
    Kalkulace tremol = kalkulace("T-REMOL", "20");
    tremol.soucty[kCenikovaCena] = QStringLiteral("0,00");
    for (const Kalkulace* k : {&miv, &tremol}) {
        const Vysledek<PodkladNabidky> v = podkladNabidky(*k);
        ASSERT_FALSE(v);
        EXPECT_EQ(v.chyba(), QStringLiteral("Nabídku nelze vytvořit: nulová cena nebo koeficient !!!"));
    }
}

TEST(PodkladNabidky, AllZeroCostingGivesAnEmptyBreakdown) {
    Kalkulace k = kalkulace("MIV", "20");
    for (RadekKalkulace& r : k.radky) r.Ks = 0;
    const Vysledek<PodkladNabidky> v = podkladNabidky(k);
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->Rozpis.isEmpty());
}
