// The order XML written and read back, the mailed copy, the dispatch date and the HTML page.
#include "orders/ListObjednavky.h"
#include "orders/ObjednavkaXml.h"

#include "platform/Cp1250.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

int zkusImportObjednavek(const uint8_t* data, size_t size);

TEST(OrderXml, ExportBytesImportAndTheMailedCopy) {
    ListObjednavky l;
    // A note that would close its element and open another sub-order, were it written as it is.
    const QString nebezpecna = QStringLiteral("první\r\n</poznamka></objednavka1><objednavka2><nazev>X</nazev><obj_znaky>DVM|"
                                              "</obj_znaky><kusy>9|</kusy><poznamka><b>&");
    l.m.PridatObjednavku({"MIV s větr. š.", "DVM|DLT|", "2|1|", nebezpecna, {}});
    l.m.PridatObjednavku({"Sklad", "DLT|", "3|", {}, {}});
    l.m.vyber(0);
    const QString xml = XmlObjednavky(l.m);
    EXPECT_EQ(xml, QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n\r\n<objednavky>\r\n"
                                  "  <verze>verze: 9.4.2009</verze>\r\n"
                                  "  <objednavka1>\r\n    <nazev>MIV s větr. š.</nazev>\r\n    <obj_znaky>DVM|DLT|</obj_znaky>\r\n"
                                  "    <kusy>2|1|</kusy>\r\n    <poznamka>první\r\n‹/poznamka›‹/objednavka1›‹objednavka2›‹nazev›X"
                                  "‹/nazev›‹obj_znaky›DVM|‹/obj_znaky›‹kusy›9|‹/kusy›‹poznamka›‹b›&</poznamka>\r\n  </objednavka1>\r\n"
                                  "  <objednavka2>\r\n    <nazev>Sklad</nazev>\r\n    <obj_znaky>DLT|</obj_znaky>\r\n"
                                  "    <kusy>3|</kusy>\r\n    <poznamka></poznamka>\r\n  </objednavka2>\r\n</objednavky>\r\n"));
    // The export leaves the user's sub-order selected; the total counts both.
    EXPECT_EQ(l.m.ListIndex(), 0);
    EXPECT_EQ(l.m.lblCenaCelkem[0], QStringLiteral("1\u00A0654,00"));

    // To a file; read back the sheet doubles (the import appends), each sub-order as it was.
    QString cesta = l.inst.dir.filePath(QStringLiteral("o.xml"));
    ASSERT_TRUE(ExportObjednavky(l.m, false, cesta));
    EXPECT_EQ(readBytes(cesta), cp1250::encode(xml));
    ASSERT_TRUE(importujObjednavky(l.m, cp1250::decode(readBytes(cesta)), cesta));
    ASSERT_EQ(l.m.Objednavka.Count(), 4);
    for (int i = 1; i <= 2; ++i) {
        const clsPodobjednavka &a = l.m.Objednavka.Item(i), &b = l.m.Objednavka.Item(i + 2);
        const QString poznamka = QString(a.Poznamka).replace(u'<', u'‹').replace(u'>', u'›');
        EXPECT_EQ(std::tie(a.Nazev, a.ObjZnak, a.Ks, poznamka), std::tie(b.Nazev, b.ObjZnak, b.Ks, b.Poznamka));
    }
    EXPECT_EQ(l.m.ListIndex(), 3);

    // Mailed: the Tmp folder's files go first, the file is named by today, the mail program
    // gets it as "Objednavka.xml"; a refusal fails the export.
    const QDir tmp(l.inst.dir.filePath(QStringLiteral("Tmp")));
    writeBytes(tmp.filePath(QStringLiteral("stary.xml")), "x");
    writeBytes(tmp.filePath(QStringLiteral("slozka/cizi.txt")), "y");
    QString posta;
    ASSERT_TRUE(ExportObjednavky(l.m, true, posta));
    EXPECT_EQ(posta, tmp.filePath(QStringLiteral("06-12-26.xml")));
    EXPECT_EQ(tmp.entryList(QDir::Files), QStringList{"06-12-26.xml"});
    EXPECT_TRUE(QFile::exists(tmp.filePath(QStringLiteral("slozka/cizi.txt"))));
    ASSERT_EQ(l.sluzby.desktop.maily.size(), 1);
    ASSERT_EQ(l.sluzby.desktop.maily[0].size(), 1);
    EXPECT_TRUE(l.sluzby.desktop.maily[0][0].endsWith(QStringLiteral("/Objednavka.xml")));
    EXPECT_EQ(readBytes(l.sluzby.desktop.maily[0][0]).size(), readBytes(posta).size());
    // The order is the user's alone, in the folder made theirs, and so is the copy for the mail.
    const auto rezim = [](const QString& cesta) {
        struct stat s {};
        return ::stat(QFile::encodeName(cesta).constData(), &s) == 0 ? s.st_mode & 07777 : 0;
    };
    EXPECT_EQ(rezim(tmp.path()), 0700u);
    EXPECT_EQ(rezim(posta), 0600u);
    EXPECT_EQ(rezim(l.sluzby.desktop.maily[0][0]), 0600u);
    l.sluzby.desktop.navratPosty = 2;
    EXPECT_EQ(ExportObjednavky(l.m, true, posta).chyba().section(u'\n', -1), kPostaNeodeslana);
    EXPECT_TRUE(l.sluzby.dialogs.zpravy.isEmpty());
}

TEST(OrderXml, ImportTakesNumberedSubOrdersUpToTheFirstMissing) {
    const QString xml = QStringLiteral(
        "<OBJEDNAVKA1><NAZEV>A</NAZEV><Obj_Znaky>DVM|</Obj_Znaky><kusy>1|</kusy></OBJEDNAVKA1>"
        "<objednavka2><nazev>B</nazev><obj_znaky>X|</obj_znaky></objednavka2>"
        "<objednavka3><nazev>C</nazev><obj_znaky>DLT|</obj_znaky><kusy>2|</kusy><poznamka>p</poznamka></objednavka3>"
        "<objednavka5><nazev>E</nazev><obj_znaky>DLT|</obj_znaky><kusy>2|</kusy></objednavka5>");
    const QList<PolozkaObjednavky> p = ctiObjednavky(xml);
    ASSERT_EQ(p.size(), 2);
    EXPECT_EQ(p[0], (PolozkaObjednavky{"A", "DVM|", "1|", "", {}}));
    EXPECT_EQ(p[1], (PolozkaObjednavky{"C", "DLT|", "2|", "p", {}}));
    EXPECT_TRUE(ctiObjednavky(QStringLiteral("<objednavka1></objednavka1><objednavka2><nazev>B</nazev></objednavka2>")).isEmpty());
    EXPECT_TRUE(ctiObjednavky(QStringLiteral("</objednavka1>x<objednavka1>")).isEmpty());
    // Past 999 the closing mark is 17 characters long.
    QString mnoho;
    for (int n = 1; n <= 1001; ++n)
        mnoho += QStringLiteral("<objednavka%1><nazev>%1</nazev><obj_znaky>DVM|</obj_znaky><kusy>1|</kusy></objednavka%1>").arg(n);
    const QList<PolozkaObjednavky> vsechny = ctiObjednavky(mnoho);
    ASSERT_EQ(vsechny.size(), 1001);
    EXPECT_EQ(vsechny.back().Nazev, QStringLiteral("1001"));

    // The fuzzing corpus of the import.
    const QDir korpus(testData("objednavky_corpus"));
    ASSERT_GE(korpus.entryList(QDir::Files).size(), 5);
    for (const QString& s : korpus.entryList(QDir::Files)) {
        const QByteArray b = readBytes(korpus.filePath(s));
        EXPECT_EQ(zkusImportObjednavek(reinterpret_cast<const uint8_t*>(b.constData()), static_cast<size_t>(b.size())), 0);
    }
    EXPECT_EQ(ctiObjednavky(cp1250::decode(readBytes(testData("objednavky_corpus/export.xml")))).size(), 2);
}

// A count the sheet's own editor would not take refuses the file whole; so does a file without
// a sub-order, which says so.
TEST(OrderXml, ImportRefusesAFileTheSheetCouldNotTake) {
    const auto objednavka = [](int n, const char* nazev, const char* kusy) {
        return QStringLiteral("<objednavka%1><nazev>%2</nazev><obj_znaky>DVM|DLT|X|</obj_znaky><kusy>%3</kusy></objednavka%1>")
            .arg(n)
            .arg(QString::fromUtf8(nazev), QString::fromLatin1(kusy));
    };
    const QString soubor = QStringLiteral("/data/obj.xml");
    const auto chyba = [&](const char* nazev, const char* ks) {
        return kChybnyPocetKusu.arg(soubor, QString::fromUtf8(nazev), QString::fromLatin1(ks));
    };
    const std::pair<QString, QString> pripady[] = {
        {objednavka(1, "Komín", "-3|70000|abc|"), chyba("Komín", "-3")},
        {objednavka(1, "A", "3|10000|1|"), chyba("A", "10000")},
        {objednavka(1, "A", "3|abc|1|"), chyba("A", "abc")},
        {objednavka(1, "A", "1.5|2|1|"), chyba("A", "1.5")},
        {objednavka(1, "A", "+1|2|1|"), chyba("A", "+1")},
        {objednavka(1, "A", "1||1|"), chyba("A", "")},
        // A code without its count, after counts that are all good.
        {objednavka(1, "Komín", "5|"), kChybiPocetKusu.arg(soubor, QStringLiteral("Komín"), QStringLiteral("DLT"))},
        {objednavka(1, "A", "1|2|") + objednavka(2, "B", "1|2|3|"), kChybiPocetKusu.arg(soubor, "A", "X")},
        {objednavka(1, "A", "1|2|3|") + objednavka(2, "B", "1|"), kChybiPocetKusu.arg(soubor, "B", "DLT")},
        // The second sub-order's count refuses the first as well.
        {objednavka(1, "A", "1|2|3|") + objednavka(2, "B", "1|2|99999|"), chyba("B", "99999")},
        {QStringLiteral("<objednavky><verze>1</verze></objednavky>"), kBezObjednavky.arg(soubor)},
    };
    ListObjednavky l;
    l.pridej(QStringLiteral("Moje"), QStringLiteral("DVM|"), QStringLiteral("1|"));
    for (const auto& [xml, zprava] : pripady) {
        SCOPED_TRACE(xml.toStdString());
        EXPECT_EQ(importujObjednavky(l.m, xml, soubor).chyba(), zprava);
        EXPECT_EQ(l.m.Objednavka.Count(), 1);
        EXPECT_EQ(l.m.lstObjednavky, QStringList{"Moje"});
    }
    // The edges the editor takes, blanks around a count aside; the counts stay as the file has them.
    ASSERT_TRUE(importujObjednavky(l.m, objednavka(1, "A", "0| 9999 |0007|"), soubor));
    ASSERT_EQ(l.m.Objednavka.Count(), 2);
    EXPECT_EQ(l.m.Objednavka.Item(2).Ks, QStringLiteral("0| 9999 |0007|"));
    EXPECT_EQ(l.m.ListIndex(), 1);
}

TEST(OrderXml, DispatchDateCarriesOver) {
    const std::tuple<int, int, int, QDate> pripady[] = {
        {2026, 4, 31, QDate(2026, 5, 1)},  {2026, 13, 1, QDate(2027, 1, 1)}, {2026, 3, 0, QDate(2026, 2, 28)},
        {2026, 0, 1, QDate(2025, 12, 1)},  {2026, -11, 1, QDate(2025, 1, 1)}, {2026, 12, 32, QDate(2027, 1, 1)},
        {2024, 2, 30, QDate(2024, 3, 1)},
    };
    for (auto [r, m, d, datum] : pripady) EXPECT_EQ(dateSerial(r, m, d), datum) << r << "/" << m << "/" << d;
}

TEST(OrderXml, HtmlPageFillsEveryPlaceholder) {
    ListObjednavky l;
    l.m.PridatObjednavku({"První", "DVM|", "2|", "nevytiskne se", {}});
    l.m.PridatObjednavku({"Druhá <i>", "DLT|XYZ|", "1|1|", "a\r\n\r\n<script>b</script>", {}});
    l.m.Objednavka.setID(QStringLiteral("K&1"));
    l.m.txtDatumExpediceDen = QStringLiteral("31");
    l.m.txtDatumExpediceMesic = QStringLiteral("4");
    l.m.txtDatumExpediceRok = QStringLiteral("2027");
    const QStringList znacky = {"cislo_objednavky", "datum_vystaveni", "datum_expedice", "zavod", "id", "email",
                                "polozky", "poznamka", "cena_bez_dph", "dph", "cena_s_dph", "vaha"};
    QString sablona;
    for (const QString& z : znacky) sablona += "[<!--" + z + "-->]";
    const QString r = QStringLiteral("        <tr>\r\n");
    const QString k = QStringLiteral("        </tr>\r\n");
    const auto bunka = [](const char* zarovnani, const QString& t) {
        return QStringLiteral("          <td align=\"%1\" valign=\"middle\" class=\"txt2\">%2</td>\r\n").arg(QLatin1String(zarovnani), t);
    };
    const auto titulek = [&](const QString& t) {
        return r + "          <td colspan=\"5\" align=\"left\" valign=\"middle\" class=\"txt3\">" + t + "</td>\r\n" + k;
    };
    const QString polozky =
        titulek("První") + r + bunka("left", "Větrací mřížka DORVA 150 x 150 mm") + bunka("center", "DVM") + bunka("center", "2") +
        bunka("right", "129,00") + bunka("right", "258,00") + k + titulek("Druhá &lt;i&gt;") + r +
        bunka("left", "Lepicí tmel DORVA, kbelík 5 kg") + bunka("center", "DLT") + bunka("center", "1") + bunka("right", "349,00") +
        bunka("right", "349,00") + k + r + bunka("left", "****** Položka XYZ nenalezena ******") + bunka("center", "XYZ") +
        bunka("center", "1") + bunka("right", "0,00") + bunka("right", "0,00") + k;
    EXPECT_EQ(sestavHtmlObjednavky(l.m, sablona + sablona, "HRAB", "457", QDate(2026, 12, 6)),
              ("[457][6.12.2026][1.5.2027][HRAB][K&amp;1][][" + polozky + "][a<br><br>&lt;script&gt;b&lt;/script&gt;<br>][607,00][20][728,40][0]")
                  .repeated(2));

    // The shipped template holds all twelve, in Windows-1250.
    const QString vzor = cp1250::decode(readBytes(QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/objednavka.htm")));
    for (const QString& z : znacky) EXPECT_TRUE(vzor.contains("<!--" + z + "-->")) << z.toStdString();
    EXPECT_TRUE(vzor.contains(QStringLiteral("charset=windows-1250")) && vzor.contains(QStringLiteral("Název dílu")));

    // The print copy goes to Tmp2Print and is opened; it replaces an older copy whole.
    const QString tisk = l.inst.data + QStringLiteral("/Tmp2Print/objednavka.htm");
    writeBytes(tisk, QByteArray(100000, 'x'));
    ASSERT_TRUE(mnuTisk_Click(l.m));
    EXPECT_EQ(l.sluzby.desktop.otevrene, QStringList{tisk});
    const QByteArray strana = readBytes(tisk);
    EXPECT_TRUE(strana.startsWith("<!DOCTYPE") && strana.endsWith("</html>\r\n") && !strana.contains("<!--"));
    // A browser's parser sees the imported markup as text, never as elements.
    QProcess p;
    p.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral(R"(
import sys
from html.parser import HTMLParser
class P(HTMLParser):
    znacky, text = set(), ''
    def handle_starttag(self, tag, attrs): self.znacky.add(tag)
    def handle_data(self, data): self.text += data
p = P(convert_charrefs=True)
p.feed(open(sys.argv[1], 'rb').read().decode('cp1250'))
print(sorted(p.znacky & {'script', 'i'}), '<script>b</script>' in p.text, 'Druhá <i>' in p.text, 'K&1' in p.text))"),
                                         tisk});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.readAllStandardOutput(), "[] True True True\n");
}
