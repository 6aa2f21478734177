// The price-list browser without its window: filters, quantities, selections and both inserts.
#include "pricelist/ModelArt.h"
#include "support/FakeCileVlozeni.h"

#include <gtest/gtest.h>

namespace {

// Out of code order on purpose; KD330 is listed twice, AB1 is marked 0 and VZ200 2.
TabulkaArtiklu cenik() {
    DataDBF d;
    d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
    for (const char* r : {"Z-9|ZZ999|žlab|15999|1|KALVIR", "TS-160|12345-s|Sada servisní|1234.5|1|MIV",
                             "XA-2|AB12|AB kotva|12.9|1|ORVIK", "Q-1|KD330|Ab díl|845|1|MIV",
                             "XA-3|AB1|Absorbér|410|0|DORVA", "XA-1|ab12|abrazivní pasta|35|1|ORVIK",
                             "ZZ-2|VZ200|aBeceda|100|2|T-REMOL", "TS-160|12345|Sada komínová|1234.5|1|MIV",
                             "Q-0|KD330|Ab díl druhý|845|1|MIV"}) {
        const QStringList p = QString::fromUtf8(r).split(u'|');
        d.radky.push_back({p[0], p[1], p[2], p[3].toDouble(), 1.5, QStringLiteral("ks"), p[4].toDouble(), p[5]});
    }
    return TabulkaArtiklu::zDat(d, QStringLiteral("Art"));
}

QStringList sloupec(const ModelArt& m, int c) {
    QStringList v;
    for (int r = 1; r < m.TabulkaArt().Rows(); ++r) v << m.TabulkaArt().TextMatrix(r, c);
    return v;
}

// A digit (the lowest) typed on the first listed row of the code, then the editor's text confirmed.
Vysledek<> zadej(ModelArt& m, const QString& kod, const QString& text) {
    m.TabulkaArt().setRow(static_cast<int>(sloupec(m, 1).indexOf(kod)) + 1);
    EXPECT_TRUE(m.zacniZadani(QLatin1Char('0')));
    EXPECT_EQ(m.TabulkaArt().ColSel() - m.TabulkaArt().Col(), 7);  // the row selected across all columns
    return m.potvrdZadani(text);
}

}  // namespace

TEST(ModelArt, FiltersArePrefixesCaseInsensitiveAndCombine) {
    TabulkaArtiklu t = cenik();
    const QStringList vse{"12345", "12345-s", "AB12", "ab12", "KD330", "KD330", "ZZ999"};
    const std::pair<std::array<QString, 4>, QStringList> pripady[] = {
        {{}, vse},
        {{"", "", "ab"}, {"AB12", "ab12", "KD330", "KD330"}},
        {{"", "", "kotva"}, {}},
        {{kVse, kVse, kVse, kVse}, vse},
        {{QStringLiteral("\u00A0xyz")}, vse},
        {{"xa", "AB", "ab", "orv"}, {"AB12", "ab12"}},
        {{"xa-1", "AB", "ab", "orv"}, {"ab12"}},
        {{"", "", "", "t-remol"}, {}},  // only VZ200, marked 2
        {{"xa-3"}, {}},                 // AB1, marked 0
    };
    for (const auto& [filtry, kody] : pripady) {
        ModelArt m(t);
        for (int i = 0; i < 4; ++i) m.setTextFiltru(i, filtry[static_cast<size_t>(i)]);
        EXPECT_EQ(sloupec(m, 1), kody) << filtry[0].toStdString() << "|" << filtry[2].toStdString();
    }
}

TEST(ModelArt, FilteringMatchesAPlainCaseInsensitivePrefixTestWhateverTheTexts) {
    // Texts shorter and longer than the prefixes, letters whose case differs beyond ASCII, and
    // characters outside the basic plane, in the name and the system columns.
    const QStringList nazvy{"a", "ab", "Abc", "abcd", "ABCDE", "abcdef", "Žlab", "žlabový", "ŽLA", "čep", "Čepice",
                            "σίσυφος", "Σ", "ς", QString::fromUtf8("\xF0\x9F\x98\x80x"), QString::fromUtf8("x\xF0\x9F\x98\x80"),
                            "", "a\tb", "ABCD\u00A0"};
    DataDBF d;
    d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
    for (int i = 0; i < nazvy.size(); ++i)
        d.radky.push_back({QStringLiteral("S%1").arg(nazvy.size() - i, 2, 10, QChar('0')), QStringLiteral("K%1").arg(i),
                           nazvy[i], 1.0, 1.0, QStringLiteral("ks"), 1.0, i % 2 ? QStringLiteral("MIVx") : nazvy[i]});
    TabulkaArtiklu t = TabulkaArtiklu::zDat(d, QStringLiteral("Art"));
    ModelArt m(t);
    m.otevri({});
    const auto ocekavane = [&](const QString& nazev, const QString& system) {
        QStringList kody;
        for (int r : t.poradi())
            if (t.text(r, 2).startsWith(nazev, Qt::CaseInsensitive) && t.text(r, 9).startsWith(system, Qt::CaseInsensitive))
                kody << t.text(r, 1);
        return kody;
    };
    const QStringList predpony{"a", "AB", "abc", "ABCD", "abcde", "ABCDEF", "abcdefg", "ž", "ŽLA", "žlabo", "Č", "čepi",
                               "Σ", "ς", "ΣΊΣ", QString::fromUtf8("\xF0\x9F\x98\x80"), QString::fromUtf8("\xF0\x9F\x98\x80X"),
                               "X", QString::fromUtf8("X\xF0\x9F\x98\x80"), "xyz", "a\t", "ABCD\u00A0"};
    for (const QString& p : predpony) {
        for (const QString& system : {QString(), QStringLiteral("m")}) {
            m.setTextFiltru(2, p);
            m.setTextFiltru(3, system);
            EXPECT_EQ(sloupec(m, 1), ocekavane(p, system)) << p.toStdString() << " " << system.toStdString();
        }
    }
    // The table sorted again under the browser: the same filter follows the new order.
    m.setTextFiltru(2, QStringLiteral("ab"));
    m.setTextFiltru(3, QString());
    t.Sort(0);
    m.ZobrazPolozky();
    EXPECT_EQ(sloupec(m, 1), QStringList({"K1", "K18", "K2", "K3", "K4", "K5"}));
}

TEST(ModelArt, RowsAndFilterLists) {
    TabulkaArtiklu t = cenik();
    ModelArt m(t);
    const FlexGrid& g = m.TabulkaArt();
    QStringList hlavicky, radek;
    for (int c = 0; c < 8; ++c) hlavicky << g.TextMatrix(0, c), radek << g.TextMatrix(7, c);
    EXPECT_EQ(hlavicky, QStringList({"Starý kód", "Obj.č.", "Název", "Ks", "Prodejní cena", "Váha(kg)", "MJ", "Systém"}));
    EXPECT_EQ(radek, QStringList({"Z-9", "ZZ999", "žlab", "0", QStringLiteral("15\u00A0999,00"), "1,50", "ks", "KALVIR"}));
    EXPECT_EQ(g.ColWidth(2), 4044);
    QList<int> zarovnani;
    for (int c = 0; c < 8; ++c) zarovnani << g.ColAlignment(c);
    EXPECT_EQ(zarovnani, QList<int>({1, 1, 1, 7, 7, 7, 1, 1}));

    // Values of the articles not marked 0, distinct (case counts), in order-number order.
    EXPECT_EQ(m.seznamFiltru(0), QStringList({kVse, "TS-160", "XA-2", "XA-1", "Q-1", "Q-0", "ZZ-2", "Z-9"}));
    EXPECT_EQ(m.seznamFiltru(3), QStringList({kVse, "MIV", "ORVIK", "T-REMOL", "KALVIR"}));
}

TEST(ModelArt, QuantityAsConfirmed) {
    const std::pair<QString, int> pripady[] = {
        {"2.5", 2}, {"3.5", 4}, {"-3", 3}, {"12abc", 12}, {"", 0}, {"2,5", 2}, {" 1 2", 12}, {"-32767.4", 32767},
        {"40000", -1}, {"32767.5", -1}, {"-32768", -1}, {"1e400", -1},
    };
    for (const auto& [text, ks] : pripady) {
        const Vysledek<int> v = mnozstviZTextu(text);
        EXPECT_EQ(v ? *v : -1, ks) << text.toStdString();
        EXPECT_EQ(v.chyba(), v ? QString() : kZadejteHodnotu);
    }
}

TEST(ModelArt, SelectionsInTheOrderLastConfirmed) {
    TabulkaArtiklu t = cenik();
    ModelArt m(t);
    EXPECT_FALSE(m.zacniZadani(QLatin1Char('x')));
    for (const auto& [kod, ks] : {std::pair{"AB12", "3"}, {"ab12", "5"}, {"KD330", "7"}, {"AB12", "4"}})
        ASSERT_TRUE(zadej(m, kod, ks));
    // ab12 is another article, though the codes differ only in case.
    const std::vector<ModelArt::Vyber> ocekavane{{"ab12", 5}, {"KD330", 7}, {"AB12", 4}};
    EXPECT_EQ(m.VybranePolozky(), ocekavane);
    for (const auto& [klic, je] : {std::pair{"ab12", true}, {"KD330", true}, {"Ab12", false}, {"", false}})
        EXPECT_EQ(ModelArt::InCol(m.VybranePolozky(), QString::fromLatin1(klic)), je) << klic;
    EXPECT_EQ(sloupec(m, 3), QStringList({"0", "0", "4", "5", "7", "7", "0"}));  // both rows of KD330

    ASSERT_TRUE(m.zacniZadani(QLatin1Char('9')));
    // A filter change closes the entry (its row may be gone; the window takes it first); the
    // quantities chosen stay and show, as after a showing that keeps them. One afresh clears both.
    m.setTextFiltru(2, QStringLiteral("a"));
    EXPECT_EQ(m.radekZadani(), 0);
    EXPECT_TRUE(m.potvrdZadani(QStringLiteral("9")));
    EXPECT_EQ(sloupec(m, 3), QStringList({"4", "5", "7", "7"}));
    EXPECT_EQ(m.VybranePolozky(), ocekavane);
    ASSERT_TRUE(zadej(m, "KD330", "1"));
    m.otevri({}, true);
    EXPECT_EQ(sloupec(m, 3), QStringList({"1", "1", "5", "4"}));  // in the callers' order
    m.otevri({});
    EXPECT_TRUE(m.VybranePolozky().empty());
    EXPECT_EQ(sloupec(m, 3), QStringList(4, QStringLiteral("0")));
}

TEST(ModelArt, InsertIntoTheOrderSheet) {
    TabulkaArtiklu t = cenik();
    ModelArt m(t);
    FakeObjednavka o;
    m.otevri(&o);
    QString ab1 = QStringLiteral("AB1");
    EXPECT_TRUE(t.skryty(t.NajdiArtikl(ab1)));  // the callers' Filtr(True)
    m.setTextFiltru(1, QStringLiteral("zz"));
    ASSERT_TRUE(zadej(m, "ZZ999", "2"));
    m.setTextFiltru(1, QStringLiteral("k"));
    ASSERT_TRUE(zadej(m, "KD330", "3"));

    // No sub-order selected: nothing changes and the warning comes back.
    o.vybrana = false;
    EXPECT_EQ(m.Vlozit().chyba(), kVyberteObjednavku);
    EXPECT_EQ(m.VybranePolozky().size(), 2u);
    EXPECT_EQ(m.textFiltru(1), QStringLiteral("k"));

    o.vybrana = true;
    const Vysledek<bool> v = m.Vlozit();
    EXPECT_TRUE(v && *v);
    EXPECT_EQ(o.radky, QStringList({QStringLiteral("žlab\tZZ999\t2\t15\u00A0999,00"), "Ab díl druhý\tKD330\t3\t845,00",
                                    "Ab díl\tKD330\t3\t845,00"}));
    EXPECT_EQ(o.objZnak + o.ks, QStringLiteral("ZZ999|KD330|KD330|2|3|3|"));
    EXPECT_EQ(o.zobrazeni, 1);
    EXPECT_TRUE(m.VybranePolozky().empty());
    EXPECT_EQ(m.textFiltru(1), QString());
    // The list was refilled in the callers' old-code order, then the table sorted by order number.
    EXPECT_EQ(sloupec(m, 0), QStringList({"Q-0", "Q-1", "TS-160", "TS-160", "XA-1", "XA-2", "Z-9"}));
    EXPECT_EQ(t.poradi(), std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9}));

    // The order sheet that goes away is no longer the target.
    FakeObjednavka jina;
    EXPECT_FALSE(m.odpoj(jina));
    EXPECT_TRUE(m.odpoj(o));
    ASSERT_TRUE(zadej(m, "KD330", "1"));
    ASSERT_TRUE(m.Vlozit());
    EXPECT_EQ(o.radky.size(), 3);
}

TEST(ModelArt, InsertIntoTheOfferOrWithoutCaller) {
    TabulkaArtiklu t = cenik();
    ModelArt m(t);
    FakeNabidka n;
    m.otevri(&n);
    ASSERT_TRUE(zadej(m, "12345-s", "3"));
    ASSERT_TRUE(zadej(m, "AB12", "3"));
    const Vysledek<bool> v = m.Vlozit();
    EXPECT_TRUE(v && *v);
    EXPECT_EQ(n.radky, QStringList({"Sada servisní\t12345-s\tTS-160\t3\t0,00\t0,00\t",
                                    "AB kotva\tAB12\tXA-2\t3\t12,90\t38,70\t"}));
    EXPECT_EQ(t.poradi().front(), 1);

    // No caller: the filters are cleared, nothing is inserted anywhere and the window stays.
    m.otevri({});
    m.setTextFiltru(3, QStringLiteral("MIV"));
    ASSERT_TRUE(zadej(m, "KD330", "1"));
    const Vysledek<bool> bez = m.Vlozit();
    EXPECT_TRUE(bez && !*bez);
    EXPECT_TRUE(m.VybranePolozky().empty());
    EXPECT_EQ(sloupec(m, 3), QStringList(7, QStringLiteral("0")));

    // No orderable article: an empty list that inserts nothing.
    TabulkaArtiklu zadny = TabulkaArtiklu::zDat({{"A", "B", "C", "D", "E", "F", "G", "H"},
                                                {{"X", "K1", "n", 1.0, 1.0, "ks", "ne", "MIV"}}}, QStringLiteral("Art"));
    ModelArt p(zadny);
    p.otevri(&n);
    EXPECT_FALSE(p.zacniZadani(QLatin1Char('1')));
    EXPECT_EQ(p.seznamFiltru(0), QStringList{kVse});
    EXPECT_TRUE(p.Vlozit());
    EXPECT_EQ(p.TabulkaArt().Rows() + n.radky.size(), 3);
}
