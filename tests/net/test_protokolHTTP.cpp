// The client's bytes without a socket: requests of every operation and mode, the form-data
// upload against an independently computed text, the reply clean-up and the SOCKS5 messages.
#include "net/ProtokolHTTP.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>
#include <random>

using namespace http;

int zkusOdpovedHTTP(const uint8_t* data, size_t size);

TEST(ProtokolHTTP, SettingsTextsHostsAndAddresses) {
    EXPECT_EQ(rezimPripojeni(" 2 "), 2);
    EXPECT_EQ(cisloPortu("3128"), 3128);
    EXPECT_EQ(cisloPortu("65535"), 65535);
    for (const char* t : {"", "x", "1,0", "-1", "99999999999"}) EXPECT_EQ(rezimPripojeni(t), 0) << t;
    for (const char* t : {"", "0", "65536", "80x"}) EXPECT_EQ(cisloPortu(t), 0) << t;
    EXPECT_EQ(rozdelHostitele("server.example").port, 80);
    EXPECT_EQ(rozdelHostitele("127.0.0.1:8081").host, "127.0.0.1");
    EXPECT_EQ(rozdelHostitele("127.0.0.1:8081").port, 8081);
    EXPECT_EQ(rozdelHostitele("h:http").port, 0);
    struct { const char* url; const char* host; const char* cesta; } adresy[] = {
        {"http://h/a/b.nfo", "h", "/a/b.nfo"},
        {"https://h:8080/x.nfo", "h:8080", "/x.nfo"},
        {"http://aktualizace/aktualizace/S.nfo", "aktualizace", "/aktualizace/S.nfo"},  // the host's text in the path stays
        {"http://h", "h", "/"},
    };
    for (const auto& a : adresy) EXPECT_EQ(rozdelAdresu(a.url).host + rozdelAdresu(a.url).cesta, QString(a.host) + a.cesta);
}

TEST(ProtokolHTTP, RequestsInEveryMode) {
    const QByteArray prima = "Connection: close\r\n";
    EXPECT_EQ(radkyRezimu(1, true, "u", "p"), prima);
    EXPECT_EQ(radkyRezimu(3, false, {}, {}), prima);
    EXPECT_EQ(radkyRezimu(2, false, "u", "p"), "Proxy-Connection: close\r\n");
    EXPECT_EQ(radkyRezimu(2, true, {}, {}), "Proxy-Connection: close\r\nProxy-Authorization: Basic Og==\r\n");
    EXPECT_TRUE(radkyRezimu(2, true, "Aladdin", "open sesame").endsWith(" QWxhZGRpbjpvcGVuIHNlc2FtZQ==\r\n"));
    EXPECT_TRUE(radkyRezimu(2, true, QStringLiteral("Š"), "x").endsWith(" ijp4\r\n"));  // Windows-1250 bytes

    EXPECT_EQ(hlavickaTestu("server.example", prima),
              "GET http://server.example/software/eobj/objednat.php?cmd=test HTTP/1.0\r\n"
              "Accept-Language: cs\r\nUser-Agent: Sorvenika verze: 9.4.2009\r\nHost: server.example\r\n"
              "Connection: close\r\nPragma: no-cache\r\n\r\n");
    EXPECT_EQ(hlavickaStazeni(rozdelAdresu("https://update.example/s/Sorvenika.nfo"), "Proxy-Connection: close\r\n"),
              "GET http://update.example/s/Sorvenika.nfo HTTP/1.0\r\nAccept-Language: cs\r\n"
              "Proxy-Connection: close\r\nPragma: no-cache\r\n\r\n");

    const QString tail = konecHranice([n = 0]() mutable { return std::array{0.5331, 0.7055, 0.0289}[n++]; });
    ASSERT_EQ(tail, "53317055289");
    const QByteArray hranice = QByteArray(29, '-') + "53317055289";
    const Pozadavek nabidky = pozadavekNahrani(
        "server.example", {kCestaNabidek, "cmd.txt", {}, "qTDj306Q0ygAoJRuiIhqfr+V2TpYdUB3lieo8aLMz0I=\r\n"}, tail, prima);
    EXPECT_EQ(nabidky.hlavicka,
              "POST http://server.example/software/eobj/nabidky.php HTTP/1.0\r\n"
              "Referer: http://server.example/software/eobj/nabidky.php\r\nAccept-Language: cs\r\n"
              "Content-Type: multipart/form-data; boundary=---------------------------53317055289\r\n"
              "User-Agent: Sorvenika verze: 9.4.2009\r\nHost: server.example\r\nContent-Length: 296\r\n"
              "Connection: close\r\nCache-Control: no-cache\r\n\r\n");
    EXPECT_EQ(nabidky.telo, hranice + "\r\nContent-Disposition: form-data; name=\"soubor\"; filename=\"cmd.txt\"\r\n"
                                      "Content-Type: application/octet-stream; name=\"cmd.txt\"\r\n"
                                      "Content-Transfer-Encoding: base64\r\n\r\n"
                                      "qTDj306Q0ygAoJRuiIhqfr+V2TpYdUB3lieo8aLMz0I=\r\n\r\n" + hranice + "--\r\n\r\n");
    const Pozadavek objednavka =
        pozadavekNahrani("h:81", {kCestaObjednavek, "K-17.csv", "id=K-17; mail=a@b.cz; zavod=HRAB", "QUJD"}, tail, prima);
    EXPECT_TRUE(objednavka.hlavicka.startsWith("POST http://h:81/software/eobj/objednat.php HTTP/1.0\r\n"
                                               "Referer: http://h:81/software/eobj/objednat.php\r\n"));
    EXPECT_TRUE(objednavka.hlavicka.endsWith("Connection: close\r\nCache-Control: no-cache\r\n"
                                             "Cookie: id=K-17; mail=a@b.cz; zavod=HRAB\r\n\r\n"));
    EXPECT_TRUE(objednavka.telo.contains("filename=\"K-17.csv\"\r\nContent-Type: application/octet-stream; name=\"K-17.csv\""));
}

TEST(ProtokolHTTP, ReplyCleanUp) {
    struct { QByteArray telo; QString vysledek; } pripady[] = {
        {"", ""},
        {"OK\r\nradek1\r\nradek2\r\n", "OK\r\nradek1\r\nradek2\r\n"},
        {"a\r\n\r\nb", "a\r\nb"},
        {"a\r\n\r\n\r\nb", "ab"},
        {"<b>Ahoj</b><i>svete</i>", "Ahojsvete"},
        {"x<br>y", "x\r\ny"},
        {"1 > 0 <b>t</b>", "1 > 0 t"},
        {"a <b c", "a <b c"},
        {"  200 OK [457]  ", "200 OK [457]"},
        {"\r\nX", "\r\nX"},
        {"<p>a</p><p>b", "ab"},
        {"odm\xedtnuto \x8a", QStringLiteral("odmítnuto Š")},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(ZpracujOdpoved("HTTP/1.0 200 OK\r\nServer: x\r\n\r\n" + p.telo), p.vysledek) << p.telo.toStdString();
    EXPECT_EQ(ZpracujOdpoved("HTTP/1.0 200 OK\r\n"), "");

    // Against the plain reading of the rule, one rescan per tag, on every short text of "<", ">",
    // "a" and "b": removals that join text into new tags, nested and unclosed brackets.
    const auto primo = [](QString t) {
        for (;;) {
            const qsizetype a = t.indexOf(QLatin1Char('<'));
            const qsizetype b = a < 0 ? -1 : t.indexOf(QLatin1Char('>'), a);
            if (b < 0) return t;
            t.remove(t.mid(a, b - a + 1));
        }
    };
    for (int delka = 1; delka <= 9; ++delka)
        for (int kod = 0; kod < 1 << (2 * delka); ++kod) {
            QString t;
            for (int i = 0; i < delka; ++i) t += QLatin1Char("<>ab"[(kod >> (2 * i)) & 3]);
            ASSERT_EQ(odstranZnacky(t), primo(t)) << t.toStdString();
        }
    // Longer ones, where removals join text across several earlier removals.
    std::mt19937 nahoda(29);
    for (int pokus = 0; pokus < 20000; ++pokus) {
        QString t;
        for (int i = 10 + pokus % 40; i > 0; --i) t += QLatin1Char("<>ab"[nahoda() % 4]);
        ASSERT_EQ(odstranZnacky(t), primo(t)) << t.toStdString();
    }
    EXPECT_EQ(*teloOdpovedi("H\r\n\r\n<sdeleni1>a</sdeleni1>"), "<sdeleni1>a</sdeleni1>");

    // The fuzzing corpus of the clean-up and the SOCKS5 answers.
    const QDir korpus(testData("http_corpus"));
    for (const QString& s : korpus.entryList(QDir::Files)) {
        const QByteArray b = readBytes(korpus.filePath(s));
        EXPECT_EQ(zkusOdpovedHTTP(reinterpret_cast<const uint8_t*>(b.constData()), static_cast<size_t>(b.size())), 0);
    }
}

TEST(ProtokolHTTP, Socks5Messages) {
    EXPECT_EQ(socks5::pozdrav(), QByteArray("\x05\x01\x00", 3));
    EXPECT_EQ(*socks5::pozadavekConnect("127.0.0.1", 80), QByteArray::fromHex("05010003093132372e302e302e310050"));
    EXPECT_EQ(*socks5::pozadavekConnect("server.cz:", 258), QByteArray("\x05\x01\x00\x03\x0aserver.cz:\x01\x02", 17));
    EXPECT_EQ(socks5::pozadavekConnect(QString(255, 'h'), 80)->size(), 4 + 1 + 255 + 2);  // the length byte's limit
    EXPECT_FALSE(socks5::pozadavekConnect(QString(256, 'h'), 80));

    EXPECT_FALSE(socks5::metodaPrijata("\x05"));
    EXPECT_TRUE(*socks5::metodaPrijata(QByteArray("\x05\x00", 2)));
    EXPECT_FALSE(*socks5::metodaPrijata("\x05\xff"));
    const char* texty[] = {"OK", "General failure", "Connection not allowed by ruleset", "Network unreachable",
                           "Host unreachable", "Connection refused by destination host", "TTL expired",
                           "Command not supported / protocol error", "Address type not supported"};
    for (int rep = 0; rep < 9; ++rep) EXPECT_EQ(*socks5::vysledekConnect(QByteArray{"\x05"} + char(rep) + "\x00\x01"), texty[rep]);
    EXPECT_EQ(*socks5::vysledekConnect("\x05\x09"), QStringLiteral("SOCKS5 server odmítl spojení neznámým kódem 9."));
}
