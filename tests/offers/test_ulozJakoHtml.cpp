// The HTML offer from the shipped template: the flags, the picture, the escaped values, the
// page read back by Python's own HTML parser.
#include "offers/NabidkaHtml.h"

#include "offers/clsSorvenika.h"
#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

TabulkaArtiklu cenik() {
    DataDBF d;
    d.nazvy = {"STARY_KOD", "OBJ_CISLO", "NAZEV", "CENA", "VAHA", "MJ", "OBJ_SKLAD", "SYSTEM"};
    d.radky.push_back({QString(), QStringLiteral("A1"), QStringLiteral("N"), 1.0, 2.5, QString(), QStringLiteral("1"), QString()});
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
    EXPECT_TRUE(s.contains(QStringLiteral("<img src='") + inst.data + QStringLiteral("/Pict/MIV_S_P_T.gif'>")));
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
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();

    // No template: nothing is written, and the message names it.
    QFile::remove(inst.data + QStringLiteral("/nabidka.htm"));
    const Vysledek<> v = UlozJakoHtml(nabidka("MIV"), inst.data + QStringLiteral("/jina.htm"), false, false,
                                      {c, systemy, QDateTime()});
    EXPECT_FALSE(v);
    EXPECT_TRUE(v.chyba().endsWith(QStringLiteral("nabidka.htm neexistuje !")));
    EXPECT_FALSE(QFile::exists(inst.data + QStringLiteral("/jina.htm")));
}
