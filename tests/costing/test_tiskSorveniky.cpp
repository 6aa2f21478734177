// The printed costing on the recording surface: positions, fonts and page breaks as laid down,
// the variants by prices and system, the word wrap, copies and the print dialog's rules.
#include "costing/ModelTisku.h"
#include "costing/ObsahVystupu.h"
#include "costing/ModelListu.h"
#include "costing/PrikazyListu.h"
#include "costing/Sorvenika2Html.h"
#include "costing/TiskSorveniky.h"
#include "pricelist/DbfTestUtil.h"
#include "support/TestSupport.h"
#include "support/UkazkaVystupu.h"
#include "support/ZaznamTisku.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class Tisk : public ::testing::Test {
protected:
    QStringList vytiskni(const Kalkulace& k) {
        z.kroky.clear();
        z.beginDocument();
        TiskniKopii(z, k, QDate(2026, 3, 5));
        z.endDocument();
        return z.kroky;
    }
    Region cs{QStringLiteral("cs_CZ")};
    FakeServices sluzby;
    Prostredi data{"SORVENIKA_DATA", QByteArrayLiteral(SORVENIKA_SOURCE_DIR "/Data")};
    ZaznamTisku z;
};

struct Katalog : IPrinterCatalog {
    QStringList tiskarny{QStringLiteral("Kancelar"), QStringLiteral("Sklad"), QStringLiteral("Plotr")};
    QStringList names() const override { return tiskarny; }
    QString defaultName() const override { return QStringLiteral("Sklad"); }
};

}  // namespace

// Every step of one copy compared with the layout: fonts, x/y in twips, rules and pictures.
TEST_F(Tisk, WorkedCostingAtItsPositions) {
    vytiskni(ukazkovaKalkulace());
    EXPECT_EQ(z.kroky.join(QLatin1Char('\n')) + QLatin1Char('\n'),
              QString::fromUtf8(readBytes(testData(QStringLiteral("vystupy/tisk_ukazka.txt")))));
}

// Prices off: no validity lines, price headings or columns, and only pieces and weight unless
// the system is a T-REMOL one. The print version of the cross-section picture; the delivery
// sentence for MIV 25 to 45 and KARNELO 20. The note starts below the totals and the kits alike.
TEST_F(Tisk, VariantsByPricesSystemAndCrossSection) {
    const struct {
        const char *system, *prurez;
        bool sachta, ceny;
        const char *soucty, *obrazek;
        bool lhuta;
    } pripady[] = {
        {"MIV", "45", false, true, "Celkem|Ceníková cena bez DPH |Cena s 21% DPH|Předpokládaná váha", "MIV25_P_T.gif", true},
        {"MIV", "16", true, false, "Celkem|Předpokládaná váha", "MIV_S_P_T.gif", false},
        {"T-REMOL", "16", false, false, "Celkem|Cena bez DPH |Cena s 21% DPH|Předpokládaná váha", "MIV_P_T.gif", false},
        {"KARNELO", "20", false, true, "Celkem|Ceníková cena bez DPH |Cena s 21% DPH|Předpokládaná váha", "MIV_P_T.gif", true},
    };
    for (const auto& c : pripady) {
        Kalkulace k = ukazkovaKalkulace();
        k.parametry.System = QString::fromLatin1(c.system);
        k.parametry.Prurez = QString::fromLatin1(c.prurez);
        k.parametry.Sachta = c.sachta;
        k.parametry.Ukonceni = 1;
        k.TisknoutCeny = c.ceny;
        k.souhrn = SouhrnSorveniky(k.parametry, 0);
        SCOPED_TRACE(std::string(c.system) + " " + c.prurez);
        const QStringList kroky = vytiskni(k);
        // The labels' column: where "Celkem" stands.
        const QString x = kroky.filter(QRegularExpression(QStringLiteral("^text \\d+ \\d+ Celkem$"))).value(0).section(u' ', 1, 1);
        ASSERT_FALSE(x.isEmpty());
        QStringList soucty;
        for (const QString& s : kroky.filter(QRegularExpression(QStringLiteral("^text %1 ").arg(x)))) soucty << s.section(u' ', 3);
        EXPECT_EQ(soucty.join(u'|'), QString::fromUtf8(c.soucty));
        const auto y = [&](qsizetype i) { return kroky[i].section(u' ', 2, 2).toInt(); };
        const qsizetype cara = kroky.lastIndexOf(QRegularExpression(QStringLiteral("cara 0 .*")));
        EXPECT_GE(y(cara), y(kroky.lastIndexOf(QRegularExpression(QStringLiteral("text %1 .*").arg(x)))) + 200);
        EXPECT_GE(y(cara), y(kroky.lastIndexOf(QRegularExpression(QStringLiteral("text 750 .*")), cara)) + 160);
        // The kit descriptions beside the totals end short of their labels.
        for (qsizetype i = kroky.lastIndexOf(QRegularExpression(QStringLiteral("cara 0 .*")), cara - 1); i < cara; ++i)
            if (kroky[i].startsWith(QLatin1String("text 750 "))) {
                EXPECT_LT(750 + 100 * kroky[i].section(u' ', 3).size(), x.toInt()) << kroky[i].toStdString();
            }
        EXPECT_TRUE(kroky.filter(QStringLiteral("obrazek 750 ")).last().endsWith(QLatin1String(c.obrazek)));
        const QString texty = z.texty().join(u'|');
        EXPECT_EQ(texty.contains(QStringLiteral("platnost ceníku od 1.1.2026|až do vydání dalšího ceníku")), c.ceny);
        EXPECT_EQ(texty.contains(QStringLiteral("Cena/Ks")) || texty.contains(QStringLiteral("4\u00A0548,00")), c.ceny);
        EXPECT_EQ(z.texty().join(u' ').contains(QStringLiteral("Dodací lhůta je 10 pracovních dní od potvrzení objednávky.")), c.lhuta);
    }
}

// A line wraps when it would reach the width; an over-wide word is broken by characters; empty
// lines vanish.
TEST_F(Tisk, WordWrap) {
    const struct {
        const char* text;
        int sirka;
        const char* radky;
    } pripady[] = {
        {"aaaa bbbb", 1000, "aaaa|bbbb"},  // exactly the width: the next line
        {"aaaa bbbb", 1001, "aaaa bbbb"},
        {"ab abcdefghijklmno c", 1000, "ab|abcdefgh|ijklmno|c"},
        {"první\r\n\r\ndruhý odstavec", 5000, "první|druhý odstavec"},
        {"", 1000, ""},
        {"xy", 50, "x|y"},  // characters wider than the width still end
    };
    for (const auto& c : pripady) {
        z.kroky.clear();
        z.beginDocument();
        NastavPismoTiskarny(z, 10, false, false, false);
        TiskniOdstavec(z, QString::fromUtf8(c.text), 750, c.sirka);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(z.texty().join(u'|'), QString::fromUtf8(c.radky));
        int y = 0;
        for (const QString& k : z.kroky.filter(QRegularExpression(QStringLiteral("^text "))))
            EXPECT_EQ(k.section(u' ', 1, 2), QStringLiteral("750 %1").arg(std::exchange(y, y + 200)));
        EXPECT_EQ(z.y, y);
    }
}

// Every text of an item line stays in its column: a long name wraps left of the code and the
// row grows, a code wider than its column is cut; nothing runs into its neighbour or off the
// page, with prices printed or not.
TEST_F(Tisk, LongNamesAndCodesStayInTheirColumns) {
    Kalkulace k = ukazkovaKalkulace();
    const QString nazev = QStringLiteral("Sada Orlex jednoprůduchová 20 bez větrací šachty");
    const QString volny = QStringLiteral("Vlastní položka s velmi dlouhým názvem, který by jinak běžel přes ceny až za okraj");
    k.radky[0].Nazev = nazev;
    k.radky[0].ObjZnak = QStringLiteral("SADA ORLEX 20");
    k.radky[1].ObjZnak = QStringLiteral("KÓD-DELŠÍ-NEŽ-JEHO-SLOUPEC-123");
    k.radky.back().Nazev = volny;
    for (bool ceny : {true, false}) {
        k.TisknoutCeny = ceny;
        const QStringList kroky = vytiskni(k);
        const qsizetype od = kroky.indexOf(QRegularExpression(QStringLiteral("^text 750 \\d+ Název dílu$")));
        const qsizetype po = kroky.indexOf(QRegularExpression(QStringLiteral("^text \\d+ \\d+ Celkem$")));
        ASSERT_TRUE(od > 0 && po > od);
        // The texts of each printed line by their x, and the name's lines joined again.
        QMap<int, QMap<int, QString>> radky;
        for (qsizetype i = od + 1; i < po; ++i)
            if (kroky[i].startsWith(QLatin1String("text ")))
                radky[kroky[i].section(u' ', 2, 2).toInt()][kroky[i].section(u' ', 1, 1).toInt()] = kroky[i].section(u' ', 3);
        QStringList nazvy;
        QString kody;
        for (const QMap<int, QString>& r : radky) {
            int konec = 0;
            for (auto [x, text] : r.asKeyValueRange()) {
                EXPECT_GE(x, konec + 100) << text.toStdString();
                konec = x + z.textWidth(text);
            }
            EXPECT_LE(konec, z.width() - 750);
            nazvy << r.value(750);
            kody += QLatin1Char('|') + r.value(5520 - z.textWidth(r.values().value(1)) / 2);
        }
        const QString vse = nazvy.join(u' ');
        EXPECT_TRUE(vse.contains(nazev) && vse.contains(volny)) << vse.toStdString();
        EXPECT_TRUE(kody.contains(QStringLiteral("|SADA ORLEX 20|"))) << kody.toStdString();
        EXPECT_TRUE(kody.contains(QStringLiteral("|KÓD-DELŠÍ-NEŽ-JEHO-SLO"))) << kody.toStdString();
    }
}

// A bill longer than a page goes on over new pages, nothing past the bottom, no heading again.
TEST_F(Tisk, LongBillBreaksPages) {
    int velikost = 0;
    for (const QString& s : vytiskni(dlouhaKalkulace(200))) {
        if (s.startsWith(QLatin1String("pismo "))) velikost = s.section(u' ', 1, 1).toInt();
        if (s.startsWith(QLatin1String("text "))) {
            EXPECT_LE(s.section(u' ', 2, 2).toInt() + 20 * velikost, z.vyska) << s.toStdString();
        }
    }
    EXPECT_EQ(z.kroky.count(QStringLiteral("strana")), 3);
    EXPECT_EQ(z.texty().count(QStringLiteral("Název dílu")), 1);
}

// Each copy its own document; 0 copies prints nothing; a missing picture aborts the document and
// reads as the sheet shows it; the default printer is current again every time.
TEST_F(Tisk, CopiesErrorsAndTheDefaultPrinter) {
    const Kalkulace k = ukazkovaKalkulace();
    Kalkulace chybna = k;
    chybna.parametry.Zaznam.PiktogramTisk = QStringLiteral("Pict\\CHYBI.gif");
    const struct {
        const Kalkulace& k;
        int kopii;
        const char *dokumenty, *chyba;
    } pripady[] = {{k, 2, "zacatek|konec|zacatek|konec", ""}, {chybna, 0, "", ""},
                   {chybna, 2, "zacatek|zrus", "Chyba při tisku: 53 (Soubor nebyl nalezen: "}};
    for (const auto& c : pripady) {
        z.kroky.clear();
        TiskNastaveni t{true, Integer(c.kopii), QStringLiteral("Sklad"), QStringLiteral("Plotr"), QStringLiteral("x.pdf")};
        const Vysledek<> v = TiskniSorveniku(c.k, t, z, Katalog());
        EXPECT_EQ(z.kroky.filter(QRegularExpression(QStringLiteral("^(zacatek|konec|zrus)$"))).join(u'|'), QLatin1String(c.dokumenty));
        EXPECT_EQ(v.chyba(), *c.chyba ? QString::fromUtf8(c.chyba) + QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/Pict/CHYBI.gif)") : QString());
        EXPECT_EQ(t.tiskarna, QStringLiteral("Sklad"));
        EXPECT_TRUE(t.souborPdf.isEmpty());
    }
}

// The remembered printer: the default one is stored with its suffix and chosen again; one that
// is gone selects entry 0 and keeps the tick. The copies box takes a whole number (halves to
// even) or shows the message and "1" again. With no printer the list offers a PDF file.
TEST(TiskovyDialog, RememberedPrinterCopiesAndPdf) {
    FakeServices sluzby;
    Region cs{QStringLiteral("cs_CZ")};
    Katalog katalog;
    TiskNastaveni t;
    QString pamatovana;
    ModelTisku prvni(t, pamatovana, katalog);
    EXPECT_EQ(prvni.C, QStringList({"Kancelar", "Sklad (výchozí)", "Plotr"}));
    EXPECT_TRUE(prvni.vybrana == 1 && !prvni.Check);
    prvni.Check = true;
    prvni.txtkopii = QStringLiteral("2,5");
    ASSERT_TRUE(prvni.ok());
    EXPECT_TRUE(pamatovana == QStringLiteral("Sklad (výchozí)") && t.tiskarna == QStringLiteral("Sklad") && t.PocetKopii == 2);

    katalog.tiskarny = {QStringLiteral("Plotr"), QStringLiteral("Sklad")};
    ModelTisku druhy(t, pamatovana, katalog);
    EXPECT_TRUE(druhy.vybrana == 1 && druhy.Check && t.PocetKopii == 1 && !t.TiskPotvrzen);
    for (const char* spatne : {"abc", "40000"}) {
        druhy.txtkopii = QString::fromLatin1(spatne);
        EXPECT_TRUE(!druhy.ok() && druhy.txtkopii == QStringLiteral("1"));
    }
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList(2, QStringLiteral("Zadejte číselnou hodnotu")));

    katalog.tiskarny = {QStringLiteral("Kancelar")};
    ModelTisku treti(t, pamatovana, katalog);
    EXPECT_TRUE(treti.vybrana == 0 && treti.Check);

    katalog.tiskarny.clear();
    ModelTisku bez(t, pamatovana, katalog);
    EXPECT_EQ(bez.C, QStringList{kPdfSoubor});
    EXPECT_FALSE(bez.ok());  // the file dialog cancelled: still open
    sluzby.dialogs.soubory.push_back(QStringLiteral("/tmp/kalkulace.pdf"));
    ASSERT_TRUE(bez.ok());
    EXPECT_TRUE(t.souborPdf == QStringLiteral("/tmp/kalkulace.pdf") && t.tiskarna.isEmpty() && pamatovana == kPdfSoubor);

    // An existing file is asked about first ("No" asks for another name); no copies ask for none.
    QTemporaryDir dir;
    const QString existuje = dir.filePath(QStringLiteral("stara.pdf")), nova = dir.filePath(QStringLiteral("nova.pdf"));
    writeBytes(existuje, "%PDF");
    sluzby.dialogs.zpravy.clear();
    sluzby.dialogs.soubory = {existuje, nova};
    sluzby.dialogs.odpovedi = {Odpoved::No};
    ASSERT_TRUE(bez.ok());
    EXPECT_EQ(std::pair(t.souborPdf, sluzby.dialogs.texty()), std::pair(nova, QStringList{kSouborExistuje}));
    const qsizetype dialogu = sluzby.dialogs.slozkyUlozeni.size();
    bez.txtkopii = QStringLiteral("0");
    ASSERT_TRUE(bez.ok());
    EXPECT_EQ(std::tuple(sluzby.dialogs.slozkyUlozeni.size(), t.PocetKopii.value(), t.souborPdf), std::tuple(dialogu, 0, QString()));
}

TEST(ObsahVystupu, DeliverySentenceForMiv25To45AndKarnelo20) {
    for (const auto& [system, prurez, lhuta] : {std::tuple{"MIV", "20", false}, {"MIV", "25", true}, {"MIV", "30", true}, {"MIV", "35", true},
                                                {"MIV", "40", true}, {"MIV", "45", true}, {"MIV", "60", false}, {"KARNELO", "20", true},
                                                {"KARNELO", "25", false}, {"MIV2S", "25/25", false}}) {
        Kalkulace k;
        k.parametry.System = QString::fromLatin1(system);
        k.parametry.Prurez = QString::fromLatin1(prurez);
        EXPECT_EQ(sDodaciLhutou(k), lhuta) << system << " " << prurez;
    }
}

// The price-list date of the settings, as the sheet hands the costing on, reaches the print and
// the HTML page.
TEST_F(Tisk, PriceListDateFromTheSettingsInThePrintAndTheHtml) {
    GlobalniData g;
    ModelListu m(g);
    m.Form_Load();
    m.nastavKalkulaci(ukazkovaKalkulace());
    g.nastaveni.PlatnostCen = QStringLiteral("1.7.2027");
    g.nastaveni.TisknoutCeny = true;
    const Kalkulace k = m.kalkulace();
    vytiskni(k);
    EXPECT_TRUE(z.texty().contains(QStringLiteral("platnost ceníku od 1.7.2027")));
    QTemporaryDir dir;
    const QString html = dir.filePath(QStringLiteral("k.htm"));
    ASSERT_TRUE(Sorvenika2Html(k, html));
    EXPECT_TRUE(readBytes(html).contains("1.7.2027"));
}
