// The price-list browser without its window: filters, quantities, selections and both inserts.
#include "pricelist/ModelArt.h"
#include "support/FakeCileVlozeni.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

const QChar kNbsp(0x00A0);

// Out of code order on purpose; KD330 is listed twice, AB1 is marked 0 and VZ200 2.
TabulkaArtiklu cenik() {
    DataDBF d;
    d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
    const auto a = [&](const char* stary, const char* kod, const char* nazev, double cena, double sklad, const char* sys) {
        d.radky.push_back({QString::fromUtf8(stary), QString::fromUtf8(kod), QString::fromUtf8(nazev), cena, 1.5,
                           QStringLiteral("ks"), sklad, QString::fromUtf8(sys)});
    };
    a("Z-9", "ZZ999", "žlab", 15999, 1, "KALVIR");
    a("TS-160", "12345-s", "Sada servisní", 1234.5, 1, "MIV");
    a("XA-2", "AB12", "AB kotva", 12.9, 1, "ORVIK");
    a("Q-1", "KD330", "Ab díl", 845, 1, "MIV");
    a("XA-3", "AB1", "Absorbér", 410, 0, "DORVA");
    a("XA-1", "ab12", "abrazivní pasta", 35, 1, "ORVIK");
    a("ZZ-2", "VZ200", "aBeceda", 100, 2, "T-REMOL");
    a("TS-160", "12345", "Sada komínová", 1234.5, 1, "MIV");
    a("Q-0", "KD330", "Ab díl druhý", 845, 1, "MIV");
    return TabulkaArtiklu::zDat(d, QStringLiteral("Art"));
}

QStringList sloupec(const ModelArt& m, int c) {
    QStringList v;
    for (int r = 1; r < m.TabulkaArt().Rows(); ++r) v << m.TabulkaArt().TextMatrix(r, c);
    return v;
}

// Types a quantity for the first listed row of the code, as the window forwards it.
Vysledek<> zadej(ModelArt& m, const QString& kod, const QString& text) {
    const int r = static_cast<int>(sloupec(m, 1).indexOf(kod)) + 1;
    EXPECT_GT(r, 0) << kod.toStdString();
    m.TabulkaArt().setRow(r);
    EXPECT_TRUE(m.zacniZadani(QLatin1Char('1')));
    // The row shown selected across all columns.
    EXPECT_EQ(m.TabulkaArt().Col(), 0);
    EXPECT_EQ(m.TabulkaArt().ColSel(), 7);
    return m.potvrdZadani(text);
}

struct Pripad {
    std::array<QString, 4> filtry;  // old code, order number, name, system
    QStringList kody;
};

}  // namespace

TEST(ModelArt, FiltersArePrefixesCaseInsensitiveAndCombine) {
    TabulkaArtiklu t = cenik();
    const QStringList vse{"12345", "12345-s", "AB12", "ab12", "KD330", "KD330", "ZZ999"};
    const Pripad pripady[] = {
        {{}, vse},
        {{"", "", "ab"}, {"AB12", "ab12", "KD330", "KD330"}},
        {{"", "", "AB"}, {"AB12", "ab12", "KD330", "KD330"}},
        {{"", "", "Ab d"}, {"KD330", "KD330"}},
        {{"", "", "kotva"}, {}},
        {{kVse, kVse, kVse, kVse}, vse},
        {{QString(kNbsp) + "xyz", "", "", ""}, vse},
        {{"xa", "AB", "ab", "orv"}, {"AB12", "ab12"}},
        {{"xa-1", "AB", "ab", "orv"}, {"ab12"}},
        {{"", "", "ab", "miv"}, {"KD330", "KD330"}},
        {{"", "", "", "t-remol"}, {}},   // only VZ200 (marked 2) is of this system
        {{"xa-3", "", "", ""}, {}},      // AB1 is marked 0
        {{"", "12345-", "", ""}, {"12345-s"}},
    };
    for (const Pripad& p : pripady) {
        ModelArt m(t);
        for (int i = 0; i < 4; ++i) m.setTextFiltru(i, p.filtry[static_cast<size_t>(i)]);
        EXPECT_EQ(sloupec(m, 1), p.kody) << p.filtry[0].toStdString() << "|" << p.filtry[2].toStdString();
        EXPECT_EQ(sloupec(m, 3), QStringList(p.kody.size(), QStringLiteral("0")));
    }
}

TEST(ModelArt, RowsFilterListsAndTheCallersOrder) {
    TabulkaArtiklu t = cenik();
    ModelArt m(t);
    const FlexGrid& g = m.TabulkaArt();
    ASSERT_EQ(g.Cols(), 8);
    QStringList hlavicky, radek;
    for (int c = 0; c < 8; ++c) hlavicky << g.TextMatrix(0, c), radek << g.TextMatrix(7, c);
    EXPECT_EQ(hlavicky, QStringList({"Starý kód", "Obj.č.", "Název", "Ks", "Prodejní cena", "Váha(kg)", "MJ", "Systém"}));
    EXPECT_EQ(radek, QStringList({"Z-9", "ZZ999", "žlab", "0", QStringLiteral("15\u00A0999,00"), "1,50", "ks", "KALVIR"}));
    EXPECT_EQ(g.TextMatrix(2, 4), QString());  // 12345-s shows no price
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.ColSel(), 7);
    EXPECT_EQ(g.ColWidth(2), 4044);
    EXPECT_EQ(g.ColAlignment(4), FlexGrid::VpravoStred);
    EXPECT_EQ(g.ColAlignment(7), FlexGrid::VlevoStred);

    // Values of the articles not marked 0, distinct (case counts), in order-number order.
    EXPECT_EQ(m.seznamFiltru(0), QStringList({kVse, "TS-160", "XA-2", "XA-1", "Q-1", "Q-0", "ZZ-2", "Z-9"}));
    EXPECT_EQ(m.seznamFiltru(2).mid(3, 2), QStringList({"AB kotva", "abrazivní pasta"}));
    EXPECT_EQ(m.seznamFiltru(3), QStringList({kVse, "MIV", "ORVIK", "T-REMOL", "KALVIR"}));

    // The callers hide the articles marked 0 and sort by old code; the list follows at once.
    m.otevri({});
    EXPECT_EQ(sloupec(m, 0), QStringList({"Q-0", "Q-1", "TS-160", "TS-160", "XA-1", "XA-2", "Z-9"}));
    QString ab1 = QStringLiteral("AB1");
    EXPECT_TRUE(t.skryty(t.NajdiArtikl(ab1)));
}

TEST(ModelArt, QuantityAsConfirmed) {
    const std::pair<QString, int> pripady[] = {
        {"2.5", 2}, {"3.5", 4}, {"-3", 3}, {"12abc", 12}, {"", 0}, {"2,5", 2}, {" 1 2", 12}, {"32767", 32767},
        {"-32767.4", 32767}, {"40000", -1}, {"32767.5", -1}, {"-32768", -1}, {"1e400", -1},
    };
    for (const auto& [text, ks] : pripady) {
        const Vysledek<int> v = mnozstviZTextu(text);
        if (ks < 0) {
            EXPECT_EQ(v.chyba(), kZadejteHodnotu) << text.toStdString();
        } else {
            ASSERT_TRUE(v) << text.toStdString();
            EXPECT_EQ(*v, ks) << text.toStdString();
        }
    }
}

TEST(ModelArt, SelectionsInTheOrderLastConfirmed) {
    TabulkaArtiklu t = cenik();
    ModelArt m(t);
    EXPECT_FALSE(m.zacniZadani(QLatin1Char('x')));
    EXPECT_EQ(m.radekZadani(), 0);
    ASSERT_TRUE(zadej(m, "AB12", "3"));
    ASSERT_TRUE(zadej(m, "ab12", "5"));  // another article, though the codes differ only in case
    ASSERT_TRUE(zadej(m, "KD330", "7"));
    ASSERT_TRUE(zadej(m, "AB12", "4"));
    const std::vector<ModelArt::Vyber> ocekavane{{"ab12", 5}, {"KD330", 7}, {"AB12", 4}};
    EXPECT_EQ(m.VybranePolozky(), ocekavane);
    EXPECT_EQ(sloupec(m, 3), QStringList({"0", "0", "4", "5", "7", "0", "0"}));

    // Out of range: the message, the entry stays open and nothing is stored.
    EXPECT_EQ(zadej(m, "ZZ999", "40000").chyba(), kZadejteHodnotu);
    EXPECT_EQ(m.radekZadani(), 7);
    EXPECT_EQ(m.VybranePolozky(), ocekavane);

    // A filter change closes the entry (its row may be gone) and shows 0 again; the quantities
    // stay chosen. A caller's showing clears both.
    m.setTextFiltru(2, QStringLiteral("a"));
    EXPECT_EQ(m.radekZadani(), 0);
    EXPECT_TRUE(m.potvrdZadani(QStringLiteral("9")));
    EXPECT_EQ(sloupec(m, 3), QStringList(4, QStringLiteral("0")));
    EXPECT_EQ(m.VybranePolozky(), ocekavane);
    ASSERT_TRUE(zadej(m, "KD330", "1"));
    m.otevri({});
    EXPECT_TRUE(m.VybranePolozky().empty());
    EXPECT_EQ(sloupec(m, 3), QStringList(4, QStringLiteral("0")));
}

TEST(ModelArt, InsertIntoTheOrderSheet) {
    TabulkaArtiklu t = cenik();
    ModelArt m(t);
    FakeObjednavka o;
    m.otevri(&o);
    m.setTextFiltru(1, QStringLiteral("zz"));
    ASSERT_TRUE(zadej(m, "ZZ999", "2"));
    m.setTextFiltru(1, QStringLiteral("k"));
    ASSERT_TRUE(zadej(m, "KD330", "1"));
    ASSERT_TRUE(zadej(m, "KD330", "3"));

    // No sub-order selected: nothing changes and the warning comes back.
    o.vybrana = false;
    EXPECT_EQ(m.Vlozit().chyba(), kVyberteObjednavku);
    EXPECT_TRUE(o.radky.isEmpty());
    EXPECT_EQ(m.VybranePolozky().size(), 2u);
    EXPECT_EQ(m.textFiltru(1), QStringLiteral("k"));

    o.vybrana = true;
    const Vysledek<bool> v = m.Vlozit();
    ASSERT_TRUE(v);
    EXPECT_TRUE(*v);
    EXPECT_EQ(o.radky, QStringList({QStringLiteral("žlab\tZZ999\t2\t15\u00A0999,00"), "Ab díl druhý\tKD330\t3\t845,00",
                                    "Ab díl\tKD330\t3\t845,00"}));
    EXPECT_EQ(o.objZnak, QStringLiteral("ZZ999|KD330|KD330|"));
    EXPECT_EQ(o.ks, QStringLiteral("2|3|3|"));
    EXPECT_EQ(o.zobrazeni, 1);
    EXPECT_TRUE(m.VybranePolozky().empty());
    EXPECT_EQ(m.textFiltru(1), QString());
    // The list was refilled while the table was still in old-code order; then Sort(0).
    EXPECT_EQ(sloupec(m, 0).first(), QStringLiteral("Q-0"));
    std::vector<int> podleKodu(t.poradi().size());
    std::iota(podleKodu.begin(), podleKodu.end(), 1);
    EXPECT_EQ(t.poradi(), podleKodu);
}

TEST(ModelArt, InsertIntoTheOfferAndWithoutCaller) {
    TabulkaArtiklu t = cenik();
    ModelArt m(t);
    FakeNabidka n;
    m.otevri(&n);
    ASSERT_TRUE(zadej(m, "12345-s", "3"));
    ASSERT_TRUE(zadej(m, "AB12", "3"));
    const Vysledek<bool> v = m.Vlozit();
    ASSERT_TRUE(v);
    EXPECT_TRUE(*v);
    EXPECT_EQ(n.radky, QStringList({"Sada servisní\t12345-s\tTS-160\t3\t0,00\t0,00\t",
                                    "AB kotva\tAB12\tXA-2\t3\t12,90\t38,70\t"}));
    EXPECT_EQ(t.poradi().front(), 1);

    // No caller: the filters are cleared, nothing is inserted anywhere and the window stays.
    m.otevri({});
    m.setTextFiltru(3, QStringLiteral("MIV"));
    ASSERT_TRUE(zadej(m, "KD330", "1"));
    const Vysledek<bool> bez = m.Vlozit();
    ASSERT_TRUE(bez);
    EXPECT_FALSE(*bez);
    EXPECT_TRUE(m.VybranePolozky().empty());
    EXPECT_EQ(sloupec(m, 1).size(), 7);
    EXPECT_EQ(n.radky.size(), 2);

    // The order sheet that goes away is no longer the target.
    FakeObjednavka o, jina;
    m.otevri(&o);
    EXPECT_FALSE(m.odpoj(jina));
    EXPECT_TRUE(m.odpoj(o));
    ASSERT_TRUE(zadej(m, "KD330", "1"));
    ASSERT_TRUE(m.Vlozit());
    EXPECT_TRUE(o.radky.isEmpty());
}

TEST(ModelArt, NoOrderableArticle) {
    DataDBF d;
    d.nazvy = {"A", "B", "C", "D", "E", "F", "G", "H"};
    d.radky.push_back({QStringLiteral("X"), QStringLiteral("K1"), QStringLiteral("n"), 1.0, 1.0, QStringLiteral("ks"),
                       QStringLiteral("ne"), QStringLiteral("MIV")});
    TabulkaArtiklu t = TabulkaArtiklu::zDat(d, QStringLiteral("Art"));
    ModelArt m(t);
    FakeNabidka n;
    m.otevri(&n);
    EXPECT_EQ(m.TabulkaArt().Rows(), 1);
    EXPECT_FALSE(m.zacniZadani(QLatin1Char('1')));
    EXPECT_EQ(m.seznamFiltru(0), QStringList{kVse});
    ASSERT_TRUE(m.Vlozit());
    EXPECT_TRUE(n.radky.isEmpty());
}
