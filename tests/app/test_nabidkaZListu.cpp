// lblNabidka: the offer made from the costing's basis, numbered, with the previous offer's
// project fields carried over.
#include "app/NabidkaZListu.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(NabidkaZListu, RecordPricesAndCarryOver) {
    FakeServices sluzby;
    PodkladNabidky p;
    p.Nazev = QStringLiteral("MIV Standard");
    p.System = QStringLiteral("MIV");
    p.Prurez = QStringLiteral("25");
    p.Vyska = 5.33f;
    p.Rozpis = QStringLiteral("a\tb\t\r\n");
    p.CenaBezDPH = 3100;
    p.ProjektovaSleva = 10;
    p.CenaPoSleveBezDPH = 2790;
    p.CenaPoSleveSDPH = 3375.9;
    Nastaveni n;
    n.ExtID = 41;
    n.IDOZ = Integer(7);
    n.JmenoOZ = QStringLiteral("Jan");

    const NabidkaZListu prvni = SestavNabidku(p, n, nullptr);
    const clsNabidka& a = *prvni.Nabidka;
    EXPECT_EQ(a.ExtID, 41);
    EXPECT_EQ(a.CisloOZ.value(), 7);
    EXPECT_EQ(a.JmenoOZ, QStringLiteral("Jan"));
    EXPECT_EQ(std::tuple(a.CenaBezDPH, a.ProjektovaSleva, a.CenaPoSleveBezDPH, a.CenaPoSleveSDPH),
              std::tuple(3100.0, 10.0, 2790.0, 3375.9));
    EXPECT_EQ(a.Sorvenika, prvni.SorvenikaNabidky.Xml);
    EXPECT_TRUE(a.Sorvenika.contains(QStringLiteral("<vyska>5,33</vyska>")));
    EXPECT_TRUE(a.NazevAkce.isEmpty());
    EXPECT_EQ(a.DatumNabidky, QDate(2026, 12, 6));

    // Every carried-over text its own value, so that no two fields can be mixed up unseen.
    QString clsNabidka::*const texty[] = {&clsNabidka::NazevAkce, &clsNabidka::MistoStavby, &clsNabidka::Ulice,
                                          &clsNabidka::UliceCP, &clsNabidka::RealizacniFirma, &clsNabidka::KontaktniOsoba,
                                          &clsNabidka::Telefon, &clsNabidka::Email, &clsNabidka::Obchodnik,
                                          &clsNabidka::ObchodnikMesto, &clsNabidka::Poznamka};
    clsNabidka predloha;
    for (int i = 0; i < std::ssize(texty); ++i) predloha.*texty[i] = QStringLiteral("pole %1").arg(i);
    predloha.DatumNabidky = QDate(2026, 11, 30);
    predloha.DruhStavby = 2;
    predloha.ExtID = 3;
    predloha.CenaBezDPH = 1;
    const clsNabidka b = *SestavNabidku(p, n, &predloha).Nabidka;
    for (int i = 0; i < std::ssize(texty); ++i) EXPECT_EQ(b.*texty[i], predloha.*texty[i]) << i;
    EXPECT_EQ(std::tuple(b.DatumNabidky, b.DruhStavby), std::tuple(predloha.DatumNabidky, 2));
    EXPECT_EQ(std::tuple(b.ExtID, b.CenaBezDPH), std::tuple(41, 3100.0));
}
