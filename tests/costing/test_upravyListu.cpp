// Editing the costing sheet without its window: quantities, free rows, Delete, the totals
// editors, the view options, the middle set and a new costing.
#include "costing/ModelListu.h"

#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "engine/Systemy.h"
#include "parameters/NastavSorveniku.h"
#include "systems/Kalkulacky.h"
#include "systems/SystemFixture.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// Rebuilds from the base quantities as every Prepocitej does; row 1 follows the edited row.
// With `pretec` it fails after writing, as an overflow half way through would.
struct Zaznamova : Kalkulacka {
    using Kalkulacka::Kalkulacka;
    std::vector<std::pair<int, int>> volani;
    bool pretec = false;
    void Spocitej() override {}
    void Prepocitej(int r, Integer ks) override {
        volani.emplace_back(r, ks);
        auto q = zacniPrepocet(r, ks);
        if (!q) return;
        (*q)(1) = ks;
        ZapisMnozstvi2(*q);
        if (pretec) throw ChybaPreteceni();
    }
    void PrenesPrislusenstvi(VektorMnozstvi&) override {}
};

// Four item rows, list price = row number, row 3 without its article ("-") and at 0 pieces,
// then free rows.
struct List {
    PevneNastaveni cs;
    FakeServices sluzby;
    GlobalniData g;
    ModelListu m{g};
    Zaznamova* kalkulacka = nullptr;

    explicit List(const char* system = "DORVA", quint8 typ = 0, int volnych = 2) {
        g = syntetickySystem(QString::fromLatin1(system), {QStringLiteral("20")}, 4 + volnych, {{3, "20"}});
        g.sorvenikaParametry.IdPrurez = Integer(1);
        g.sorvenikaParametry.PocetRadku = Integer(4);
        g.PocetVolnychRadku = static_cast<quint8>(volnych);
        for (int r = 1; r <= 4 + volnych; ++r) {
            Polozka& p = polozka(r);
            if (r > 4) p = Polozka{};
            else p.Ks = p.KsZaklad = p.KsVypocet = r == 3 ? 0 : r;
        }
        g.nastaveni.TypUzivatele = typ;
        g.nastaveni.DPH = Currency::fromInt(21);
        m.Form_Load();
        Kalkulacky k;
        auto z = std::make_unique<Zaznamova>(g);
        kalkulacka = z.get();
        k.nastav(QString::fromLatin1(system), std::move(z));
        m.setKalkulacky(std::move(k));
        m.nastavKalkulaci(sestavKalkulaci(g, true));
    }
    Polozka& polozka(int r) { return g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r); }
    QString bunka(int r, int c) const { return m.Tabulka.TextMatrix(r, c); }
    // A digit opens the editor on any row; the text is typed over it and Enter commits.
    void napis(int r, int c, const QString& text) {
        m.Tabulka.setRow(r);
        m.Tabulka.setCol(c);
        m.Tabulka_KeyDown(Qt::Key_1);
        m.Tabulka_KeyPress(u'1');
        m.setTextTxtBox(text);
        m.txtBox_KeyPress(u'\r');
    }
    void napisSoucet(int radek, const QString& text) {
        m.TabSuma.setRow(radek);
        m.TabSuma_Click();
        m.TabSuma_KeyPress(u'1');
        m.setTextTxtKoef(text);
        m.txtKoef_KeyPress(u'\r');
    }
    void kontrolaChyby(const QString& text) const {
        ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
        const Zprava& z = sluzby.dialogs.zpravy[0];
        EXPECT_EQ(std::tuple(z.text, z.ikona, z.titulek), std::tuple(text, Ikona::Vykricnik, kTitulekUpozorneni));
    }
};

}  // namespace

TEST(UpravaListu, ItemRowQuantityWithoutRecalculation) {
    const struct {
        const char* text;
        int ks;  // -1: refused
    } pripady[] = {{"12", 12}, {"-3", 3}, {"2,7", 2}, {"-2,5", 3}, {"7,9", 7}, {"32767", 32767},
                   {"40000", -1}, {"abc", -1}, {"", -1}};
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.text);
        List l;
        l.m.prepniVolbu(Prikaz::mnuVolbyPrepocitavat);
        l.napis(2, 4, QString::fromUtf8(c.text));
        if (c.ks < 0) {
            l.kontrolaChyby(kZadejteCiselnouHodnotu);
            EXPECT_TRUE(l.m.txtBox().viditelny);
            EXPECT_EQ(l.m.txtBox().text, QString());
            EXPECT_EQ(l.polozka(2).Ks, 2);
            continue;
        }
        EXPECT_TRUE(l.sluzby.dialogs.zpravy.isEmpty());
        EXPECT_EQ(std::pair(l.polozka(2).Ks, l.polozka(2).KsZaklad), std::pair(float(c.ks), float(c.ks)));
        EXPECT_EQ(l.bunka(2, 3), QString::number(c.ks));
        EXPECT_FALSE(l.m.txtBox().viditelny);
        EXPECT_EQ(l.m.Tabulka.Row(), 3);
        EXPECT_TRUE(l.kalkulacka->volani.empty());
    }
    // On the last row the cursor stays.
    List l("DORVA", 0, 0);
    l.m.prepniVolbu(Prikaz::mnuVolbyPrepocitavat);
    l.napis(4, 3, QStringLiteral("5"));
    EXPECT_EQ(std::pair(l.m.Tabulka.Row(), l.polozka(4).Ks), std::pair(4, 5.0f));
}

TEST(UpravaListu, KeysOpenAndCancelTheEditor) {
    List l;
    l.m.Tabulka.setRow(2);
    l.m.Tabulka.setCol(4);
    l.m.Tabulka_Click();
    QSignalSpy fokus(&l.m, &ModelListu::zamerTxtBox);
    l.m.Tabulka_KeyPress(u'a');
    EXPECT_FALSE(l.m.txtBox().viditelny);
    l.m.Tabulka_KeyPress(u'5');
    const EditorBunky& e = l.m.txtBox();
    EXPECT_EQ(std::tuple(e.viditelny, e.text, e.radek, e.sloupec, e.maxDelka), std::tuple(true, QStringLiteral("5"), 2, 3, 6));
    EXPECT_EQ(std::pair(l.m.Tabulka.Col(), int(fokus.count())), std::pair(0, 1));

    // Escape stores nothing and leaves no mode, so typing on opens nothing.
    l.m.setTextTxtBox(QStringLiteral("57"));
    l.m.txtBox_KeyDown(Qt::Key_Escape);
    EXPECT_FALSE(l.m.txtBox().viditelny);
    EXPECT_EQ(l.m.RezimEditace(), 0);
    l.m.Tabulka_KeyPress(u'7');
    EXPECT_FALSE(l.m.txtBox().viditelny);
    EXPECT_EQ(l.polozka(2).Ks, 2);

    // On a free row any printable character opens it over the current cell.
    l.m.Tabulka.setRow(5);
    l.m.Tabulka.setCol(1);
    l.m.Tabulka_Click();
    l.m.Tabulka_KeyPress(u'\r');
    EXPECT_FALSE(l.m.txtBox().viditelny);
    l.m.Tabulka_KeyPress(u'K');
    EXPECT_EQ(std::tuple(l.m.txtBox().viditelny, l.m.txtBox().radek, l.m.txtBox().sloupec), std::tuple(true, 5, 1));
}

TEST(UpravaListu, RecalculationGoesThroughTheSystemsCalculator) {
    {
        List l;
        l.napis(2, 3, QStringLiteral("7"));
        EXPECT_EQ(l.kalkulacka->volani, (std::vector<std::pair<int, int>>{{2, 7}}));
        EXPECT_EQ(std::pair(l.polozka(1).Ks, l.polozka(2).Ks), std::pair(7.0f, 7.0f));
        EXPECT_EQ(l.m.TabSuma.TextMatrix(kKusy, 1), QStringLiteral("18"));
        EXPECT_EQ(l.m.kalkulace().kusy, 18);
    }
    // A row without its article changes nothing, but the grids are still refilled.
    List l;
    const MaticePolozek pred = l.g.dataSystemu.Polozky;
    ASSERT_EQ(l.bunka(1, 4), QStringLiteral("1,00"));
    l.polozka(1).Cena = Currency::fromDouble(1.23);
    l.napis(3, 3, QStringLiteral("9"));
    EXPECT_EQ(l.kalkulacka->volani, (std::vector<std::pair<int, int>>{{3, 9}}));
    l.polozka(1).Cena = pred(1, 1).Cena;
    EXPECT_EQ(l.g.dataSystemu.Polozky, pred);
    EXPECT_FALSE(l.m.kalkulace().cenikove);
    EXPECT_EQ(l.bunka(1, 4), QStringLiteral("1,30"));
}

TEST(UpravaListu, FreeRowCellsAndTheirDelete) {
    const struct {
        int sloupec;
        const char* text;
        std::function<void(Polozka&)> zmena;
        const char* bunka;  // nullptr: refused with the message
    } pripady[] = {
        {0, "  Komínová lávka  ", [](Polozka& p) { p.Nazev = QStringLiteral("Komínová lávka"); }, "Komínová lávka"},
        {1, " LAV-1\t", [](Polozka& p) { p.ObjZnak = QStringLiteral("LAV-1\t"); }, "LAV-1\t"},
        {2, "X9", [](Polozka& p) { p.ObjZnakPuvodni = QStringLiteral("X9"); }, "X9"},
        // A "." number, floored, its sign kept, and kept as the base quantity too.
        {3, "12.7", [](Polozka& p) { p.Ks = p.KsZaklad = 12; }, "12"},
        {3, "-2.5 ks", [](Polozka& p) { p.Ks = p.KsZaklad = -3; }, "-3"},
        {3, "12,5", [](Polozka& p) { p.Ks = p.KsZaklad = 12; }, "12"},
        {3, "abc", [](Polozka&) {}, "0"},
        {3, "40000", nullptr, nullptr},
        // The price as typed, to cents; shown times the coefficient, rounded up to tenths.
        {4, "12,345", [](Polozka& p) { p.Cena = Currency::fromDouble(12.35); }, "12,40"},
        {4, "1e20", nullptr, nullptr},
        {4, "x", nullptr, nullptr},
        {5, "99", [](Polozka&) {}, "0,00"},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.text);
        List l;
        l.napis(5, c.sloupec, QString::fromUtf8(c.text));
        Polozka ocekavana;
        if (c.zmena) c.zmena(ocekavana);
        EXPECT_EQ(l.polozka(5), ocekavana);
        if (!c.bunka) {
            l.kontrolaChyby(kZadejteCiselnouHodnotu);
            EXPECT_TRUE(l.m.txtBox().viditelny);
            continue;
        }
        EXPECT_EQ(l.bunka(5, c.sloupec), QString::fromUtf8(c.bunka));
        EXPECT_EQ(std::tuple(l.m.txtBox().viditelny, l.m.Tabulka.Row(), l.m.Tabulka.Col()), std::tuple(false, 5, c.sloupec));
    }

    // Delete clears a free-row cell and nothing on an item row.
    const char* smazane[] = {"", "", "", "0", "0,00", "32,00"};
    for (int sloupec = 0; sloupec < 6; ++sloupec) {
        SCOPED_TRACE(sloupec);
        List l;
        Polozka& p = l.polozka(6);
        p = {QStringLiteral("K"), QStringLiteral("S"), QStringLiteral("N"), Currency::fromInt(8), 0, 4, 4, 4};
        l.m.prepocitejCeny();
        for (int r : {2, 6}) {
            l.m.Tabulka.setRow(r);
            l.m.Tabulka.setCol(sloupec);
            l.m.Tabulka_KeyDown(Qt::Key_Delete);
        }
        EXPECT_EQ(l.polozka(2).Ks, 2);
        EXPECT_EQ(l.bunka(6, sloupec), QString::fromUtf8(smazane[sloupec]));
        EXPECT_EQ(p.Nazev.isEmpty(), sloupec == 0);
        EXPECT_EQ(p.Ks == 0 && p.KsZaklad == 0, sloupec == 3);
        EXPECT_EQ(p.Cena == Currency(), sloupec == 4);
        EXPECT_EQ(l.m.TabSuma.TextMatrix(kKusy, 1), sloupec == 3 ? QStringLiteral("7") : QStringLiteral("11"));
        EXPECT_EQ(std::pair(l.m.Tabulka.Row(), l.m.Tabulka.Col()), std::pair(6, sloupec));
    }
}

TEST(UpravaListu, OverflowHalfWayLeavesTheSheetAsItWas) {
    List l;
    const MaticePolozek pred = l.g.dataSystemu.Polozky;
    const QString soucet = l.m.TabSuma.TextMatrix(kKusy, 1);
    l.kalkulacka->pretec = true;
    EXPECT_EQ(cisloChyby([&] { l.napis(2, 3, QStringLiteral("7")); }), 6);
    EXPECT_EQ(l.g.dataSystemu.Polozky, pred);
    EXPECT_EQ(std::pair(l.bunka(1, 3), l.m.TabSuma.TextMatrix(kKusy, 1)), std::pair(QStringLiteral("1"), soucet));
    EXPECT_EQ(l.m.kalkulace().radky[0].Ks, 1);
    EXPECT_TRUE(l.m.kalkulace().cenikove);
}

TEST(UpravaListu, CoefficientRefillsTheSheetAndTheCosting) {
    List l;
    l.napisSoucet(kKoeficient, QStringLiteral("90,5"));
    EXPECT_EQ(l.g.Koeficient, 0.905f);
    EXPECT_EQ(l.m.TabSuma.TextMatrix(kKoeficient, 1), QStringLiteral("90,5"));
    EXPECT_EQ(l.m.kalkulace().soucty[kKoeficient], QStringLiteral("90,5"));
    // 4 × 0.905 + 0.049 → 3.7
    EXPECT_EQ(l.bunka(4, 4), QStringLiteral("3,70"));
    EXPECT_EQ(l.m.kalkulace().cenikovaCena, Currency::fromDouble(1 * 1 + 1.9 * 2 + 3.7 * 4));
    EXPECT_FALSE(l.m.txtKoef().viditelny);

    l.napisSoucet(kKoeficient, QStringLiteral("9x"));
    l.kontrolaChyby(kSpatnaHodnotaSouctu);
    EXPECT_EQ(std::pair(l.m.txtKoef().viditelny, l.m.txtKoef().text), std::pair(true, QString()));
    EXPECT_EQ(l.g.Koeficient, 0.905f);
}

TEST(UpravaListu, WhoMayEditWhichTotalsRow) {
    const struct {
        const char* system;
        quint8 typ;
        int klik;
        QChar znak;
        int radek;  // -1: no editor
    } pripady[] = {
        {"DORVA", 0, 0, u'9', kKoeficient}, {"DORVA", 0, 1, u'9', kKoeficient}, {"DORVA", 0, 0, u'a', -1},
        {"DORVA", 0, 4, u'9', -1},          {"DORVA", 1, 2, u'9', -1},  // row 3 is hidden here
        {"T-REMOL", 0, 0, u'9', -1},        {"T-REMOL", 0, 3, u'9', -1}, {"T-REMOL", 1, 5, u'9', kCenaBezDph},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(::testing::Message() << c.system << " " << int(c.typ) << " " << c.klik);
        List l(c.system, c.typ);
        l.m.TabSuma.setRow(c.klik);
        l.m.TabSuma_Click();
        l.m.TabSuma_KeyPress(c.znak);
        const EditorBunky& e = l.m.txtKoef();
        EXPECT_EQ(e.viditelny, c.radek >= 0);
        if (c.radek >= 0) {
            EXPECT_EQ(std::tuple(e.radek, e.sloupec, e.text), std::tuple(c.radek, 1, QString(c.znak)));
        }
    }
}

TEST(UpravaListu, PrivilegedPriceWithoutVatChangesOnlyItsTwoTotals) {
    List l("T-REMOL", 1);
    const MaticePolozek pred = l.g.dataSystemu.Polozky;
    std::array<QString, 6> soucty;
    for (int r = 0; r < 6; ++r) soucty[static_cast<size_t>(r)] = l.m.TabSuma.TextMatrix(r, 1);
    l.napisSoucet(kCenaBezDph, QStringLiteral("12,345"));
    // 12.35 × 1.21 + 0.049 = 14.99 → 15.0
    soucty[kCenaBezDph] = QStringLiteral("12,35");
    soucty[kCenaSDph] = QStringLiteral("15,00");
    for (int r = 0; r < 6; ++r) EXPECT_EQ(l.m.TabSuma.TextMatrix(r, 1), soucty[static_cast<size_t>(r)]) << r;
    const Kalkulace k = l.m.kalkulace();
    EXPECT_EQ(k.soucty, soucty);
    EXPECT_EQ(std::pair(k.cenaBezDph, k.cenaSDph), std::pair(Currency::fromDouble(12.35), Currency::fromInt(15)));
    EXPECT_EQ(l.g.dataSystemu.Polozky, pred);
    EXPECT_EQ(l.g.Koeficient, 1.0f);
}

TEST(UpravaListu, ViewOptionsTurnOverIntoTheSettingsAndTheGrid) {
    List l;
    const struct {
        Prikaz prikaz;
        bool Nastaveni::*volba;
    } volby[] = {{Prikaz::mnuVolbyZobrazitCeny, &Nastaveni::ZobrazitCeny},
                 {Prikaz::mnuVolbyZobrazitCenuObchodnika, &Nastaveni::ZobrazitCenuObchodnika},
                 {Prikaz::mnuVolbyPrepocitavat, &Nastaveni::Prepocitavat},
                 {Prikaz::mnuVolbyTisknoutCeny, &Nastaveni::TisknoutCeny}};
    for (const auto& v : volby) {
        const bool pred = l.m.stav(v.prikaz).zaskrtnuty;
        for (bool ocekavana : {!pred, pred}) {
            l.m.prepniVolbu(v.prikaz);
            EXPECT_EQ(l.m.stav(v.prikaz).zaskrtnuty, ocekavana);
            EXPECT_EQ(l.g.nastaveni.*v.volba, ocekavana);
            if (v.prikaz == Prikaz::mnuVolbyZobrazitCeny) {
                EXPECT_EQ(std::pair(l.m.Tabulka.ColWidth(4), l.m.Tabulka.ColWidth(5)),
                          ocekavana ? std::pair(1762, 1762) : std::pair(0, 0));
            }
        }
    }

    // Rows at 0 pieces go, free rows included; ticked again, every row is back.
    l.m.prepniVolbu(Prikaz::mnuVolbyZobrazitNuloveKusy);
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(l.m.Tabulka.RowHeight(r), r == 3 || r >= 5 ? 0 : 270) << r;
    l.m.prepniVolbu(Prikaz::mnuVolbyZobrazitNuloveKusy);
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(l.m.Tabulka.RowHeight(r), 270) << r;
}

TEST(UpravaListu, NewCostingEmptiesCustomerAndNoteBeforeTheWizard) {
    List l;
    struct Pruvodce : IModalniOkno {
        std::function<void()> pri;
        void ZobrazModalne() override { pri(); }
    } pruvodce;
    bool zobrazen = false;
    pruvodce.pri = [&] {
        zobrazen = true;
        EXPECT_EQ(l.m.zakaznik(1), QString());
        EXPECT_EQ(l.m.kalkulace().parametry.Poznamka, QString());
        l.g.Koeficient = 0.8f;
    };
    l.m.setZakaznik(1, QStringLiteral("Novák"));
    l.m.setPoznamka(QStringLiteral("pozn."));
    l.m.mnu_Nova_sorvenika_Click(pruvodce);
    EXPECT_TRUE(zobrazen);
    EXPECT_EQ(l.g.sorvenikaParametry.Poznamka, QString());
    EXPECT_EQ(l.g.Koeficient, 1.0f);
}

// A free row's typed quantity is its base quantity too, so a recalculating edit of an item row
// and the middle set keep it.
TEST(UpravaSkutecnychSystemu, FreeRowQuantitySurvivesRecalculation) {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data");
    PevneNastaveni cs;
    FakeServices sluzby;
    Prostredi prostredi("SORVENIKA_DATA", data.toUtf8());
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("/Art"));
    const struct {
        const char* system;
        const char* prurez;
        bool sachta;
        int kurzorPoSade;  // 0: no middle set
    } pripady[] = {{"MIV", "16", false, 6}, {"MIV", "20", true, 7}, {"KARNELO", "20", false, 0}};
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.system);
        GlobalniData g;
        ASSERT_FALSE(NactiIni(data + QStringLiteral("/Sorvenika.ini"), g).chyba);
        g.nastaveni.TypUzivatele = 1;
        ModelListu m(g);
        m.Form_Load();
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.System = QString::fromLatin1(c.system);
        p.SystemKod = ZjistiKodSystemu(p.System);
        ASSERT_TRUE(NactiSystem(g, ArtiklyCeniku(cenik)));
        SorvenikaParametry n = p;
        ASSERT_TRUE(zvolPrurez(g, QString::fromLatin1(c.prurez)));
        n.IdPrurez = p.IdPrurez;
        n.Prurez = p.Prurez;
        n.Sachta = c.sachta;
        n.Vyska = 9.5f;
        n.Ukonceni = 4;
        NastavSorveniku(g, vytvorKalkulacky(g), m, n);
        m.setKalkulacky(vytvorKalkulacky(g));

        const int volny = p.PocetRadku + 1, sloupec = p.IdPrurez;
        const MaticePolozek& pol = g.dataSystemu.Polozky;
        int polozka = 1;
        while (pol(sloupec, polozka).Ks == 0 || pol(sloupec, polozka).ObjZnak == QLatin1String("-")) ++polozka;
        for (auto [r, text] : {std::pair(volny, "5"), std::pair(polozka, "3")}) {
            m.Tabulka.setRow(r);
            m.Tabulka.setCol(3);
            m.Tabulka_KeyDown(Qt::Key_1);
            m.Tabulka_KeyPress(u'1');
            m.setTextTxtBox(QString::fromLatin1(text));
            m.txtBox_KeyPress(u'\r');
        }
        EXPECT_EQ(pol(sloupec, volny).Ks, 5);
        if (!c.kurzorPoSade) continue;
        m.mnuSadaStred_Click();
        EXPECT_TRUE(m.stav(Prikaz::mnuSadaStred).zaskrtnuty);
        EXPECT_EQ(p.SadyStred(c.kurzorPoSade - 5).Pocet, 1);
        EXPECT_EQ(m.Tabulka.Row(), c.kurzorPoSade);
        EXPECT_EQ(pol(sloupec, volny).Ks, 5);
        EXPECT_EQ(m.kalkulace().radky[static_cast<size_t>(volny - 1)].Ks, 5);
    }
}
