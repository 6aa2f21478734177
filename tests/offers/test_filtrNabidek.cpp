// The offer list's rows: filters, the amount, other representatives, the sort text's order,
// the total and the filter lists.
#include "offers/FiltrNabidek.h"

#include <gtest/gtest.h>

namespace {

constexpr int kJa = 7;

RadekSeznamu radek(int oz, int id, const char* misto, QDate datum = {2008, 5, 1}, double cena = 100) {
    UdajeRadku u;
    u.key = QStringLiteral("%1N").arg(id);
    u.stav = QStringLiteral("V řešení");
    u.ID = id;
    u.CisloOZ = oz;
    u.DatumNabidky = datum;
    u.MistoStavby = QString::fromUtf8(misto);
    u.JmenoOZ = QStringLiteral("Novák");
    u.CenaPoSleveBezDPH = cena;
    u.CenaPoSleveSDPH = cena * 1.21;
    return radekSeznamu(u, kJa);
}

QStringList mista(const std::vector<RadekSeznamu>& r, const FiltrySeznamu& f) {
    QStringList v;
    for (int i : ZobrazNabidky(r, f).radky) v << r[static_cast<size_t>(i)].bunky[sMistoStavby];
    return v;
}

}  // namespace

TEST(FiltrNabidek, CellsOfARow) {
    const RadekSeznamu r = radek(12, 3, "Brno", {2008, 1, 5});
    EXPECT_EQ(r.bunky[sDatum], QStringLiteral("5.1.08"));
    EXPECT_EQ(r.datumFiltru, QStringLiteral("2008-01-05"));
    EXPECT_EQ(r.bunky[sTrideni], QStringLiteral("123"));
    EXPECT_TRUE(r.cizi);
    EXPECT_EQ(radek(kJa, 0, "x").bunky[sTrideni], QStringLiteral("00"));
    EXPECT_EQ(radek(kJa, 5, "x", QDate()).bunky[sDatum], QString());
}

TEST(FiltrNabidek, ColumnFilters) {
    const std::vector<RadekSeznamu> r = {radek(kJa, 1, "Praha", {2008, 1, 5}), radek(kJa, 2, "PRAHA 4", {2008, 9, 30}),
                                         radek(kJa, 3, "Nová Praha", {2008, 10, 1}), radek(12, 4, "Praha", {2007, 3, 1})};
    FiltrySeznamu f;
    f.ostatni = true;
    EXPECT_EQ(mista(r, f).size(), 4);
    const struct {
        int sloupec;
        const char* text;
        QStringList vysledek;
    } pripady[] = {
        {sMistoStavby, "pra", {"Praha", "PRAHA 4", "Praha"}},
        {sMistoStavby, "\u00A0(vše)", {"Praha", "PRAHA 4", "Nová Praha", "Praha"}},
        {sDatum, "2008-0", {"Praha", "PRAHA 4"}},
        {sCisloOZ, "1", {}},
        {sCisloOZ, "12", {"Praha"}},
        {sJmenoOZ, "NOV", {"Praha", "PRAHA 4", "Nová Praha", "Praha"}},
        {sStav, "v ř", {"Praha", "PRAHA 4", "Nová Praha", "Praha"}},
        {sNazevAkce, "x", {}},
    };
    for (const auto& c : pripady) {
        FiltrySeznamu g = f;
        g.texty[static_cast<size_t>(c.sloupec)] = QString::fromUtf8(c.text);
        EXPECT_EQ(mista(r, g), c.vysledek) << c.text;
    }
}

TEST(FiltrNabidek, OthersAndAmount) {
    const std::vector<RadekSeznamu> r = {radek(kJa, 1, "rovno", {}, 50000), radek(kJa, 2, "nad", {}, 50000.01),
                                         radek(3, 3, "cizi", {}, 90000)};
    FiltrySeznamu f;
    EXPECT_EQ(mista(r, f), QStringList({"rovno", "nad"}));
    f.castka = true;
    EXPECT_EQ(mista(r, f), QStringList({"nad"}));
    f.ostatni = true;
    EXPECT_EQ(mista(r, f), QStringList({"nad", "cizi"}));
    // An amount that is no number counts as 0: every offer priced above nothing.
    f.txtCastka = QStringLiteral("hodně");
    EXPECT_EQ(mista(r, f).size(), 3);
}

TEST(FiltrNabidek, SortTextsCompareAsText) {
    const std::vector<RadekSeznamu> r = {radek(kJa, 5, "5"),   radek(7, 10, "cizi710"), radek(kJa, 12, "12"),
                                         radek(12, 3, "cizi123"), radek(kJa, 0, "neodeslana"), radek(kJa, 100, "100")};
    FiltrySeznamu f;
    f.ostatni = true;
    // 7 is the representative here, so "710" is his own "010"; cizi123 stays "123".
    EXPECT_EQ(mista(r, f), QStringList({"neodeslana", "cizi710", "100", "12", "5", "cizi123"}));
    const ZobrazeniSeznamu z = ZobrazNabidky(r, f);
    EXPECT_DOUBLE_EQ(z.soucet, 6 * 121.0);
    EXPECT_EQ(textSouctu(0), QStringLiteral("Součet: 0,00 Kč"));
    EXPECT_EQ(textSouctu(1234567.891), QStringLiteral("Součet: 1\u00A0234\u00A0567,89 Kč"));
    EXPECT_EQ(textPozice(0, 0), QStringLiteral("Pozice/Počet: 0/0"));
}

TEST(FiltrNabidek, FilterListsFollowTheListedRows) {
    const std::vector<RadekSeznamu> r = {radek(kJa, 1, "b", {2008, 2, 1}), radek(kJa, 2, "A", {2007, 12, 1}),
                                         radek(kJa, 3, "b", {2008, 2, 1}), radek(3, 4, "skryta")};
    const auto seznamy = NaplnFiltry(r, ZobrazNabidky(r, FiltrySeznamu{}).radky);
    const QString vse = QStringLiteral("\u00A0(vše)");
    EXPECT_EQ(seznamy[1], QStringList({vse, QStringLiteral("2007-12-01"), QStringLiteral("2008-02-01")}));
    EXPECT_EQ(seznamy[2], QStringList({vse, QStringLiteral("7")}));
    EXPECT_EQ(seznamy[5], QStringList({vse, QStringLiteral("A"), QStringLiteral("b")}));
    EXPECT_EQ(seznamy[4], QStringList({vse, QString()}));
}
