// The offer form's rules without the form: required fields, project names, dealers, the
// breakdown from the parts grid and the prices after a change.
#include "offers/UdajeNabidky.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

UdajeNabidky uplne() {
    UdajeNabidky u;
    u.DatumNabidky = QStringLiteral("6.12.2026");
    u.NazevAkce = QStringLiteral("Akce");
    u.MistoStavby = QStringLiteral("Praha");
    u.DruhStavby = 3;
    u.RealizacniFirma = QStringLiteral("Firma");
    u.KontaktniOsoba = QStringLiteral("Osoba");
    u.Telefon = QStringLiteral(" ");
    u.Email = QStringLiteral("a@b.cz");
    u.Obchodnik = QStringLiteral("Stavebniny");
    u.ObchodnikMesto = QStringLiteral("Brno");
    return u;
}

}  // namespace

TEST(UdajeNabidky, DateWindowIsStrict) {
    for (const auto& [text, platne] : {std::pair("1.1.2007", false), std::pair("2.1.2007", true), std::pair("31.12.2098", true),
                                       std::pair("1.1.2099", false), std::pair("32.1.2010", false), std::pair("zítra", false),
                                       std::pair("", false)})
        EXPECT_EQ(DatumNabidky(QString::fromUtf8(text)).isValid(), platne) << text;
}

// Each field emptied on its own gives its own message; with everything empty only the first.
TEST(UdajeNabidky, RequiredFieldsInOrder) {
    EXPECT_FALSE(ZkontrolujUdaje(uplne()));
    const std::pair<void (*)(UdajeNabidky&), const char*> pripady[] = {
        {[](UdajeNabidky& u) { u.DatumNabidky.clear(); }, "Není zadané korektní datum nabídky."},
        {[](UdajeNabidky& u) { u.NazevAkce.clear(); }, "Není zadán název akce"},
        {[](UdajeNabidky& u) { u.MistoStavby.clear(); }, "Není zadáno místo stavby"},
        {[](UdajeNabidky& u) { u.DruhStavby = -1; }, "Není zvolen druh stavby"},
        {[](UdajeNabidky& u) { u.RealizacniFirma.clear(); }, "Není zadána realizační firma"},
        {[](UdajeNabidky& u) { u.KontaktniOsoba.clear(); }, "Není zadána kontaktní osoba"},
        {[](UdajeNabidky& u) { u.Telefon.clear(); }, "Není zadán telefon"},
        {[](UdajeNabidky& u) { u.Email.clear(); }, "Není zadán e-mail"},
        {[](UdajeNabidky& u) { u.Obchodnik.clear(); }, "Není zadán obchodník"},
        {[](UdajeNabidky& u) { u.ObchodnikMesto.clear(); }, "Není zadáno město"},
    };
    int i = 0;
    for (const auto& [vyprazdni, zprava] : pripady) {
        UdajeNabidky u = uplne();
        vyprazdni(u);
        const auto chyba = ZkontrolujUdaje(u);
        ASSERT_TRUE(chyba) << zprava;
        EXPECT_EQ(chyba->zprava, QString::fromUtf8(zprava));
        EXPECT_EQ(static_cast<int>(chyba->pole), i++);
    }
    UdajeNabidky prazdne;
    prazdne.DatumNabidky = QStringLiteral("6.12.2026");
    EXPECT_EQ(ZkontrolujUdaje(prazdne)->zprava, QStringLiteral("Není zadán název akce"));
}

TEST(UdajeNabidky, ProjectNamesFile) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath(QStringLiteral("Nabidky/NazevAkce.txt"));
    NazvyAkci n(soubor);
    EXPECT_TRUE(n.seznam().isEmpty());
    EXPECT_TRUE(n.nauc(QString()));
    EXPECT_FALSE(QFile::exists(soubor));
    EXPECT_TRUE(n.nauc(QStringLiteral("Škola")));
    EXPECT_TRUE(n.nauc(QStringLiteral("byty")));
    EXPECT_TRUE(n.nauc(QStringLiteral("byty")));
    EXPECT_EQ(readBytes(soubor), QByteArray("\x8a" "kola\r\nbyty\r\n"));
    EXPECT_EQ(n.seznam(), QStringList({QStringLiteral("byty"), QStringLiteral("Škola")}));

    // Rewritten in list order; an empty line of the file is not a name.
    writeBytes(soubor, "c\r\n\r\na\r\nb\r\n");
    NazvyAkci m(soubor);
    EXPECT_EQ(m.seznam(), QStringList({"a", "b", "c"}));
    EXPECT_TRUE(m.zapomen(QStringLiteral("b")));
    EXPECT_EQ(readBytes(soubor), QByteArray("a\r\nc\r\n"));
    EXPECT_TRUE(m.zapomen(QStringLiteral("nic")));
    EXPECT_EQ(readBytes(soubor), QByteArray("a\r\nc\r\n"));
    EXPECT_TRUE(m.zapomen(QStringLiteral("a")));
    EXPECT_TRUE(m.zapomen(QStringLiteral("c")));
    EXPECT_FALSE(QFile::exists(soubor));
    EXPECT_TRUE(NazvyAkci(soubor).seznam().isEmpty());
}

TEST(UdajeNabidky, ListsInCzechAlphabeticalOrder) {
    QStringList l{"Zámek", "chata", "Hotel", "Čistírna", "cukrárna", "dům", "ábc", "Ivan", "Abc"};
    seradSeznam(l);
    EXPECT_EQ(l, (QStringList{"Abc", "ábc", "cukrárna", "Čistírna", "dům", "Hotel", "chata", "Ivan", "Zámek"}));
}

TEST(UdajeNabidky, ProjectNameThatCannotBeWritten) {
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("soubor")), "x");
    NazvyAkci n(dir.filePath(QStringLiteral("soubor/NazevAkce.txt")));
    const Vysledek<> v = n.nauc(QStringLiteral("Akce"));
    EXPECT_FALSE(v);
    EXPECT_EQ(v.chyba(), QStringLiteral("Chyba při zápisu do souboru %1: složku %2 nelze vytvořit")
                             .arg(dir.filePath(QStringLiteral("soubor/NazevAkce.txt")), dir.filePath(QStringLiteral("soubor"))));
    EXPECT_EQ(n.seznam(), QStringList{QStringLiteral("Akce")});
}

TEST(UdajeNabidky, BreakdownAndPricesFromTheGrid) {
    FlexGrid g(1, 6);
    g.AddItem(QStringLiteral("Díl A\tA1\tS1\t2\t500,00\t1\u00A0000,00"));
    g.AddItem(QStringLiteral("Díl B\tB1\t\t1\t\t"));
    const RozpisMrizky r = RozpisZMrizky(g);
    EXPECT_EQ(r.rozpis, QStringLiteral("Díl A\tA1\tS1\t2\t500,00\t1\u00A0000,00\t\r\nDíl B\tB1\t\t1\t\t\t\r\n"));
    EXPECT_EQ(r.soucet, 1000.0);
    EXPECT_EQ(RozpisZMrizky(FlexGrid(1, 6)).rozpis, QString());

    const CenyNabidky nula = CenyPoZmene({5, 5, 5, 10}, 0, 21, std::nullopt);
    EXPECT_EQ(std::tuple(nula.CenaBezDPH, nula.CenaPoSleveBezDPH, nula.CenaPoSleveSDPH), std::tuple(0.0, 0.0, 0.0));
    // Without a discount the bias lifts 0.005 below a cent: 10.125 + 0.0049 rounds to 10.13.
    EXPECT_DOUBLE_EQ(CenyPoZmene({}, 10.125, 0, std::nullopt).CenaPoSleveBezDPH, 10.13);
}
