// The costing sheet's rules without its window.
#include "costing/ModelListu.h"

#include "engine/EngineFixture.h"
#include "platform/Mnemoniky.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>

namespace {

struct List {
    PevneNastaveni cs;
    GlobalniData g;
    ModelListu m{g};
    explicit List(quint8 typ = 0, const char* verze = "0000000", const char* system = "MIV", int bity = 0) {
        g.nastaveni.TypUzivatele = typ;
        g.nastaveni.Verze = QString::fromLatin1(verze);
        g.nastaveni.DPH = Currency::fromInt(21);
        g.nastaveni.Prepocitavat = bity & 1;
        g.nastaveni.TisknoutCeny = bity & 2;
        g.nastaveni.ZobrazitCenuObchodnika = bity & 4;
        g.nastaveni.ZobrazitCeny = bity & 8;
        g.sorvenikaParametry.System = QString::fromLatin1(system);
        m.Form_Load();
    }
};

}  // namespace

TEST(CostingSheetModel, CommandStatesByUserTypeFeatureFlagsAndSettings) {
    const struct {
        quint8 typ;
        const char* verze;
        bool privilegovany;  // Excel, its separator, offers and crib visible; customer hidden; outputs off
        bool sadaStred;
        int bity;            // the view options' settings, each tick both ways over the cases
    } pripady[] = {
        {0, "1110111", false, false, 0b0101},
        {0, "0001000", false, true, 0b1010},
        {1, "0000000", true, true, 0b0000},
        // Only type 1 gets the privileged set-up; any other non-zero type passes the feature test.
        {2, "0000000", false, true, 0b1111},
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(::testing::Message() << int(c.typ) << " " << c.verze);
        const List l(c.typ, c.verze, "MIV", c.bity);
        const ModelListu& m = l.m;
        for (Prikaz p : {Prikaz::mnu_Export_do_Excelu, Prikaz::mnucarka2, Prikaz::mnuNabidky, Prikaz::mnuTahak})
            EXPECT_EQ(m.stav(p).viditelny, c.privilegovany) << static_cast<int>(p);
        EXPECT_EQ(m.zakaznikViditelny(), !c.privilegovany);
        for (Prikaz p : {Prikaz::mnu_Email, Prikaz::mnu_Tisk, Prikaz::mnu_Ulozit_jako_HTML})
            EXPECT_EQ(m.stav(p).povoleny, !c.privilegovany) << static_cast<int>(p);
        EXPECT_EQ(m.stav(Prikaz::mnuSadaStred), (StavPrikazu{true, c.sadaStred, false}));
        const Prikaz volby[] = {Prikaz::mnuVolbyPrepocitavat, Prikaz::mnuVolbyTisknoutCeny,
                                Prikaz::mnuVolbyZobrazitCenuObchodnika, Prikaz::mnuVolbyZobrazitCeny};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(m.stav(volby[i]).zaskrtnuty, bool(c.bity & (1 << i))) << i;
        // What no user type changes.
        EXPECT_TRUE(m.ramViditelny() && m.stav(Prikaz::mnuPridat).povoleny && m.stav(Prikaz::mnuVolbyZobrazitNuloveKusy).zaskrtnuty);
        EXPECT_FALSE(m.stav(Prikaz::mnuUpravy).viditelny || m.stav(Prikaz::mnucarka1).viditelny ||
                     m.stav(Prikaz::mnuVolbyZobrazitCenuObchodnika).viditelny);
    }
}

TEST(CostingSheetModel, TotalsGridAndColumnWidths) {
    for (const auto& [system, radek3] : {std::pair{"T-REMOL", true}, {"T-REMOL2R", true}, {"KARNELO", false}, {"t-remol", false}}) {
        SCOPED_TRACE(system);
        const List l(0, "0000000", system);
        ASSERT_EQ(l.m.TabSuma.Rows(), 6);
        for (int r = 0; r < 6; ++r) EXPECT_EQ(l.m.TabSuma.RowHeight(r), r == 3 && !radek3 ? 0 : 270) << r;
    }
    List l;
    EXPECT_EQ(std::pair(l.m.vyskaTabSumy(), l.m.sirkaTabSumy()), std::pair(5 * 270 + 60, 2100 + 1400 + 350 + 60));
    const FlexGrid& s = l.m.TabSuma;
    EXPECT_EQ(s.FixedRows(), 0);
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

    using S = std::array<int, 6>;
    EXPECT_EQ(ModelListu::sirkySloupcu(150), (S{53, 16, 22, 9, 22, 22}));  // 52.8, 16.5, 22.5, 9, 22.5, 22.5
    for (int c = 0; c < 6; ++c) EXPECT_EQ(l.m.Tabulka.ColWidth(c), (S{4134, 1292, 1762, 705, 1762, 1762})[c]);
}

TEST(CostingSheetModel, ModeAndEditorFollowTheRowAndColumn) {
    const struct {
        int volnych, radek, sloupec;
        int rezim;
        FlexGrid::Zarovnani zarovnani;
        int maxDelka;
    } pripady[] = {
        {10, 8, 0, 3, FlexGrid::VlevoStred, 0},   // the first free row: Rows - PocetVolnychRadku
        {10, 7, 4, 1, FlexGrid::StredStred, 6},   // the last item row
        {10, 17, 3, 3, FlexGrid::StredStred, 0},  // the last row
        {10, 12, 5, 3, FlexGrid::VpravoStred, 0},
        {0, 17, 4, 1, FlexGrid::StredStred, 6},   // no free rows: every row is an item row
    };
    for (const auto& c : pripady) {
        SCOPED_TRACE(::testing::Message() << c.volnych << " " << c.radek << " " << c.sloupec);
        List l;
        l.g.PocetVolnychRadku = static_cast<quint8>(c.volnych);
        FlexGrid& t = l.m.Tabulka;
        t.setRows(18);
        t.setRow(c.radek);
        t.setCol(c.sloupec);
        QSignalSpy fokus(&l.m, &ModelListu::zamerTabulku);
        l.m.Zjisti_mod();
        EXPECT_EQ(l.m.RezimEditace(), c.rezim);
        EXPECT_EQ(std::pair(t.Row(), t.RowSel()), std::pair(c.radek, c.radek));
        // An item row is selected whole with the cursor in column 0 and the grid focused.
        EXPECT_EQ(l.m.zvyrazneniTabulky(), c.rezim == 1 ? Zvyrazneni::Vzdy : Zvyrazneni::Nikdy);
        EXPECT_EQ(std::tuple(t.Col(), t.ColSel(), fokus.count()),
                  c.rezim == 1 ? std::tuple(0, 5, 1) : std::tuple(c.sloupec, c.sloupec, 0));

        t.setCol(c.sloupec);
        t.setColSel(5);
        l.m.setTextTxtBox(QStringLiteral("12"));
        l.m.Nastav_mod();
        const EditorBunky& e = l.m.txtBox();
        EXPECT_EQ(std::tuple(e.viditelny, e.text, e.zarovnani, e.maxDelka), std::tuple(false, QString(), c.zarovnani, c.maxDelka));
        EXPECT_EQ(t.ColSel() == t.Col(), c.rezim == 3);
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

// Alt + a letter reaches every command: each caption keeps its text and gets a plain letter that
// no neighbour on the bar or in its menu has.
TEST(CostingSheetModel, EveryMenuCaptionHasAnAltLetterOfItsOwn) {
    QMap<QString, QStringList> pismena;  // by the bar or the menu
    QString nabidka;
    for (const PolozkaMenu& p : polozkyMenu()) {
        if (p.druh == DruhPolozky::Carka) continue;
        if (p.druh == DruhPolozky::Nabidka) nabidka = p.jmeno;
        const qsizetype i = p.sMnemonikou.indexOf(u'&');
        ASSERT_GE(i, 0) << p.jmeno.toStdString();
        EXPECT_EQ(QString(p.sMnemonikou).remove(i, 1), p.popisek);
        const QChar z = p.sMnemonikou[i + 1].toLower();
        EXPECT_TRUE(z >= u'a' && z <= u'z') << p.jmeno.toStdString();
        pismena[p.vListe ? QStringLiteral("lišta") : nabidka] << z;
    }
    for (auto [kde, seznam] : pismena.asKeyValueRange()) {
        QStringList jedinecne = seznam;
        jedinecne.removeDuplicates();
        EXPECT_EQ(jedinecne, seznam) << kde.toStdString();
    }
}

// The letter taken: the first free word start, else the first free plain letter, else none.
TEST(CostingSheetModel, WhichAltLetterACaptionGets) {
    const struct { const char* popisek; const char* pouzite; const char* vysledek; } pripady[] = {
        {"Konec", "", "&Konec"},
        {"Nová sorvenika", "n", "Nová &sorvenika"},
        {"Tisk", "t", "T&isk"},
        {"Účet", "", "Úč&et"},
        {"A & B", "a", "A && &B"},
        {"Ok", "ko", "Ok"},
    };
    for (const auto& p : pripady) {
        QSet<QChar> pouzite;
        for (QChar z : QString::fromUtf8(p.pouzite)) pouzite.insert(z);
        const qsizetype pred = pouzite.size();
        const QString v = sMnemonikou(QString::fromUtf8(p.popisek), pouzite);
        EXPECT_EQ(v, QString::fromUtf8(p.vysledek));
        const qsizetype i = v.lastIndexOf(QRegularExpression(QStringLiteral("&[^&]")));
        EXPECT_EQ(pouzite.size(), pred + (i >= 0 ? 1 : 0)) << p.popisek;
        if (i >= 0) {
            EXPECT_TRUE(pouzite.contains(v[i + 1].toLower())) << p.popisek;
        }
    }
}
