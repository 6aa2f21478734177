// The HTTP client against real peers on 127.0.0.1: the stand-in manufacturer's server (which
// decodes what it receives on its own), tinyproxy with Basic authorisation, microsocks, and a
// scripted SOCKS5 peer for the answers the real ones never give. A missing peer fails the test:
// scripts/setup.sh installs them.
#include "net/clsHTTP.h"
#include "platform/Cekani.h"
#include "platform/Cp1250.h"
#include "support/Dockej.h"
#include "support/Peers.h"
#include "support/SelhaniVolani.h"
#include "support/TestSupport.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The order message "H;12345;;090415;090420;120;N;N;" CRLF "A;MIV123;4;" CRLF "T;Pozn;" CRLF CRLF and
// the offer command "test" of representative 7, enciphered and encoded as the callers will.
const QString kObjednavka = QStringLiteral("RHfirtaEQ2Kb44u2Qj7BvUpd4XaPcCkJU5hWe3RpNpZnZFtYFySd4Uqj1csJcrMv3ncLV6IrO5P1");
const QString kPrikazTest = QStringLiteral("qTDj306Q0ygKqZ8J0tolLNms/Qo6e30a4U+qh9vMz0IiylS+/S39gZ5sTwMixVUGdA==\r\n");
const QString kTextTestu = QStringLiteral("Spojení se serverem objednávek je v pořádku.");

#define BEZI(p) ASSERT_TRUE((p)->chyba().isEmpty()) << (p)->chyba().toStdString()

// A data folder with the two settings files, and the stand-in server when started.
struct Misto {
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    std::unique_ptr<Peer> server;

    QString soubor(const QString& jmeno) const { return dir.filePath(jmeno); }
    void spust(const QString& porucha = {}) {
        writeBytes(soubor("server/www/s/S.nfo"), cp1250::encode(QStringLiteral("verze: 10.4.2009\r\n<sdeleni1>Nová</sdeleni1>\r\n")));
        server = Peer::zastupnyServer(soubor("server"), porucha);
    }
    QString adresa() const { return QStringLiteral("127.0.0.1:%1").arg(server ? server->port() : volnyPort()); }
    // Connection keys of section NASTAVENI (the server's address added) and of UZIVATEL.
    void spojeni(const QString& radky, const QString& uzivatel = {}) {
        writeBytes(soubor("Objednavky.ini"), cp1250::encode("[NASTAVENI]\r\n" + radky + "\r\nserver=" + adresa() + "\r\n"));
        writeBytes(soubor("Sorvenika.ini"), cp1250::encode("[UZIVATEL]\r\n" + uzivatel + "\r\n"));
    }
    QByteArray prijato(int n) const { return readBytes(soubor(QStringLiteral("server/prijato/%1.http").arg(n, 4, 10, QLatin1Char('0')))); }
};

QString text(const Vysledek<QString>& v) { return v ? *v : "chyba: " + v.chyba(); }

QStringList ctyriOperace(clsHTTP& http, const Misto& m) {
    return {text(http.TestSpojeni()), text(http.OdeslatObjednavku("12345", "obchod@example.cz", "HRAB", kObjednavka)),
            text(http.OdeslatNabidky(kPrikazTest)), text(http.StahniInfoOAktualizaci("http://" + m.adresa() + "/s/S.nfo"))};
}

// The stand-in's answers when all goes well; orders are numbered from 457.
QStringList uspech(int cislo = 457) {
    return {kTextTestu, QStringLiteral("200 Objednávka přijata pod číslem [%1] (podobjednávek: 1, závod HRAB).").arg(cislo),
            QStringLiteral("OK\r\nPřihlášení obchodního zástupce 7 je v pořádku."), QStringLiteral("verze: 10.4.2009\r\nNová\r\n")};
}

}  // namespace

TEST(clsHTTP, DirectlyThroughTinyproxyAndThroughMicrosocks) {
    Misto m;
    m.spust();
    BEZI(m.server);
    auto proxy = Peer::tinyproxy(m.dir.path(), "tester", QStringLiteral("heslo"));
    BEZI(proxy);
    auto socks = Peer::microsocks();
    BEZI(socks);
    auto socksSHeslem = Peer::microsocks({"-u", "u", "-P", "p"});
    BEZI(socksSHeslem);
    const QString proxyRadky = QStringLiteral("proxy=127.0.0.1\r\nport=%1\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=%2")
                                   .arg(proxy->port())
                                   .arg(socks->port());
    const QByteArray primo = QStringLiteral("GET http://%1/software/eobj/objednat.php?cmd=test HTTP/1.0\r\nAccept-Language: cs\r\n"
                                            "User-Agent: Sorvenika verze: 9.4.2009\r\nHost: %1\r\nConnection: close\r\n"
                                            "Pragma: no-cache\r\n\r\n").arg(m.adresa()).toLatin1();
    for (int rezim = 1; rezim <= 3; ++rezim) {
        SCOPED_TRACE(rezim);
        m.spojeni(QStringLiteral("pripojeni=%1\r\n").arg(rezim) + proxyRadky,
                  "ProxyAuthorization=True\r\nProxyUser=tester\r\nProxyPwd=aGVzbG8=");
        clsHTTP http;
        EXPECT_EQ(ctyriOperace(http, m), uspech(456 + rezim));
        // Once more on the same client: the earlier reply left in its buffer does not pass for
        // the answer to the next SOCKS5 greeting.
        EXPECT_EQ(text(http.TestSpojeni()), kTextTestu);
        const QByteArray test = m.prijato(5 * rezim - 4);
        // Passed on in origin form by the proxy, its credentials taken off; after the SOCKS5
        // handshake the same as sent directly.
        EXPECT_TRUE(rezim == 2 ? test.startsWith("GET /software/eobj/objednat.php?cmd=test HTTP/1.0\r\n") && !test.contains("Proxy-Auth")
                               : test == primo) << test.toStdString();
        EXPECT_TRUE(m.prijato(5 * rezim - 3).contains("\r\nCookie: id=12345; mail=obchod@example.cz; zavod=HRAB\r\n"));
    }
    // The stand-in deciphered the order and the command with its own RC4 and Base64.
    EXPECT_EQ(readBytes(m.soubor("server/objednavky/457.txt")), "H;12345;;090415;090420;120;N;N;\r\nA;MIV123;4;\r\nT;Pozn;\r\n\r\n");
    EXPECT_EQ(readBytes(m.soubor("server/prikazy/0001.txt")), "BEGIN;\r\nIDOZ=7;\r\nPWD=aGVzbG8=;\r\nCMD=test;\r\nEND;\r\n");
    // What it keeps (passwords, deciphered orders, raw requests) is readable by its user only.
    for (const char* f : {"server/prikazy/0001.txt", "server/objednavky/457.txt", "server/prijato/0001.http"})
        EXPECT_EQ(QFile::permissions(m.soubor(f)), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser) << f;

    // Refusals: tinyproxy without credentials, or with wrong ones to an upload, which it breaks
    // off unread, is named as the proxy's; microsocks with a login, or with the destination's
    // port closed, refuses the handshake.
    const QString naProxy = QStringLiteral("pripojeni=2\r\nproxy=127.0.0.1\r\nport=%1").arg(proxy->port());
    m.spojeni(naProxy);
    const QString bezHesla = "chyba: " + kProxyOdmitla.arg("407 Proxy Authentication Required");
    EXPECT_EQ(text(clsHTTP().TestSpojeni()), bezHesla);
    EXPECT_EQ(text(clsHTTP().OdeslatObjednavku("1", "m", "HRAB", kObjednavka)), bezHesla + QStringLiteral("\r\nObjednávka nebyla odeslána."));
    m.spojeni(naProxy, "ProxyAuthorization=-1\r\nProxyUser=tester\r\nProxyPwd=c3BhdG7p");
    EXPECT_EQ(text(clsHTTP().TestSpojeni()), "chyba: " + kProxyOdmitla.arg("401 Unauthorized"));
    EXPECT_EQ(text(clsHTTP().OdeslatNabidky(kPrikazTest)), "chyba: " + kProxyOdmitla.arg("401 Unauthorized"));
    m.spojeni(QStringLiteral("pripojeni=3\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=%1").arg(socksSHeslem->port()));
    EXPECT_EQ(clsHTTP().TestSpojeni().chyba(), QStringLiteral("SOCKS5 server nepovoluje metodu typu: 'bez přihlášení'"));
    // Named also where an unreachable server is silent.
    EXPECT_EQ(text(clsHTTP().StahniInfoOAktualizaci("http://" + m.adresa() + "/s/S.nfo")),
              QStringLiteral("chyba: SOCKS5 server nepovoluje metodu typu: 'bez přihlášení'"));
    m.server.reset();
    m.spojeni(QStringLiteral("pripojeni=3\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=%1").arg(socks->port()));
    EXPECT_EQ(clsHTTP().OdeslatObjednavku("1", "m", "HRAB", kObjednavka).chyba(), "Connection refused by destination host");
}

TEST(clsHTTP, EveryFaultOfTheServerEndsInTheOperationsResult) {
    const QString nepotvrzena = "chyba: " + kObjednavkaNepotvrzena;
    // No whole reply: the connection test and the offers say so, the order may have been taken.
    const QStringList nic = {"chyba: " + kVyprselLimitTestu, nepotvrzena, "chyba: " + kTimeoutVyprsel, kServerNedostupny};
    const QString velka = "chyba: " + kOdpovedPrilisVelka;
    const QStringList u = uspech();
    struct { const char* porucha; QStringList vysledky; } pripady[] = {
        {"ticho", nic},
        {"po_bajtu", u},
        {"pulka", nic},
        {"smeti", nic},
        {"reset", nic},
        {"nic", nic},
        {"reset_v_pulce", nic},
        {"obri", {velka, velka + "\r\n" + kObjednavkaNepotvrzena, velka, kServerNedostupny}},
        {"bez_cisla", {u[0], QStringLiteral("200 Objednávka přijata."), u[2], u[3]}},
        {"chyba", {QStringLiteral("Chyba serveru: služba objednávek není dostupná."), QStringLiteral("400 Neznámý zákazník"),
                   QStringLiteral("Chyba serveru: databáze nabídek není dostupná."), u[3]}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.porucha);
        Misto m;
        m.spust(p.porucha);
        BEZI(m.server);
        m.spojeni("pripojeni=1");
        clsHTTP http;
        // A short limit only where the fault ends in it; elsewhere a busy machine must not meet it.
        const int limit = p.vysledky == nic ? 1000 : kStropCekaniMs;
        for (clsHTTP::Limity* l : {&http.limitTestu, &http.limitObjednavky, &http.limitNabidek, &http.limitAktualizace})
            *l = {limit, limit};
        http.limitOdpovedi = 1 << 20;
        EXPECT_EQ(ctyriOperace(http, m), p.vysledky);
        // A reply cut off or past the limit is not kept.
        if (p.vysledky == nic || p.vysledky[0] == velka) {
            EXPECT_EQ(http.Odpoved().capacity(), 0);
        }
    }
    // The limit at its exact edge: a reply of that many bytes is taken, one byte more is not.
    Misto m;
    m.spust();
    BEZI(m.server);
    m.spojeni("pripojeni=1");
    clsHTTP http;
    ASSERT_EQ(text(http.TestSpojeni()), kTextTestu);
    EXPECT_EQ(http.ZpracujOdpoved(), kTextTestu);  // the reply kept, processed again
    const qsizetype delka = http.Odpoved().size();
    http.limitOdpovedi = delka;
    EXPECT_EQ(text(http.TestSpojeni()), kTextTestu);
    http.limitOdpovedi = delka - 1;
    EXPECT_EQ(text(http.TestSpojeni()), velka);
    // The client takes the next reply whole again.
    http.limitOdpovedi = delka;
    EXPECT_EQ(text(http.TestSpojeni()), kTextTestu);
}

TEST(clsHTTP, ABrokenConnectionEndsTheTestAndTheDownloadAtOnce) {
    // The program's clock stands still, so only the connection's end can end these waits; a
    // wait that held on to its limit would be ended by the safety timer instead.
    FakeServices sluzby;
    for (const char* porucha : {"reset", "reset_v_pulce", "nic"}) {
        SCOPED_TRACE(porucha);
        Misto m;
        m.spust(porucha);
        BEZI(m.server);
        m.spojeni("pripojeni=1");
        clsHTTP http;
        bool pojistka = false;
        QTimer casovac;
        casovac.setSingleShot(true);
        QObject::connect(&casovac, &QTimer::timeout, [&] { pojistka = true, sluzby.clock.ms += 3600000; });
        casovac.start(5000);
        EXPECT_EQ(text(http.TestSpojeni()), "chyba: " + kVyprselLimitTestu);
        EXPECT_EQ(text(http.StahniInfoOAktualizaci("http://" + m.adresa() + "/s/S.nfo")), kServerNedostupny);
        EXPECT_FALSE(pojistka);
    }
    // An upload waits out its limit whatever breaks: only the safety timer ends it.
    Misto m;
    m.spust("reset");
    BEZI(m.server);
    m.spojeni("pripojeni=1");
    clsHTTP http;
    bool pojistka = false;
    const QObject kontext;
    QTimer::singleShot(300, &kontext, [&] { pojistka = true, sluzby.clock.ms += 3600000; });
    EXPECT_EQ(text(http.OdeslatObjednavku("1", "m", "HRAB", kObjednavka)), "chyba: " + kObjednavkaNepotvrzena);
    EXPECT_TRUE(pojistka);
}

TEST(clsHTTP, UnreachableOrNotConfigured) {
    Misto m;
    const QString spatne = "chyba: " + kNelzeSePripojitKServeru;
    // A refused connection, and settings the socket cannot use, which fail the same way.
    for (const QString& radky : {QString("pripojeni=1"), QString("pripojeni=2\r\nproxy=\r\nport=3128"),
                                 QString("pripojeni=2\r\nproxy=127.0.0.1\r\nport=http"),
                                 QString("pripojeni=3\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=70000")}) {
        SCOPED_TRACE(radky.toStdString());
        m.spojeni(radky);
        clsHTTP http;
        const QString kam = radky == "pripojeni=1" ? http.Server() : radky.contains("SOCKS") ? "127.0.0.1:70000" : http.Proxy() + ":" + http.Port();
        EXPECT_EQ(ctyriOperace(http, m), QStringList({"chyba: Nelze se připojit k " + kam + "\r\nPravděpodobně máte špatně nastavené připojení k Internetu.",
                                                      spatne, spatne, kServerNedostupny}));
    }
    // No server set: said so in every mode (the update address is its own).
    const QString bezServeru = "chyba: " + kServerNenastaven;
    for (const char* rezim : {"1", "2", "3"}) {
        writeBytes(m.soubor("Objednavky.ini"), QByteArray("[NASTAVENI]\r\nserver= \r\npripojeni=") + rezim + "\r\n");
        clsHTTP http;
        EXPECT_EQ(ctyriOperace(http, m), QStringList({bezServeru, bezServeru, bezServeru, kServerNedostupny})) << rezim;
    }
    // No connection mode, or one that is not a number: nothing is tried.
    for (const char* rezim : {"0", "", "x", "4"}) {
        m.spojeni(QStringLiteral("pripojeni=") + rezim);
        clsHTTP http;
        EXPECT_EQ(ctyriOperace(http, m), QStringList({"", "", "", ""})) << rezim;
    }
}

TEST(clsHTTP, TheWaitKeepsTheProgramRunningAndABusyClientRefuses) {
    Misto m;
    m.spust("ticho");
    BEZI(m.server);
    m.spojeni("pripojeni=1");
    clsHTTP http;
    http.limitTestu = {2000, 600};
    QString druhy = "nic";
    const QObject kontext;
    // At the first turn of the test's wait, whenever a busy machine gets to it.
    QTimer::singleShot(0, &kontext, [&] { druhy = text(http.OdeslatObjednavku("1", "m", "HRAB", kObjednavka)); });
    EXPECT_EQ(text(http.TestSpojeni()), "chyba: " + kVyprselLimitTestu);
    EXPECT_EQ(druhy, "chyba: " + kKlientZaneprazdnen);
    EXPECT_FALSE(http.zaneprazdnen());
    EXPECT_FALSE(QFile::exists(m.soubor("server/prijato/0002.http")));  // only the test reached the server
}

TEST(clsHTTP, SettingsAreReadAndWrittenOnlyWhenChanged) {
    Misto m;
    const QByteArray objednavky = "[NASTAVENI]\r\npripojeni=2\r\nproxy=proxy.local\r\nport=3128\r\nSOCKS5server=s\r\n"
                                  "SOCKS5port=1080\r\nserver=h:81\r\n";
    const QByteArray uzivatel = "[UZIVATEL]\r\nProdejce=X\r\nProxyAuthorization=True\r\nProxyUser=jan\r\nProxyPwd=imxv\r\n";
    writeBytes(m.soubor("Objednavky.ini"), objednavky);
    writeBytes(m.soubor("Sorvenika.ini"), uzivatel);
    {
        clsHTTP http;
        EXPECT_EQ(QStringList({http.Pripojeni(), http.Proxy(), http.Port(), http.SOCKS5Server(), http.SOCKS5Port(), http.User(),
                               http.Password()}),
                  QStringList({"2", "proxy.local", "3128", "s", "1080", "jan", QStringLiteral("Šlo")}));  // Base64 of Windows-1250
        EXPECT_TRUE(http.ProxyAuthorization());
        // Another client saves meanwhile; this one changed nothing and writes nothing back.
        writeBytes(m.soubor("Objednavky.ini"), objednavky + "vystup=novy\r\n");
    }
    EXPECT_EQ(readBytes(m.soubor("Objednavky.ini")), objednavky + "vystup=novy\r\n");
    {
        clsHTTP http;
        http.setPripojeni("3");
        http.setProxyAuthorization(false);
        http.setPassword(QStringLiteral("Šlo2"));
    }
    EXPECT_TRUE(readBytes(m.soubor("Objednavky.ini")).startsWith("[NASTAVENI]\r\npripojeni=3\r\nproxy=proxy.local\r\n"));
    EXPECT_EQ(readBytes(m.soubor("Sorvenika.ini")), "[UZIVATEL]\r\nProdejce=X\r\nProxyAuthorization=0\r\nProxyUser=jan\r\nProxyPwd=imxvMg==\r\n");

    // Values that read as off or empty rather than stop the program.
    for (const char* a : {"", "0", "False", "ano"}) {
        writeBytes(m.soubor("Sorvenika.ini"), QByteArray("[UZIVATEL]\r\nProxyPwd=*nic*\r\nProxyAuthorization=") + a + "\r\n");
        clsHTTP http;
        EXPECT_FALSE(http.ProxyAuthorization()) << a;
        EXPECT_EQ(http.Password(), "");
    }
    writeBytes(m.soubor("Sorvenika.ini"), "[UZIVATEL]\r\nProxyAuthorization=2\r\n");
    EXPECT_TRUE(clsHTTP().ProxyAuthorization());
}

// Settings that cannot be read (a failing disk or share, a process out of descriptors) are
// empty and never saved: Uloz_ini names the file, and the client's end leaves the file as it was.
// The test and the order upload name the same failure, not the server their empty settings lack.
TEST(clsHTTP, UnreadableSettingsAreNeverWritten) {
    // The other file is missing, so that the failed read is this one's (out of descriptors, a
    // missing file fails too: the proxy settings' row needs EIO).
    const struct { const char* jmeno; int chyba; const char* duvod; } pripady[] = {
        {"Objednavky.ini", EIO, "Chyba vstupu/výstupu"},
        {"Objednavky.ini", EMFILE, "Příliš mnoho otevřených souborů"},
        {"Sorvenika.ini", EIO, "Chyba vstupu/výstupu"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(std::string(p.jmeno) + " " + p.duvod);
        Misto m;
        const QString soubor = m.soubor(p.jmeno);
        const QByteArray obsah = "[NASTAVENI]\r\npripojeni=2\r\nproxy=p\r\n[UZIVATEL]\r\nProxyUser=jan\r\nProxyPwd=imxv\r\n";
        writeBytes(soubor, obsah);
        const QByteArray zprava = vPotomkovi([&]() -> QByteArray {
            SelhaniCteni s(p.chyba);
            if (!s.nastaveno()) return "seccomp";
            clsHTTP http;
            if (!s.konec()) return "konec";
            http.setPripojeni("1");
            return QStringList({http.TestSpojeni().chyba(), http.OdeslatObjednavku("1", "m", "HRAB", kObjednavka).chyba(),
                                http.OdeslatNabidky("x").chyba(), http.Uloz_ini().chyba()}).join(" | ").toUtf8();
        });
        EXPECT_EQ(QString::fromUtf8(zprava), QStringList(4, "Soubor " + soubor + " nelze přečíst: " + p.duvod + ".").join(" | "));
        EXPECT_EQ(readBytes(soubor), obsah);
    }
}

TEST(clsHTTP, Socks5AnswersByScript) {
    // A proxy that sends the next answer whenever a message has come, byte by byte when asked,
    // and answers the HTTP request after the handshake itself.
    struct Skript {
        QList<QByteArray> odpovedi;
        bool poBajtech;
        QString vysledek;
        QByteArray prijato;  // before the HTTP request
    };
    const QByteArray pozdrav("\x05\x01\x00", 3), ok("\x05\x00", 2);
    const QByteArray connect = QByteArray("\x05\x01\x00\x03\x09", 5) + "server.cz" + QByteArray("\x01\x02", 2);
    const Skript skripty[] = {
        {{ok, QByteArray("\x05\x00\x00\x01\x7f\x00\x00\x01\x00\x50", 10)}, true, "OK tunelem", pozdrav + connect},
        {{"\x05\xff"}, false, QStringLiteral("chyba: SOCKS5 server nepovoluje metodu typu: 'bez přihlášení'"), pozdrav},
        {{ok, QByteArray("\x05\x02\x00\x01", 4)}, false, "chyba: Connection not allowed by ruleset", pozdrav + connect},
        {{ok, QByteArray("\x05\x09", 2)}, false, QStringLiteral("chyba: SOCKS5 server odmítl spojení neznámým kódem 9."), pozdrav + connect},
        {{ok}, false, "chyba: " + kTimeoutVyprsel, pozdrav + connect},
        {{}, false, "chyba: " + kTimeoutVyprsel, pozdrav},
    };
    Misto m;
    for (Skript s : skripty) {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        QByteArray prijato;
        QObject::connect(&server, &QTcpServer::newConnection, [&] {
            QTcpSocket* k = server.nextPendingConnection();
            QObject::connect(k, &QTcpSocket::readyRead, k, [&, k] {
                prijato += k->readAll();
                if (prijato.contains("\r\n\r\n")) {
                    k->write("HTTP/1.0 200 OK\r\n\r\nOK tunelem");
                    k->disconnectFromHost();
                } else if (!s.odpovedi.isEmpty()) {
                    const QByteArray b = s.odpovedi.takeFirst();
                    for (int i = 0; i < b.size(); ++i)
                        QTimer::singleShot(s.poBajtech ? 20 * i : 0, k, [k, c = b.mid(i, 1)] { k->write(c); });
                }
            });
        });
        writeBytes(m.soubor("Objednavky.ini"), QStringLiteral("[NASTAVENI]\r\npripojeni=3\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=%1\r\n"
                                                              "server=server.cz:258\r\n").arg(server.serverPort()).toLatin1());
        clsHTTP http;
        http.limitTestu = {2000, 500};
        EXPECT_EQ(text(http.TestSpojeni()), s.vysledek);
        const qsizetype get = prijato.indexOf("GET ");
        EXPECT_EQ(get < 0 ? prijato : prijato.first(get), s.prijato);
    }
}
