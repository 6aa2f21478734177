// The spreadsheet export read back by an independent reader (python3-openpyxl): headings, the
// kinds of cells, the number format, column widths, and the file opened afterwards.
#include "costing/ExportDoExcelu.h"
#include "pricelist/DbfTestUtil.h"
#include "support/TestSupport.h"
#include "support/UkazkaVystupu.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class Sesit : public ::testing::Test {
protected:
    void SetUp() override {
        if (debianPython().isEmpty() ||
            QProcess::execute(debianPython(), {QStringLiteral("-c"), QStringLiteral("import openpyxl")}) != 0)
            GTEST_SKIP() << "python3-openpyxl is not installed";
    }
    static QJsonObject precti(const QString& cesta) {
        return QJsonDocument::fromJson(spustPython({QStringLiteral(SORVENIKA_SOURCE_DIR "/tests/costing/xlsx_dump.py"), cesta})).object();
    }
    QString cesta() const { return dir.filePath(QStringLiteral("kalkulace.xlsx")); }

    Region cs{QStringLiteral("cs_CZ")};
    FakeServices sluzby;
    QTemporaryDir dir;
};

struct Bunka {
    const char* adresa;
    const char* typ;  // "s" text, "n" number
    QVariant hodnota;
};

}  // namespace

// Headings bold; rows with pieces without gaps; names as entries ("=1+1" stays text, "2500" is
// a number), codes always text, quantities and prices numbers with the price format.
TEST_F(Sesit, CellsReadBackAsWritten) {
    Kalkulace k = ukazkovaKalkulace();
    k.radky[4].Nazev = QStringLiteral("=1+1");
    RadekKalkulace cislo = radekUkazky("2500", "12345678901234567890", "007", 1, 5.5);
    k.radky.push_back(cislo);
    ASSERT_TRUE(zapisSesit(k, cesta()));
    EXPECT_FALSE(QFile::exists(cesta() + QStringLiteral(".part")));

    const QJsonObject s = precti(cesta());
    EXPECT_EQ(s[QStringLiteral("listy")].toArray(), QJsonArray({QStringLiteral("MIV")}));
    const QJsonObject bunky = s[QStringLiteral("bunky")].toObject();
    const Bunka cekane[] = {
        {"A1", "s", QStringLiteral("Název dílu")}, {"B1", "s", QStringLiteral("Obj.č.")}, {"C1", "s", QStringLiteral("Obj.č. původní")},
        {"D1", "s", QStringLiteral("Ks")}, {"E1", "s", QStringLiteral("Cena/Ks")}, {"F1", "s", QStringLiteral("Cena celkem")},
        {"A2", "s", QStringLiteral("Komínová tvárnice")}, {"B2", "s", QStringLiteral("KT16")}, {"D2", "n", 24},
        {"E2", "n", 189.5}, {"F2", "n", 4548}, {"C3", "s", QStringLiteral("D-16")}, {"E3", "n", 1250},
        {"A4", "s", QStringLiteral("Patní deska")}, {"F4", "n", 830.6},
        {"A5", "s", QStringLiteral("=1+1")}, {"B5", "s", QStringLiteral("0123")}, {"D5", "n", 3},
        {"A6", "n", 2500}, {"B6", "s", QStringLiteral("12345678901234567890")}, {"C6", "s", QStringLiteral("007")}, {"E6", "n", 5.5},
    };
    for (const Bunka& c : cekane) {
        const QJsonObject b = bunky[QLatin1String(c.adresa)].toObject();
        SCOPED_TRACE(c.adresa);
        EXPECT_EQ(b[QStringLiteral("typ")].toString(), QLatin1String(c.typ));
        EXPECT_EQ(b[QStringLiteral("hodnota")].toVariant(), c.hodnota);
        const bool nadpis = c.adresa[1] == '1';
        EXPECT_EQ(b[QStringLiteral("tucne")].toBool(), nadpis);
        EXPECT_EQ(b[QStringLiteral("zarovnani")].toString(), c.adresa[0] <= 'C' ? QStringLiteral("left") : QStringLiteral("right"));
        EXPECT_EQ(b[QStringLiteral("format")].toString(),
                  !nadpis && c.adresa[0] >= 'E' ? QStringLiteral("# ### ##0.00") : QStringLiteral("General"));
    }
    EXPECT_FALSE(bunky.contains(QStringLiteral("A7")));
    for (auto it = bunky.begin(); it != bunky.end(); ++it)
        EXPECT_NE(it.value().toObject()[QStringLiteral("hodnota")].toString(), QStringLiteral("Kondenzační jímka"));

    // Widths from the longest text: "Komínová tvárnice", "12345678901234567890", "Obj.č. původní".
    const QJsonObject sirky = s[QStringLiteral("sirky")].toObject();
    for (const auto& [sloupec, znaku] : {std::pair{"A", 17}, {"B", 20}, {"C", 14}, {"D", 2}, {"F", 11}})
        EXPECT_NEAR(sirky[QLatin1String(sloupec)].toDouble(), znaku * 1.1 + 2, 1.0) << sloupec;
}

TEST_F(Sesit, OnlyHeadingsWithoutPieces) {
    Kalkulace k = ukazkovaKalkulace();
    for (RadekKalkulace& r : k.radky) r.Ks = 0;
    ASSERT_TRUE(zapisSesit(k, cesta()));
    EXPECT_EQ(precti(cesta())[QStringLiteral("bunky")].toObject().keys(), QStringList({"A1", "B1", "C1", "D1", "E1", "F1"}));
}

// The workbook goes to the temporary folder under a name of its own and opens; one that cannot
// be written or opened is reported with its file.
TEST_F(Sesit, ExportOpensTheWorkbook) {
    QTemporaryDir docasna;
    Prostredi tmp("TMPDIR", docasna.path().toUtf8());
    const Kalkulace k = ukazkovaKalkulace();
    const Vysledek<QString> prvni = ExportDoExcelu(k);
    const Vysledek<QString> druhy = ExportDoExcelu(k);
    ASSERT_TRUE(prvni && druhy);
    EXPECT_EQ(*prvni, docasna.filePath(QStringLiteral("Sorvenika-MIV-20261206-100000.xlsx")));
    EXPECT_EQ(*druhy, docasna.filePath(QStringLiteral("Sorvenika-MIV-20261206-100000-2.xlsx")));
    EXPECT_EQ(sluzby.desktop.otevrene, QStringList({*prvni, *druhy}));
    EXPECT_EQ(precti(*druhy)[QStringLiteral("aktivni")].toString(), QStringLiteral("MIV"));

    sluzby.desktop.otevreniUspeje = false;
    const Vysledek<QString> neotevreny = ExportDoExcelu(k);
    ASSERT_FALSE(neotevreny);
    const QString treti = docasna.filePath(QStringLiteral("Sorvenika-MIV-20261206-100000-3.xlsx"));
    EXPECT_EQ(neotevreny.chyba(), QStringLiteral("Chyba při exportu.\nSešit je uložen v souboru ") + treti +
                                      QStringLiteral(", ale nepodařilo se jej otevřít."));
    EXPECT_TRUE(QFile::exists(treti));

    const Vysledek<> chyba = zapisSesit(k, dir.filePath(QStringLiteral("chybi/kalkulace.xlsx")));
    ASSERT_FALSE(chyba);
    EXPECT_TRUE(chyba.chyba().startsWith(QStringLiteral("Chyba při exportu.\n"))) << chyba.chyba().toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}
