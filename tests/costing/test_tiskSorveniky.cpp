// The printed costing on the recording surface: positions, fonts and page breaks as laid down,
// the variants by prices and system, the word wrap, copies and the print dialog's rules.
#include "costing/ModelTisku.h"
#include "costing/TiskSorveniky.h"
#include "platform/Regional.h"
#include "support/TestSupport.h"
#include "support/UkazkaVystupu.h"
#include "support/ZaznamTisku.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QByteArray kData = QByteArrayLiteral(SORVENIKA_SOURCE_DIR "/Data");

class Tisk : public ::testing::Test {
protected:
    void SetUp() override { Regional::setCurrent(QStringLiteral("cs_CZ")); }
    void TearDown() override { Regional::setCurrent(QString()); }
    QStringList vytiskni(const Kalkulace& k) {
        z.beginDocument();
        TiskniKopii(z, k, QDate(2026, 3, 5));
        z.endDocument();
        return z.kroky;
    }
    FakeServices sluzby;
    Prostredi data{"SORVENIKA_DATA", kData};
    ZaznamTisku z;
};

struct Katalog : IPrinterCatalog {
    QStringList tiskarny;
    QString vychozi;
    QStringList names() const override { return tiskarny; }
    QString defaultName() const override { return vychozi; }
};

}  // namespace

// Every step of one copy compared with the layout: fonts, x/y in twips, rules and pictures.
TEST_F(Tisk, WorkedCostingAtItsPositions) {
    const QByteArray cekane = readBytes(testData(QStringLiteral("vystupy/tisk_ukazka.txt")));
    EXPECT_EQ(vytiskni(ukazkovaKalkulace()).join(QLatin1Char('\n')) + QLatin1Char('\n'), QString::fromUtf8(cekane));
}

struct Varianta {
    const char* system;
    bool ceny;
    const char* soucty;       // the totals labels at x 6900
    bool sloupceCen;
};

// Prices off: no validity lines, no price headings or columns; the T-REMOL systems add the price
// without VAT and with VAT.
TEST_F(Tisk, PricesAndSystemChooseTheColumnsAndTotals) {
    const Varianta varianty[] = {
        {"MIV", true, "Celkem|Ceníková cena bez DPH |Cena s 21% DPH|Předpokládaná váha", true},
        {"MIV", false, "Celkem|Předpokládaná váha", false},
        {"T-REMOL", false, "Celkem|Cena bez DPH |Cena s 21% DPH|Předpokládaná váha", false},
        {"T-REMOL2R", true, "Celkem|Ceníková cena bez DPH |Cena s 21% DPH|Předpokládaná váha", true},
    };
    for (const Varianta& v : varianty) {
        Kalkulace k = ukazkovaKalkulace();
        k.parametry.System = QString::fromLatin1(v.system);
        k.TisknoutCeny = v.ceny;
        z.kroky.clear();
        const QStringList kroky = vytiskni(k);
        QStringList soucty;
        for (const QString& s : kroky)
            if (s.startsWith(QLatin1String("text 6900 "))) soucty << s.section(QLatin1Char(' '), 3);
        SCOPED_TRACE(v.system);
        EXPECT_EQ(soucty.join(QLatin1Char('|')), QString::fromUtf8(v.soucty));
        const QString texty = z.texty().join(QLatin1Char('|'));
        EXPECT_EQ(texty.contains(QStringLiteral("platnost ceníku od 1.1.2026|až do vydání dalšího ceníku")), v.ceny);
        EXPECT_EQ(texty.contains(QLatin1String("Cena/Ks")), v.sloupceCen);
        EXPECT_EQ(texty.contains(QStringLiteral("4\u00A0548,00")), v.sloupceCen);
        EXPECT_FALSE(texty.contains(QStringLiteral("Kondenzační jímka")));  // 0 pieces
    }
}

struct Prurez {
    const char* system;
    const char* prurez;
    bool sachta;
    const char* obrazek;
    bool lhuta;
};

// The print version of the cross-section picture and the delivery sentence.
TEST_F(Tisk, CrossSectionPictureAndDeliverySentence) {
    const Prurez pripady[] = {
        {"MIV", "20", false, "MIV_P_T.gif", false},  {"MIV", "25", false, "MIV25_P_T.gif", true},
        {"MIV", "45", false, "MIV25_P_T.gif", true}, {"MIV", "16", true, "MIV_S_P_T.gif", false},
        {"MIV", "60", false, "MIV25_P_T.gif", false}, {"KARNELO", "20", false, "MIV_P_T.gif", true},
    };
    for (const Prurez& c : pripady) {
        Kalkulace k = ukazkovaKalkulace();
        k.parametry.System = QString::fromLatin1(c.system);
        k.parametry.Prurez = QString::fromLatin1(c.prurez);
        k.parametry.Sachta = c.sachta;
        k.souhrn = SouhrnSorveniky(k.parametry, 0);
        z.kroky.clear();
        const QStringList kroky = vytiskni(k);
        SCOPED_TRACE(std::string(c.system) + " " + c.prurez);
        // Left of the parameter block, its bottom on the line after "Tvárnice :".
        const QStringList obrazek = kroky.filter(QStringLiteral("obrazek 750 ")).last().split(QLatin1Char(' '));
        EXPECT_EQ(obrazek[3], QString::fromLatin1(c.obrazek));
        const QString tvarnice = kroky.filter(QStringLiteral(" Tvárnice :")).first();
        EXPECT_EQ(obrazek[2].toInt() + 1200, tvarnice.section(QLatin1Char(' '), 2, 2).toInt() + 260);
        EXPECT_EQ(z.texty().contains(QStringLiteral("Dodací lhůta je 10 pracovních dní od potvrzení objednávky.")), c.lhuta);
    }
}

struct Odstavec {
    const char* text;
    int sirka;
    const char* radky;
};

// A line wraps when it would reach the width; an over-wide word is broken by characters; empty
// lines vanish.
TEST_F(Tisk, WordWrap) {
    const Odstavec pripady[] = {
        {"aaaa bbbb", 1000, "aaaa|bbbb"},   // exactly the width: the next line
        {"aaaa bbbb", 1001, "aaaa bbbb"},
        {"abcdefghijklmno", 1000, "abcdefgh|ijklmno"},
        {"ab abcdefghijklmno c", 1000, "ab|abcdefgh|ijklmno|c"},
        {"první\r\n\r\ndruhý odstavec", 5000, "první|druhý odstavec"},
        {"", 1000, ""},
        {"x", 50, "x"},                      // a character wider than the width still ends
    };
    for (const Odstavec& c : pripady) {
        z.kroky.clear();
        z.beginDocument();
        NastavPismoTiskarny(z, 10, false, false, false);
        z.y = 400;
        TiskniOdstavec(z, QString::fromUtf8(c.text), 750, c.sirka);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(z.texty().join(QLatin1Char('|')), QString::fromUtf8(c.radky));
        int y = 400;
        for (const QString& k : z.kroky.filter(QRegularExpression(QStringLiteral("^text ")))) {
            EXPECT_EQ(k.section(QLatin1Char(' '), 1, 2), QStringLiteral("750 %1").arg(y));
            y += 200;
        }
        EXPECT_EQ(z.y, y);
    }
}

// A bill longer than a page goes on over new pages with nothing lost or past the bottom; the
// heading is not repeated.
TEST_F(Tisk, LongBillBreaksPages) {
    const QStringList kroky = vytiskni(dlouhaKalkulace(200));
    EXPECT_GE(kroky.count(QStringLiteral("strana")), 3);
    QStringList polozky;
    int velikost = 0;
    for (const QString& s : kroky) {
        if (s.startsWith(QLatin1String("pismo "))) velikost = s.section(QLatin1Char(' '), 1, 1).toInt();
        if (!s.startsWith(QLatin1String("text "))) continue;
        EXPECT_LE(s.section(QLatin1Char(' '), 2, 2).toInt() + 20 * velikost, z.vyska) << s.toStdString();
        if (s.section(QLatin1Char(' '), 3).startsWith(QStringLiteral("Položka "))) polozky << s.section(QLatin1Char(' '), 3, 4);
    }
    ASSERT_EQ(polozky.size(), 200);
    for (int i = 0; i < 200; ++i) EXPECT_EQ(polozky[i], QStringLiteral("Položka %1").arg(i + 1));
    EXPECT_EQ(z.texty().count(QStringLiteral("Název dílu")), 1);
}

// Each copy its own document; 0 copies prints nothing; a missing picture aborts the document,
// reports the error as the sheet shows it; the default printer is current again every time.
TEST_F(Tisk, CopiesErrorsAndTheDefaultPrinter) {
    Katalog katalog;
    katalog.tiskarny = {QStringLiteral("Kancelar"), QStringLiteral("Sklad")};
    katalog.vychozi = QStringLiteral("Sklad");
    const Kalkulace k = ukazkovaKalkulace();
    for (int kopii : {2, 0}) {
        z.kroky.clear();
        TiskNastaveni t{true, Integer(kopii), QStringLiteral("Sklad"), QStringLiteral("Kancelar"), {}};
        ASSERT_TRUE(TiskniSorveniku(k, t, z, katalog));
        EXPECT_EQ(z.kroky.count(QStringLiteral("zacatek")), kopii);
        EXPECT_EQ(z.kroky.count(QStringLiteral("konec")), kopii);
        EXPECT_EQ(t.tiskarna, QStringLiteral("Sklad"));
    }

    Kalkulace chybna = k;
    chybna.parametry.Zaznam.PiktogramTisk = QStringLiteral("Pict\\CHYBI.gif");
    z.kroky.clear();
    TiskNastaveni t{true, Integer(2), QStringLiteral("Sklad"), QStringLiteral("Kancelar"), QStringLiteral("/tmp/x.pdf")};
    const Vysledek<> v = TiskniSorveniku(chybna, t, z, katalog);
    ASSERT_FALSE(v);
    EXPECT_TRUE(v.chyba().startsWith(QStringLiteral("Chyba při tisku: 53 (Soubor nebyl nalezen: "))) << v.chyba().toStdString();
    EXPECT_EQ(z.kroky.last(), QStringLiteral("zrus"));
    EXPECT_EQ(z.kroky.count(QStringLiteral("zacatek")), 1);
    EXPECT_EQ(t.tiskarna, QStringLiteral("Sklad"));
    EXPECT_TRUE(t.souborPdf.isEmpty());
}

// The dialog's remembered printer: the default one with its suffix is stored and chosen again;
// a printer that is gone selects entry 0 and keeps the tick; no remembered printer selects the
// default one.
TEST(TiskovyDialog, RememberedPrinter) {
    FakeServices sluzby;
    Katalog katalog;
    katalog.tiskarny = {QStringLiteral("Kancelar"), QStringLiteral("Sklad"), QStringLiteral("Plotr")};
    katalog.vychozi = QStringLiteral("Sklad");
    TiskNastaveni t;
    t.PocetKopii = Integer(3);
    t.TiskPotvrzen = true;
    QString pamatovana;

    ModelTisku prvni(t, pamatovana, katalog);
    EXPECT_EQ(prvni.C, QStringList({"Kancelar", "Sklad (výchozí)", "Plotr"}));
    EXPECT_EQ(prvni.vybrana, 1);
    EXPECT_FALSE(prvni.Check);
    EXPECT_EQ(t.PocetKopii, 1);
    EXPECT_FALSE(t.TiskPotvrzen);
    prvni.Check = true;
    ASSERT_TRUE(prvni.ok());
    EXPECT_EQ(pamatovana, QStringLiteral("Sklad (výchozí)"));
    EXPECT_EQ(t.tiskarna, QStringLiteral("Sklad"));
    EXPECT_TRUE(t.TiskPotvrzen);

    katalog.tiskarny.swapItemsAt(0, 2);
    ModelTisku druhy(t, pamatovana, katalog);
    EXPECT_EQ(druhy.vybrana, 1);
    EXPECT_TRUE(druhy.Check);
    druhy.vybrana = 0;
    ASSERT_TRUE(druhy.ok());
    EXPECT_EQ(pamatovana, QStringLiteral("Plotr"));
    EXPECT_EQ(t.tiskarna, QStringLiteral("Plotr"));

    katalog.tiskarny.removeAll(QStringLiteral("Plotr"));
    ModelTisku treti(t, pamatovana, katalog);
    EXPECT_EQ(treti.vybrana, 0);
    EXPECT_TRUE(treti.Check);
    treti.Check = false;
    ASSERT_TRUE(treti.ok());
    EXPECT_TRUE(pamatovana.isEmpty());
}

// The copies box: a whole number (halves to even) or the message with "1" put back and the
// dialog still open. With no printer installed the list offers a PDF file.
TEST(TiskovyDialog, CopiesAndPdfWithoutPrinters) {
    FakeServices sluzby;
    Regional::setCurrent(QStringLiteral("cs_CZ"));
    Katalog katalog;
    TiskNastaveni t;
    QString pamatovana;
    ModelTisku m(t, pamatovana, katalog);
    EXPECT_EQ(m.C, QStringList{kPdfSoubor});

    for (const char* spatne : {"abc", "", "40000"}) {
        m.txtkopii = QString::fromLatin1(spatne);
        EXPECT_FALSE(m.potvrdKopie());
        EXPECT_EQ(m.txtkopii, QStringLiteral("1"));
        m.txtkopii = QString::fromLatin1(spatne);
        EXPECT_FALSE(m.ok());
        EXPECT_EQ(m.txtkopii, QStringLiteral("1"));
    }
    EXPECT_EQ(sluzby.dialogs.texty(), QStringList(6, QStringLiteral("Zadejte číselnou hodnotu")));
    EXPECT_FALSE(t.TiskPotvrzen);

    m.txtkopii = QStringLiteral("2,5");
    EXPECT_FALSE(m.ok());  // the PDF file dialog cancelled: still open
    sluzby.dialogs.soubory.push_back(QStringLiteral("/tmp/kalkulace.pdf"));
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(t.PocetKopii, 2);
    EXPECT_EQ(t.souborPdf, QStringLiteral("/tmp/kalkulace.pdf"));
    EXPECT_TRUE(t.tiskarna.isEmpty());
    Regional::setCurrent(QString());
}
