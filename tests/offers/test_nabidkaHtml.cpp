// The HTML offer's generated parts: the item table, the weight and the cross-section picture.
#include "offers/NabidkaHtml.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// A price list of four articles with their weights.
TabulkaArtiklu cenik() {
    DataDBF d;
    d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
    for (auto [kod, vaha] : {std::pair("A1", 2.5), std::pair("A1-s", 4.0), std::pair("B2", 1.25), std::pair("C3", 10.0)})
        d.radky.push_back({QString(), QString::fromLatin1(kod), QStringLiteral("N"), 1.0, vaha, QString(), QStringLiteral("1"), QString()});
    return TabulkaArtiklu::zDat(d, QStringLiteral("Art.dbf"));
}

}  // namespace

TEST(NabidkaHtml, WeightLooksUpTheTremolCodeFirst) {
    const TabulkaArtiklu c = cenik();
    EXPECT_EQ(VratVahu(c, QStringLiteral("a1"), 1), 4.0);
    EXPECT_EQ(VratVahu(c, QStringLiteral("A1"), 0), 2.5);
    EXPECT_EQ(VratVahu(c, QStringLiteral("B2"), 1), 1.25);
    EXPECT_EQ(VratVahu(c, QStringLiteral("X9"), 1), 0.0);
    EXPECT_EQ(VratVahu(c, QStringLiteral("-"), 0), 0.0);
    // Pieces: "12,5" counts by its leading number (half to even), "" and "x" as 0.
    const QString rozpis = QStringLiteral("a\tA1\t\t2\t\t\t\r\n\r\nb\tB2\t\t12,5\t\r\nc\tC3\t\t\t\r\nd\tC3\t\tx\r\ne\t-\t\t5\r\n");
    EXPECT_EQ(VahaRozpisu(c, rozpis, false), 2 * 2.5 + 12 * 1.25);
    EXPECT_EQ(VahaRozpisu(c, rozpis, true), 2 * 4.0 + 12 * 1.25);
}

TEST(NabidkaHtml, ItemTableBytes) {
    const QString rozpis = QStringLiteral("Díl <b>\tA1\tS\t2\t10,00\t20,00\t\r\n\r\nDruhý & spol.\tB2\t\t1\t5,00\t5,00\t\r\nTřetí\tC3\r\n");
    const QString sest = TabulkaRozpisu(rozpis, false);
    const QString radek1 =
        "          <tr>\r\n"
        "              <td align=\"left\" class=\"font08\">Díl &lt;b&gt;</td>\r\n"
        "              <td align=\"center\" class=\"font08\">A1</td>\r\n"
        "              <td align=\"center\" class=\"font08\">S</td>\r\n"
        "              <td align=\"center\" class=\"font08\">2</td>\r\n"
        "              <td align=\"right\" class=\"font08\">10,00</td>\r\n"
        "              <td align=\"right\" class=\"font08\">20,00</td>\r\n"
        "          </tr>\r\n";
    EXPECT_TRUE(sest.startsWith(
        "<tr>\r\n  <td align=\"left\" width=\"42%\" class=\"font08\"><b>Název dílu</b></td>\r\n"
        "  <td align=\"center\" width=\"13%\" class=\"font08\"><b>Obj.č.</b></td>\r\n"
        "  <td align=\"center\" width=\"15%\" class=\"font08\"><b>Obj.č. původní</b></td>\r\n"
        "  <td align=\"center\" width=\"5%\" class=\"font08\"><b>Ks</b></td>\r\n"
        "  <td align=\"right\" width=\"11%\" class=\"font08\"><b>Cena/ks</b></td>\r\n"
        "  <td align=\"right\" width=\"14%\" class=\"font08\"><b>Cena celkem</b></td>\r\n</tr>\r\n<tr>\r\n"
        "  <td align=\"center\" width=\"100%\" colspan=\"6\" class=\"font08\"><hr noshade size=\"1\"></td>\r\n</tr>\r\n" +
        radek1 + "          <tr bgcolor=\"#f0f0f0\">\r\n              <td align=\"left\" class=\"font08\">Druhý &amp; spol.</td>\r\n"));
    // The third non-empty line is not shaded; the empty line between did not count.
    EXPECT_TRUE(sest.contains("</tr>\r\n          <tr>\r\n              <td align=\"left\" class=\"font08\">Třetí</td>\r\n"
                              "              <td align=\"center\" class=\"font08\">C3</td>\r\n"
                              "              <td align=\"center\" class=\"font08\"></td>\r\n"));
    EXPECT_TRUE(sest.endsWith("          </tr>\r\n<tr>\r\n  <td align=\"center\" width=\"100%\" colspan=\"6\" class=\"font08\">"
                              "<hr noshade size=\"1\"></td>\r\n</tr>"));
    EXPECT_EQ(sest.count(QStringLiteral("<td align=\"right\" class")), 6);

    const QString ctyri = TabulkaRozpisu(QStringLiteral("a\tA1\tS\t2\t0,00\t0,00\t\r\n"), true);
    EXPECT_EQ(ctyri,
              "<tr>\r\n  <td align=\"left\" width=\"50%\" class=\"font08\"><b>Název dílu</b></td>\r\n"
              "  <td align=\"center\" width=\"20%\" class=\"font08\"><b>Obj.č.</b></td>\r\n"
              "  <td align=\"center\" width=\"20%\" class=\"font08\"><b>Obj.č. původní</b></td>\r\n"
              "  <td align=\"center\" width=\"10%\" class=\"font08\"><b>Ks</b></td>\r\n</tr>\r\n<tr>\r\n"
              "    <td align=\"center\" width=\"100%\" colspan=\"4\" class=\"font08\"><hr noshade size=\"1\"></td>\r\n</tr>\r\n"
              "          <tr>\r\n              <td align=\"left\" class=\"font08\">a</td>\r\n"
              "              <td align=\"center\" class=\"font08\">A1</td>\r\n"
              "              <td align=\"center\" class=\"font08\">S</td>\r\n"
              "              <td align=\"center\" class=\"font08\">2</td>\r\n          </tr>\r\n"
              "<tr>\r\n  <td align=\"center\" width=\"100%\" colspan=\"4\" class=\"font08\"><hr noshade size=\"1\"></td>\r\n</tr>");
}

TEST(NabidkaHtml, CrossSectionPicture) {
    const QString miv = QStringLiteral("Pict\\MIV_P.gif|Pict\\MIV25_P.gif||Pict\\MIV_S_P.gif");
    const QString karnelo = QStringLiteral("Pict\\KARNELO_P.gif||Pict\\KARNELO_S_P.gif");
    EXPECT_EQ(ObrazekPrurezu(miv, QStringLiteral("MIV"), QStringLiteral("30"), false), QStringLiteral("Pict\\MIV_S_P_T.gif"));
    EXPECT_EQ(ObrazekPrurezu(miv, QStringLiteral("MIV"), QStringLiteral("20"), false), QStringLiteral("Pict\\MIV_P_T.gif|Pict\\MIV25_P_T.gif"));
    EXPECT_EQ(ObrazekPrurezu(karnelo, QStringLiteral("KARNELO"), QStringLiteral("30"), false), QStringLiteral("Pict\\KARNELO_P_T.gif"));
    EXPECT_EQ(ObrazekPrurezu(karnelo, QStringLiteral("KARNELO"), QStringLiteral("20"), true), QStringLiteral("Pict\\KARNELO_S_P_T.gif"));
    EXPECT_EQ(ObrazekPrurezu(QStringLiteral("Pict\\X_P.gif"), QStringLiteral("X"), QStringLiteral("20"), true), QString());
    EXPECT_EQ(ObrazekPrurezu(QString(), QStringLiteral("X"), QStringLiteral("20"), false), QString());
}

TEST(NabidkaHtml, AttachmentName) {
    EXPECT_EQ(NazevPrilohy(QStringLiteral("Škola 2/2026")), QStringLiteral("Škola 2-2026.htm"));
    EXPECT_EQ(NazevPrilohy(QString()), QStringLiteral("nabidka.htm"));
    EXPECT_EQ(NazevPrilohy(QStringLiteral(" ")), QStringLiteral("nabidka.htm"));
}
