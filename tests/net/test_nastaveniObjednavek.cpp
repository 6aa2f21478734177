// The order settings file: read into its struct, each writer touching only its own keys.
#include "net/NastaveniObjednavek.h"
#include "platform/Cp1250.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray bajty(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void zapis(const QString& cesta, const QByteArray& obsah) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(obsah);
}

// Comments, another section, odd spacing and letter case, and a key of the other writer.
const QByteArray kSoubor = "; nastaveni\r\n[NASTAVENI]\r\n  Pripojeni = 2 \r\nproxy=\"proxy.local\"\r\nport=3128\r\n"
                           "email=obchod@example.com\r\nid=K-17\r\ncislo objednavky=41,7\r\nvystup=C:\\Kopie\r\n"
                           "server=127.0.0.1:8080\r\n\r\n[JINE]\r\nport=9\r\n";

}  // namespace

TEST(NastaveniObjednavek, ReadsEveryKeyOnce) {
    QTemporaryDir d;
    const QString cesta = d.filePath(kSouborObjednavek);
    zapis(cesta, kSoubor);
    const NastaveniObjednavek n = NactiNastaveniObjednavek(cesta);
    EXPECT_EQ(n.spojeni.Pripojeni, "2");
    EXPECT_EQ(n.spojeni.Proxy, "proxy.local");
    EXPECT_EQ(n.spojeni.Port, "3128");
    EXPECT_EQ(n.spojeni.SOCKS5Server, "");
    EXPECT_EQ(n.server, "127.0.0.1:8080");
    EXPECT_EQ(n.Email, "obchod@example.com");
    EXPECT_EQ(n.ID, "K-17");
    EXPECT_EQ(n.CisloObjednavky, 41);  // the leading number only
    EXPECT_EQ(n.Vystup, "C:\\Kopie");

    // Past 16 bits the number stays (the server's numbers grow); past 32 bits, or no file at
    // all: no number, nothing else invented.
    zapis(cesta, "[NASTAVENI]\r\ncislo objednavky=40000\r\n");
    EXPECT_EQ(NactiNastaveniObjednavek(cesta).CisloObjednavky, 40000);
    zapis(cesta, "[NASTAVENI]\r\ncislo objednavky=2147483648\r\n");
    EXPECT_EQ(NactiNastaveniObjednavek(cesta).CisloObjednavky, 0);
    const NastaveniObjednavek prazdne = NactiNastaveniObjednavek(d.filePath("chybi.ini"));
    EXPECT_EQ(prazdne.spojeni.Pripojeni, "");
    EXPECT_EQ(prazdne.CisloObjednavky, 0);
    EXPECT_EQ(prazdne.chybaCteni, "");  // missing is no failure: the settings are written as new
}

TEST(NastaveniObjednavek, EachWriterChangesOnlyItsKeys) {
    QTemporaryDir d;
    const QString cesta = d.filePath(kSouborObjednavek);
    zapis(cesta, kSoubor);

    NastaveniObjednavek n = NactiNastaveniObjednavek(cesta);
    n.spojeni.Pripojeni = "3";
    n.spojeni.SOCKS5Server = "127.0.0.1";
    n.spojeni.SOCKS5Port = "1080";
    n.Email = "jiny@example.com";  // not the connection writer's key
    ASSERT_TRUE(UlozSpojeni(cesta, n.spojeni));
    const QByteArray poSpojeni = "; nastaveni\r\n[NASTAVENI]\r\nPripojeni=3\r\nproxy=proxy.local\r\nport=3128\r\n"
                                 "email=obchod@example.com\r\nid=K-17\r\ncislo objednavky=41,7\r\nvystup=C:\\Kopie\r\n"
                                 "server=127.0.0.1:8080\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=1080\r\n\r\n[JINE]\r\nport=9\r\n";
    EXPECT_EQ(bajty(cesta), poSpojeni);

    n.CisloObjednavky = 42;
    n.Vystup = QStringLiteral("/home/obchod/Kopie objednávek");
    ASSERT_TRUE(UlozUdajeObjednavek(cesta, n));
    QByteArray ocekavane = poSpojeni;
    ocekavane.replace("email=obchod@example.com", "email=jiny@example.com")
        .replace("cislo objednavky=41,7", "cislo objednavky=42")
        .replace("vystup=C:\\Kopie", cp1250::encode(QStringLiteral("vystup=/home/obchod/Kopie objednávek")));
    EXPECT_EQ(bajty(cesta), ocekavane);
    EXPECT_EQ(NactiNastaveniObjednavek(cesta).Vystup, n.Vystup);
}
