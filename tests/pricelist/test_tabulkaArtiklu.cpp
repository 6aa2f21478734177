#include "platform/Errors.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "pricelist/DBF.h"
#include "pricelist/DbfTestUtil.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace {

const QString kZdroj = QStringLiteral(SORVENIKA_SOURCE_DIR);
// The test articles alone; the shipped Data/Art.dbf adds the systems' articles to them.
const QString kCenik = kZdroj + QStringLiteral("/tests/data/cenik/Art");
const QString kDodavany = kZdroj + QStringLiteral("/Data/Art");
const QChar kNbsp(0x00A0);

// tools/cenik.csv, the source the sample price list is generated from, without its header.
std::vector<QStringList> zdrojCeniku() {
    std::vector<QStringList> zaznamy;
    for (const QString& radek : QString::fromUtf8(readBytes(kZdroj + QStringLiteral("/tools/cenik.csv"))).split(u'\n'))
        if (!radek.trimmed().isEmpty() && !radek.trimmed().startsWith(u'#')) zaznamy.push_back(radek.split(u';'));
    zaznamy.erase(zaznamy.begin());
    return zaznamy;
}

QStringList sloupec(const TabulkaArtiklu& t, const std::vector<int>& radky, int s) {
    QStringList v;
    for (int r : radky) v << t.text(r, s);
    return v;
}

DataDBF cenikZBunek(std::vector<std::vector<BunkaDBF>> radky) {
    DataDBF d;
    d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
    d.radky = std::move(radky);
    return d;
}

}  // namespace

// The committed price lists are what the generator makes of its sources today.
TEST(Cenik, SampleFileIsTheGeneratorsOutput) {
    if (debianPython().isEmpty()) GTEST_SKIP() << "no /usr/bin/python3";
    QTemporaryDir dir, testy;
    spustPython({kZdroj + QStringLiteral("/tools/gen_data.py"), QStringLiteral("--out"), dir.path(),
                 QStringLiteral("--test-out"), testy.path()});
    EXPECT_EQ(readBytes(dir.filePath(QStringLiteral("Art.dbf"))), readBytes(kDodavany + QStringLiteral(".dbf")));
    EXPECT_EQ(readBytes(testy.filePath(QStringLiteral("Art.dbf"))), readBytes(kCenik + QStringLiteral(".dbf")));
}

// Our reader against the other writer: every text and number of the source comes back.
TEST(Cenik, ReaderGivesTheGeneratorsSourceBack) {
    const DataDBF d = NactiDBF(kCenik);
    const auto zdroj = zdrojCeniku();
    ASSERT_EQ(d.pocetZaznamu(), static_cast<int>(zdroj.size()));
    ASSERT_EQ(d.pocetPoli(), 8);
    for (size_t r = 0; r < zdroj.size(); ++r)
        for (int c = 0; c < 8; ++c) {
            const QString& z = zdroj[r][c];
            EXPECT_EQ(popis(d.radky[r][static_cast<size_t>(c)]), c == 3 || c == 4 || c == 6 ? popis(z.toDouble()) : popis(z))
                << r << "/" << c;
        }
}

TEST(Cenik, ColumnsOfTheSamplePriceList) {
    const TabulkaArtiklu t = TabulkaArtiklu::nacti(kCenik);
    ASSERT_EQ(t.pocetArtiklu(), 10);
    QStringList hlavicky;
    for (int c = 0; c < TabulkaArtiklu::kSloupcu; ++c) hlavicky << t.text(0, c);
    EXPECT_EQ(hlavicky, QStringList({"Starý kód", "Obj.č.", "Název", "Ks", "Prodejní cena", "Váha(kg)", "MJ",
                                     "Prodejní cena", "OBJ_SKLAD", "Systém"}));
    const QString tisic = QStringLiteral("1") + kNbsp + QStringLiteral("234,50");
    const std::pair<int, QStringList> radky[] = {
        {1, {"TS-160", "12345", "Sada komínová 160", "0", tisic, "0,13", "sada", tisic, "1", "MIV"}},
        {2, {"TS-160", "12345-s", "Sada komínová 160 servisní", "0", "", "0,13", "sada", tisic, "1", "MIV"}},
        {10, {"ZZ-4", "ZZ999", "Straße ä ë ö ü, úhel 45°", "0", "15" + QString(kNbsp) + "999,00", "1,01", "m",
              "15" + QString(kNbsp) + "999,00", "1", "ORVIK"}},
    };
    for (const auto& [r, texty] : radky) {
        QStringList v;
        for (int c = 0; c < TabulkaArtiklu::kSloupcu; ++c) v << t.text(r, c);
        EXPECT_EQ(v, texty) << r;
    }
    EXPECT_EQ(cisloChyby([&] { t.text(11, 0); }), 9);
    EXPECT_EQ(cisloChyby([&] { t.text(1, 10); }), 9);
}

TEST(Cenik, NajdiArtiklAndTheDisplayOrder) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(kCenik);
    const std::tuple<const char*, int, const char*> pripady[] = {
        // The caller's code, the row found, the code afterwards. AB12 and ab12: the first in file order.
        {"kv100", 8, "KV100"}, {"ab12", 5, "AB12"}, {"12345-S", 2, "12345-S"}, {"0", -1, "0"}, {"ZZZZ", -1, "ZZZZ"},
        {"kd33", -1, "KD33"}, {"", -1, ""}, {"-", 0, "-"},
    };
    // The browser shows the table by old code; lookups must not notice.
    for (int kolo = 0; kolo < 2; ++kolo, t.Sort(1))
        for (const auto& [kod, radek, potom] : pripady) {
            QString k = QString::fromUtf8(kod);
            EXPECT_EQ(t.NajdiArtikl(k), radek) << kod;
            EXPECT_EQ(k, QString::fromUtf8(potom));
        }
    EXPECT_EQ(sloupec(t, t.poradi(), TabulkaArtiklu::StaryKod),
              QStringList({"TK-330", "TS-160", "TS-160", "XA-1", "XA-2", "XA-3", "ZZ-1", "ZZ-2", "ZZ-3", "ZZ-4"}));
    EXPECT_EQ(sloupec(t, t.poradi(), TabulkaArtiklu::ObjCislo).mid(1, 2), QStringList({"12345", "12345-s"}));
    t.Filtr(true);
    EXPECT_EQ(sloupec(t, t.zobrazeneRadky(), TabulkaArtiklu::ObjCislo),
              QStringList({"KD330", "12345", "12345-s", "ab12", "AB12", "KV100", "VZ200", "ZZ999"}));
    EXPECT_TRUE(t.skryty(3));
    t.Filtr(false);
    t.Sort(0);
    std::vector<int> vse(10);
    std::iota(vse.begin(), vse.end(), 1);
    EXPECT_EQ(t.zobrazeneRadky(), vse);
}

TEST(Cenik, BothOrdersCompareWholeUpperCaseCodesWhateverTheirLength) {
    // Codes alike in their first eight letters, differing in case, in length or further on.
    // Within each group of codes the file order is not the sorted one.
    const QStringList kody{"ABCDEFGH2", "xbcdefgh", "XBCDEFGH10", "abc", "ABCDEFGH1", "abcdefgh1", "XBCDEFGH", "Ž", "xbcdefgh"};
    const QStringList obj{"A", "B", "QRSTUVWX2", "C", "QRSTUVWX10", "qrstuvwx1", "qrstuvwx", "Č", "D"};
    std::vector<std::vector<BunkaDBF>> radky;
    for (int i = 0; i < kody.size(); ++i)
        radky.push_back({kody[i], obj[i], QString(), 1.0, 1.0, QString(), 1.0, QString()});
    TabulkaArtiklu t = TabulkaArtiklu::zDat(cenikZBunek(radky), "x.dbf");
    const auto podleVelkych = [](const QString& a, const QString& b) { return a.toUpper() < b.toUpper(); };
    // Rows are numbered by order number; equal old codes keep that order.
    std::vector<int> poradi(static_cast<size_t>(kody.size()));
    std::iota(poradi.begin(), poradi.end(), 1);
    QStringList podleObj = obj;
    std::stable_sort(podleObj.begin(), podleObj.end(), podleVelkych);
    EXPECT_EQ(sloupec(t, poradi, TabulkaArtiklu::ObjCislo), podleObj);
    std::vector<int> podleStarych = poradi;
    std::stable_sort(podleStarych.begin(), podleStarych.end(),
                     [&](int a, int b) { return podleVelkych(t.text(a, 0), t.text(b, 0)); });
    for (int kolo = 0; kolo < 2; ++kolo) {  // made, then kept
        t.Sort(1);
        EXPECT_EQ(t.poradi(), podleStarych) << kolo;
        t.Sort(0);
        EXPECT_EQ(t.poradi(), poradi) << kolo;
    }
}

// Texts taken out of the table are its callers' own: they stay whole after the table is replaced
// in place (as the restart does) and grow apart from it; the table's own read the new block. A
// field that is no text gives its cell's text.
TEST(Cenik, TextsTakenOutliveTheTableReplacedInPlace) {
    const auto tabulka = [](const QString& nazev) {
        return TabulkaArtiklu::zDat(
            cenikZBunek({{QStringLiteral("S-2"), QStringLiteral("B"), QStringLiteral("Díl"), 1.0, 1.0, QStringLiteral("ks"), 1.0, QString()},
                         {12.5, QStringLiteral("A"), nazev, 1.0, 1.0, QString(), 1.0, QString()}}),
            "x.dbf");
    };
    TabulkaArtiklu t = tabulka(QStringLiteral("Kus"));
    QString kod = t.text(2, TabulkaArtiklu::StaryKod);
    QString nazev = t.text(1, TabulkaArtiklu::Nazev);
    const QString cislo = t.text(1, TabulkaArtiklu::StaryKod);
    const QString mj = t.text(2, TabulkaArtiklu::MJ);
    t = tabulka(QStringLiteral("Trubka nerezová"));
    t = tabulka(QStringLiteral("Koleno"));  // the first replacement's block freed too
    EXPECT_EQ(cislo, textBunky(12.5));
    EXPECT_EQ(mj, QStringLiteral("ks"));
    EXPECT_EQ(nazev, QStringLiteral("Kus"));
    EXPECT_EQ(t.ulozenyText(1, TabulkaArtiklu::Nazev), QStringLiteral("Koleno"));
    EXPECT_EQ(t.ulozenyText(2, TabulkaArtiklu::Nazev), QStringLiteral("Díl"));
    kod += QStringLiteral("-x");
    nazev += QStringLiteral(" nerez");
    EXPECT_EQ(kod, QStringLiteral("S-2-x"));
    EXPECT_EQ(nazev, QStringLiteral("Kus nerez"));
    EXPECT_EQ(t.text(2, TabulkaArtiklu::StaryKod), QStringLiteral("S-2"));
    EXPECT_EQ(cisloChyby([&] { t.ulozenyText(1, TabulkaArtiklu::Cena); }), 5);
}

TEST(Cenik, EmptyAndBrokenPriceLists) {
    QTemporaryDir dir;
    FakeServices sluzby;
    // A header-only file: no articles, and nothing fails.
    UlozDBF(dir.filePath("prazdny"), cenikZBunek({}));
    TabulkaArtiklu t = TabulkaArtiklu::nacti(dir.filePath("prazdny"));
    QString kod = QStringLiteral("KV100");
    EXPECT_EQ(std::pair(t.pocetArtiklu(), t.NajdiArtikl(kod)), std::pair(0, -1));
    t.Sort(1);
    t.Filtr(true);
    EXPECT_TRUE(t.zobrazeneRadky().empty());

    // A flag that is no number counts as not orderable; beyond Currency the overflow error of
    // CCur, while the text still shows.
    const TabulkaArtiklu s = TabulkaArtiklu::zDat(
        cenikZBunek({{QString(), QStringLiteral("A"), QString(), 1e16, 1e39, QString(), QStringLiteral("x"), QString()},
                     {QString(), QStringLiteral("B"), QString(), 1.0, 1.0, QString(), QStringLiteral("1"), QString()}}),
        "x.dbf");
    EXPECT_EQ(std::pair(s.objSklad(1), s.objSklad(2)), std::pair(0.0, 1.0));
    EXPECT_EQ(cisloChyby([&] { s.cena(1); }), 6);
    EXPECT_EQ(cisloChyby([&] { s.vaha(1); }), 6);
    EXPECT_FALSE(s.text(1, TabulkaArtiklu::Cena).isEmpty());

    // Errors name the file: missing, and fewer than the eight fields.
    DataDBF sedm = cenikZBunek({});
    sedm.nazvy.removeLast();
    UlozDBF(dir.filePath("sedm"), sedm);
    for (const QString& jmeno : {QStringLiteral("chybi"), QStringLiteral("sedm")}) {
        try {
            TabulkaArtiklu::nacti(dir.filePath(jmeno));
            ADD_FAILURE() << "no error for " << jmeno.toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_TRUE(e.popis().contains(dir.filePath(jmeno + ".dbf"))) << e.what();
        }
    }
}
