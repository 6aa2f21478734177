// The HTML page of a costing: a small template filled for the worked costing byte for byte, the
// variants of the table and texts, and the failures that write nothing.
#include "costing/Sorvenika2Html.h"
#include "platform/Regional.h"
#include "support/TestSupport.h"
#include "support/UkazkaVystupu.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class Html : public ::testing::Test {
protected:
    void SetUp() override {
        Regional::setCurrent(QStringLiteral("cs_CZ"));
        sluzby.clock.ted = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
        QFile::copy(testData(QStringLiteral("vystupy/sablona.htm")), sablona());
    }
    void TearDown() override { Regional::setCurrent(QString()); }
    QString sablona() const { return dir.filePath(QStringLiteral("vystup.htm")); }
    QString cil() const { return dir.filePath(QStringLiteral("SorvTemp/MIV.htm")); }
    // The page's table, comments and blanks at line starts left out.
    static QString strana(const Kalkulace& k) {
        return sestavHtml(k, QStringLiteral("<!-- vypis -->|<!-- komponenty -->|<!-- platnost -->"), QDate(2026, 3, 5));
    }

    FakeServices sluzby;
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
};

}  // namespace

// Every placeholder at every occurrence, a case-different one left alone, Windows-1250 bytes
// with CR LF, rows shaded from the second on, "&" and "<" as typed, pi as a reference.
TEST_F(Html, WorkedCostingByteForByte) {
    Kalkulace k = ukazkovaKalkulace();
    k.zakaznik[1] = QStringLiteral("Stavby & <spol>");
    k.parametry.Poznamka += QStringLiteral("\r\nSklon π/4");
    ASSERT_TRUE(Sorvenika2Html(k, cil()));
    EXPECT_EQ(readBytes(cil()), readBytes(testData(QStringLiteral("vystupy/kalkulace.htm"))));
}

struct Varianta {
    const char* system;
    bool ceny;
    const char* soucty;  // the labels of the rows after the items, in order
};

TEST_F(Html, TotalsRowsByPricesAndSystem) {
    const Varianta varianty[] = {
        {"MIV", true, "CELKEM|CELKEM S 21% DPH|PŘEDPOKLÁDANÁ VÁHA"},
        {"MIV", false, "PŘEDPOKLÁDANÁ VÁHA"},
        {"T-REMOL", false, "Cena bez DPH |Cena s 21% DPH|PŘEDPOKLÁDANÁ VÁHA"},
        {"T-REMOL2S", true, "CELKEM|CELKEM S 21% DPH|PŘEDPOKLÁDANÁ VÁHA"},
    };
    for (const Varianta& v : varianty) {
        Kalkulace k = ukazkovaKalkulace();
        k.parametry.System = QString::fromLatin1(v.system);
        k.TisknoutCeny = v.ceny;
        const QString s = strana(k);
        SCOPED_TRACE(std::string(v.system) + (v.ceny ? " s cenami" : " bez cen"));
        QStringList soucty;
        const qsizetype konecPolozek = s.lastIndexOf(QStringLiteral("<hr noshade"));
        const QRegularExpression popisek(QStringLiteral("colspan=\"[34]\" width=\"(?:65|85)%\" class=\"font08\">(?:<b>)?([^<]*)"));
        for (auto m = popisek.globalMatch(s, konecPolozek); m.hasNext();) soucty << m.next().captured(1);
        EXPECT_EQ(soucty.join(QLatin1Char('|')), QString::fromUtf8(v.soucty));
        EXPECT_EQ(s.contains(QStringLiteral("<b>Cena/ks</b>")), v.ceny);
        EXPECT_EQ(s.count(QStringLiteral("<td align=\"center\" colspan=\"3\" class=\"font08\">")), v.ceny ? 0 : 4);
        EXPECT_EQ(s.endsWith(QStringLiteral("|&nbsp;")), !v.ceny);
    }
}

// Kits in list order, basic kits with "<br>" for their line breaks, the others raw; the delivery
// sentence for MIV 25; a value holding a later placeholder is replaced again.
TEST_F(Html, KitTextsDeliveryAndRepeatedReplacement) {
    Kalkulace k = ukazkovaKalkulace();
    k.parametry.Prurez = QStringLiteral("25");
    k.parametry.Ukonceni = 1;
    Souprava druha;
    druha.Pocet = Integer(2);
    druha.Popis = QStringLiteral("Druhá souprava");
    k.parametry.ZakladniSoupravy.pridej(druha);
    k.parametry.Sady(1).Pocet = Integer(1);
    k.parametry.Sady(1).Popis = QStringLiteral("Sada\r\nřádek 2");
    k.zakaznik[0] = QStringLiteral("<!-- poznamka -->");
    const QString s = sestavHtml(k, QStringLiteral("<!-- komponenty -->#<!-- zakaznik -->"), QDate(2026, 3, 5));
    EXPECT_EQ(s, QStringLiteral("Základní souprava:<br>komínová hlava<br><br>\r\nDruhá souprava<br><br>\r\nSada\r\nřádek 2<br><br>\r\n"
                                "Dodací lhůta je 10 pracovních dní od potvrzení objednávky.<br><br>\r\n"
                                "#Montáž do 14 dní.<br><br>Doprava zdarma.<br><br>") +
                     kPopisekCertifikatu + QStringLiteral("<br><br>Brno"));
}

// A missing or empty template writes nothing, keeps what was there and fails.
TEST_F(Html, MissingOrEmptyTemplateWritesNothing) {
    writeBytes(cil(), "stará stránka");
    for (const QByteArray& obsah : {QByteArray(), QByteArray(" \r\n")}) {
        if (obsah.isNull()) QFile::remove(sablona());
        else writeBytes(sablona(), obsah);
        const Vysledek<> v = Sorvenika2Html(ukazkovaKalkulace(), cil());
        ASSERT_FALSE(v);
        EXPECT_TRUE(v.chyba().contains(QStringLiteral("vystup.htm"))) << v.chyba().toStdString();
        EXPECT_EQ(readBytes(cil()), QByteArray("stará stránka"));
    }
    EXPECT_FALSE(Sorvenika2Html(ukazkovaKalkulace(), dir.filePath(QStringLiteral("novy.htm"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("novy.htm"))));
}

// The shipped template declares its code page, holds every placeholder and has the table rows
// inside a table.
TEST(HtmlSablona, ShippedTemplateUsesEveryPlaceholder) {
    const QByteArray t = readBytes(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/vystup.htm"));
    EXPECT_TRUE(t.contains("charset=windows-1250"));
    for (const char* z : {"prodejce", "datum", "system", "zakaznik", "prumer", "vyska", "sachta", "ukonceni", "tvarnice", "platnost",
                          "vypis", "komponenty", "poznamka"})
        EXPECT_TRUE(t.contains(QByteArray("<!-- ") + z + " -->")) << z;
    EXPECT_LT(t.lastIndexOf("<table", t.indexOf("<!-- vypis -->")), t.indexOf("<!-- vypis -->"));
    EXPECT_GT(t.indexOf("</table>", t.indexOf("<!-- vypis -->")), 0);
    EXPECT_FALSE(t.contains("\n\n"));
}
