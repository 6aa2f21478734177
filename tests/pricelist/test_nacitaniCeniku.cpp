// The article table read straight from the bytes against the one built from the reader's cells.
#include "platform/Cp852.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "pricelist/DBF.h"
#include "pricelist/DbfTestUtil.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

template <typename F>
QString vysledek(F f) {
    try {
        return QString::number(f(), 'g', 17);
    } catch (const RuntimeError& e) {
        return QStringLiteral("error %1").arg(e.cislo());
    }
}

// Everything a caller can see of a table, as lines of text, or the error that stopped it.
QStringList nacti(const QByteArray& obsah, const QString& soubor, bool primo) {
    try {
        CtecDBF c(obsah, soubor);
        TabulkaArtiklu t = primo ? TabulkaArtiklu::zCtecky(c) : TabulkaArtiklu::zDat(ctiDBF(obsah, soubor), soubor);
        QStringList v;
        for (int r = 0; r <= t.pocetArtiklu(); ++r) {
            QStringList radek;
            for (int c = 0; c < TabulkaArtiklu::kSloupcu; ++c) radek << t.text(r, c);
            if (r > 0) {
                radek << vysledek([&] { return t.cena(r).raw(); }) << vysledek([&] { return t.vaha(r); })
                      << QString::number(t.objSklad(r), 'g', 17);
                QString kod = t.text(r, TabulkaArtiklu::ObjCislo).toLower();
                radek << QString::number(t.NajdiArtikl(kod)) << kod;
            }
            v << radek.join(QLatin1Char('|'));
        }
        t.Sort(1);
        QStringList poradi;
        for (int r : t.poradi()) poradi << QString::number(r);
        t.Filtr(true);
        return v << poradi.join(QLatin1Char(' ')) << QString::number(t.zobrazeneRadky().size());
    } catch (const RuntimeError& e) {
        return {QStringLiteral("error ") + QString::number(e.cislo()) + QLatin1Char(' ') + e.popis()};
    }
}

const std::vector<PoleT> kPole = {{"STARY_KOD", 'C', 10}, {"OBJ_CISLO", 'C', 12}, {"NAZEV", 'C', 30},
                                  {"CENA", 'N', 40, 2},   {"VAHA", 'N', 40, 3},  {"MJ", 'C', 4},
                                  {"OBJ_SKLAD", 'N', 2},  {"SYSTEM", 'C', 9}};

QByteArray zaznam(const std::vector<PoleT>& pole, const std::vector<QByteArray>& hodnoty, bool smazany = false) {
    QByteArray z(1, smazany ? '*' : ' ');
    for (size_t i = 0; i < pole.size(); ++i) {
        const QByteArray& h = hodnoty[i];
        z += pole[i].typ == 'N' ? h.rightJustified(pole[i].delka, ' ', true) : h.leftJustified(pole[i].delka, ' ', true);
    }
    return z;
}

// Codes that stress lookup and sort: case, non-ASCII, ß growing in upper case, shared prefixes.
const QByteArray kKody[] = {"AB12", "ab12", "Ab12-s", "\x9F" "k1", "\xAC" "K1", "stra\xE1" "e", "STRASSE",
                            "ABCDEFGH1", "abcdefgh2", "ABCDEFGH", "", "-", "Z", "z-s1", "0001", "\xFD\xFD"};
// Numbers as the price list's fields may hold them (tests/data/pripady/cisla.txt).
const std::vector<QByteArray> kCisla = [] {
    std::vector<QByteArray> v;
    for (const QStringList& c : pripady("pripady/cisla.txt")) v.push_back(c[0] == "<empty>" ? QByteArray() : c[0].toLatin1());
    return v;
}();

// A price list over every code and number above, in one of the field layouts.
QByteArray cenik(const std::vector<PoleT>& pole) {
    const QByteArray mj[] = {"ks", "m", "sada", ""};
    std::vector<QByteArray> zaznamy;
    for (size_t i = 0; i < std::size(kCisla); ++i) {
        std::vector<QByteArray> h = {kKody[(i * 7) % std::size(kKody)], kKody[i % std::size(kKody)],
                                     i % 3 ? "Kom\xA1nov\xA0 vlo\xA7ka" : "  x", kCisla[i],
                                     kCisla[std::size(kCisla) - 1 - i], mj[i % 4], QByteArray::number(i % 4),
                                     i % 2 ? "MIV" : "\xE7" "achta"};
        if (pole.size() > 8) h.push_back(kCisla[(i * 5) % std::size(kCisla)]);
        if (i % 11 == 5) h[6] = "x";
        zaznamy.push_back(zaznam(pole, h, i % 9 == 4));
    }
    return sestavDBF(pole, zaznamy);
}

}  // namespace

TEST(NacitaniCeniku, StraightFromTheBytesAsFromTheCells) {
    std::vector<std::pair<QString, QByteArray>> pripady;
    for (const char* s : {"/tests/data/cenik/Art.dbf", "/Data/Art.dbf"})
        pripady.emplace_back(s, readBytes(QStringLiteral(SORVENIKA_SOURCE_DIR) + QString::fromLatin1(s)));
    const QDir korpus(testData("dbf_corpus"));
    for (const QString& s : korpus.entryList(QDir::Files)) pripady.emplace_back(s, readBytes(korpus.filePath(s)));
    // Texts in the numeric fields, fields of other types, a ninth field.
    std::vector<PoleT> textem = kPole, datumy = kPole, devet = kPole;
    textem[3].typ = textem[6].typ = 'C';
    datumy[0] = {"STARY_KOD", 'D', 8};
    datumy[1] = {"OBJ_CISLO", 'N', 12, 2};
    datumy[5] = {"MJ", 'N', 4};
    devet.push_back({"NAVIC", 'N', 12});
    for (const auto& pole : {kPole, textem, datumy, devet}) pripady.emplace_back(QString::number(pole.size()), cenik(pole));

    for (const QString& region : {QStringLiteral("cs_CZ"), QStringLiteral("C")}) {
        Region r(region);
        for (const auto& [nazev, obsah] : pripady) {
            SCOPED_TRACE(nazev.toStdString() + " / " + region.toStdString());
            const QStringList a = nacti(obsah, QStringLiteral("/data/ceník.dbf"), true);
            ASSERT_EQ(a, nacti(obsah, QStringLiteral("/data/ceník.dbf"), false));
            if (a.size() == 1) { EXPECT_EQ(a[0].count(QStringLiteral("/data/ceník.dbf")), 1) << a[0].toStdString(); }
        }
    }
}

// Rows follow the upper-case order numbers unit by unit; equal ones keep the file order.
TEST(NacitaniCeniku, RowsInTheOrderOfTheUpperCaseCodes) {
    std::vector<QByteArray> zaznamy;
    for (const QByteArray& k : kKody) zaznamy.push_back(zaznam(kPole, {"", k, "", "1", "1", "", "1", ""}));
    CtecDBF c(sestavDBF(kPole, zaznamy), QStringLiteral("x.dbf"));
    const TabulkaArtiklu t = TabulkaArtiklu::zCtecky(c);
    QStringList kody;
    for (int r = 1; r <= t.pocetArtiklu(); ++r) kody << t.text(r, TabulkaArtiklu::ObjCislo);
    EXPECT_EQ(kody, QStringList({"", "-", "0001", "AB12", "ab12", "Ab12-s", "ABCDEFGH", "ABCDEFGH1", "abcdefgh2",
                                 "straße", "STRASSE", "Z", "z-s1", "čk1", "ČK1", "řř"}));
}

// A bad record fails as if read whole: field errors in field order, before the row's, naming the file once.
TEST(NacitaniCeniku, ErrorsOfARecord) {
    std::vector<PoleT> devet = kPole, textem = kPole;
    devet.push_back({"NAVIC", 'N', 12});
    textem[3].typ = 'C';
    const std::vector<QByteArray> dobre = {"S-1", "K1", "N", "1.5", "2", "ks", "1", "MIV", "3"};
    auto s = [&](const std::vector<PoleT>& pole, std::vector<std::pair<int, QByteArray>> zmeny) {
        std::vector<QByteArray> h(dobre.begin(), dobre.begin() + static_cast<qsizetype>(pole.size()));
        for (const auto& [i, v] : zmeny) h[static_cast<size_t>(i)] = v;
        return sestavDBF(pole, {zaznam(pole, dobre), zaznam(pole, h)});
    };
    const QByteArray pripady[] = {
        s(kPole, {{3, "1e999"}}),          s(devet, {{3, "1e999"}, {8, "-1e999"}}), s(devet, {{6, "1e999"}, {8, "1e999"}}),
        s(textem, {{3, "1e999"}, {4, "1e999"}}),
    };
    for (const QByteArray& p : pripady) {
        const QStringList a = nacti(p, QStringLiteral("x.dbf"), true);
        ASSERT_EQ(a.size(), 1);
        EXPECT_EQ(a, nacti(p, QStringLiteral("x.dbf"), false));
        EXPECT_EQ(a[0].count(QStringLiteral("x.dbf")), 1) << a[0].toStdString();
    }
}

// The digits skip the Double, yet must show as Format shows Val's number.
TEST(NacitaniCeniku, PricesStraightFromTheDigits) {
    std::vector<QByteArray> zaznamy;
    for (const QByteArray& c : kCisla) zaznamy.push_back(zaznam(kPole, {"", "K", "", c, c, "", "1", ""}));
    const QByteArray obsah = sestavDBF(kPole, zaznamy);
    for (const QString& region : {QStringLiteral("cs_CZ"), QStringLiteral("C")}) {
        Region r(region);
        CtecDBF c(obsah, QStringLiteral("x.dbf"));
        const TabulkaArtiklu t = TabulkaArtiklu::zCtecky(c);
        ASSERT_EQ(t.pocetArtiklu(), static_cast<int>(std::size(kCisla)));
        for (int i = 1; i <= t.pocetArtiklu(); ++i) {  // equal codes keep the file order
            SCOPED_TRACE(kCisla[i - 1].toStdString() + " / " + region.toStdString());
            const QString v = Regional::current().Format(Val(QString::fromLatin1(kCisla[i - 1])), 2, true);
            EXPECT_EQ(t.text(i, TabulkaArtiklu::Cena), v);
            EXPECT_EQ(t.text(i, TabulkaArtiklu::Vaha), v);
            EXPECT_EQ(vysledek([&] { return t.cena(i).raw(); }), vysledek([&] { return Regional::current().CCur(v).raw(); }));
            EXPECT_EQ(vysledek([&] { return t.vaha(i); }), vysledek([&] { return Regional::current().CSng(v); }));
        }
    }
}

// A price field holding text shows that text and prices an order at nothing; an order number
// with "-s" shows no price of its own.
TEST(NacitaniCeniku, APriceFieldHoldingTextShowsIt) {
    std::vector<PoleT> textem = kPole;
    textem[3].typ = 'C';
    const struct { const char* kod; QByteArray cena; const char* cenaKs; const char* prodejni; double cislo; } pripady[] = {
        {"A", "dohodou", "dohodou", "dohodou", 0},
        {"B", "1,5", "1,50", "1,50", 1.5},
        {"C-s", "1,5", "1,50", "", 0},
    };
    std::vector<QByteArray> zaznamy;
    for (const auto& p : pripady) zaznamy.push_back(zaznam(textem, {"", p.kod, "", p.cena, "1", "", "1", ""}));
    Region r(QStringLiteral("cs_CZ"));
    CtecDBF c(sestavDBF(textem, zaznamy), QStringLiteral("x.dbf"));
    const TabulkaArtiklu t = TabulkaArtiklu::zCtecky(c);
    ASSERT_EQ(t.pocetArtiklu(), static_cast<int>(std::size(pripady)));
    for (int i = 1; i <= t.pocetArtiklu(); ++i) {
        const auto& p = pripady[i - 1];
        EXPECT_EQ(std::tuple(t.text(i, TabulkaArtiklu::Cena), t.text(i, TabulkaArtiklu::ProdejniCena), t.prodejniCena(i)),
                  std::tuple(QString::fromUtf8(p.cenaKs), QString::fromUtf8(p.prodejni), p.cislo))
            << p.kod;
    }
}
