// The costing sheet's rules without its window.
#include "costing/ModelListu.h"

#include "engine/EngineFixture.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>

namespace {

struct List {
    PevneNastaveni cs;
    GlobalniData g;
    ModelListu m{g};
    explicit List(quint8 typ = 0, const QString& verze = QStringLiteral("0000000"),
                  const QString& system = QStringLiteral("MIV")) {
        g.nastaveni.TypUzivatele = typ;
        g.nastaveni.Verze = verze;
        g.nastaveni.DPH = Currency::fromInt(21);
        g.nastaveni.PlatnostCen = QStringLiteral("1.1.2026");
        g.sorvenikaParametry.System = system;
        m.Form_Load();
    }
    // An items grid with the header, `polozek` item rows and `volnych` free rows.
    void radky(int polozek, int volnych) {
        g.PocetVolnychRadku = static_cast<quint8>(volnych);
        m.Tabulka.setRows(1 + polozek + volnych);
    }
};

}  // namespace

TEST(CostingSheetModel, CommandStatesByUserTypeAndFeatureFlags) {
    const struct {
        quint8 typ;
        const char* verze;
        bool privilegovany;  // Excel, its separator, offers and crib visible; customer hidden; outputs off
        bool sadaStred;
    } pripady[] = {
        {0, "1110111", false, false},
        {0, "0001000", false, true},
        {1, "0000000", true, true},
        // Only type 1 gets the privileged set-up; any other non-zero type passes the feature test.
        {2, "0000000", false, true},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(::testing::Message() << int(c.typ) << " " << c.verze);
        List l(c.typ, QString::fromLatin1(c.verze));
        const ModelListu& m = l.m;
        for (Prikaz p : {Prikaz::mnu_Export_do_Excelu, Prikaz::mnucarka2, Prikaz::mnuNabidky, Prikaz::mnuTahak})
            EXPECT_EQ(m.stav(p).viditelny, c.privilegovany) << static_cast<int>(p);
        EXPECT_EQ(m.zakaznikViditelny(), !c.privilegovany);
        for (Prikaz p : {Prikaz::mnu_Email, Prikaz::mnu_Tisk, Prikaz::mnu_Ulozit_jako_HTML})
            EXPECT_EQ(m.stav(p).povoleny, !c.privilegovany) << static_cast<int>(p);
        EXPECT_EQ(m.stav(Prikaz::mnuSadaStred).povoleny, c.sadaStred);
        EXPECT_TRUE(m.stav(Prikaz::mnuSadaStred).viditelny);

        // What no user type changes.
        EXPECT_TRUE(m.ramViditelny() && m.stav(Prikaz::mnuPridat).povoleny);
        EXPECT_FALSE(m.stav(Prikaz::mnuUpravy).viditelny);
        EXPECT_FALSE(m.stav(Prikaz::mnucarka1).viditelny);
        EXPECT_FALSE(m.stav(Prikaz::mnuVolbyZobrazitCenuObchodnika).viditelny);
    }
}

TEST(CostingSheetModel, ViewOptionTicksComeFromTheSettings) {
    // Two complementary patterns set each tick both ways.
    for (int bity : {0b0101, 0b1010}) {
        SCOPED_TRACE(bity);
        GlobalniData g;
        g.nastaveni.Prepocitavat = bity & 1;
        g.nastaveni.TisknoutCeny = bity & 2;
        g.nastaveni.ZobrazitCenuObchodnika = bity & 4;
        g.nastaveni.ZobrazitCeny = bity & 8;
        ModelListu m(g);
        m.Form_Load();
        EXPECT_EQ(m.stav(Prikaz::mnuVolbyPrepocitavat).zaskrtnuty, bool(bity & 1));
        EXPECT_EQ(m.stav(Prikaz::mnuVolbyTisknoutCeny).zaskrtnuty, bool(bity & 2));
        EXPECT_EQ(m.stav(Prikaz::mnuVolbyZobrazitCenuObchodnika).zaskrtnuty, bool(bity & 4));
        EXPECT_EQ(m.stav(Prikaz::mnuVolbyZobrazitCeny).zaskrtnuty, bool(bity & 8));
        EXPECT_TRUE(m.stav(Prikaz::mnuVolbyZobrazitNuloveKusy).zaskrtnuty);
        EXPECT_FALSE(m.stav(Prikaz::mnuSadaStred).zaskrtnuty);
    }
}

TEST(CostingSheetModel, TotalsRowThreeOnlyForTheTRemolSystems) {
    const struct {
        const char* system;
        bool radek3;
    } pripady[] = {{"T-REMOL", true}, {"T-REMOL2R", true}, {"KARNELO", false}, {"t-remol", false}};
    for (const auto& c : pripady) {
        SCOPED_TRACE(c.system);
        List l(0, QStringLiteral("0000000"), QString::fromLatin1(c.system));
        const FlexGrid& s = l.m.TabSuma;
        ASSERT_EQ(s.Rows(), 6);
        EXPECT_EQ(s.FixedRows(), 0);
        for (int r = 0; r < 6; ++r) EXPECT_EQ(s.RowHeight(r), r == 3 && !c.radek3 ? 0 : 270) << r;
        EXPECT_EQ(l.m.vyskaTabSumy(), c.radek3 ? 6 * 270 + 60 : 5 * 270 + 60);
        EXPECT_EQ(l.m.sirkaTabSumy(), 2100 + 1400 + 350 + 60);
    }
}

TEST(CostingSheetModel, TotalsLabelsUnitsAndVatText) {
    List l;
    const FlexGrid& s = l.m.TabSuma;
    const char* ocekavane[6][3] = {
        {"Z původní ceny", "100", "%"},         {"Celkem", "", "ks"},
        {"Ceníková cena bez DPH ", "", "Kč"},   {"Cena bez DPH ", "", "Kč"},
        {"Cena s 21% DPH", "", "Kč"},           {"Předpokládaná váha", "", "Kg"},
    };
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(s.TextMatrix(r, c), QString::fromUtf8(ocekavane[r][c])) << r << "," << c;
    EXPECT_TRUE(s.FontBold());
    EXPECT_EQ(s.FontSize(), 9);

    // A VAT rate with decimals is written with the regional separator.
    for (const auto& [locale, text] : {std::pair{"cs_CZ", "Cena s 20,5% DPH"}, std::pair{"en_US", "Cena s 20.5% DPH"}}) {
        PevneNastaveni n{QString::fromLatin1(locale)};
        GlobalniData g;
        g.nastaveni.DPH = Currency::fromDouble(20.5);
        ModelListu m(g);
        m.Form_Load();
        EXPECT_EQ(m.TabSuma.TextMatrix(4, 0), QString::fromUtf8(text));
    }
}

TEST(CostingSheetModel, ItemColumnWidthsRoundHalfToEven) {
    using S = std::array<int, 6>;
    EXPECT_EQ(ModelListu::sirkySloupcu(11745), (S{4134, 1292, 1762, 705, 1762, 1762}));
    // 52.8, 16.5, 22.5, 9, 22.5, 22.5
    EXPECT_EQ(ModelListu::sirkySloupcu(150), (S{53, 16, 22, 9, 22, 22}));

    List l;
    for (int c = 0; c < 6; ++c) EXPECT_EQ(l.m.Tabulka.ColWidth(c), (S{4134, 1292, 1762, 705, 1762, 1762})[c]);
}

TEST(CostingSheetModel, ModeFollowsTheFreeRows) {
    const struct {
        int volnych;
        int radek;
        int rezim;
    } pripady[] = {
        {10, 8, 3},   // the first free row: Rows - PocetVolnychRadku
        {10, 7, 1},   // the last item row
        {10, 17, 3},  // the last row
        {0, 17, 1},   // no free rows: every row is an item row
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(::testing::Message() << c.volnych << " " << c.radek);
        List l;
        l.radky(17 - c.volnych, c.volnych);
        FlexGrid& t = l.m.Tabulka;
        t.setRow(c.radek);
        t.setCol(2);
        QSignalSpy fokus(&l.m, &ModelListu::zamerTabulku);
        l.m.Zjisti_mod();
        EXPECT_EQ(l.m.RezimEditace(), c.rezim);
        EXPECT_EQ(std::pair(t.Row(), t.RowSel()), std::pair(c.radek, c.radek));
        if (c.rezim == 1) {
            // The whole row is selected, the cursor in column 0, the grid focused.
            EXPECT_EQ(l.m.zvyrazneniTabulky(), Zvyrazneni::Vzdy);
            EXPECT_EQ(std::tuple(t.Col(), t.ColSel(), fokus.count()), std::tuple(0, 5, 1));
        } else {
            EXPECT_EQ(l.m.zvyrazneniTabulky(), Zvyrazneni::Nikdy);
            EXPECT_EQ(t.Col(), 2);
            EXPECT_EQ(fokus.count(), 0);
        }
    }
}

TEST(CostingSheetModel, EditorPreparedByModeAndColumn) {
    const struct {
        int rezim;
        int sloupec;
        FlexGrid::Zarovnani zarovnani;
        int maxDelka;
        Zvyrazneni zvyrazneni;
        bool vyberJedneBunky;
    } pripady[] = {
        {1, 4, FlexGrid::StredStred, 6, Zvyrazneni::Vzdy, false},
        {3, 0, FlexGrid::VlevoStred, 0, Zvyrazneni::Nikdy, true},
        {3, 3, FlexGrid::StredStred, 0, Zvyrazneni::Nikdy, true},
        {3, 5, FlexGrid::VpravoStred, 0, Zvyrazneni::Nikdy, true},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(::testing::Message() << c.rezim << " " << c.sloupec);
        List l;
        l.radky(7, 10);
        FlexGrid& t = l.m.Tabulka;
        t.setRow(9);
        t.setCol(c.sloupec);
        t.setColSel(5);
        l.m.setRezimEditace(c.rezim);
        l.m.setTextTxtBox(QStringLiteral("12"));
        l.m.Nastav_mod();
        const EditorBunky& e = l.m.txtBox();
        EXPECT_FALSE(e.viditelny);
        EXPECT_EQ(e.text, QString());
        EXPECT_EQ(e.zarovnani, c.zarovnani);
        EXPECT_EQ(e.maxDelka, c.maxDelka);
        EXPECT_EQ(l.m.zvyrazneniTabulky(), c.zvyrazneni);
        EXPECT_EQ(t.Col(), c.sloupec);
        EXPECT_EQ(t.ColSel() == t.Col(), c.vyberJedneBunky);
    }
}

TEST(CostingSheetModel, AbandonedWizardHidesTheSheetAndItsCostingCommands) {
    List l(1);
    QSignalSpy ramy(&l.m, &ModelListu::ramyZmeneny);
    std::array<StavPrikazu, kPocetPrikazu> pred;
    for (const PolozkaMenu& p : polozkyMenu()) pred[static_cast<size_t>(p.prikaz)] = l.m.stav(p.prikaz);

    l.m.ZakazPrikazySorveniky();
    EXPECT_FALSE(l.m.ramViditelny());
    EXPECT_EQ(ramy.count(), 1);
    const std::set<Prikaz> zakazane{Prikaz::mnu_Nova_sorvenika, Prikaz::mnu_Email, Prikaz::mnu_Ulozit_jako_HTML,
                                    Prikaz::mnu_Tisk, Prikaz::mnu_Zadat_obj_c, Prikaz::mnuPridat,
                                    Prikaz::mnuSadaStred};
    for (const PolozkaMenu& p : polozkyMenu()) {
        StavPrikazu ocekavany = pred[static_cast<size_t>(p.prikaz)];
        if (zakazane.count(p.prikaz)) ocekavany.povoleny = false;
        EXPECT_EQ(l.m.stav(p.prikaz), ocekavany) << p.jmeno.toStdString();
    }
}

