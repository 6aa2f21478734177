#include "engine/NactiSystem.h"

#include "engine/EngineFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct NacteniFixture : ::testing::Test {
    FakeServices sluzby;
    CenikFixture cenik;
    PevneNastaveni cs;
    std::optional<Prostredi> data;

    void SetUp() override { data.emplace("SORVENIKA_DATA", testData(QStringLiteral("engine")).toUtf8()); }
};

}  // namespace

TEST_F(NacteniFixture, FillsEveryCellFromThePriceList) {
    GlobalniData g = stavSTestSystemem();
    g.sorvenikaParametry.Prislusenstvi(7) = true;
    ASSERT_TRUE(NactiSystem(g, cenik));
    EXPECT_TRUE(sluzby.dialogs.zpravy.isEmpty());

    const SorvenikaParametry& p = g.sorvenikaParametry;
    const DataSystemu& d = g.dataSystemu;
    EXPECT_EQ(p.PocetPrurezu, 3);
    EXPECT_EQ(p.PocetRadku, 7);
    EXPECT_EQ(g.PocetVolnychRadku, 10);
    EXPECT_EQ(d.Polozky.sloupcu(), 3);
    EXPECT_EQ(d.Polozky.radku(), 17);
    EXPECT_EQ(d.Prurezy.horni(), 3);
    EXPECT_EQ(d.Prurezy(1), QStringLiteral("12"));
    EXPECT_EQ(d.Prurezy(3), QStringLiteral(" 16"));  // labels are not trimmed
    // " sachta " marks its column; "SACHTA X" and "" do not.
    EXPECT_FALSE(d.SachtaPovolena(1));
    EXPECT_TRUE(d.SachtaPovolena(2));
    EXPECT_FALSE(d.SachtaPovolena(3));
    EXPECT_EQ(p.Prislusenstvi.dolni(), 0);
    EXPECT_EQ(p.Prislusenstvi.horni(), 35);
    for (bool f : p.Prislusenstvi) EXPECT_FALSE(f);
    EXPECT_EQ(p.SystemNazevTisk(), QStringLiteral("TEST tisk"));  // the system's record goes with it

    for (const QStringList& c : pripady("pripady/nactiSystem.txt")) {
        const Polozka& x = d.Polozky(c[0].toInt(), c[1].toInt());
        SCOPED_TRACE(c.join(u'|').toStdString());
        EXPECT_EQ(QStringList({x.ObjZnak, x.ObjZnakPuvodni, x.Nazev, QString::number(x.Cena.raw())}), c.mid(2, 4));
        EXPECT_FLOAT_EQ(x.Vaha, c[6].toFloat());
        EXPECT_TRUE(x.Ks == 0 && x.KsVypocet == 0 && x.KsZaklad == 0);
    }
    EXPECT_THROW(d.Polozky(4, 1), RuntimeError);
    EXPECT_THROW(d.Polozky(1, 18), RuntimeError);
}

TEST_F(NacteniFixture, FreeRowsByUserAndSystem) {
    struct {
        const char* system;
        quint8 typ;
        int volnych;
    } cases[] = {
        {"TEST", 0, 10}, {"T-REMOL", 0, 0}, {"T-REMOL2S", 0, 0}, {"T-REMOL2R", 0, 0},
        {"T-REMOL", 1, 10}, {"t-remol", 0, 10}, {"T-REMOL ", 0, 10},
    };
    for (const auto& c : cases) {
        GlobalniData g = stavSTestSystemem(QString::fromUtf8(c.system));
        g.nastaveni.TypUzivatele = c.typ;
        g.PocetVolnychRadku = 77;
        ASSERT_TRUE(NactiSystem(g, cenik)) << c.system;
        EXPECT_EQ(g.PocetVolnychRadku, c.volnych) << c.system << " " << int(c.typ);
        EXPECT_EQ(g.dataSystemu.Polozky.radku(), 7 + c.volnych) << c.system;
        EXPECT_EQ(g.sorvenikaParametry.PocetRadku, 7) << c.system;
    }
}

TEST_F(NacteniFixture, FileShapes) {
    QTemporaryDir dir;
    Prostredi jinde("SORVENIKA_DATA", dir.path().toUtf8());
    const QByteArray hlava = "\tsachta\r\n12\t14\r\n";
    struct {
        const char* nazev;
        QByteArray obsah;
        int radku;         // item rows after a good load; -1 refused
        const char* zprava;
    } cases[] = {
        // Without the final line break the last code stays whole; extra empty lines are ignored.
        {"bez konce", hlava + "KB12\tKB14\r\nVL12\tVL14", 2, nullptr},
        {"dva konce", hlava + "KB12\tKB14\r\nVL12\tVL14\r\n\r\n", 2, nullptr},
        {"jen hlavicka", hlava, 0, nullptr},
        {"prazdny", "", -1, "je poškozený (řádek 1) !"},
        {"jeden radek", "\tsachta\r\n", -1, "je poškozený (řádek 2) !"},
        {"kratke popisy", "\tsachta\r\n12\r\nKB12\tKB14\r\n", -1, "je poškozený (řádek 2) !"},
        {"kratka polozka", hlava + "KB12\tKB14\r\nVL12\r\nKB12\tKB14\r\n", -1, "je poškozený (řádek 4) !"},
        {"prazdna polozka", hlava + "KB12\tKB14\r\n\r\nKB12\tKB14\r\n", -1, "je poškozený (řádek 4) !"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nazev);
        writeBytes(dir.filePath(QStringLiteral("T.txt")), c.obsah);
        GlobalniData g = stavSTestSystemem();
        g.Systemy[1].Data = QStringLiteral("t.TXT");  // a Windows name in another letter case
        // A loaded system that a refused load must leave as it is.
        g.dataSystemu.Prurezy.vytvor(1);
        g.dataSystemu.Prurezy(1) = QStringLiteral("staré");
        g.dataSystemu.Polozky.vytvor(1, 3);
        g.dataSystemu.Polozky(1, 2).Nazev = QStringLiteral("stará");
        g.sorvenikaParametry.PocetRadku = Integer(3);
        g.PocetVolnychRadku = 5;
        sluzby.dialogs.zpravy.clear();

        const Vysledek<> ok = NactiSystem(g, cenik);
        if (c.radku >= 0) {
            ASSERT_TRUE(ok);
            EXPECT_EQ(g.sorvenikaParametry.PocetRadku, c.radku);
            EXPECT_EQ(g.dataSystemu.Polozky.radku(), c.radku + 10);
            if (c.radku == 2) {
                EXPECT_EQ(g.dataSystemu.Polozky(2, 2).ObjZnak, QStringLiteral("VL14"));
                EXPECT_TRUE(g.dataSystemu.SachtaPovolena(2));
            }
        } else {
            EXPECT_FALSE(ok);
            EXPECT_TRUE(ok.chyba().startsWith(QStringLiteral("Soubor ")));
            EXPECT_TRUE(ok.chyba().endsWith(QString::fromUtf8(c.zprava))) << ok.chyba().toStdString();
            EXPECT_EQ(g.dataSystemu.Prurezy(1), QStringLiteral("staré"));
            EXPECT_EQ(g.dataSystemu.Polozky(1, 2).Nazev, QStringLiteral("stará"));
            EXPECT_EQ(g.sorvenikaParametry.PocetRadku, 3);
            EXPECT_EQ(g.PocetVolnychRadku, 5);
        }
    }

    // A missing file, a missing line of [SYSTEMY] or a missing key: what is missing is named and
    // the previous state kept.
    const QString ini = dir.filePath(QStringLiteral("Sorvenika.ini"));
    const struct { QString sekce, data, zprava; } chybi[] = {
        {QStringLiteral("TEST"), QStringLiteral("Chybi.txt"), QStringLiteral("Soubor %1 neexistuje !").arg(dir.filePath(QStringLiteral("Chybi.txt")))},
        {{}, {}, QStringLiteral("V souboru %1 chybí v sekci [SYSTEMY] řádek „1System“ (systém TEST).").arg(ini)},
        {QStringLiteral("TEST"), {}, QStringLiteral("V souboru %1 chybí v sekci [TEST] klíč „Data“ (soubor položek systému TEST).").arg(ini)},
    };
    for (const auto& c : chybi) {
        GlobalniData g = stavSTestSystemem();
        g.Systemy[1].Sekce = c.sekce;
        g.Systemy[1].Data = c.data;
        g.dataSystemu.Polozky.vytvor(2, 2);
        const Vysledek<> v = NactiSystem(g, cenik);
        EXPECT_EQ(v.chyba(), c.zprava);
        EXPECT_EQ(g.dataSystemu.Polozky.radku(), 2);
    }
}

// The row counts are Integers: 32,757 item rows and the 10 free rows fit; one more is the
// overflow error, raised before anything changes.
TEST_F(NacteniFixture, RowCountsStayIntegers) {
    QTemporaryDir dir;
    Prostredi jinde("SORVENIKA_DATA", dir.path().toUtf8());
    for (int polozek : {32757, 32758}) {
        SCOPED_TRACE(polozek);
        writeBytes(dir.filePath(QStringLiteral("TEST.txt")), "\tsachta\r\n12\t14\r\n" + QByteArray("KB12\tKB14\r\n").repeated(polozek));
        GlobalniData g = stavSTestSystemem();
        EXPECT_EQ(cisloChyby([&] { (void)NactiSystem(g, cenik); }), polozek == 32757 ? 0 : 6);
        EXPECT_EQ(g.dataSystemu.Polozky.radku(), polozek == 32757 ? 32767 : 0);
    }
}
