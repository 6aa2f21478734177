// The HTML page of a costing: a small template filled for the worked costing byte for byte, the
// variants of the table and texts, and the failures that write nothing.
#include "costing/Sorvenika2Html.h"
#include "pricelist/DbfTestUtil.h"
#include "support/TestSupport.h"
#include "support/UkazkaVystupu.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class Html : public ::testing::Test {
protected:
    void SetUp() override {
        sluzby.clock.ted = QDateTime(QDate(2026, 3, 5), QTime(9, 0));
        QFile::copy(testData(QStringLiteral("vystupy/sablona.htm")), sablona);
    }

    Region cs{QStringLiteral("cs_CZ")};
    FakeServices sluzby;
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    const QString sablona = dir.filePath(QStringLiteral("vystup.htm"));
    const QString cil = dir.filePath(QStringLiteral("SorvTemp/MIV.htm"));
};

}  // namespace

// Every placeholder at every occurrence, a case-different one left alone, Windows-1250 bytes
// with CR LF, rows shaded from the second on, "&" and "<" as typed, pi as a reference.
TEST_F(Html, WorkedCostingByteForByte) {
    Kalkulace k = ukazkovaKalkulace();
    k.zakaznik[1] = QStringLiteral("Stavby & <spol>");
    k.parametry.Poznamka += QStringLiteral("\r\nSklon π/4");
    ASSERT_TRUE(Sorvenika2Html(k, cil));
    EXPECT_EQ(readBytes(cil), readBytes(testData(QStringLiteral("vystupy/kalkulace.htm"))));
}

// Without prices four cells a row and no price totals, except the T-REMOL systems' two rows.
TEST_F(Html, TotalsRowsByPricesAndSystem) {
    const struct {
        const char* system;
        bool ceny;
        const char* soucty;  // the labels of the rows after the items
    } pripady[] = {
        {"MIV", false, "PŘEDPOKLÁDANÁ VÁHA"},
        {"T-REMOL", false, "Cena bez DPH |Cena s 21% DPH|PŘEDPOKLÁDANÁ VÁHA"},
        {"T-REMOL2S", true, "CELKEM|CELKEM S 21% DPH|PŘEDPOKLÁDANÁ VÁHA"},
    };
    for (const auto& c : pripady) {
        Kalkulace k = ukazkovaKalkulace();
        k.parametry.System = QString::fromLatin1(c.system);
        k.TisknoutCeny = c.ceny;
        const QString s = sestavHtml(k, QStringLiteral("<!-- vypis -->|<!-- platnost -->"), QDate(2026, 3, 5));
        SCOPED_TRACE(c.system);
        QStringList soucty;
        const QRegularExpression popisek(QStringLiteral("colspan=\"[34]\" width=\"(?:65|85)%\" class=\"font08\">(?:<b>)?([^<]*)"));
        for (auto m = popisek.globalMatch(s); m.hasNext();) soucty << m.next().captured(1);
        EXPECT_EQ(soucty.join(u'|'), QString::fromUtf8(c.soucty));
        EXPECT_EQ(s.count(QStringLiteral("<td align=\"center\" colspan=\"3\" class=\"font08\">")), c.ceny ? 0 : 4);
        EXPECT_EQ(s.endsWith(QStringLiteral("|&nbsp;")), !c.ceny);
    }
}

// Kits in list order, basic kits with "<br>" for their line breaks, the others raw; the delivery
// sentence for MIV 35; a value holding a later placeholder is replaced again.
TEST_F(Html, KitTextsDeliveryAndRepeatedReplacement) {
    Kalkulace k = ukazkovaKalkulace();
    k.parametry.Prurez = QStringLiteral("35");
    k.parametry.Ukonceni = 1;
    k.parametry.ZakladniSoupravy.pridej({Integer(2), {}, {}, {}, QStringLiteral("Druhá souprava")});
    k.parametry.Sady(1) = {Integer(1), {}, {}, {}, QStringLiteral("Sada\r\nřádek 2")};
    k.zakaznik[0] = QStringLiteral("<!-- poznamka -->");
    EXPECT_EQ(sestavHtml(k, QStringLiteral("<!-- komponenty -->#<!-- zakaznik -->"), QDate(2026, 3, 5)),
              QStringLiteral("Základní souprava:<br>komínová hlava<br><br>\r\nDruhá souprava<br><br>\r\nSada\r\nřádek 2<br><br>\r\n"
                             "Dodací lhůta je 10 pracovních dní od potvrzení objednávky.<br><br>\r\n"
                             "#Montáž do 14 dní.<br><br>Doprava zdarma na stavbu do padesáti kilometrů od prodejny, dále podle "
                             "ceníku dopravy firmy.<br><br>") +
                  k.poznamkaDodani + QStringLiteral("<br><br>Brno"));
}

// A missing or empty template writes nothing, keeps what was there and fails.
TEST_F(Html, MissingOrEmptyTemplateWritesNothing) {
    writeBytes(cil, "stará stránka");
    for (const char* obsah : {" \r\n", ""}) {
        writeBytes(sablona, obsah);
        if (!*obsah) QFile::remove(sablona);
        const Vysledek<> v = Sorvenika2Html(ukazkovaKalkulace(), cil);
        EXPECT_TRUE(!v && v.chyba().contains(QStringLiteral("vystup.htm"))) << v.chyba().toStdString();
        EXPECT_EQ(readBytes(cil), QByteArray("stará stránka"));
    }
}

// The shipped template declares its code page and holds every placeholder, the rows in a table.
TEST(HtmlSablona, ShippedTemplateUsesEveryPlaceholder) {
    const QByteArray t = readBytes(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/vystup.htm"));
    EXPECT_TRUE(t.contains("charset=windows-1250"));
    for (const char* z : {"prodejce", "datum", "system", "zakaznik", "prumer", "vyska", "sachta", "ukonceni", "tvarnice",
                          "platnost", "vypis", "komponenty", "poznamka"})
        EXPECT_TRUE(t.contains(QByteArray("<!-- ") + z + " -->")) << z;
    const qsizetype vypis = t.indexOf("<!-- vypis -->");
    EXPECT_TRUE(t.lastIndexOf("<table", vypis) >= 0 && t.indexOf("</table>", vypis) > vypis);
}
