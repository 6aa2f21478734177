// Editing the costing sheet without its window: quantities, free rows, Delete, the totals
// editors, the view options and the middle set.
#include "costing/ModelListu.h"

#include "app/SouborNastaveni.h"
#include "engine/NactiSystem.h"
#include "engine/Systemy.h"
#include "parameters/NastavSorveniku.h"
#include "systems/Kalkulacky.h"
#include "systems/SystemFixture.h"

#include <gtest/gtest.h>

namespace {

// Rebuilds from the base quantities as every Prepocitej does, row 1 following the edited row;
// with `pretec` it fails after writing, as an overflow half way through would.
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
        if (!pretec) return;
        g.PopisSadyOrlex = QStringLiteral("jiná sada");
        g.AktRadek = Integer(1);
        throw ChybaPreteceni();
    }
    void PrenesPrislusenstvi(VektorMnozstvi&) override {}
};

// Four item rows at `row` pieces and list price `row`, row 3 without its article ("-") and at 0
// pieces, then two free rows.
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
            if (r > 4) polozka(r) = Polozka{};
            else polozka(r).Ks = polozka(r).KsZaklad = polozka(r).KsVypocet = r == 3 ? 0 : r;
        }
        g.nastaveni.TypUzivatele = typ;
        g.nastaveni.DPH = Currency::fromInt(21);
        m.Form_Load();
        Kalkulacky k;
        kalkulacka = new Zaznamova(g);
        k.nastav(QString::fromLatin1(system), std::unique_ptr<Kalkulacka>(kalkulacka));
        m.setKalkulacky(std::move(k));
        m.nastavKalkulaci(sestavKalkulaci(g, true));
    }
    Polozka& polozka(int r) { return g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r); }
    QString bunka(int r, int c) const { return m.Tabulka.TextMatrix(r, c); }
    QString soucet(int r) const { return m.TabSuma.TextMatrix(r, 1); }
    // A digit opens the editor on any row; the text is typed over it and Enter commits (`enter`).
    void napis(int r, int c, const char* text, bool enter = true) {
        m.Tabulka.setRow(r);
        m.Tabulka.setCol(c);
        m.Tabulka_KeyDown(Qt::Key_1);
        m.Tabulka_KeyPress(u'1');
        m.setTextTxtBox(QString::fromUtf8(text));
        if (enter) m.txtBox_KeyPress(u'\r');
    }
    void napisSoucet(int klik, const char* text) {
        m.TabSuma.setRow(klik);
        m.TabSuma_Click();
        m.TabSuma_KeyPress(u'1');
        m.setTextTxtKoef(QString::fromUtf8(text));
        m.txtKoef_KeyPress(u'\r');
    }
    // The one warning so far, and the editor open again, empty.
    void odmitnuto(const QString& text, const EditorBunky& editor) const {
        ASSERT_EQ(sluzby.dialogs.zpravy.size(), 1);
        const Zprava& z = sluzby.dialogs.zpravy[0];
        EXPECT_EQ(std::tuple(z.text, z.ikona, z.titulek), std::tuple(text, Ikona::Vykricnik, kTitulekUpozorneni));
        EXPECT_EQ(std::pair(editor.viditelny, editor.text), std::pair(true, QString()));
    }
};

}  // namespace

TEST(UpravaListu, ItemRowQuantityWithoutRecalculation) {
    const struct {
        const char* text;
        int ks;  // -1: refused
    } pripady[] = {{"2,7", 2}, {"-2,5", 3}, {"32767", 32767}, {"40000", -1}, {"abc", -1}};
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.text);
        List l;
        l.m.prepniVolbu(Prikaz::mnuVolbyPrepocitavat);
        l.napis(2, 4, c.text);
        if (c.ks < 0) {
            l.odmitnuto(kZadejteCiselnouHodnotu, l.m.txtBox());
            EXPECT_EQ(l.polozka(2).Ks, 2);
            continue;
        }
        EXPECT_EQ(std::tuple(l.polozka(2).Ks, l.polozka(2).KsZaklad, l.bunka(2, 3)),
                  std::tuple(float(c.ks), float(c.ks), QString::number(c.ks)));
        EXPECT_EQ(std::pair(l.m.txtBox().viditelny, l.m.Tabulka.Row()), std::pair(false, 3));
        EXPECT_TRUE(l.kalkulacka->volani.empty());
    }
    // On the last row the cursor stays; the first row takes a quantity as any other.
    List l("DORVA", 0, 0);
    l.m.prepniVolbu(Prikaz::mnuVolbyPrepocitavat);
    l.napis(4, 3, "5");
    EXPECT_EQ(std::pair(l.m.Tabulka.Row(), l.polozka(4).Ks), std::pair(4, 5.0f));
    l.m.Tabulka.setRow(1);
    l.m.Tabulka_KeyDown(Qt::Key_8);
    l.m.Tabulka_KeyPress(u'8');
    EXPECT_EQ(std::tuple(l.m.txtBox().viditelny, l.m.txtBox().radek, l.m.txtBox().text), std::tuple(true, 1, QStringLiteral("8")));
}

TEST(UpravaListu, RecalculationThroughTheCalculatorOrNothingOnAFailure) {
    List l;
    const MaticePolozek pred = l.g.dataSystemu.Polozky;
    // A row without its article changes nothing, but the bill is still refilled.
    l.polozka(1).Cena = Currency::fromDouble(1.23);
    l.napis(3, 3, "9");
    EXPECT_EQ(l.bunka(1, 4), QStringLiteral("1,30"));
    l.polozka(1).Cena = pred(1, 1).Cena;
    EXPECT_EQ(l.g.dataSystemu.Polozky, pred);

    l.napis(2, 3, "7");
    EXPECT_EQ(l.kalkulacka->volani, (std::vector<std::pair<int, int>>{{3, 9}, {2, 7}}));
    EXPECT_EQ(std::tuple(l.polozka(1).Ks, l.soucet(kKusy), l.m.kalkulace().kusy), std::tuple(7.0f, QStringLiteral("18"), 18));

    // An overflow half way: the state, the grids and the costing stay as they were.
    const MaticePolozek po = l.g.dataSystemu.Polozky;
    l.g.PopisSadyOrlex = QStringLiteral("Orlex");
    l.kalkulacka->pretec = true;
    EXPECT_EQ(cisloChyby([&] { l.napis(4, 3, "6"); }), 6);
    EXPECT_EQ(l.g.dataSystemu.Polozky, po);
    EXPECT_EQ(std::pair(l.g.PopisSadyOrlex, l.g.AktRadek.value()), std::pair(QStringLiteral("Orlex"), 4));
    EXPECT_EQ(std::tuple(l.bunka(1, 3), l.soucet(kKusy), l.m.kalkulace().radky[0].Ks), std::tuple(QStringLiteral("7"), QStringLiteral("18"), 7.0f));
}

TEST(UpravaListu, FreeRowCellsAndTheirDelete) {
    const struct {
        int sloupec;
        const char* text;
        std::function<void(Polozka&)> zmena;
        const char* bunka;  // nullptr: refused
    } pripady[] = {
        {0, "  Komínová lávka  ", [](Polozka& p) { p.Nazev = QStringLiteral("Komínová lávka"); }, "Komínová lávka"},
        {2, " X9\t", [](Polozka& p) { p.ObjZnakPuvodni = QStringLiteral("X9\t"); }, "X9\t"},
        // A "." number, floored, its sign kept, and kept as the base quantity too.
        {3, "12.7", [](Polozka& p) { p.Ks = p.KsZaklad = 12; }, "12"},
        {3, "-2.5 ks", [](Polozka& p) { p.Ks = p.KsZaklad = -3; }, "-3"},
        {3, "40000", nullptr, nullptr},
        {3, "-32768", [](Polozka& p) { p.Ks = p.KsZaklad = -32768; }, "-32768"},
        // The price as typed, to cents; shown times the coefficient, rounded up to tenths.
        {4, "12,345", [](Polozka& p) { p.Cena = Currency::fromDouble(12.35); }, "12,40"},
        {4, "1e20", nullptr, nullptr},
        {5, "99", [](Polozka&) {}, "0,00"},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.text);
        List l;
        l.napis(5, c.sloupec, c.text);
        Polozka ocekavana;
        if (c.zmena) c.zmena(ocekavana);
        EXPECT_EQ(l.polozka(5), ocekavana);
        if (!c.bunka) {
            l.odmitnuto(kZadejteCiselnouHodnotu, l.m.txtBox());
            continue;
        }
        EXPECT_EQ(l.bunka(5, c.sloupec), QString::fromUtf8(c.bunka));
        EXPECT_EQ(Kalkulace::texty(l.m.kalkulace().radky[4])[c.sloupec], l.bunka(5, c.sloupec));
        EXPECT_EQ(std::tuple(l.m.txtBox().viditelny, l.m.Tabulka.Row(), l.m.Tabulka.Col()), std::tuple(false, 5, c.sloupec));
    }

    // Delete clears a free-row cell, and nothing on an item row; a click on the grid closes an
    // open editor and never shows the window one.
    List l;
    l.m.Tabulka.setRow(5);
    l.m.Tabulka_KeyDown(Qt::Key_7);
    l.m.Tabulka_KeyPress(u'7');
    ASSERT_TRUE(l.m.txtBox().viditelny);
    QList<bool> ukazano;
    QObject::connect(&l.m, &ModelListu::txtBoxZmenen, [&] { ukazano << l.m.txtBox().viditelny; });
    l.m.Tabulka_Click();
    EXPECT_FALSE(l.m.txtBox().viditelny);
    EXPECT_FALSE(ukazano.contains(true));
    Polozka& p = l.polozka(6);
    p = {QStringLiteral("K"), QStringLiteral("K1"), QStringLiteral("S1"), Currency::fromInt(8), 0, 4, 4, 4};
    l.m.prepocitejCeny();
    for (auto [r, sloupec] : {std::pair(2, 3), std::pair(6, 3), std::pair(6, 1), std::pair(6, 2), std::pair(6, 4)}) {
        l.m.Tabulka.setRow(r);
        l.m.Tabulka.setCol(sloupec);
        // An editor opened on the cell closes and stays closed.
        l.m.Tabulka_KeyDown(Qt::Key_7);
        l.m.Tabulka_KeyPress(u'7');
        l.m.Tabulka_KeyDown(Qt::Key_Delete);
        EXPECT_FALSE(l.m.txtBox().viditelny) << r << " " << sloupec;
    }
    EXPECT_EQ(std::tuple(l.polozka(2).Ks, p.Ks, p.KsZaklad, p.ObjZnak, p.ObjZnakPuvodni, p.Cena),
              std::tuple(2.0f, 0.0f, 0.0f, QString(), QString(), Currency()));
    EXPECT_EQ(std::tuple(l.bunka(6, 2), l.bunka(6, 3), l.bunka(6, 4), l.soucet(kKusy)),
              std::tuple(QString(), QStringLiteral("0"), QStringLiteral("0,00"), QStringLiteral("7")));
}

TEST(UpravaListu, TotalsEditorsByUserAndSystem) {
    const struct {
        const char* system;
        quint8 typ;
        int klik;
        QChar znak;
        int radek;  // -1: no editor
    } pripady[] = {
        {"DORVA", 0, 1, u'9', kKoeficient}, {"DORVA", 0, 0, u'a', -1}, {"DORVA", 0, 4, u'9', -1},
        {"DORVA", 1, 2, u'9', -1},  // row 3 is hidden here
        {"T-REMOL", 0, 0, u'9', -1},        {"T-REMOL", 1, 5, u'9', kCenaBezDph},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(::testing::Message() << c.system << " " << int(c.typ) << " " << c.klik);
        List l(c.system, c.typ);
        l.m.TabSuma.setRow(c.klik);
        l.m.TabSuma_Click();
        l.m.TabSuma_KeyPress(c.znak);
        const EditorBunky& e = l.m.txtKoef();
        EXPECT_EQ(std::tuple(e.viditelny, e.radek), std::tuple(c.radek >= 0, std::max(c.radek, 0)));
    }

    // A price without VAT changes only itself and the price with VAT: 12.35 × 1.21 + 0.049 → 15.0.
    List l("T-REMOL", 1);
    const MaticePolozek pred = l.g.dataSystemu.Polozky;
    std::array<QString, 6> soucty = l.m.kalkulace().soucty;
    soucty[kCenaBezDph] = QStringLiteral("12,35");
    soucty[kCenaSDph] = QStringLiteral("15,00");
    l.napisSoucet(kCenaBezDph, "12,345");
    for (int r = 0; r < 6; ++r) EXPECT_EQ(l.soucet(r), soucty[static_cast<size_t>(r)]) << r;
    const Kalkulace k = l.m.kalkulace();
    EXPECT_EQ(std::tuple(k.soucty, k.cenaBezDph, k.cenaSDph), std::tuple(soucty, Currency::fromDouble(12.35), Currency::fromInt(15)));
    EXPECT_EQ(std::pair(l.g.dataSystemu.Polozky, l.g.Koeficient), std::pair(pred, 1.0f));
    // 10 × 1.21 + 0.049 → 12.1: the price with VAT keeps its tenths.
    l.napisSoucet(kCenaBezDph, "10");
    EXPECT_EQ(l.soucet(kCenaSDph), QStringLiteral("12,10"));

    l.napisSoucet(kKoeficient, "9x");
    l.odmitnuto(kSpatnaHodnotaSouctu, l.m.txtKoef());
    EXPECT_EQ(l.g.Koeficient, 1.0f);

    // A count still open in the bill is committed before the totals' editor opens; a refused one
    // keeps its editor, and no second editor opens.
    for (const auto& [ks, kusy] : {std::pair("7", 7.0f), std::pair("abc", 2.0f)}) {
        List d;
        d.m.prepniVolbu(Prikaz::mnuVolbyPrepocitavat);
        d.napis(2, 3, ks, false);
        d.m.TabSuma.setRow(kKoeficient), d.m.TabSuma_Click(), d.m.TabSuma_KeyPress(u'9');
        EXPECT_EQ(std::tuple(d.polozka(2).Ks, d.m.txtBox().viditelny, d.m.txtKoef().viditelny), std::tuple(kusy, kusy != 7.0f, kusy == 7.0f)) << ks;
    }
}

TEST(UpravaListu, ViewOptionsTurnOverIntoTheSettingsAndTheGrid) {
    List l;
    for (bool ceny : {false, true}) {
        l.m.prepniVolbu(Prikaz::mnuVolbyZobrazitCeny);
        EXPECT_EQ(std::tuple(l.m.stav(Prikaz::mnuVolbyZobrazitCeny).zaskrtnuty, l.g.nastaveni.ZobrazitCeny, l.m.Tabulka.ColWidth(5)),
                  std::tuple(ceny, ceny, ceny ? 1762 : 0));
    }
    // Rows at 0 pieces go, free rows included; ticked again, every row is back.
    for (int vyska0 : {0, 270}) {
        l.m.prepniVolbu(Prikaz::mnuVolbyZobrazitNuloveKusy);
        for (int r = 1; r <= 6; ++r) EXPECT_EQ(l.m.Tabulka.RowHeight(r), r == 3 || r >= 5 ? vyska0 : 270) << r;
    }
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
    } pripady[] = {{"MIV", "20", true, 7}, {"MIV", "20", false, 6}, {"KARNELO", "20", false, 0}};
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.system);
        GlobalniData g;
        ASSERT_FALSE(NactiIni(data + QStringLiteral("/Sorvenika.ini"), g).chyba);
        ModelListu m(g);
        m.Form_Load();
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.System = QString::fromLatin1(c.system);
        p.SystemKod = ZjistiKodSystemu(p.System);
        ASSERT_TRUE(NactiSystem(g, ArtiklyCeniku(cenik)));
        ASSERT_TRUE(zvolPrurez(g, QString::fromLatin1(c.prurez)));
        SorvenikaParametry n = p;
        n.Sachta = c.sachta;
        n.Vyska = 9.5f;
        n.Ukonceni = 4;
        NastavSorveniku(g, vytvorKalkulacky(g), m, n);
        m.setKalkulacky(vytvorKalkulacky(g));

        const int volny = p.PocetRadku + 1, sloupec = p.IdPrurez;
        const MaticePolozek& pol = g.dataSystemu.Polozky;
        int polozka = 1;
        while (pol(sloupec, polozka).Ks == 0 || pol(sloupec, polozka).ObjZnak == QLatin1String("-")) ++polozka;
        for (auto [r, text] : {std::pair(volny, u'5'), std::pair(polozka, u'3')}) {
            m.Tabulka.setRow(r);
            m.Tabulka.setCol(3);
            m.Tabulka_KeyDown(Qt::Key_1);
            m.Tabulka_KeyPress(text);
            m.txtBox_KeyPress(u'\r');
        }
        EXPECT_EQ(pol(sloupec, volny).Ks, 5);
        if (!c.kurzorPoSade) continue;
        for (int pocet : {1, 0}) {
            m.mnuSadaStred_Click();
            EXPECT_EQ(std::pair(m.stav(Prikaz::mnuSadaStred).zaskrtnuty, p.SadyStred(c.kurzorPoSade - 5).Pocet.value()), std::pair(pocet == 1, pocet));
            EXPECT_EQ(std::pair(m.Tabulka.Row(), m.txtBox().viditelny), std::pair(c.kurzorPoSade, false));
            EXPECT_EQ(m.kalkulace().radky[static_cast<size_t>(volny - 1)].Ks, 5);
        }
    }
}

// A coefficient must leave a quote that can be sent; a price without VAT must be a number. A
// refused value changes nothing and keeps the editor open; Escape or leaving it shows the value
// in force again. The price with VAT comes from the typed price (1000 × 1,21 = 1 210,00, where a
// division by 99 would give 1 222,22).
TEST(UpravaListu, TotalsEditorRefusesWhatNoQuoteCanShow) {
    const struct {
        int radek;
        const char* text;
        const char* koeficient;  // nullptr: refused
        const char* bezDph;
        const char* sDph;
    } pripady[] = {
        {kKoeficient, "0", nullptr, nullptr, nullptr},
        {kKoeficient, "-1", nullptr, nullptr, nullptr},
        {kKoeficient, "0,5", "0,5", nullptr, nullptr},
        {kCenaBezDph, "abc", nullptr, nullptr, nullptr},
        {kCenaBezDph, "", nullptr, nullptr, nullptr},
        {kCenaBezDph, "1000", "100", "1\u00a0000,00", "1\u00a0210,00"},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.text);
        List l("T-REMOL", 1);
        const std::array<QString, 6> pred = l.m.kalkulace().soucty;
        l.napisSoucet(c.radek, c.text);
        if (!c.koeficient) {
            l.odmitnuto(kSpatnaHodnotaSouctu, l.m.txtKoef());
            EXPECT_EQ(std::pair(l.m.kalkulace().soucty, l.g.Koeficient), std::pair(pred, 1.0f));
            continue;
        }
        EXPECT_EQ(l.soucet(kKoeficient), QString::fromUtf8(c.koeficient));
        if (c.bezDph) {
            EXPECT_EQ(std::pair(l.soucet(kCenaBezDph), l.soucet(kCenaSDph)), std::pair(QString::fromUtf8(c.bezDph), QString::fromUtf8(c.sDph)));
        }
    }

    List l;
    l.napisSoucet(kKoeficient, "95");
    l.m.TabSuma_KeyPress(u'5');
    ASSERT_TRUE(l.m.txtKoef().viditelny);
    l.m.txtKoef_LostFocus();
    EXPECT_EQ(std::tuple(l.m.txtKoef().viditelny, l.m.txtKoef().text, l.soucet(kKoeficient), l.g.Koeficient),
              std::tuple(false, QString(), QStringLiteral("95"), 0.95f));
}
