// A committed parameter set on the costing sheet's model: bill, summary, price options and the
// middle-set command, on the shipped sample installation; a failing calculation changes nothing.
#include "parameters/NastavSorveniku.h"

#include "app/HlavniNabidka.h"
#include "app/SouborNastaveni.h"
#include "engine/EngineFixture.h"
#include "engine/NactiSystem.h"
#include "pricelist/TabulkaArtiklu.h"
#include "systems/Kalkulacky.h"
#include "engine/Systemy.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data");

struct Ukazka : ::testing::Test {
    PevneNastaveni cs;
    FakeServices sluzby;
    Prostredi data{"SORVENIKA_DATA", kData.toUtf8()};
    GlobalniData g;
    TabulkaArtiklu cenik = TabulkaArtiklu::nacti(kData + QStringLiteral("/Art"));
    std::unique_ptr<ModelListu> list;

    void SetUp() override { ASSERT_FALSE(NactiIni(kData + QStringLiteral("/Sorvenika.ini"), g).chyba); }
    void otevri(quint8 typ, const char* verze) {
        g.nastaveni.TypUzivatele = typ;
        g.nastaveni.Verze = QString::fromLatin1(verze);
        list = std::make_unique<ModelListu>(g);
        list->Form_Load();
    }
    // The draft of a costing as the wizard commits it; without a cross-section, the first.
    SorvenikaParametry navrh(const char* system, const char* prurez, bool sachta, float vyska, int ukonceni) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.SystemKod = ZjistiKodSystemu(QString::fromLatin1(system));
        p.System = QString::fromLatin1(system);
        EXPECT_TRUE(NactiSystem(g, cenik));
        SorvenikaParametry n = p;
        n.Prurez = prurez ? QString::fromLatin1(prurez) : g.dataSystemu.Prurezy(1);
        for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c)
            if (g.dataSystemu.Prurezy(c) == n.Prurez) n.IdPrurez = Integer(c);
        EXPECT_NE(n.IdPrurez, 0) << prurez;
        n.Sachta = sachta;
        n.Vyska = vyska;
        n.Ukonceni = ukonceni;
        return n;
    }
    const StavPrikazu& stav(Prikaz p) const { return list->stav(p); }
};

struct Chybna : Kalkulacka {
    using Kalkulacka::Kalkulacka;
    void Spocitej() override {
        P().Poznamka = QStringLiteral("rozpracováno");
        throw ChybaPreteceni();
    }
    void Prepocitej(int, Integer) override {}
    void PrenesPrislusenstvi(VektorMnozstvi&) override {}
};

}  // namespace

TEST_F(Ukazka, SummaryPriceOptionsAndMiddleSetBySystemAndUser) {
    otevri(0, "0001000");
    // What an earlier costing and the user's toggles left on the sheet.
    list->setZaskrtnuty(Prikaz::mnuSadaStred, true);
    list->setZaskrtnuty(Prikaz::mnuVolbyZobrazitCeny, false);
    list->Tabulka.setColWidth(4, 0);
    NastavSorveniku(g, vytvorKalkulacky(g), *list, navrh("MIV", "18", false, 9.5f, 4));
    EXPECT_EQ(list->souhrn().tvarnice, QStringLiteral("vnější r. 36/36 cm"));
    EXPECT_EQ(QFileInfo(list->souhrn().obrazekPrurezu).canonicalFilePath(), QFileInfo(kData + "/Pict/MIV_P.gif").canonicalFilePath());
    EXPECT_EQ(g.sorvenikaParametry.Prurez, QStringLiteral("18"));
    EXPECT_EQ(list->Tabulka.Rows(), 1 + g.dataSystemu.Polozky.radku());
    EXPECT_EQ(list->Tabulka.Row(), 1);
    EXPECT_EQ(stav(Prikaz::mnuSadaStred), (StavPrikazu{true, true, false}));
    EXPECT_EQ(stav(Prikaz::mnuVolbyZobrazitCeny), (StavPrikazu{true, true, true}));
    EXPECT_TRUE(g.nastaveni.ZobrazitCeny && g.nastaveni.TisknoutCeny);
    EXPECT_EQ(list->Tabulka.ColWidth(4), ModelListu::sirkySloupcu(ModelListu::kSirkaTabulky)[4]);
    // With a shaft the middle set does not fit.
    NastavSorveniku(g, vytvorKalkulacky(g), *list, navrh("MIV", "18", true, 9.5f, 4));
    EXPECT_FALSE(stav(Prikaz::mnuSadaStred).povoleny);

    // An ordinary user: no middle set without the right, no prices for T-REMOL, back for KALVIR.
    otevri(0, "0000000");
    NastavSorveniku(g, vytvorKalkulacky(g), *list, navrh("MIV", "18", false, 9.5f, 4));
    EXPECT_FALSE(stav(Prikaz::mnuSadaStred).povoleny);
    NastavSorveniku(g, vytvorKalkulacky(g), *list, navrh("T-REMOL", "16", true, 7, 5));
    EXPECT_FALSE(stav(Prikaz::mnuVolbyPrepocitavat).povoleny);
    for (Prikaz p : {Prikaz::mnuVolbyZobrazitCeny, Prikaz::mnuVolbyTisknoutCeny})
        EXPECT_EQ(stav(p), (StavPrikazu{false, false, false}));
    EXPECT_FALSE(g.nastaveni.ZobrazitCeny || g.nastaveni.TisknoutCeny);
    EXPECT_EQ(std::pair(list->Tabulka.ColWidth(4), list->Tabulka.ColWidth(5)), std::pair(0, 0));
    NastavSorveniku(g, vytvorKalkulacky(g), *list, navrh("KALVIR", "16", false, 7, 5));
    EXPECT_TRUE(stav(Prikaz::mnuVolbyPrepocitavat).povoleny);
    EXPECT_EQ(stav(Prikaz::mnuVolbyTisknoutCeny), (StavPrikazu{true, true, true}));
    EXPECT_GT(list->Tabulka.ColWidth(5), 0);
    EXPECT_EQ(list->souhrn().tvarnice, QString());  // no block dimensions left over
}

TEST_F(Ukazka, FailedCalculationKeepsThePreviousCosting) {
    otevri(1, "0000000");
    NastavSorveniku(g, vytvorKalkulacky(g), *list, navrh("MIV", "16", false, 8, 4));
    const ModelListu::Souhrn souhrn = list->souhrn();
    const QString ks = list->Tabulka.TextMatrix(7, 3);
    const float kusy = g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, 7).Ks;
    const QString celkem = list->TabSuma.TextMatrix(2, 1);

    Kalkulacky chybne;
    chybne.nastav(QStringLiteral("MIV"), std::make_unique<Chybna>(g));
    SorvenikaParametry jine = g.sorvenikaParametry;
    jine.Prurez = QStringLiteral("20");
    jine.Vyska = 12;
    EXPECT_EQ(cisloChyby([&] { NastavSorveniku(g, chybne, *list, jine); }), 6);

    EXPECT_EQ(std::tuple(g.sorvenikaParametry.Prurez, g.sorvenikaParametry.Vyska, g.sorvenikaParametry.Poznamka),
              std::tuple(QStringLiteral("16"), 8.0f, QString()));
    EXPECT_EQ(list->souhrn(), souhrn);
    EXPECT_EQ(list->Tabulka.TextMatrix(7, 3), ks);
    EXPECT_EQ(g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, 7).Ks, kusy);
    EXPECT_EQ(list->TabSuma.TextMatrix(2, 1), celkem);
}

// The wizard's trial of a height: every system takes a 6 m chimney; a 9999 m MIV overflows its
// totals, as its commit would.
TEST_F(Ukazka, TrialCostingOfEverySystem) {
    for (const QString& system : Kalkulacky::poradi()) {
        const SorvenikaParametry p = navrh(system.toLatin1().constData(), nullptr, false, 6, 0);
        EXPECT_TRUE(KalkulaceProjde(g, p)) << system.toStdString();
    }
    const SorvenikaParametry p = navrh("MIV", "18", false, 9999, 0);
    EXPECT_FALSE(KalkulaceProjde(g, p));
    otevri(1, "0000000");
    EXPECT_EQ(cisloChyby([&] { NastavSorveniku(g, vytvorKalkulacky(g), *list, p); }), 6);
}
