// The offer form without its window: load, the parts commands with the browser's insert, the
// recomputed prices, the save and its failure, the cancel.
#include "offers/ModelNabidky.h"

#include "offers/SouboryNabidek.h"
#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Prostredek {
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    FakeServices sluzby;
    GlobalniData g;
    PametNabidek pamet;
    QString soubor(const QString& jmeno) const { return dir.filePath("Nabidky/" + jmeno); }

    Prostredek() {
        g.nastaveni.DPH = Currency::fromInt(19);
        g.nastaveni.ExtID = 12;
        clsSorvenika s;
        s.System = QStringLiteral("MIV");
        s.Rozpis = QStringLiteral("Díl\tA1\t\t2\t500,00\t1\u00A0000,00\t\r\n");
        s.GenerXml();
        pamet.Nabidka = std::make_shared<clsNabidka>();
        pamet.Nabidka->ExtID = 12;
        pamet.Nabidka->ProjektovaSleva = 10;
        pamet.Nabidka->DruhStavby = 9;
        pamet.Nabidka->Sorvenika = s.Xml;
    }
};

UdajeNabidky vyplnene(const ModelNabidky& m) {
    UdajeNabidky u = m.udaje();
    u.NazevAkce = QStringLiteral("Akce");
    u.MistoStavby = QStringLiteral("Praha");
    u.DruhStavby = 3;
    u.RealizacniFirma = u.KontaktniOsoba = u.Telefon = u.Email = u.Obchodnik = u.ObchodnikMesto = QStringLiteral("x");
    u.Poznamka = QStringLiteral("a\nb");
    return u;
}

}  // namespace

TEST(ModelNabidky, BuildingTypeOutsideTheTableIsNoSelection) {
    for (const auto& [druh, zobrazeno] : {std::pair(-1, -1), std::pair(0, 0), std::pair(3, 3), std::pair(4, -1)}) {
        Prostredek p;
        p.pamet.Nabidka->DruhStavby = druh;
        EXPECT_EQ(ModelNabidky(p.g, p.pamet).udaje().DruhStavby, zobrazeno) << druh;
    }
}

TEST(ModelNabidky, LoadShowsTheOffer) {
    Prostredek p;
    writeBytes(p.soubor(kObchodnici), "id|x\r\n1|Zeman\r\n2|adam\r\n");
    ModelNabidky m(p.g, p.pamet);
    EXPECT_EQ(m.titulek(), QStringLiteral("Povinné údaje k nabídce č. 12"));
    EXPECT_EQ(m.udaje().DatumNabidky, QStringLiteral("6.12.2026"));
    EXPECT_EQ(m.obchodnici(), QStringList({"adam", "Zeman"}));
    ASSERT_EQ(m.Tabulka.Rows(), 2);
    EXPECT_EQ(m.Tabulka.TextMatrix(1, 5), QStringLiteral("1\u00A0000,00"));
}

TEST(ModelNabidky, PartsCommandsRecompute) {
    Prostredek p;
    QStringList vlozit{QStringLiteral("Nový\tB2\tS\t1\t1\u00A0000,00\t1\u00A0000,00\t")};
    ModelNabidky m(p.g, p.pamet, {[&](ICilNabidky& cil) {
                                      for (const QString& r : vlozit) cil.pridejPolozku(r);
                                  },
                                  {}});
    m.Tabulka.setRow(1);
    m.pridatPolozky();
    const clsNabidka& n = m.nabidka();
    EXPECT_EQ(std::tuple(n.CenaBezDPH, n.CenaPoSleveBezDPH, n.CenaPoSleveSDPH), std::tuple(2000.0, 1800.0, 2142.0));
    EXPECT_EQ(n.ProjektovaSleva, 10.0);
    EXPECT_EQ(m.Tabulka.Row(), 1);
    clsSorvenika s;
    s.Xml = n.Sorvenika;
    s.ParseXml();
    EXPECT_EQ(s.System, QStringLiteral("MIV"));
    EXPECT_EQ(s.Rozpis, QStringLiteral("Díl\tA1\t\t2\t500,00\t1\u00A0000,00\t\r\nNový\tB2\tS\t1\t1\u00A0000,00\t1\u00A0000,00\t\r\n"));

    // The first row removed, the selection stays on row 1; then the last row of several: the
    // new last row is selected.
    m.pridatPolozky();
    m.Tabulka.setRow(1);
    m.odebratPolozku();
    ASSERT_EQ(m.Tabulka.Rows(), 3);
    EXPECT_EQ(m.Tabulka.TextMatrix(1, 0), QStringLiteral("Nový"));
    EXPECT_EQ(m.Tabulka.Row(), 1);
    m.Tabulka.setRow(2);
    m.odebratPolozku();
    EXPECT_EQ(m.Tabulka.Rows(), 2);
    EXPECT_EQ(m.Tabulka.Row(), 1);
    EXPECT_EQ(n.CenaPoSleveSDPH, 1071.0);
    EXPECT_TRUE(m.odebratPovoleno());
    // The single part removed: nothing left, all prices 0, the command off until parts come.
    m.odebratPolozku();
    EXPECT_EQ(m.Tabulka.Rows(), 1);
    EXPECT_FALSE(m.odebratPovoleno());
    EXPECT_EQ(std::tuple(n.CenaBezDPH, n.CenaPoSleveBezDPH, n.CenaPoSleveSDPH), std::tuple(0.0, 0.0, 0.0));
    EXPECT_EQ(m.ceny(), (std::array<QString, 4>{"0,00", "10,00", "0,00", "0,00"}));
    m.pridatPolozky();
    EXPECT_TRUE(m.odebratPovoleno());
}

TEST(ModelNabidky, SaveAppendsAdvancesAndRemembers) {
    Prostredek p;
    ModelNabidky m(p.g, p.pamet);
    UdajeNabidky u = vyplnene(m);
    u.Telefon.clear();
    EXPECT_EQ(m.Uloz(u).chybi->pole, PovinnePole::Telefon);
    EXPECT_FALSE(QFile::exists(p.soubor(kNeodeslaneNabidky)));

    u.Telefon = QStringLiteral(" ");
    const auto v = m.Uloz(u);
    ASSERT_TRUE(v.ulozeno()) << v.chyba.toStdString();
    EXPECT_EQ(p.g.nastaveni.ExtID, 13);
    EXPECT_EQ(p.pamet.PosledniNabidka, p.pamet.Nabidka);
    EXPECT_EQ(p.pamet.Nabidka->Poznamka, QStringLiteral("a\r\nb"));
    EXPECT_EQ(p.pamet.Nabidka->DruhStavby, 3);
    const QList<clsNabidka> ulozene = NactiNeodeslaneNabidky(p.g.nastaveni);
    ASSERT_EQ(ulozene.size(), 1);
    EXPECT_EQ(ulozene[0].ExtID, 12);
    EXPECT_EQ(ulozene[0].NazevAkce, QStringLiteral("Akce"));
}

// The file cannot be written: the form keeps the offer as it was, the number and the last
// saved offer stay.
TEST(ModelNabidky, FailedSaveKeepsEverything) {
    Prostredek p;
    writeBytes(p.dir.filePath("Nabidky"), "soubor místo složky");
    ModelNabidky m(p.g, p.pamet);
    const auto v = m.Uloz(vyplnene(m));
    EXPECT_FALSE(v.ulozeno());
    EXPECT_FALSE(v.chyba.isEmpty());
    EXPECT_EQ(p.g.nastaveni.ExtID, 12);
    EXPECT_FALSE(p.pamet.PosledniNabidka);
    EXPECT_TRUE(p.pamet.Nabidka->NazevAkce.isEmpty());
}

TEST(ModelNabidky, CancelDropsTheOfferButKeepsTheLastSaved) {
    Prostredek p;
    int storna = 0;
    auto posledni = std::make_shared<clsNabidka>();
    p.pamet.PosledniNabidka = posledni;
    ModelNabidky m(p.g, p.pamet, {{}, [&] { ++storna; }});
    m.Storno();
    EXPECT_FALSE(p.pamet.Nabidka);
    EXPECT_EQ(storna, 1);
    EXPECT_EQ(p.pamet.predloha(), posledni.get());
}
