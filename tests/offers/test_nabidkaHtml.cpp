// The HTML offer: its generated parts (the item table, the weight, the cross-section picture) and
// the page from the shipped template, read back by Python's own HTML parser.
#include "offers/NabidkaHtml.h"

#include "app/SouborNastaveni.h"
#include "engine/Systemy.h"
#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "support/Dockej.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

clsNabidka nabidka(const char* system) {
    clsSorvenika s;
    s.System = QString::fromLatin1(system);
    s.Nazev = QStringLiteral("Komín <b>") + s.System;
    s.Prurez = QStringLiteral("30");
    s.Vyska = 7.5f;
    s.SysPoznamka = QStringLiteral("Sada\r\n\r\n");
    s.Poznamka = QStringLiteral("a & b\r\nc");
    s.Rozpis = QStringLiteral("Díl\tA1\tS\t2\t10,00\t20,00\t\r\n");
    s.GenerXml();
    clsNabidka n;
    n.ExtID = 42;
    n.CisloOZ = Integer(7);
    n.JmenoOZ = QStringLiteral("Jan Novák");
    n.DatumNabidky = QDate(2026, 12, 6);
    n.NazevAkce = QStringLiteral("Škola <b>");
    n.RealizacniFirma = QStringLiteral("Stavby");
    n.DruhStavby = 3;
    n.CenaBezDPH = 1234.5;
    n.ProjektovaSleva = 10;
    n.CenaPoSleveBezDPH = 1111.05;
    n.CenaPoSleveSDPH = 1344.37;
    n.Poznamka = QStringLiteral("řádek 1\r\n<!--vaha-->");
    n.Sorvenika = s.Xml;
    return n;
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
    EXPECT_EQ(ObrazekPrurezuTisk(miv, QStringLiteral("MIV"), QStringLiteral("30"), false), QStringLiteral("Pict\\MIV25_P_T.gif"));
    EXPECT_EQ(ObrazekPrurezuTisk(miv, QStringLiteral("MIV"), QStringLiteral("20"), false), QStringLiteral("Pict\\MIV_P_T.gif"));
    EXPECT_EQ(ObrazekPrurezuTisk(miv, QStringLiteral("MIV"), QStringLiteral("20"), true), QStringLiteral("Pict\\MIV_S_P_T.gif"));
    EXPECT_EQ(ObrazekPrurezuTisk(karnelo, QStringLiteral("KARNELO"), QStringLiteral("30"), false), QStringLiteral("Pict\\KARNELO_P_T.gif"));
    EXPECT_EQ(ObrazekPrurezuTisk(QStringLiteral("Pict\\X_P.gif"), QStringLiteral("X"), QStringLiteral("20"), true), QString());
    EXPECT_EQ(ObrazekPrurezuTisk(QString(), QStringLiteral("X"), QStringLiteral("20"), false), QString());
}

// Every system of the sample settings, with and without a shaft, at small and large
// cross-sections: the printed page names only pictures that are there.
TEST(NabidkaHtml, NoSystemOfTheSampleSettingsGivesABrokenPicture) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(inst.ini(), g).chyba);
    const TabulkaArtiklu c = cenik();
    const ZdrojeHtml z{c, g.Systemy, QDateTime(QDate(2026, 12, 7), QTime(6, 0))};
    const QRegularExpression obrazek(QStringLiteral("<img[^>]* src='([^']*)'"));
    int obrazku = 0;
    for (int kod = 1; kod <= g.nastaveni.PocetSystemu; ++kod)
        for (const bool sachta : {false, true})
            for (const char* prurez : {"12", "20", "25", "45"}) {
                clsNabidka n = nabidka(NazevSystemu(kod).toLatin1().constData());
                clsSorvenika s;
                s.Xml = n.Sorvenika;
                s.ParseXml();
                s.Sachta = sachta;
                s.Prurez = QString::fromLatin1(prurez);
                s.GenerXml();
                n.Sorvenika = s.Xml;
                const QString strana = sestavNabidkuHtml(n, QStringLiteral("<!--logo--><!--img_tvarnice-->"), true, true, z);
                for (auto m = obrazek.globalMatch(strana); m.hasNext();) {
                    const QString cesta = m.next().captured(1);
                    EXPECT_TRUE(QFileInfo(cesta).isFile()) << NazevSystemu(kod).toStdString() << " " << prurez << " "
                                                           << sachta << ": " << cesta.toStdString();
                    ++obrazku;
                }
            }
    // The logo and a cross-section for all but the system without pictures.
    EXPECT_EQ(obrazku, 13 * 8 + 12 * 8);
}

TEST(NabidkaHtml, AttachmentName) {
    const std::pair<QString, QString> pripady[] = {
        {"Škola 2/2026", "Škola 2-2026.htm"},
        {"RD \"Novák\", Praha; rm -rf $HOME `x`", "RD -Novák- Praha- rm -rf -HOME -x-.htm"},
        {"a//b-/c", "a-b-c.htm"},
        {"a_b-c.d", "a_b-c.d.htm"},
        {QString(110, QChar(0x17E)), QString(100, QChar(0x17E)) + ".htm"},
        {"", "nabidka.htm"},
        {" ", "nabidka.htm"},
        {"..", "nabidka.htm"},
        {"\"/'", "nabidka.htm"},
    };
    for (const auto& [nazev, priloha] : pripady) EXPECT_EQ(NazevPrilohy(nazev), priloha) << nazev.toStdString();
}

TEST(UlozJakoHtml, FlagsAndValues) {
    Instalace inst;
    FakeServices sluzby;
    const TabulkaArtiklu c = cenik();
    std::vector<SystemZaznam> systemy(14);
    systemy[1].PiktogramPrurez = QStringLiteral("Pict\\MIV_P.gif|Pict\\MIV25_P.gif||Pict\\MIV_S_P.gif");
    const ZdrojeHtml z{c, systemy, QDateTime(QDate(2026, 12, 7), QTime(6, 5, 4))};
    const QString sablona = cp1250::decode(readBytes(inst.data + QStringLiteral("/nabidka.htm")));

    const QString s = sestavNabidkuHtml(nabidka("MIV"), sablona, true, true, z);
    EXPECT_TRUE(s.contains(QStringLiteral("<img align='right' src='") + inst.data + QStringLiteral("/Pict/LOGO_T.gif'>")));
    EXPECT_TRUE(s.contains(QStringLiteral("<img src='") + inst.data + QStringLiteral("/Pict/MIV25_P_T.gif'>")));
    for (const char* t : {"7.12.2026 6:05:04", "Nabídka č. 42", "6.12.2026", "Škola &lt;b&gt;", "Komín &lt;b&gt;MIV",
                          "Rodinný dům", "Cena bez DPH:", "1\u00A0234,50 Kč", "10,00 %", "Cena po slevě s DPH:",
                          "1\u00A0344,37 Kč", "7,5 m", "Bez větrací šachty", "a &amp; b<br>c", "Sada<br><br>",
                          "řádek 1<br>&lt;!--vaha--&gt;", "<b>5,00 Kg</b>"})
        EXPECT_TRUE(s.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(s.count(QStringLiteral("colspan=\"6\"")), 2);

    // Without discount and logo: the first price pair blank, the system table never asked
    // (an empty one would give no picture anyway, so an unknown system shows the same).
    const std::vector<SystemZaznam> zadne;
    const QString bez = sestavNabidkuHtml(nabidka("T-REMOL"), sablona, false, false, {c, zadne, z.ted});
    EXPECT_FALSE(bez.contains(QStringLiteral("<img")));
    EXPECT_FALSE(bez.contains(QStringLiteral("Projektová sleva")));
    EXPECT_TRUE(bez.contains(QStringLiteral("<td>&nbsp;</td><td align=\"right\">&nbsp;</td>")));
    EXPECT_TRUE(bez.contains(QStringLiteral("Cena bez DPH:</td><td align=\"right\">1\u00A0111,05 Kč")));
    EXPECT_TRUE(bez.contains(QStringLiteral("Cena s DPH:")));
    EXPECT_EQ(bez.count(QStringLiteral("colspan=\"4\"")), 2);

    // An unknown system, or a system table without the system's record, with the logo: no
    // picture, the page all the same.
    EXPECT_EQ(sestavNabidkuHtml(nabidka("NEZNAMY"), sablona, true, true, z).count(QStringLiteral("<img")), 1);
    const std::vector<SystemZaznam> kratka(2);
    EXPECT_EQ(sestavNabidkuHtml(nabidka("ORVIK"), sablona, true, true, {c, kratka, z.ted}).count(QStringLiteral("<img")), 1);
}

// The written page in Windows-1250, read back by Python's parser: every placeholder filled and
// the tags balanced.
TEST(UlozJakoHtml, PageReadByPythonsParser) {
    Instalace inst;
    FakeServices sluzby;
    const TabulkaArtiklu c = cenik();
    std::vector<SystemZaznam> systemy(14);
    const QString cil = inst.data + QStringLiteral("/Tmp2Print/nabidka.htm");
    ASSERT_TRUE(UlozJakoHtml(nabidka("MIV"), cil, true, true, {c, systemy, QDateTime(QDate(2026, 12, 7), QTime(6, 0))}));
    const QByteArray bajty = readBytes(cil);
    EXPECT_TRUE(bajty.contains(cp1250::encode(QStringLiteral("Nabídka č. 42"))));
    QProcess p;
    p.start(QStringLiteral("python3"), {QStringLiteral(SORVENIKA_SOURCE_DIR "/tests/offers/html_kontrola.py"), cil});
    ASSERT_TRUE(p.waitForFinished(kStropCekaniMs));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();

    // No template: nothing is written, and the message names it.
    QFile::remove(inst.data + QStringLiteral("/nabidka.htm"));
    const Vysledek<> v = UlozJakoHtml(nabidka("MIV"), inst.data + QStringLiteral("/jina.htm"), false, false,
                                      {c, systemy, QDateTime()});
    EXPECT_FALSE(v);
    EXPECT_TRUE(v.chyba().endsWith(QStringLiteral("nabidka.htm neexistuje !")));
    EXPECT_FALSE(QFile::exists(inst.data + QStringLiteral("/jina.htm")));
}
