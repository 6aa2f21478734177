// The HTTP client against real peers on 127.0.0.1: the stand-in manufacturer's server (which
// decodes what it receives on its own), tinyproxy with Basic authorisation, microsocks, and a
// scripted SOCKS5 peer for the answers the real ones never give. A peer that is missing fails
// the test: scripts/setup.sh installs them.
#include "net/clsHTTP.h"
#include "platform/Cekani.h"
#include "platform/Cp1250.h"
#include "support/Peers.h"
#include "support/TestSupport.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The order message "H;12345;;090415;090420;120;N;N;" CRLF "A;MIV123;4;" CRLF "T;Pozn;" CRLF CRLF,
// and the offer command "test" of representative 7, enciphered and encoded as the callers do.
const QString kObjednavka = QStringLiteral("RHfirtaEQ2Kb44u2Qj7BvUpd4XaPcCkJU5hWe3RpNpZnZFtYFySd4Uqj1csJcrMv3ncLV6IrO5P1");
const QString kPrikazTest =
    QStringLiteral("qTDj306Q0ygKqZ8J0tolLNms/Qo6e30a4U+qh9vMz0IiylS+/S39gZ5sTwMixVUGdA==\r\n");
const QString kTextTestu = QStringLiteral("Spojení se serverem objednávek je v pořádku.");
const QString kNfo = QStringLiteral("verze: 10.4.2009\r\n<sdeleni1>Nová verze</sdeleni1>\r\n");

#define PEER_BEZI(p) ASSERT_TRUE((p)->chyba().isEmpty()) << (p)->chyba().toStdString()

// A data folder with the two settings files and the stand-in server behind it.
struct Misto {
    QTemporaryDir dir;
    Prostredi data{"SORVENIKA_DATA", dir.path().toUtf8()};
    std::unique_ptr<Peer> server;

    QString soubor(const QString& jmeno) const { return dir.filePath(jmeno); }
    void spust(const QString& porucha = {}) {
        writeBytes(soubor("server/www/sorvenika/Sorvenika.nfo"), cp1250::encode(kNfo));
        server = Peer::zastupnyServer(soubor("server"), porucha);
    }
    QString adresaServeru() const { return QStringLiteral("127.0.0.1:%1").arg(server->port()); }
    QString adresaNfo() const { return QStringLiteral("http://%1/sorvenika/Sorvenika.nfo").arg(adresaServeru()); }
    // The connection keys after "[NASTAVENI]", the server's own address added.
    void spojeni(const QString& radky, const QString& autorizace = QStringLiteral("ProxyAuthorization=0")) {
        writeBytes(soubor("Objednavky.ini"),
                   cp1250::encode("[NASTAVENI]\r\n" + radky + "\r\nserver=" + (server ? adresaServeru() : QString()) + "\r\n"));
        writeBytes(soubor("Sorvenika.ini"), cp1250::encode("[UZIVATEL]\r\n" + autorizace + "\r\n"));
    }
    // The n-th request as the server received it.
    QByteArray prijato(int n) const { return readBytes(soubor(QStringLiteral("server/prijato/%1.http").arg(n, 4, 10, QLatin1Char('0')))); }
};

QString text(const Vysledek<QString>& v) { return v ? *v : "chyba: " + v.chyba(); }

// The four operations' results in one line each, for comparing whole rows.
QStringList vsechnyOperace(clsHTTP& http, const QString& adresaNfo) {
    return {text(http.TestSpojeni()), text(http.OdeslatObjednavku("12345", "obchod@example.cz", "HRAB", kObjednavka)),
            text(http.OdeslatNabidky(kPrikazTest)), text(http.StahniInfoOAktualizaci(adresaNfo))};
}

void zkrat(clsHTTP& http, qint64 ms) {
    for (clsHTTP::Limity* l : {&http.limitTestu, &http.limitObjednavky, &http.limitNabidek, &http.limitAktualizace})
        *l = {ms, ms};
}

// What the stand-in answers when all goes well; orders are numbered from 457.
QStringList uspech(int cislo = 457) {
    return {kTextTestu, QStringLiteral("200 Objednávka přijata pod číslem [%1] (podobjednávek: 1, závod HRAB).").arg(cislo),
            QStringLiteral("OK\r\nPřihlášení obchodního zástupce 7 je v pořádku."),
            QStringLiteral("verze: 10.4.2009\r\nNová verze\r\n")};
}
const QStringList kUspech = uspech();

}  // namespace

TEST(clsHTTP, DirectlyThroughTinyproxyAndThroughMicrosocks) {
    Misto m;
    m.spust();
    PEER_BEZI(m.server);
    auto proxy = Peer::tinyproxy(m.dir.path(), "tester", QStringLiteral("heslo"));
    PEER_BEZI(proxy);
    auto socks = Peer::microsocks();
    PEER_BEZI(socks);
    const QString proxyRadky = QStringLiteral("proxy=127.0.0.1\r\nport=%1\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=%2")
                                   .arg(proxy->port())
                                   .arg(socks->port());
    const QString heslo = QStringLiteral("ProxyAuthorization=True\r\nProxyUser=tester\r\nProxyPwd=aGVzbG8=");
    const QByteArray testPrimo = QStringLiteral("GET http://%1/software/eobj/objednat.php?cmd=test HTTP/1.0\r\n"
                                                "Accept-Language: cs\r\nUser-Agent: Sorvenika verze: 9.4.2009\r\n"
                                                "Host: %1\r\nConnection: close\r\nPragma: no-cache\r\n\r\n")
                                     .arg(m.adresaServeru())
                                     .toLatin1();
    int pozadavku = 0;
    for (const char* rezim : {"1", "2", "3"}) {
        SCOPED_TRACE(rezim);
        m.spojeni(QStringLiteral("pripojeni=") + rezim + "\r\n" + proxyRadky, heslo);
        clsHTTP http;
        EXPECT_EQ(vsechnyOperace(http, m.adresaNfo()), uspech(457 + pozadavku / 5));
        // The same client again: an earlier reply left in its buffer does not answer the next
        // SOCKS5 greeting.
        EXPECT_EQ(text(http.TestSpojeni()), kTextTestu);

        const QByteArray test = m.prijato(pozadavku + 1);
        if (QByteArray(rezim) == "2") {
            // The proxy has passed it on in origin form, credentials taken off.
            EXPECT_TRUE(test.startsWith("GET /software/eobj/objednat.php?cmd=test HTTP/1.0\r\n")) << test.toStdString();
            EXPECT_FALSE(test.contains("Proxy-Authorization"));
        } else {
            EXPECT_EQ(test, testPrimo);  // also after the SOCKS5 handshake
        }
        EXPECT_TRUE(m.prijato(pozadavku + 2).contains("\r\nCookie: id=12345; mail=obchod@example.cz; zavod=HRAB\r\n"));
        pozadavku += 5;
    }
    // The server decoded the order with its own RC4 and Base64.
    EXPECT_EQ(readBytes(m.soubor("server/objednavky/457.txt")), "H;12345;;090415;090420;120;N;N;\r\nA;MIV123;4;\r\nT;Pozn;\r\n\r\n");
    EXPECT_EQ(readBytes(m.soubor("server/prikazy/0001.txt")), "BEGIN;\r\nIDOZ=7;\r\nPWD=aGVzbG8=;\r\nCMD=test;\r\nEND;\r\n");
}

TEST(clsHTTP, ProxiesThatRefuse) {
    Misto m;
    m.spust();
    PEER_BEZI(m.server);
    auto proxy = Peer::tinyproxy(m.dir.path(), "tester", QStringLiteral("heslo"));
    PEER_BEZI(proxy);
    auto socksSHeslem = Peer::microsocks({"-u", "u", "-P", "p"});
    PEER_BEZI(socksSHeslem);
    auto socks = Peer::microsocks();
    PEER_BEZI(socks);
    const QString naProxy = QStringLiteral("pripojeni=2\r\nproxy=127.0.0.1\r\nport=%1").arg(proxy->port());

    // tinyproxy's refusals reach the user as the test's text, its markup removed.
    m.spojeni(naProxy);
    EXPECT_TRUE(text(clsHTTP().TestSpojeni()).contains("Proxy Authentication Required"));
    m.spojeni(naProxy, "ProxyAuthorization=-1\r\nProxyUser=tester\r\nProxyPwd=c3BhdG7p");
    EXPECT_TRUE(text(clsHTTP().TestSpojeni()).contains("Unauthorized"));

    m.spojeni(QStringLiteral("pripojeni=3\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=%1").arg(socksSHeslem->port()));
    EXPECT_EQ(clsHTTP().TestSpojeni().chyba(), QStringLiteral("SOCKS5 server nepovoluje metodu typu: 'bez přihlášení'"));
    // microsocks reaches a closed port of the destination.
    const quint16 zavreny = volnyPort();
    writeBytes(m.soubor("Objednavky.ini"), QStringLiteral("[NASTAVENI]\r\npripojeni=3\r\nSOCKS5server=127.0.0.1\r\n"
                                                          "SOCKS5port=%1\r\nserver=127.0.0.1:%2\r\n")
                                               .arg(socks->port())
                                               .arg(zavreny)
                                               .toLatin1());
    EXPECT_EQ(clsHTTP().OdeslatObjednavku("1", "m", "HRAB", kObjednavka).chyba(), "Connection refused by destination host");
}

TEST(clsHTTP, EveryFaultOfTheServerEndsInTheOperationsResult) {
    const QString nepotvrzena = "chyba: " + kObjednavkaNepotvrzena;
    const QStringList nic = {"", nepotvrzena, "", ""};
    struct { const char* porucha; QStringList vysledky; } pripady[] = {
        {"ticho", {kVyprselLimitTestu, nepotvrzena, "chyba: " + kTimeoutVyprsel, kServerNedostupny}},
        {"po_bajtu", kUspech},
        {"pulka", nic},
        {"smeti", nic},
        {"reset", nic},
        {"bez_cisla", {kUspech[0], QStringLiteral("200 Objednávka přijata."), kUspech[2], kUspech[3]}},
        {"chyba", {QStringLiteral("Chyba serveru: služba objednávek není dostupná."), QStringLiteral("400 Neznámý zákazník"),
                   QStringLiteral("Chyba serveru: databáze nabídek není dostupná."), kUspech[3]}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.porucha);
        Misto m;
        m.spust(p.porucha);
        PEER_BEZI(m.server);
        m.spojeni("pripojeni=1");
        clsHTTP http;
        zkrat(http, 1000);
        EXPECT_EQ(vsechnyOperace(http, m.adresaNfo()), p.vysledky);
    }
}

TEST(clsHTTP, UnreachableOrNotConfigured) {
    Misto m;
    const quint16 zavreny = volnyPort();
    const QString spatne = "chyba: " + kNelzeSePripojitKServeru;
    const QString adresa = QStringLiteral("http://127.0.0.1:%1/s/S.nfo").arg(zavreny);
    struct { QString radky; QString kam; } pripady[] = {
        {QStringLiteral("pripojeni=1\r\nserver=127.0.0.1:%1").arg(zavreny), QStringLiteral("127.0.0.1:%1").arg(zavreny)},
        // Settings the socket cannot use fail as a refused connection does.
        {"pripojeni=2\r\nproxy=\r\nport=3128", ":3128"},
        {"pripojeni=2\r\nproxy=127.0.0.1\r\nport=http", "127.0.0.1:http"},
        {"pripojeni=3\r\nSOCKS5server=127.0.0.1\r\nSOCKS5port=70000", "127.0.0.1:70000"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.radky.toStdString());
        writeBytes(m.soubor("Objednavky.ini"), ("[NASTAVENI]\r\n" + p.radky + "\r\n").toLatin1());
        clsHTTP http;
        EXPECT_EQ(text(http.TestSpojeni()), "Nelze se připojit k " + p.kam +
                                                "\r\nPravděpodobně máte špatně nastavené připojení k Internetu.");
        EXPECT_EQ(text(http.OdeslatObjednavku("1", "m", "HRAB", kObjednavka)), spatne);
        EXPECT_EQ(text(http.OdeslatNabidky(kPrikazTest)), spatne);
        EXPECT_EQ(text(http.StahniInfoOAktualizaci(adresa)), kServerNedostupny);
    }
    // No connection mode, or one that is not a number: nothing is tried.
    for (const char* rezim : {"0", "", "x", "4"}) {
        writeBytes(m.soubor("Objednavky.ini"), QByteArray("[NASTAVENI]\r\npripojeni=") + rezim + "\r\n");
        clsHTTP http;
        EXPECT_EQ(vsechnyOperace(http, adresa), QStringList({"", "", "", ""})) << rezim;
    }
}

TEST(clsHTTP, TheWaitKeepsTheProgramRunningAndABusyClientRefuses) {
    Misto m;
    m.spust("ticho");
    PEER_BEZI(m.server);
    m.spojeni("pripojeni=1");
    clsHTTP http;
    http.limitTestu = {2000, 600};
    QString druhy;
    QTimer::singleShot(100, [&] {
        EXPECT_TRUE(http.zaneprazdnen());
        druhy = text(http.OdeslatObjednavku("1", "m", "HRAB", kObjednavka));
    });
    EXPECT_EQ(text(http.TestSpojeni()), kVyprselLimitTestu);
    EXPECT_EQ(druhy, "chyba: " + kKlientZaneprazdnen);
    EXPECT_FALSE(http.zaneprazdnen());
    // Only the test reached the server.
    EXPECT_TRUE(m.prijato(1).startsWith("GET "));
    EXPECT_FALSE(QFile::exists(m.soubor("server/prijato/0002.http")));
}

TEST(clsHTTP, SettingsAreReadAndWrittenOnlyWhenChanged) {
    Misto m;
    const QByteArray objednavky = "[NASTAVENI]\r\npripojeni=2\r\nproxy=proxy.local\r\nport=3128\r\nSOCKS5server=s\r\n"
                                  "SOCKS5port=1080\r\nserver=h:81\r\nemail=e\r\n";
    const QByteArray uzivatel = "[UZIVATEL]\r\nProdejce=X\r\nProxyAuthorization=True\r\nProxyUser=jan\r\nProxyPwd=imxv\r\n";
    writeBytes(m.soubor("Objednavky.ini"), objednavky);
    writeBytes(m.soubor("Sorvenika.ini"), uzivatel);
    {
        clsHTTP http;
        EXPECT_EQ(http.Pripojeni(), "2");
        EXPECT_EQ(http.Proxy(), "proxy.local");
        EXPECT_EQ(http.Port(), "3128");
        EXPECT_EQ(http.SOCKS5Server(), "s");
        EXPECT_EQ(http.SOCKS5Port(), "1080");
        EXPECT_EQ(http.Server(), "h:81");
        EXPECT_TRUE(http.ProxyAuthorization());
        EXPECT_EQ(http.User(), "jan");
        EXPECT_EQ(http.Password(), QStringLiteral("Šlo"));  // Base64 of Windows-1250 bytes
        // Another client saves meanwhile; this one changed nothing and writes nothing back.
        writeBytes(m.soubor("Objednavky.ini"), objednavky + "vystup=novy\r\n");
    }
    EXPECT_EQ(readBytes(m.soubor("Objednavky.ini")), objednavky + "vystup=novy\r\n");
    EXPECT_EQ(readBytes(m.soubor("Sorvenika.ini")), uzivatel);

    {
        clsHTTP http;
        http.setPripojeni("3");
        http.setProxyAuthorization(false);
        http.setPassword(QStringLiteral("Šlo2"));
    }
    EXPECT_EQ(readBytes(m.soubor("Objednavky.ini")), QByteArray(objednavky + "vystup=novy\r\n").replace("pripojeni=2", "pripojeni=3"));
    EXPECT_EQ(readBytes(m.soubor("Sorvenika.ini")),
              "[UZIVATEL]\r\nProdejce=X\r\nProxyAuthorization=0\r\nProxyUser=jan\r\nProxyPwd=imxvMg==\r\n");

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

namespace {

// A SOCKS5 proxy that answers from a script: each answer goes out when a message has come,
// byte by byte when asked; after the handshake it answers the HTTP request itself.
struct SkriptovanySocks {
    QTcpServer server;
    QList<QByteArray> odpovedi;
    bool poBajtech = false;
    QByteArray prijato;
    QPointer<QTcpSocket> spojeni;

    SkriptovanySocks() {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            spojeni = server.nextPendingConnection();
            QObject::connect(spojeni, &QTcpSocket::readyRead, [this] {
                prijato += spojeni->readAll();
                if (prijato.contains("\r\n\r\n")) {
                    spojeni->write("HTTP/1.0 200 OK\r\n\r\nOK tunelem");
                    spojeni->disconnectFromHost();
                } else if (!odpovedi.isEmpty()) {
                    posli(odpovedi.takeFirst());
                }
            });
        });
    }
    void posli(const QByteArray& b) {
        if (!poBajtech) return void(spojeni->write(b));
        QTcpSocket* s = spojeni;
        for (int i = 0; i < b.size(); ++i) QTimer::singleShot(20 * i, s, [s, c = b.mid(i, 1)] { s->write(c); });
    }
};

}  // namespace

TEST(clsHTTP, Socks5AnswersByScript) {
    Misto m;
    const QByteArray ok = QByteArray("\x05\x00", 2);
    const QByteArray uspesne = QByteArray("\x05\x00\x00\x01\x7f\x00\x00\x01\x00\x50", 10);
    const QByteArray pozadavekConnect = QByteArray("\x05\x01\x00\x03\x09", 5) + "server.cz" + QByteArray("\x01\x02", 2);
    const QByteArray pozdrav("\x05\x01\x00", 3);
    // What the proxy receives before the HTTP request: after a refused method, no CONNECT.
    struct { QList<QByteArray> odpovedi; bool poBajtech; QString vysledek; QByteArray prijato; } pripady[] = {
        {{ok, uspesne}, true, "OK tunelem", pozdrav + pozadavekConnect},
        {{"\x05\xff"}, false, "chyba: SOCKS5 server nepovoluje metodu typu: 'bez přihlášení'", pozdrav},
        {{ok, QByteArray("\x05\x02\x00\x01", 4)}, false, "chyba: Connection not allowed by ruleset", pozdrav + pozadavekConnect},
        {{ok, QByteArray("\x05\x09", 2)}, false, QStringLiteral("chyba: SOCKS5 server odmítl spojení neznámým kódem 9."), pozdrav + pozadavekConnect},
        {{ok}, false, "chyba: " + kTimeoutVyprsel, pozdrav + pozadavekConnect},
        {{}, false, "chyba: " + kTimeoutVyprsel, pozdrav},
    };
    for (const auto& p : pripady) {
        SkriptovanySocks socks;
        socks.odpovedi = p.odpovedi;
        socks.poBajtech = p.poBajtech;
        writeBytes(m.soubor("Objednavky.ini"), QStringLiteral("[NASTAVENI]\r\npripojeni=3\r\nSOCKS5server=127.0.0.1\r\n"
                                                              "SOCKS5port=%1\r\nserver=server.cz:258\r\n")
                                                   .arg(socks.server.serverPort())
                                                   .toLatin1());
        clsHTTP http;
        http.limitTestu = {2000, 500};
        EXPECT_EQ(text(http.TestSpojeni()), p.vysledek);
        // After the handshake the request is that of a direct connection.
        const qsizetype zacatek = socks.prijato.indexOf("GET ");
        EXPECT_EQ(zacatek < 0 ? socks.prijato : socks.prijato.first(zacatek), p.prijato);
        if (p.poBajtech) {
            EXPECT_TRUE(socks.prijato.endsWith("Host: server.cz:258\r\nConnection: close\r\nPragma: no-cache\r\n\r\n"));
        }
    }
}
