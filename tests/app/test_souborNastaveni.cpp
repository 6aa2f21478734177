#include "app/SouborNastaveni.h"
#include "platform/Cp1250.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "support/BezPravaCist.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString kopieVzoru(const QTemporaryDir& dir) {
    const QString cil = dir.filePath(QStringLiteral("Sorvenika.ini"));
    writeBytes(cil, readBytes(testData(QStringLiteral("settings/Sorvenika.ini"))));
    return cil;
}

// A settings file of the given lines (CR LF, Windows-1250).
QString soubor(const QTemporaryDir& dir, const QStringList& radky) {
    const QString cil = dir.filePath(QStringLiteral("s.ini"));
    writeBytes(cil, cp1250::encode(radky.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return cil;
}

QStringList zakladni(const QStringList& uzivatel, const QString& dph = QStringLiteral("21"),
                     const QString& pocet = QStringLiteral("13")) {
    return QStringList{QStringLiteral("[NASTAVENI]"), QStringLiteral("DPH=") + dph,
                       QStringLiteral("Pocet systemu=") + pocet, QStringLiteral("[UZIVATEL]")} +
           uzivatel;
}

}  // namespace

TEST(SouborNastaveni, ReadsARealisticFile) {
    QTemporaryDir dir;
    GlobalniData g;
    const auto v = NactiIni(kopieVzoru(dir), g);
    EXPECT_TRUE(v.oznameni.isEmpty());
    EXPECT_FALSE(v.chyba);
    const Nastaveni& n = g.nastaveni;
    EXPECT_EQ(n.DPH.raw(), 205000);
    EXPECT_EQ(n.PocetSystemu, 13);
    EXPECT_EQ(n.Prodejce, QStringLiteral("Komíny Žďár s.r.o."));
    EXPECT_EQ(n.Tiskarna, QStringLiteral("HP LaserJet 2"));
    EXPECT_EQ(n.JmenoOZ, QStringLiteral("Jan Novák"));
    EXPECT_EQ(n.IDOZ, 12);
    EXPECT_EQ(n.ExtID, 57);
    EXPECT_EQ(n.Pwd, QStringLiteral("aGVzbG8="));
    EXPECT_EQ(n.PosledniSynchronizace, QDate(2009, 2, 1));
    ASSERT_EQ(g.Systemy.size(), 14u);
    EXPECT_EQ(g.system(13).Data, QStringLiteral("ORVIK.txt"));
    EXPECT_EQ(g.system(10).PiktogramPrurez, QStringLiteral("Pict\\T-REMOL2S_p.gif||Pict\\T-REMOL2S_ps.gif"));
    EXPECT_EQ(g.system(4).Info, QStringLiteral("Třívrstvý komín DORVA ; keramická vložka"));
    EXPECT_EQ(g.system(1).NazevTisk, QStringLiteral("Komínový systém MIV"));
    EXPECT_THROW(g.system(14), RuntimeError);
}

TEST(SouborNastaveni, WritingBackChangesOnlyTheUsersNormalisedValues) {
    QTemporaryDir dir;
    const QString cesta = kopieVzoru(dir);
    const QByteArray puvodni = readBytes(cesta);
    GlobalniData g;
    ASSERT_FALSE(NactiIni(cesta, g).chyba);
    ASSERT_TRUE(UlozIni(cesta, g.nastaveni));

    QByteArray ocekavano = puvodni;
    ocekavano.replace("PosledniSynchronizace=01.02.2009", "PosledniSynchronizace=1.2.2009");
    ocekavano.replace(cp1250::encode(QStringLiteral("Prodejce=\"Komíny Žďár s.r.o.\"")),
                      cp1250::encode(QStringLiteral("Prodejce=Komíny Žďár s.r.o.")));
    ocekavano.replace(cp1250::encode(QStringLiteral("JmenoOZ=  Jan Novák  ")), cp1250::encode(QStringLiteral("JmenoOZ=Jan Novák")));
    EXPECT_EQ(readBytes(cesta), ocekavano);

    // A second round changes nothing at all.
    GlobalniData g2;
    ASSERT_FALSE(NactiIni(cesta, g2).chyba);
    ASSERT_TRUE(UlozIni(cesta, g2.nastaveni));
    EXPECT_EQ(readBytes(cesta), ocekavano);
}

TEST(SouborNastaveni, FlagsNumbersAndDatesOfTheUserSection) {
    QTemporaryDir dir;
    for (const QStringList& c : pripady("pripady/uzivatel.txt")) {
        SCOPED_TRACE(c[0].toStdString());
        GlobalniData g;
        ASSERT_FALSE(NactiIni(soubor(dir, zakladni({c[0]})), g).chyba);
        const Nastaveni& n = g.nastaveni;
        EXPECT_EQ(QStringList({n.Verze, QString::number(n.IDOZ), QString::number(n.ExtID),
                               n.PosledniSynchronizace.toString(Qt::ISODate), QString::number(n.TypUzivatele)}),
                  c.mid(1));
    }
    // A flag beyond a short text pads it with zeros.
    QString kratka = QStringLiteral("01");
    NastavPriznak(kratka, 4);
    EXPECT_EQ(kratka, QStringLiteral("0101"));
}

TEST(SouborNastaveni, AMissingFileOrFolderIsNamedAndStopsTheStart) {
    QTemporaryDir dir;
    const struct { QString soubor, zprava; } pripady[] = {
        {dir.filePath(QStringLiteral("Sorvenika.ini")),
         QStringLiteral("Soubor nastavení %1 neexistuje. Program nelze spustit.").arg(dir.filePath(QStringLiteral("Sorvenika.ini")))},
        {dir.filePath(QStringLiteral("Data/Sorvenika.ini")),
         QStringLiteral("Složka dat %1 neexistuje. Program nelze spustit.").arg(dir.filePath(QStringLiteral("Data")))},
    };
    for (const auto& p : pripady) {
        GlobalniData g;
        const auto v = NactiIni(p.soubor, g);
        EXPECT_EQ(v.chyba.value_or(Chyba{}).zprava, p.zprava);
        EXPECT_TRUE(v.oznameni.isEmpty());
    }
}

// Settings that cannot be read are not settings without keys: the start stops naming the file
// and the reason.
TEST(SouborNastaveni, AnUnreadableFileIsNamedWithItsReason) {
    QTemporaryDir dir;
    const QString cil = kopieVzoru(dir);
    QFile::setPermissions(cil, QFileDevice::WriteOwner);
    GlobalniData g;
    Hlaseni<> v;
    {
        const BezPravaCist bez;
        v = NactiIni(cil, g);
    }
    EXPECT_EQ(v.chyba.value_or(Chyba{}).zprava,
              QStringLiteral("Soubor %1 nelze přečíst: Přístup odepřen. Program nelze spustit.").arg(cil));
}

TEST(SouborNastaveni, BadNumbersOfTheInstallation) {
    struct { QString dph, pocet; bool varovani, chyba; } cases[] = {
        {QStringLiteral("21"), QStringLiteral("13"), false, false},
        {QStringLiteral("dvacet"), QStringLiteral("13"), true, false},
        {QStringLiteral("21"), QStringLiteral("12"), false, true},
        {QStringLiteral("21"), QStringLiteral("40000"), false, true},
        {QStringLiteral("21"), QStringLiteral("třináct"), false, true},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        GlobalniData g;
        const auto v = NactiIni(soubor(dir, zakladni({}, c.dph, c.pocet)), g);
        EXPECT_EQ(!v.oznameni.isEmpty(), c.varovani) << c.dph.toStdString();
        EXPECT_EQ(v.chyba.has_value(), c.chyba) << c.pocet.toStdString();
    }
}

TEST(SouborNastaveni, LongValuesAreCutAsTheyWereStored) {
    QTemporaryDir dir;
    const QString dlouhy(200, QLatin1Char('x'));
    QStringList radky = zakladni({QStringLiteral("Prodejce=") + dlouhy});
    radky << QStringLiteral("[SYSTEMY]") << QStringLiteral("1System=MIV") << QStringLiteral("[MIV]")
          << QStringLiteral("Nazev=") + QString(70, QLatin1Char('n'));
    GlobalniData g;
    ASSERT_FALSE(NactiIni(soubor(dir, radky), g).chyba);
    EXPECT_EQ(g.nastaveni.Prodejce, dlouhy.left(127));
    EXPECT_EQ(g.system(1).Nazev, QString(63, QLatin1Char('n')));
}

TEST(SouborNastaveni, AFailedWriteIsReported) {
    QTemporaryDir dir;
    Nastaveni n;
    EXPECT_FALSE(UlozIni(dir.filePath(QStringLiteral("neni/slozka/Sorvenika.ini")), n));
}
