// The offer list's model over real offer files: keys, local states, grey rows, the state
// change written at once, the copy.
#include "offers/KodyNabidek.h"
#include "offers/ModelSeznamuNabidek.h"

#include "offers/SouboryNabidek.h"
#include "platform/Cp1250.h"
#include "support/BezPravaCist.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Seznam {
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    FakeServices sluzby;
    GlobalniData g;
    QString soubor(const QString& jmeno) const { return dir.filePath("Nabidky/" + jmeno); }

    Seznam() {
        g.nastaveni.IDOZ = Integer(7);
        g.nastaveni.JmenoOZ = QStringLiteral("Já");
        g.nastaveni.EmailOZ = QStringLiteral("ja@example.cz");
        g.nastaveni.TelefonOZ = QStringLiteral("777");
        g.nastaveni.ExtID = 30;
        clsNabidka n(g.nastaveni);
        n.ExtID = 21;
        n.NazevAkce = QStringLiteral("Neodeslaná");
        n.CenaPoSleveSDPH = 100;
        QByteArray neodeslane = cp1250::encode(kHlavickaNeodeslanych + QStringLiteral("\r\n") + n.ZaznamKOdeslani());
        neodeslane += "\r\n";  // an empty line stops nothing
        writeBytes(soubor(kNeodeslaneNabidky), neodeslane);
        writeBytes(soubor(kUlozeneNabidky),
                   cp1250::encode(QStringLiteral("ID|ExtID|IDOZ|Stav|NazevAkce|CenaPoSleveSDPH\r\n"
                                                 "5|1|7|0|Moje|200.5\r\n\r\n9|4|12|1|Cizí|1000\r\n12|2|7|abc|Moje 2|x\r\n")));
        writeBytes(soubor(kStavyNabidek), "ID|ExtID|Stav\r\n5|1|3\r\n");
    }
};

QStringList sloupec(const ModelSeznamuNabidek& m, int c) {
    QStringList v;
    for (int r = 0; r < m.rowCount(); ++r) v << m.index(r, c).data().toString();
    return v;
}

}  // namespace

TEST(ModelSeznamuNabidek, LoadKeysStatesAndOrder) {
    Seznam s;
    ModelSeznamuNabidek m(s.g);
    ASSERT_TRUE(m.NactiNabidky());
    EXPECT_EQ(m.pocetNabidek(), 4);
    m.ZobrazNabidky();
    EXPECT_EQ(sloupec(m, sKey), QStringList({"1N", "4U", "2U"}));  // "00", "012", "05"
    EXPECT_EQ(sloupec(m, sStav), QStringList({"V řešení", "V řešení", "Alternativa"}));
    EXPECT_EQ(m.soucet(), 300.5);
    m.filtry().ostatni = true;
    m.ZobrazNabidky();
    EXPECT_EQ(sloupec(m, sNazevAkce), QStringList({"Neodeslaná", "Moje 2", "Moje", "Cizí"}));
    EXPECT_TRUE(m.index(3, 0).data(ModelSeznamuNabidek::CiziRole).toBool());
    EXPECT_FALSE(m.index(0, 0).data(ModelSeznamuNabidek::CiziRole).toBool());
    EXPECT_EQ(m.headerData(sCisloOZ, Qt::Horizontal).toString(), QStringLiteral("Číslo OZ"));
    for (int c = 0; c < kSloupcuSeznamu; ++c)
        EXPECT_EQ(m.index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
                  c >= sID && c <= sCisloOZ ? Qt::AlignRight : Qt::AlignLeft)
            << c;
    EXPECT_EQ(m.NaplnFiltry()[0], QStringList({QStringLiteral("\u00A0(vše)"), "Alternativa", "V řešení", "Vyhráno"}));

    // No files: nothing listed, a total of 0.
    QDir(s.dir.filePath("Nabidky")).removeRecursively();
    ASSERT_TRUE(m.NactiNabidky());
    EXPECT_EQ(m.rowCount(), 0);  // no listed row is left pointing into the old collection
    m.ZobrazNabidky();
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(textSouctu(m.soucet()), QStringLiteral("Součet: 0,00 Kč"));
}

// A file this user cannot read lists nothing of its own and is named; the other files are listed.
TEST(ModelSeznamuNabidek, AnUnreadableFileIsNamedAndTheOthersListed) {
    const struct { QString jmeno; QStringList klice, stavy; } pripady[] = {
        {kNeodeslaneNabidky, {"3U", "1U"}, {"V řešení", "Alternativa"}},
        {kUlozeneNabidky, {"1N"}, {"V řešení"}},
        {kStavyNabidek, {"1N", "4U", "2U"}, {"V řešení", "V řešení", "V řešení"}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.jmeno.toStdString());
        Seznam s;
        QFile::setPermissions(s.soubor(p.jmeno), QFileDevice::WriteOwner);
        ModelSeznamuNabidek m(s.g);
        Vysledek<> v;
        {
            const BezPravaCist bez;
            v = m.NactiNabidky();
        }
        EXPECT_EQ(v.chyba(), "Soubor " + QDir::toNativeSeparators(s.soubor(p.jmeno)) + " nelze přečíst: Přístup odepřen.");
        m.ZobrazNabidky();
        EXPECT_EQ(sloupec(m, sKey), p.klice);
        EXPECT_EQ(sloupec(m, sStav), p.stavy);
    }
}

TEST(ModelSeznamuNabidek, StateChangeOnlyOwnWrittenAtOnce) {
    Seznam s;
    ModelSeznamuNabidek m(s.g);
    ASSERT_TRUE(m.NactiNabidky());
    m.filtry().ostatni = true;
    m.ZobrazNabidky();
    ASSERT_TRUE(m.ZmenStav(3, 2));  // another representative's: nothing
    EXPECT_EQ(m.index(3, sStav).data().toString(), QStringLiteral("Vyhráno"));
    EXPECT_EQ(readBytes(s.soubor(kStavyNabidek)), "ID|ExtID|Stav\r\n5|1|3\r\n");
    ASSERT_TRUE(m.ZmenStav(2, 1));
    EXPECT_EQ(m.index(2, sStav).data().toString(), QStringLiteral("Vyhráno"));
    EXPECT_EQ(readBytes(s.soubor(kStavyNabidek)), "ID|ExtID|Stav\r\n0|21|0\r\n5|1|1\r\n12|2|0\r\n");
    // State 0, "V řešení", is a state like any other.
    ASSERT_TRUE(m.ZmenStav(2, 0));
    EXPECT_EQ(m.index(2, sStav).data().toString(), QStringLiteral("V řešení"));
    EXPECT_EQ(readBytes(s.soubor(kStavyNabidek)), "ID|ExtID|Stav\r\n0|21|0\r\n5|1|0\r\n12|2|0\r\n");
    // One past the last state is no state: nothing changes.
    ASSERT_TRUE(m.ZmenStav(2, static_cast<int>(StavyNabidky().size())));
    EXPECT_EQ(m.index(2, sStav).data().toString(), QStringLiteral("V řešení"));
    EXPECT_EQ(readBytes(s.soubor(kStavyNabidek)), "ID|ExtID|Stav\r\n0|21|0\r\n5|1|0\r\n12|2|0\r\n");
    EXPECT_EQ(m.soucet(), 1300.5);
}

TEST(ModelSeznamuNabidek, CopyIsTheListedObjectMadeNew) {
    Seznam s;
    ModelSeznamuNabidek m(s.g);
    ASSERT_TRUE(m.NactiNabidky());
    m.filtry().ostatni = true;
    m.ZobrazNabidky();
    const std::shared_ptr<clsNabidka> n = m.Kopiruj(3);
    ASSERT_TRUE(n);
    EXPECT_EQ(n, m.nabidka(3));
    EXPECT_EQ(std::tuple(n->ID, n->ExtID, n->CisloOZ.value(), n->JmenoOZ, n->NazevAkce, n->Stav),
              std::tuple(0, 30, 7, QStringLiteral("Já"), QStringLiteral("Cizí"), 1));
    EXPECT_EQ(n->EmailOZ + n->TelefonOZ, QStringLiteral("ja@example.cz777"));
    EXPECT_FALSE(m.Kopiruj(4));
    // A reload forgets what the copy changed.
    ASSERT_TRUE(m.NactiNabidky());
    m.ZobrazNabidky();
    EXPECT_EQ(m.nabidka(3)->ID, 9);
}
