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

int radekKodu(const TabulkaArtiklu& t, const QString& kod) {
    for (int r = 1; r <= t.pocetArtiklu(); ++r)
        if (t.text(r, TabulkaArtiklu::ObjCislo) == kod) return r;
    return -1;
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
    QString vsechno;
    for (size_t r = 0; r < zdroj.size(); ++r) {
        for (int c = 0; c < 8; ++c) {
            const BunkaDBF& b = d.radky[r][static_cast<size_t>(c)];
            const QString& ocekavano = zdroj[r][c];
            if (c == 3 || c == 4 || c == 6)
                EXPECT_EQ(popis(b), popis(ocekavano.toDouble())) << r << "/" << c;
            else
                EXPECT_EQ(popis(b), popis(ocekavano)) << r << "/" << c;
        }
        vsechno += std::get<QString>(d.radky[r][2]);
    }
    for (QChar c : QStringLiteral("áÁéÉěĚíÍóÓúÚůŮýÝčČďĎľĽňŇřŘšŠťŤžŽäëöüÄËÖÜß°"))
        EXPECT_TRUE(vsechno.contains(c)) << "letter " << QString(c).toStdString() << " missing from the names";
}

TEST(Cenik, ColumnsOfTheSamplePriceList) {
    const TabulkaArtiklu t = TabulkaArtiklu::nacti(kCenik);
    ASSERT_EQ(t.pocetArtiklu(), 10);
    EXPECT_EQ(t.pocetRadku(), 11);
    QStringList hlavicky;
    for (int c = 0; c < TabulkaArtiklu::kSloupcu; ++c) hlavicky << t.text(0, c);
    EXPECT_EQ(hlavicky, QStringList({"Starý kód", "Obj.č.", "Název", "Ks", "Prodejní cena", "Váha(kg)", "MJ",
                                     "Prodejní cena", "OBJ_SKLAD", "Systém"}));

    // Order-number order, the same letters in any case together, file order among them.
    std::vector<int> vse(10);
    std::iota(vse.begin(), vse.end(), 1);
    EXPECT_EQ(sloupec(t, vse, TabulkaArtiklu::ObjCislo),
              QStringList({"12345", "12345-s", "A0001", "AB1", "AB12", "ab12", "KD330", "KV100", "VZ200", "ZZ999"}));

    const QString tisic = QStringLiteral("1") + kNbsp + QStringLiteral("234,50");
    struct {
        const char* kod;
        QStringList texty;  // columns 0 to 9
    } radky[] = {
        {"12345-s", {"TS-160", "12345-s", "Sada komínová 160 servisní", "0", "", "0,13", "sada", tisic, "1", "MIV"}},
        {"12345", {"TS-160", "12345", "Sada komínová 160", "0", tisic, "0,13", "sada", tisic, "1", "MIV"}},
        {"A0001", {"ZZ-3", "A0001", "Ľubica ľadová, Äpfel, Öl, Über, Ëmil", "0", "0,00", "0,00", "ks", "0,00", "0", "ORVIK"}},
        {"ZZ999", {"ZZ-4", "ZZ999", "Straße ä ë ö ü, úhel 45°", "0", "15" + QString(kNbsp) + "999,00", "1,01", "m",
                   "15" + QString(kNbsp) + "999,00", "1", "ORVIK"}},
    };
    for (const auto& r : radky) {
        const int n = radekKodu(t, QString::fromUtf8(r.kod));
        ASSERT_GE(n, 1) << r.kod;
        QStringList texty;
        for (int c = 0; c < TabulkaArtiklu::kSloupcu; ++c) texty << t.text(n, c);
        EXPECT_EQ(texty, r.texty) << r.kod;
    }
    EXPECT_THROW(t.text(11, 0), RuntimeError);
    EXPECT_THROW(t.text(1, 10), RuntimeError);
}

TEST(Cenik, NajdiArtikl) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(kCenik);
    struct {
        const char* kod;
        const char* nalezeny;  // order number of the row found; nullptr: -1
        const char* potom;     // the caller's code afterwards
    } pripady[] = {
        {"kv100", "KV100", "KV100"},
        {"ab12", "AB12", "AB12"},  // AB12 and ab12: the first in file order
        {"12345-S", "12345-s", "12345-S"},
        {"12345", "12345", "12345"},
        {"0", nullptr, "0"},        // below the first
        {"ZZZZ", nullptr, "ZZZZ"},  // above the last
        {"kd33", nullptr, "KD33"},
        {"", nullptr, ""},
    };
    for (int kolo = 0; kolo < 2; ++kolo) {
        for (const auto& p : pripady) {
            QString kod = QString::fromUtf8(p.kod);
            const int r = t.NajdiArtikl(kod);
            EXPECT_EQ(kod, QString::fromUtf8(p.potom));
            if (p.nalezeny)
                EXPECT_EQ(r, radekKodu(t, QString::fromUtf8(p.nalezeny))) << p.kod;
            else
                EXPECT_EQ(r, -1) << p.kod;
        }
        QString pomlcka = QStringLiteral("-");
        EXPECT_EQ(t.NajdiArtikl(pomlcka), 0);
        // Every article is found, in its own spelling and in lower case.
        for (int r = 1; r <= t.pocetArtiklu(); ++r) {
            QString kod = t.text(r, TabulkaArtiklu::ObjCislo).toLower();
            const int n = t.NajdiArtikl(kod);
            ASSERT_GE(n, 1) << kod.toStdString();
            EXPECT_EQ(t.text(n, TabulkaArtiklu::ObjCislo).toUpper(), kod);
        }
        // The browser shows the table by old code; lookups must not notice.
        t.Sort(1);
    }
}

TEST(Cenik, SortAndFiltrChangeOnlyTheDisplay) {
    TabulkaArtiklu t = TabulkaArtiklu::nacti(kCenik);
    const std::vector<int> nacteno = t.poradi();
    ASSERT_EQ(nacteno.size(), 10u);
    EXPECT_TRUE(std::is_sorted(nacteno.begin(), nacteno.end()));

    t.Sort(1);
    EXPECT_EQ(sloupec(t, t.poradi(), TabulkaArtiklu::StaryKod),
              QStringList({"TK-330", "TS-160", "TS-160", "XA-1", "XA-2", "XA-3", "ZZ-1", "ZZ-2", "ZZ-3", "ZZ-4"}));
    EXPECT_EQ(sloupec(t, t.poradi(), TabulkaArtiklu::ObjCislo).mid(1, 2), QStringList({"12345", "12345-s"}));
    t.Sort(0);
    EXPECT_EQ(t.poradi(), nacteno);

    t.Filtr(true);
    EXPECT_EQ(sloupec(t, t.zobrazeneRadky(), TabulkaArtiklu::ObjCislo),
              QStringList({"12345", "12345-s", "AB12", "ab12", "KD330", "KV100", "VZ200", "ZZ999"}));
    EXPECT_TRUE(t.skryty(radekKodu(t, "AB1")));
    t.Filtr(false);
    EXPECT_EQ(t.zobrazeneRadky(), nacteno);
}

TEST(Cenik, EmptyAndBrokenPriceLists) {
    QTemporaryDir dir;
    FakeServices sluzby;
    // A header-only file: no articles, and nothing fails.
    UlozDBF(dir.filePath("prazdny"), cenikZBunek({}));
    TabulkaArtiklu t = TabulkaArtiklu::nacti(dir.filePath("prazdny"));
    EXPECT_EQ(t.pocetArtiklu(), 0);
    QString kod = QStringLiteral("KV100");
    EXPECT_EQ(t.NajdiArtikl(kod), -1);
    t.Sort(1);
    t.Filtr(true);
    EXPECT_TRUE(t.zobrazeneRadky().empty());

    // A flag that is no number counts as not orderable.
    const TabulkaArtiklu s = TabulkaArtiklu::zDat(
        cenikZBunek({{QString(), QStringLiteral("A"), QString(), 1.0, 1.0, QString(), QStringLiteral("x"), QString()},
                     {QString(), QStringLiteral("B"), QString(), 1.0, 1.0, QString(), QStringLiteral("1"), QString()}}),
        "x.dbf");
    EXPECT_EQ(s.objSklad(1), 0);
    EXPECT_EQ(s.objSklad(2), 1);
    // Beyond Currency: the overflow error of CCur, while the text still shows.
    const TabulkaArtiklu p = TabulkaArtiklu::zDat(cenikZBunek({{QString(), QStringLiteral("X"), QString(), 1e16, 1e39, QString(), 1.0, QString()}}), "x.dbf");
    EXPECT_THROW(p.cena(1), RuntimeError);
    EXPECT_THROW(p.vaha(1), RuntimeError);
    EXPECT_FALSE(p.text(1, TabulkaArtiklu::Cena).isEmpty());

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
