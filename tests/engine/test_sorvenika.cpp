#include "engine/Sorvenika.h"

#include "engine/EngineFixture.h"
#include "engine/NactiSystem.h"
#include "costing/Kalkulace.h"

#include <array>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString nbsp(QChar(0x00A0));

// A calculator that writes fixed base quantities and a system set, and counts its calls.
class PevnaKalkulacka : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;
    std::map<int, int> mnozstvi;
    int soupravaRadek = 0;  // a system set of one piece on this row, counted once
    bool selze = false;
    int volani = 0;

    void Spocitej() override {
        ++volani;
        vytvorSoupravy(1, 1, 1, 1);
        VektorMnozstvi q = novyVektor();
        for (auto [r, v] : mnozstvi) q(r) = Integer(v);
        if (soupravaRadek) {
            P().Sady(1).Pocet = Integer(1);
            P().Sady(1).pridejDil(QStringLiteral("X"), 1, soupravaRadek);
        }
        if (selze) throw ChybaPreteceni();
        PrenesPrislusenstvi(q);
        ZapisMnozstvi(q);
    }
    void Prepocitej(int radek, Integer ks) override {
        auto q = zacniPrepocet(radek, ks);
        if (!q) return;
        PrenesPrislusenstvi(*q);
        ZapisMnozstvi2(*q);
    }
    void PrenesPrislusenstvi(VektorMnozstvi& q) override { q(7) = kus(P().Prislusenstvi(0)); }
};

struct Sorvenika : ::testing::Test {
    FakeServices sluzby;
    PevneNastaveni cs;
    CenikFixture cenik;
    MrizkyFixture m;
    GlobalniData g = stavSTestSystemem();
    Kalkulacky kalkulacky;
    PevnaKalkulacka* kalk = nullptr;

    void SetUp() override {
        Prostredi data("SORVENIKA_DATA", testData(QStringLiteral("engine")).toUtf8());
        ASSERT_TRUE(NactiSystem(g, cenik));
        g.sorvenikaParametry.System = QStringLiteral("KALVIR");
        g.sorvenikaParametry.IdPrurez = Integer(1);
        auto k = std::make_unique<PevnaKalkulacka>(g);
        kalk = k.get();
        kalk->mnozstvi = {{1, 3}, {2, 4}, {3, 1}, {5, 2}, {6, 5}};
        kalk->soupravaRadek = 2;
        kalkulacky.nastav(QStringLiteral("KALVIR"), std::move(k));
    }
    int barva(int r) const { return m.tabulka.CellForeColorAt(r, 0); }
};

constexpr int kSeda = 0xAAAAAA;
constexpr int kCervena = 0x0000FF;

}  // namespace

TEST_F(Sorvenika, FullCostingFillsBothGrids) {
    m.tabSuma.setTextMatrix(0, 1, QStringLiteral("90"));
    m.tabulka.setRows(30);  // a previous costing
    g.sorvenikaParametry.Poznamka = QStringLiteral("stará");
    SpocitejSorveniku(g, kalkulacky, m.mrizky());

    EXPECT_EQ(kalk->volani, 1);
    EXPECT_EQ(g.sorvenikaParametry.Poznamka, QString());
    ASSERT_EQ(m.tabulka.Rows(), 18);  // the header, 7 item rows, 10 free rows
    EXPECT_EQ(m.tabulka.TextMatrix(0, 3), QStringLiteral("Ks"));
    const QStringList r1{QStringLiteral("Komínový blok 12"), QStringLiteral("KB12"), QStringLiteral("5012"),
                         QStringLiteral("3"), QStringLiteral("100,00"), QStringLiteral("300,00")};
    EXPECT_EQ(m.radek(1), r1);
    // Row 2: 4 loose pieces less the one in the set.
    EXPECT_EQ(m.radek(2).mid(3), (QStringList{"3", "12,34", "37,02"}));
    EXPECT_EQ(m.radek(4).mid(3), (QStringList{"0", "1" + nbsp + "234,56", "0,00"}));
    EXPECT_EQ(m.radek(6), (QStringList{"****** Položka NENI-V-CENIKU nenalezena ******", "?????", "?????", "5", "0,00", "0,00"}));
    EXPECT_EQ(m.radek(17), (QStringList{"", "", "", "0", "0,00", "0,00"}));

    EXPECT_EQ(m.suma(0), QStringLiteral("100"));
    EXPECT_EQ(m.suma(1), QStringLiteral("14"));
    // 300 + 3 x 12.34 + 250.50 + 2 x 99.90 = 787.32; with 20 % VAT 944.784 -> 944.80.
    EXPECT_EQ(m.suma(2), QStringLiteral("787,32"));
    EXPECT_EQ(m.suma(3), m.suma(2));
    EXPECT_EQ(m.suma(4), QStringLiteral("944,80"));
    // 3 x 12.5 + 3 x 2.1 + 30 + 2 x 25 kg.
    EXPECT_EQ(m.suma(5), QStringLiteral("123,80"));
    EXPECT_EQ(m.tabSuma.TextMatrix(4, 0), QStringLiteral("Cena s 20% DPH"));

    for (int r = 1; r < m.tabulka.Rows(); ++r) {
        const int cekam = (r == 4 || r == 7 || r >= 8) ? kSeda : 0;
        for (int c = 0; c < 6; ++c) EXPECT_EQ(m.tabulka.CellForeColorAt(r, c), cekam) << r << "," << c;
        EXPECT_GT(m.tabulka.RowHeight(r), 0) << r;
    }
    EXPECT_FALSE(m.tabulka.FontBold());
}

// The colours alone follow the quantities again; the texts stay as they are.
TEST_F(Sorvenika, ObarviTabulkuColoursRowsFromTheirQuantities) {
    SpocitejSorveniku(g, kalkulacky, m.mrizky());
    m.tabulka.setTextMatrix(1, 0, QStringLiteral("x"));
    g.dataSystemu.Polozky(1, 1).Ks = 2;  // 3 computed
    g.dataSystemu.Polozky(1, 2).Ks = 0;
    ObarviTabulku(sestavKalkulaci(g, true), m.tabulka);
    EXPECT_EQ((std::array{barva(1), m.tabulka.CellForeColorAt(1, 5), barva(2), barva(3)}), (std::array{kCervena, kCervena, kSeda, 0}));
    EXPECT_EQ(m.tabulka.TextMatrix(1, 0), QStringLiteral("x"));
}

TEST_F(Sorvenika, DispatchByExactName) {
    std::map<QString, PevnaKalkulacka*> vse;
    for (const QString& n : Kalkulacky::poradi()) {
        auto k = std::make_unique<PevnaKalkulacka>(g);
        vse[n] = k.get();
        kalkulacky.nastav(n, std::move(k));
    }
    EXPECT_THROW(kalkulacky.nastav(QStringLiteral("MIV3"), nullptr), RuntimeError);
    ASSERT_EQ(vse.size(), 12u);

    for (const QString& n : Kalkulacky::poradi()) {
        g.sorvenikaParametry.System = n;
        SpocitejSorveniku(g, kalkulacky, m.mrizky());
        for (const auto& [jmeno, k] : vse) EXPECT_EQ(k->volani, jmeno == n ? 1 : 0) << n.toStdString() << " ran " << jmeno.toStdString();
        for (auto& [jmeno, k] : vse) k->volani = 0;
    }

    // No calculator: the quantities stay as they are, an edited row shows red, the grids fill.
    Polozka& p = g.dataSystemu.Polozky(1, 1);
    p.Ks = 2;
    p.KsVypocet = 1;
    for (const char* n : {"miv", "", "MIV ", "TEST"}) {
        g.sorvenikaParametry.System = QString::fromUtf8(n);
        m.tabulka.setRows(1);
        SpocitejSorveniku(g, kalkulacky, m.mrizky());
        for (const auto& [jmeno, k] : vse) EXPECT_EQ(k->volani, 0) << n;
        ASSERT_EQ(m.tabulka.Rows(), 18) << n;
        EXPECT_EQ(m.tabulka.TextMatrix(1, 3), QStringLiteral("2")) << n;
        EXPECT_EQ(barva(1), kCervena) << n;
        EXPECT_EQ(m.suma(1), QStringLiteral("2")) << n;
        EXPECT_EQ(m.suma(2), QStringLiteral("200,00")) << n;
    }
}

TEST_F(Sorvenika, FailedCalculationChangesNothing) {
    SpocitejSorveniku(g, kalkulacky, m.mrizky());
    const MaticePolozek matice = g.dataSystemu.Polozky;
    const QStringList radek2 = m.radek(2);
    const QString suma = m.suma(2);
    g.sorvenikaParametry.Poznamka = QStringLiteral("poznámka");

    kalk->selze = true;
    kalk->soupravaRadek = 5;
    EXPECT_THROW(SpocitejSorveniku(g, kalkulacky, m.mrizky()), RuntimeError);
    EXPECT_TRUE(g.dataSystemu.Polozky == matice);
    const SorvenikaParametry& p = g.sorvenikaParametry;
    ASSERT_EQ(p.Sady.horni(), 1);
    EXPECT_EQ(p.Sady(1).Radek(1), 2);  // the set of the costing on the sheet
    EXPECT_EQ(p.Poznamka, QStringLiteral("poznámka"));
    EXPECT_EQ(m.tabulka.Rows(), 18);
    EXPECT_EQ(m.radek(2), radek2);
    EXPECT_EQ(m.suma(2), suma);
}

TEST_F(Sorvenika, TRemolNoteAndHiddenRows) {
    struct {
        const char* system;
        std::vector<std::pair<int, int>> skryte;
    } cases[] = {
        {"T-REMOL", {{29, 31}, {41, 56}}},
        {"T-REMOL2R", {{40, 41}, {50, 71}}},
        {"T-REMOL2S", {{29, 30}, {39, 53}}},
    };
    const QString veta = QStringLiteral("Před objednáním doporučujeme překontrolovat zvolenou sestavu.\r\n\r\n");
    for (const auto& c : cases) {
        for (quint8 typ : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.system << " user " << int(typ));
            const QString system = QString::fromUtf8(c.system);
            GlobalniData t;
            t.nastaveni.TypUzivatele = typ;
            t.sorvenikaParametry.System = system;
            t.sorvenikaParametry.IdPrurez = Integer(1);
            t.sorvenikaParametry.Poznamka = QStringLiteral("stará");
            t.dataSystemu.Polozky.vytvor(1, 75);
            Kalkulacky k;
            k.nastav(system, std::make_unique<PevnaKalkulacka>(t));
            MrizkyFixture mt;
            SpocitejSorveniku(t, k, mt.mrizky());

            EXPECT_EQ(t.sorvenikaParametry.Poznamka, veta);
            ASSERT_EQ(mt.tabulka.Rows(), 76);
            for (int r = 1; r <= 75; ++r) {
                bool skryty = false;
                for (auto [od, po] : c.skryte) skryty |= typ == 0 && r >= od && r <= po;
                EXPECT_EQ(mt.tabulka.RowHeight(r) == 0, skryty) << "row " << r;
            }
        }
    }
    // Without a calculator the sentence is appended to the note as it stands, and a table
    // shorter than the hidden ranges hides what it has.
    GlobalniData t;
    t.sorvenikaParametry.System = QStringLiteral("T-REMOL");
    t.sorvenikaParametry.IdPrurez = Integer(1);
    t.sorvenikaParametry.Poznamka = QStringLiteral("A");
    t.dataSystemu.Polozky.vytvor(1, 30);
    MrizkyFixture mt;
    SpocitejSorveniku(t, Kalkulacky(), mt.mrizky());
    EXPECT_EQ(t.sorvenikaParametry.Poznamka, QStringLiteral("A") + veta);
    EXPECT_EQ(mt.tabulka.RowHeight(28), mt.tabulka.vychoziVyskaRadku());
    EXPECT_EQ(mt.tabulka.RowHeight(29), 0);
    EXPECT_EQ(mt.tabulka.RowHeight(30), 0);
}

TEST_F(Sorvenika, PricesAfterAnEdit) {
    SpocitejSorveniku(g, kalkulacky, m.mrizky());
    EXPECT_EQ(m.tabulka.TextMatrix(2, 4), QStringLiteral("12,34"));

    // The sheet's edits: row 1 set to 5 pieces, row 5 to none, a free row priced by the user.
    Polozka* p = &g.dataSystemu.Polozky(1, 1);
    p->Ks = p->KsZaklad = 5;
    p = &g.dataSystemu.Polozky(1, 5);
    p->Ks = p->KsZaklad = 0;
    p = &g.dataSystemu.Polozky(1, 8);
    p->Nazev = QStringLiteral("Vlastní díl");
    p->Cena = Currency::fromInt(10);
    p->Ks = 2;
    m.tabulka.setTextMatrix(8, 0, p->Nazev);
    PrepocitejCeny(g, m.mrizky());

    EXPECT_EQ(m.radek(1).mid(3), (QStringList{"5", "100,00", "500,00"}));
    // The coefficient price rounds up to tenths: 12.34 -> 12.40.
    EXPECT_EQ(m.radek(2).mid(3), (QStringList{"3", "12,40", "37,20"}));
    EXPECT_EQ(m.radek(3).mid(3), (QStringList{"1", "250,50", "250,50"}));
    EXPECT_EQ(m.radek(8), (QStringList{"Vlastní díl", "", "", "2", "10,00", "20,00"}));
    EXPECT_EQ(m.suma(1), QStringLiteral("16"));
    EXPECT_EQ(m.suma(2), QStringLiteral("807,70"));
    EXPECT_EQ(m.suma(3), m.suma(2));
    EXPECT_EQ(m.suma(4), QStringLiteral("969,30"));  // 807.70 x 1.2 = 969.24
    EXPECT_EQ(m.suma(5), QStringLiteral("98,80"));
    EXPECT_EQ(barva(1), kCervena);
    EXPECT_EQ(barva(2), 0);
    EXPECT_EQ(barva(5), kSeda);   // zero wins over the difference from KsVypocet
    EXPECT_EQ(barva(8), kCervena);  // 2 pieces against a calculated 0

    // A coefficient of 90 %: 0.9f x 100.00 + 0.049 -> 90.0.
    g.Koeficient = 0.9f;
    PrepocitejCeny(g, m.mrizky());
    EXPECT_EQ(m.radek(1).mid(3), (QStringList{"5", "90,00", "450,00"}));
    // Row 0 belongs to the caller that changed the coefficient.
    EXPECT_EQ(m.suma(0), QStringLiteral("100"));

    // A sheet one row short is refused before anything is written.
    const QString suma = m.suma(2);
    g.Koeficient = 1.0f;
    m.tabulka.setRows(g.dataSystemu.Polozky.radku());
    EXPECT_THROW(PrepocitejCeny(g, m.mrizky()), RuntimeError);
    EXPECT_EQ(m.suma(2), suma);
    EXPECT_EQ(m.tabulka.TextMatrix(1, 4), QStringLiteral("90,00"));
}

TEST(SorvenikaDph, PriceWithVatFromTheShownTotal) {
    const char* nb = "\xC2\xA0";
    struct {
        const char* locale;
        qint64 cenaRaw, dphRaw;
        std::string bez, s;          // after the full costing (list prices)
        std::string bezPo, sPo;      // after a recompute (prices rounded up to tenths)
    } cases[] = {
        // 10.01 x 1.2 = 12.012 -> 12.10; the recompute shows 10.10, and 12.12 -> 12.20.
        {"cs_CZ", 100100, 200000, "10,01", "12,10", "10,10", "12,20"},
        {"cs_CZ", 123456780000, 210000, std::string("12") + nb + "345" + nb + "678,00",
         std::string("14") + nb + "938" + nb + "270,40", std::string("12") + nb + "345" + nb + "678,00",
         std::string("14") + nb + "938" + nb + "270,40"},
        {"cs_CZ", 0, 200000, "0,00", "0,00", "0,00", "0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        PevneNastaveni loc(QString::fromUtf8(c.locale));
        GlobalniData g;
        g.nastaveni.DPH = Currency::fromRaw(c.dphRaw);
        g.sorvenikaParametry.IdPrurez = Integer(1);
        g.dataSystemu.Polozky.vytvor(1, 1);
        Polozka& p = g.dataSystemu.Polozky(1, 1);
        p.Cena = Currency::fromRaw(c.cenaRaw);
        p.Ks = p.KsVypocet = 1;
        MrizkyFixture m;
        SpocitejSorveniku(g, Kalkulacky(), m.mrizky());
        EXPECT_EQ(m.suma(2), QString::fromStdString(c.bez));
        EXPECT_EQ(m.suma(4), QString::fromStdString(c.s));
        PrepocitejCeny(g, m.mrizky());
        EXPECT_EQ(m.suma(2), QString::fromStdString(c.bezPo));
        EXPECT_EQ(m.suma(4), QString::fromStdString(c.sPo));
    }
}

TEST(SorvenikaKs, QuantityText) {
    PevneNastaveni cs;
    for (const QStringList& c : pripady("pripady/ksNaText.txt")) EXPECT_EQ(KsNaText(c[0].toFloat()), c[1]) << c[0].toStdString();
}

TEST(ZaokrouhliVysku, ThirdsOfAMetre) {
    for (const QStringList& c : pripady("pripady/zaokrouhliVysku.txt")) {
        float h = c[0].toFloat();
        EXPECT_EQ(ZaokrouhliVysku(h), c[2].toFloat()) << c[0].toStdString();
        EXPECT_EQ(h, c[1].toFloat()) << c[0].toStdString();
    }
    // Beyond the 16-bit step count: the overflow error, and the height is not replaced.
    for (float h : {10923.0f, -10923.0f, 99999.0f}) {
        const float puvodni = h;
        EXPECT_THROW(ZaokrouhliVysku(h), RuntimeError) << puvodni;
        EXPECT_EQ(h, puvodni);
    }
}

TEST(VymazSorveniku, ErasesTheCostingAndKeepsTheRest) {
    GlobalniData g;
    SorvenikaParametry& p = g.sorvenikaParametry;
    const auto seznamy = {&p.ZakladniSoupravy, &p.Sady, &p.SadyStred, &p.SoupravyPaty};
    for (SeznamSouprav* s : seznamy) s->vytvor(2);
    g.dataSystemu.Polozky.vytvor(2, 3);
    g.dataSystemu.Prurezy.vytvor(2);
    g.dataSystemu.SachtaPovolena.vytvor(2);
    const auto texty = {&p.System, &p.Prurez, &p.Poznamka, &p.Zaznam.Nazev, &p.Zaznam.Data, &p.Zaznam.PiktogramTisk};
    const auto cela = {&p.IdPrurez, &g.AktRadek, &g.AktSloupec, &p.PocetRadku, &p.PocetPrurezu,
                       &p.PocetNapojovacichDilu, &p.IdVyskaPlaste};
    const auto dlouha = {&p.SystemKod, &p.Ukonceni, &p.DruhPlaste, &p.DruhCihly};
    const auto realna = {&p.Vyska, &p.VyskaUkonceni, &p.PocetPytlu, &p.PocetCihel, &p.PocetTyciOrlex,
                         &p.PocetDiluOrlex, &p.PocetZSLKT};
    const auto drzena = {&p.Kourovod, &p.Kourovod2, &p.PocetTermoTvarnic, &p.SoupravaKEPO, &p.DruhPaty};
    for (QString* t : texty) *t = QStringLiteral("x");
    for (Integer* i : cela) *i = Integer(3);
    for (int* i : dlouha) *i = 2;
    for (float* f : realna) *f = 1.5f;
    for (Integer* i : drzena) *i = Integer(1);
    p.Sachta = p.HorniDvirka = p.DruheNapojeni = p.Prislusenstvi(35) = true;
    g.PocetVolnychRadku = 10;
    g.PopisSadyOrlex = QStringLiteral("Orlex");
    g.Koeficient = 0.85f;

    VymazSorveniku(g);

    EXPECT_TRUE(g.dataSystemu.Polozky.prazdna() && g.dataSystemu.Prurezy.prazdne() && g.dataSystemu.SachtaPovolena.prazdne());
    for (const SeznamSouprav* s : seznamy) EXPECT_TRUE(s->prazdne());
    for (const QString* t : texty) EXPECT_TRUE(t->isEmpty());
    for (const Integer* i : cela) EXPECT_EQ(*i, 0);
    for (const int* i : dlouha) EXPECT_EQ(*i, 0);
    for (const float* f : realna) EXPECT_EQ(*f, 0);
    EXPECT_FALSE(p.Sachta);
    // Kept: the choices the wizard offers again, the free rows, the Orlex text, the rest of the state.
    for (const Integer* i : drzena) EXPECT_EQ(*i, 1);
    EXPECT_TRUE(p.HorniDvirka && p.DruheNapojeni && p.Prislusenstvi(35));
    EXPECT_EQ(p.Prislusenstvi.horni(), 35);
    EXPECT_EQ(g.PocetVolnychRadku, 10);
    EXPECT_EQ(g.PopisSadyOrlex, QStringLiteral("Orlex"));
    EXPECT_EQ(g.Koeficient, 0.85f);
}
