// The costing XML as offers carry it to the server and to other installations.
#include "offers/clsSorvenika.h"
#include "pricelist/DbfTestUtil.h"

#include <gtest/gtest.h>

namespace {

const QString kPrazdne = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n\r\n<sorvenika>\r\n<system></system>\r\n<nazev></nazev>\r\n"
    "<prurez></prurez>\r\n<vyska>0</vyska>\r\n<sachta>False</sachta>\r\n<ukonceni></ukonceni>\r\n<tvarnice></tvarnice>\r\n"
    "<syspoznamka></syspoznamka>\r\n<poznamka></poznamka>\r\n<rozpis></rozpis>\r\n</sorvenika>\r\n");

clsSorvenika vyplnena() {
    clsSorvenika s;
    s.Nazev = QStringLiteral("MIV Standard");
    s.System = QStringLiteral("MIV");
    s.Prurez = QStringLiteral("12/12");
    s.Vyska = 5.33f;
    s.Sachta = true;
    s.Ukonceni = QStringLiteral("obezdívka");
    s.Tvarnice = QStringLiteral("Tvárnice 36x36 <a & b>");
    s.SysPoznamka = QStringLiteral("Sada: 1x KPS\r\nDodání 3 týdny");
    s.Poznamka = QStringLiteral("řádek 1\r\nřádek 2");
    s.Rozpis = clsSorvenika::RadekRozpisu({"Komínová tvárnice", "MIV120", "", "6", "1\u00a0234,00", "7\u00a0404,00"}) +
               clsSorvenika::RadekRozpisu({"Dvířka", "D1", "D-1", "1", "0,00", "0,00"});
    return s;
}

}  // namespace

TEST(clsSorvenika, GeneratesTheDocumentByteForByte) {
    Region r(QStringLiteral("cs_CZ"));
    clsSorvenika prazdna;
    prazdna.GenerXml();
    EXPECT_EQ(prazdna.Xml, kPrazdne);

    clsSorvenika s = vyplnena();
    s.GenerXml();
    EXPECT_EQ(s.Xml, QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n\r\n<sorvenika>\r\n<system>MIV</system>\r\n"
        "<nazev>MIV Standard</nazev>\r\n<prurez>12/12</prurez>\r\n<vyska>5,33</vyska>\r\n<sachta>True</sachta>\r\n"
        "<ukonceni>obezdívka</ukonceni>\r\n<tvarnice>Tvárnice 36x36 <a & b></tvarnice>\r\n"
        "<syspoznamka>Sada: 1x KPS\r\nDodání 3 týdny</syspoznamka>\r\n<poznamka>řádek 1\r\nřádek 2</poznamka>\r\n"
        "<rozpis>Komínová tvárnice\tMIV120\t\t6\t1\u00a0234,00\t7\u00a0404,00\t\r\nDvířka\tD1\tD-1\t1\t0,00\t0,00\t\r\n"
        "</rozpis>\r\n</sorvenika>\r\n"));

    clsSorvenika zpet;
    zpet.Xml = s.Xml;
    zpet.ParseXml();
    EXPECT_EQ(std::tuple(zpet.Vyska, zpet.Sachta, zpet.Rozpis), std::tuple(5.33f, true, s.Rozpis));
    // Every field read back: the document made again is the same to the byte.
    zpet.GenerXml();
    EXPECT_EQ(zpet.Xml, s.Xml);
    EXPECT_EQ(clsSorvenika::BunkyRozpisu(zpet.Rozpis),
              (QList<QStringList>{{"Komínová tvárnice", "MIV120", "", "6", "1\u00a0234,00", "7\u00a0404,00"},
                                  {"Dvířka", "D1", "D-1", "1", "0,00", "0,00"}}));
}

TEST(clsSorvenika, HeightFollowsTheRegionalSeparatorAndReadsBothForms) {
    const struct { const char* region; float vyska; const char* text; } zapis[] = {
        {"cs_CZ", 7.5f, "7,5"}, {"C", 7.5f, "7.5"}, {"cs_CZ", 5.33f, "5,33"}, {"cs_CZ", 12.f, "12"}, {"C", 0.1f, "0.1"},
    };
    for (const auto& p : zapis) {
        Region r{QLatin1String(p.region)};
        clsSorvenika s;
        s.Vyska = p.vyska;
        s.GenerXml();
        EXPECT_TRUE(s.Xml.contains(QStringLiteral("<vyska>%1</vyska>").arg(p.text))) << p.region << " " << p.text;
    }
    const struct { QString xml; float vyska; bool sachta; QString poznamka; } cteni[] = {
        {"<VYSKA>7,5</Vyska><SACHTA>true</sachta>", 7.5f, true, ""},
        {"<vyska>7.5</vyska><sachta>-1</sachta>", 7.5f, true, ""},
        {"<vyska> 8 m</vyska><sachta>0</sachta>", 8.f, false, ""},
        {"<vyska>1e99</vyska><sachta>ano</sachta>", 0.f, false, ""},
        {"<vyska>1e400</vyska>", 0.f, false, ""},
        {"<vyska></vyska>", 0.f, false, ""},
        // A value holding its own closing tag is cut there; the first element wins.
        {"<poznamka>a</poznamka>b</poznamka><poznamka>c</poznamka>", 0.f, false, "a"},
        {"<poznamka> x\r\n y </poznamka>", 0.f, false, " x\r\n y "},
    };
    for (const auto& p : cteni) {
        SCOPED_TRACE(p.xml.toStdString());
        clsSorvenika s;
        s.Xml = p.xml;
        s.ParseXml();
        EXPECT_EQ(s.Vyska, p.vyska);
        EXPECT_EQ(s.Sachta, p.sachta);
        EXPECT_EQ(s.Poznamka, p.poznamka);
    }
}

TEST(clsSorvenika, BillLinesReadWithOrWithoutTheTrailingTab) {
    EXPECT_EQ(clsSorvenika::BunkyRozpisu("a\tb\r\n\r\nc\td\t\r\ne"), (QList<QStringList>{{"a", "b"}, {"c", "d"}, {"e"}}));
    EXPECT_EQ(clsSorvenika::BunkyRozpisu("a\t\t\r\n"), (QList<QStringList>{{"a", ""}}));
    EXPECT_TRUE(clsSorvenika::BunkyRozpisu("").isEmpty());
}
