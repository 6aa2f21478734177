#include "orders/ImportZakazniku.h"
#include "support/SlozkaZakazniku.h"

#include <QDir>
#include <gtest/gtest.h>

int zkusZakazniciCsv(const uint8_t* data, size_t size);

class ImportZakazniku : public ZakazniciVeSlozce {};

namespace {

QString rows(const TabulkaCsv& t) {
    QStringList l;
    for (const QStringList& r : t.radky) l << r.join(u'|');
    return QString::number(t.sloupcu) + QLatin1Char(':') + l.join(u'/');
}

QString testovaciSoubor(const char* jmeno) { return testData(QStringLiteral("import/") + QLatin1String(jmeno)); }

// The mapping of a spreadsheet export: surname, first name, street, postcode, town.
void mapujPoradi(ModelImportu& m) {
    for (auto [seznam, sloupec] : {std::pair{ModelImportu::Prijmeni, 0}, {ModelImportu::Jmeno, 1},
                                   {ModelImportu::Ulice, 2}, {ModelImportu::Psc, 3}, {ModelImportu::Mesto, 4}})
        m.setSloupec(seznam, sloupec);
}

QStringList radkyMrizky(const FlexGrid& g) {
    QStringList l;
    for (int r = 0; r < g.Rows(); ++r) {
        QStringList b;
        for (int c = 0; c < g.Cols(); ++c) b << g.TextMatrix(r, c);
        l << b.join(u'|');
    }
    return l;
}

}  // namespace

TEST_F(ImportZakazniku, ReadsSemicolonSeparatedText) {
    const struct {
        const char* nazev;
        QByteArray obsah;
        const char* ocekavano;  // columns ":" rows "/" cells "|"
    } pripady[] = {
        {"three lines, no final CR LF", "a;b;c;d;e\r\nf;g;h;i;j\r\nk;l;m;n;o", "5:a|b|c|d|e/f|g|h|i|j/k|l|m|n|o"},
        {"the final CR LF adds nothing", "a;b\r\nc;d\r\n", "2:a|b/c|d"},
        {"the first line sets the columns", "a;b;c\r\n1;2;3;4;5\r\nx", "3:a|b|c/1|2|3/x||"},
        {"blank lines and empty cells left out", "a;b\r\n\r\n;\r\n;c\r\n", "2:a|b/|c"},
        {"an empty first line gives one column", "\r\nx;y", "1:x"},
        {"Windows-1250", "\x8A\x9D" "astn\xE1;\x8E" "ofie", "2:Šťastná|Žofie"},
        {"UTF-8 after a byte-order mark", "\xEF\xBB\xBF\xC5\xA0\xC5\xA5" "astn\xC3\xA1;\xC5\xBD" "ofie\r\n", "2:Šťastná|Žofie"},
        {"one byte-order mark is taken off, a second is text", "\xEF\xBB\xBF\xEF\xBB\xBF" "a;b", "2:\xEF\xBB\xBF" "a|b"},
        {"line feeds alone end lines too", "a;b\nc;d\n", "2:a|b/c|d"},
        {"a TAB separates as well", "a\tb;c", "3:a|b|c"},
        {"nothing at all", "", "1:"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        EXPECT_EQ(rows(ctiZakazniciCsv(p.obsah)), QString::fromUtf8(p.ocekavano));
    }
}

TEST_F(ImportZakazniku, FuzzCorpusRunsThroughTheParser) {
    const QDir korpus(testData("csv_corpus"));
    const QStringList soubory = korpus.entryList(QDir::Files);
    ASSERT_GE(soubory.size(), 5);
    for (const QString& s : soubory) {
        SCOPED_TRACE(s.toStdString());
        const QByteArray b = readBytes(korpus.filePath(s));
        EXPECT_EQ(zkusZakazniciCsv(reinterpret_cast<const uint8_t*>(b.constData()), static_cast<size_t>(b.size())), 0);
    }
}

// The sample export: a header line, a line of seven cells and one of three, the final CR LF.
TEST_F(ImportZakazniku, CsvWithHeaderIntoTheCustomerFile) {
    ModelImportu m(soubor);
    EXPECT_TRUE(m.polozkySeznamu().isEmpty());
    ASSERT_TRUE(m.nacti(testovaciSoubor("zakaznici.csv")));
    EXPECT_EQ(radkyMrizky(m.T), QStringList({"Sloupec č. 0|Sloupec č. 1|Sloupec č. 2|Sloupec č. 3|Sloupec č. 4",
                                             "Příjmení|Jméno|Ulice|PSČ|Obec", "Adámek|Petr|Lipová 12|602 00|Brno",
                                             "Bartoš|Lukáš|Husova 5|370 01|České Budějovice",
                                             "Beneš|Karel|Nádražní 148|530 02|Pardubice", "Cibulka|Ondřej|Polní 3||"}));
    EXPECT_EQ(m.polozkySeznamu().last(), QStringLiteral("Sloupec č. 4"));
    EXPECT_EQ(m.T.ColWidth(4), ModelImportu::kSirkaSloupce);
    EXPECT_TRUE(m.souborVybran() && m.nacteno());

    // Without a mapping every field is one blank; without the header tick the header is a customer.
    EXPECT_EQ(m.zakaznici(), Zakaznici(5, Zakaznik{" ", " ", " ", " ", " "}));
    // Saving that, or only the empty fifth column of a line that has none, would erase the book:
    // refused, the customer file left byte for byte.
    ASSERT_TRUE(UlozZakazniky(soubor, {Zakaznik{"Stávající", "", "", "", ""}}));
    const QByteArray puvodni = readBytes(soubor + ".dbf");
    EXPECT_EQ(m.uloz().chyba(), kZadnySloupec);
    EXPECT_EQ(readBytes(soubor + ".dbf"), puvodni);
    mapujPoradi(m);
    m.setPrvniRadekNazvy(true);
    EXPECT_TRUE(m.T.CellFontBoldAt(1, 0));
    const Zakaznici z = m.zakaznici();
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0], Zakaznik({"Adámek", "Petr", "Lipová 12", "602 00", "Brno"}));
    EXPECT_EQ(z[3], Zakaznik({"Cibulka", "Ondřej", "Polní 3", "", ""}));

    // First name and surname swapped by the lists; a list left empty gives " ".
    m.setSloupec(ModelImportu::Jmeno, 0);
    m.setSloupec(ModelImportu::Prijmeni, 1);
    m.setSloupec(ModelImportu::Mesto, 5);  // past the last column: none
    m.setPrvniRadekNazvy(false);
    EXPECT_FALSE(m.T.CellFontBoldAt(1, 0));
    const Zakaznici prohozene = m.zakaznici();
    ASSERT_EQ(prohozene.size(), 5u);
    EXPECT_EQ(prohozene[0], Zakaznik({"Jméno", "Příjmení", "Ulice", "PSČ", " "}));  // J before K, L, O, P
    EXPECT_EQ(prohozene[1], Zakaznik({"Karel", "Beneš", "Nádražní 148", "530 02", " "}));

    // Saved in surname order and read back by the address book.
    mapujPoradi(m);
    m.setPrvniRadekNazvy(true);
    ASSERT_TRUE(m.uloz());
    const Vysledek<Zakaznici> zpet = NactiZakazniky(soubor);
    ASSERT_TRUE(zpet);
    EXPECT_EQ(*zpet, z);

    // A second text file adds its rows below; a column number past the new grid is forgotten.
    m.setSloupec(ModelImportu::Mesto, 2);
    writeBytes(dir.filePath("dalsi.CSV"), "Zelen\xFD;Hynek\r\n");
    ASSERT_TRUE(m.nacti(dir.filePath("dalsi.CSV")));
    EXPECT_EQ(std::tuple(m.T.Rows(), m.T.Cols(), m.T.TextMatrix(6, 0), m.sloupec(ModelImportu::Mesto)),
              std::tuple(7, 2, QStringLiteral("Zelený"), -1));

    // The header tick on a file of one line.
    ModelImportu jeden(soubor);
    jeden.setPrvniRadekNazvy(true);
    ASSERT_TRUE(jeden.nacti(dir.filePath("dalsi.CSV")));
    EXPECT_TRUE(jeden.T.CellFontBoldAt(1, 1));
    EXPECT_TRUE(jeden.zakaznici().empty());
    mapujPoradi(jeden);
    EXPECT_EQ(jeden.uloz().chyba(), kJenPrazdneZaznamy);
    // Only a column that is empty in every line chosen.
    ModelImportu prazdne(soubor);
    writeBytes(dir.filePath("mezery.csv"), "a; ;\r\nb;;\r\n");
    ASSERT_TRUE(prazdne.nacti(dir.filePath("mezery.csv")));
    prazdne.setSloupec(ModelImportu::Prijmeni, 1);
    EXPECT_EQ(prazdne.uloz().chyba(), kJenPrazdneZaznamy);
    prazdne.setSloupec(ModelImportu::Jmeno, 0);
    EXPECT_TRUE(prazdne.kontrola());
    EXPECT_EQ(NactiZakazniky(soubor)->size(), 4u);  // the book saved above, untouched

    // Letters that would read back as others: in their plain form, and counted; the rest kept.
    ModelImportu prosty(soubor);
    writeBytes(dir.filePath("prosty.csv"), "\xD4sm\xFD;Jan\x96Petr\r\n\x8A" "a\x9D;Eva\r\nWroc\xB3" "aw;H\xF4rka\r\n");
    ASSERT_TRUE(prosty.nacti(dir.filePath("prosty.csv")));
    prosty.setSloupec(ModelImportu::Prijmeni, 0);
    prosty.setSloupec(ModelImportu::Jmeno, 1);
    EXPECT_EQ(prosty.zakaznici()[0], Zakaznik({"Osmý", "Jan-Petr", " ", " ", " "}));
    EXPECT_EQ(prosty.zakaznici()[2], Zakaznik({"Wrocław", "Hôrka", " ", " ", " "}));
    EXPECT_EQ(*prosty.uloz(), 2);
}

// Another program's table: six fields, a number among them, the names not shown.
TEST_F(ImportZakazniku, DbaseTableReplacesTheGrid) {
    ModelImportu m(soubor);
    ASSERT_TRUE(m.nacti(testovaciSoubor("zakaznici.csv")));
    ASSERT_TRUE(m.nacti(testovaciSoubor("firmy.dbf")));
    ASSERT_EQ(std::pair(m.T.Rows(), m.T.Cols()), std::pair(6, 6));
    EXPECT_EQ(m.T.TextMatrix(0, 5), QStringLiteral("Sloupec č. 5"));
    EXPECT_EQ(radkyMrizky(m.T)[1], QStringLiteral("Štěpánek|Radek|25000000|Revoluční 56|Ústí nad Labem|40001"));
    for (auto [seznam, sloupec] : {std::pair{ModelImportu::Prijmeni, 0}, {ModelImportu::Jmeno, 1},
                                   {ModelImportu::Ulice, 3}, {ModelImportu::Psc, 5}, {ModelImportu::Mesto, 4}})
        m.setSloupec(seznam, sloupec);
    const Zakaznici z = m.zakaznici();
    ASSERT_EQ(z.size(), 5u);
    EXPECT_EQ(z.back(), Zakaznik({"Žák", "Ladislav", "Ořechová 3", "67401", "Třebíč"}));
}

TEST_F(ImportZakazniku, AFileThatGivesNothingChangesNothing) {
    writeBytes(dir.filePath("prazdny.csv"), "\r\n;;\r\n");
    writeBytes(dir.filePath("vadna.dbf"), "\x03 not a table");
    writeBytes(dir.filePath("data.txt"), "a;b");
    const struct {
        const char* soubor;
        const char* zprava;  // "" for none
    } pripady[] = {
        {"chybi.csv", "Soubor %1 neexistuje !"},
        {"prazdny.csv", "Soubor %1 neobsahuje žádná data."},
        {"vadna.dbf", "%1"},
        {"data.txt", ""},
    };
    ModelImportu m(soubor);
    ASSERT_TRUE(m.nacti(testovaciSoubor("zakaznici.csv")));
    const QStringList pred = radkyMrizky(m.T);
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.soubor);
        const QString cesta = dir.filePath(QString::fromLatin1(p.soubor));
        const Vysledek<> v = m.nacti(cesta);
        EXPECT_EQ(static_cast<bool>(v), !*p.zprava);
        if (*p.zprava) {
            EXPECT_TRUE(v.chyba().contains(QString::fromUtf8(p.zprava).arg(QDir::toNativeSeparators(cesta)))) << v.chyba().toStdString();
        }
        EXPECT_EQ(radkyMrizky(m.T), pred);
    }
    ModelImportu novy(soubor);
    EXPECT_TRUE(novy.nacti(dir.filePath("data.txt")));
    EXPECT_EQ(std::pair(novy.souborVybran(), novy.nacteno()), std::pair(true, false));
    EXPECT_FALSE(novy.nacti(dir.filePath("prazdny.csv")));
    EXPECT_FALSE(novy.nacteno());
}
