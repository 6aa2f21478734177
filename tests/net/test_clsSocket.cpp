// The socket class against an in-process peer on 127.0.0.1, another of its own objects and a
// scripted name resolver: state numbers, the order of events, the buffers, listening, datagrams
// and the errors with their Windows Sockets texts.
#include "net/MSocketSupport.h"
#include "net/clsSocket.h"
#include "platform/Cekani.h"
#include "support/SelhaniVolani.h"
#include "support/TestSupport.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

bool dockej(const std::function<bool()>& podminka) { return cekani::cekej(podminka, 5000) == KonecCekani::Splneno; }

// Answers on a later turn of the event loop, as the real resolver does, and notes the socket's
// state right after its answer.
struct Prekladani {
    VysledekPrekladu odpoved;
    int msPozdeji = 0;
    clsSocket* socket = nullptr;
    int stavPoOdpovedi = -1;
    Prekladac operator()() {
        return [this](const QString&, QObject* kontext, std::function<void(const VysledekPrekladu&)> hotovo) {
            QTimer::singleShot(msPozdeji, kontext, [this, hotovo] {
                hotovo(odpoved);
                stavPoOdpovedi = socket->State();
            });
        };
    }
};

struct Peer {
    QTcpServer server;
    QPointer<QTcpSocket> spojeni;
    Peer() {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] { spojeni = server.nextPendingConnection(); });
    }
};

quint16 volnyPort() {
    QTcpServer z;
    z.listen(QHostAddress::LocalHost);
    return z.serverPort();
}

int volba(qintptr handle, int jaka) {
    int hodnota = -1;
    socklen_t delka = sizeof hodnota;
    ::getsockopt(static_cast<int>(handle), SOL_SOCKET, jaka, &hodnota, &delka);
    return hodnota;
}

// The system's own name for a loopback address, the address when it has none.
QString jmenoAdresy(const char* adresa) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    ::inet_pton(AF_INET, adresa, &a.sin_addr);
    char jmeno[NI_MAXHOST];
    const bool ma = ::getnameinfo(reinterpret_cast<const sockaddr*>(&a), sizeof a, jmeno, sizeof jmeno, nullptr, 0, NI_NAMEREQD) == 0;
    return QString::fromLatin1(ma ? jmeno : adresa);
}

}  // namespace

TEST(clsSocket, ConnectsByAddressOrNameAndFailsWithItsError) {
    Peer peer;
    Prekladani jmeno{{"oficialni.test", "127.0.0.1", 0}};
    clsSocket s(jmeno());
    jmeno.socket = &s;
    s.Connect("server.test", peer.server.serverPort());
    EXPECT_EQ(s.State(), clsSocket::sckResolvingHost);
    EXPECT_EQ(s.RemoteHost(), "server.test");
    ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckConnected; }));
    EXPECT_EQ(jmeno.stavPoOdpovedi, clsSocket::sckConnecting);  // resolved (5), then connecting at once
    EXPECT_EQ(s.RemoteHostIP(), "127.0.0.1");
    EXPECT_EQ(s.RemoteHost(), "oficialni.test");  // the resolver's own name for it

    // vbSocket makes the object's socket before the connect, which then goes through it.
    clsSocket primo;
    const qintptr handle = primo.vbSocket();
    EXPECT_EQ(volba(handle, SO_TYPE), SOCK_STREAM);
    EXPECT_EQ(primo.vbSocket(), handle);
    primo.Connect("127.0.0.1", peer.server.serverPort());
    EXPECT_EQ(primo.State(), clsSocket::sckConnecting);  // a dotted address is not resolved
    ASSERT_TRUE(dockej([&] { return primo.State() == clsSocket::sckConnected; }));
    EXPECT_EQ(primo.SocketHandle(), handle);

    const quint16 zavreny = volnyPort();
    Prekladani nikde{{{}, {}, 11001}};
    struct { Prekladac p; QString host; int cislo; QString popis; } chyby[] = {
        {nikde(), "nikde.invalid", 11001, "Host not found."},
        {prekladacSystemu(), "127.0.0.1", 10061, "Connection refused."},
    };
    for (auto& c : chyby) {
        clsSocket s(c.p);
        nikde.socket = &s;
        int cislo = 0;
        QString popis;
        QObject::connect(&s, &clsSocket::OnError, [&](int n, const QString& p) { cislo = n, popis = p; });
        s.Connect(c.host, zavreny);
        ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckError; })) << c.host.toStdString();
        EXPECT_EQ(cislo, c.cislo);
        EXPECT_EQ(popis, c.popis);
    }

    clsSocket bez;
    const auto chyba = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const SocketError& e) {
            return QStringLiteral("%1 %2 %3").arg(e.cislo()).arg(e.zdroj(), e.popis());
        }
        return QString();
    };
    EXPECT_EQ(chyba([&] { bez.Connect(); }), "10049 clsSocket.clsSocket.Connect Cannot assign requested address.");
    EXPECT_EQ(chyba([&] { bez.SendData("x"); }),
              "40006 clsSocket.SendData Wrong protocol or connection state for the requested transaction or request.");
    // A socket the system will not make: the process has used up its handles.
    EXPECT_EQ(vPotomkovi([&]() -> QByteArray {
                  if (!selhejVolani({__NR_socket}, EMFILE)) return "seccomp";
                  clsSocket s;
                  return chyba([&] { s.Connect("127.0.0.1", zavreny); }).toUtf8();
              }),
              "10024 clsSocket.clsSocket.Connect Too many open files.");
    EXPECT_EQ(GetErrorDescription(12345), "Unknown error.");
}

TEST(clsSocket, SixteenBitWords) {
    const struct { qint32 slovo; int cislo; } slova[] = {{0, 0}, {32767, 32767}, {32768, -32768}, {65535, -1}};
    for (const auto& [slovo, cislo] : slova) {
        EXPECT_EQ(UnsignedToInteger(slovo).value(), cislo) << slovo;
        EXPECT_EQ(IntegerToUnsigned(Integer(cislo)), slovo) << slovo;
    }
    for (const qint32 mimo : {-1, 65536}) EXPECT_EQ(cisloChyby([&] { UnsignedToInteger(mimo); }), 6) << mimo;
    EXPECT_EQ(LoWord(0x12345678), 0x5678);
    EXPECT_EQ(HiWord(0x12345678), 0x1234);
    EXPECT_EQ(LoWord(-1), 65535);
    EXPECT_EQ(HiWord(static_cast<qint32>(0x80000001u)), 32768);  // the top bit set: still no sign
}

TEST(clsSocket, SendsInOrderReceivesAndClosesAfterTheData) {
    Peer peer;
    clsSocket s;
    QStringList udalosti;
    QObject::connect(&s, &clsSocket::OnConnect, [&] { udalosti << "connect"; });
    QObject::connect(&s, &clsSocket::OnDataArrival, [&](qint64 n) { udalosti << QString::number(n) + " " + s.GetData(3); });
    QObject::connect(&s, &clsSocket::OnClose, [&] { udalosti << "close " + QString::number(s.State()); });
    QObject::connect(&s, &clsSocket::OnSendProgress, [&](qint64 n, qint64 zbyva) { udalosti << QStringLiteral("sent %1 %2").arg(n).arg(zbyva); });
    QObject::connect(&s, &clsSocket::OnSendComplete, [&] { udalosti << "complete"; });
    s.Connect("127.0.0.1", peer.server.serverPort());
    ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckConnected && peer.spojeni; }));

    // A large header and the body behind it arrive whole and in order; an empty text sends nothing.
    const QByteArray hlavicka(300000, 'h');
    s.SendData(hlavicka);
    s.SendData("telo");
    s.SendData(QByteArray());
    EXPECT_EQ(udalosti, (QStringList{"connect", "sent 300000 0", "sent 4 0"}));  // completion comes later
    QByteArray prijato;
    ASSERT_TRUE(dockej([&] { prijato += peer.spojeni->readAll(); return prijato.size() == 300004; }));
    EXPECT_EQ(prijato, hlavicka + "telo");
    ASSERT_TRUE(dockej([&] { return udalosti.last() == "complete"; }));

    // The peer answers and closes: its data comes first; what the handler left is gone with the
    // socket, whose state is 0 by the time of OnClose.
    peer.spojeni->write("odpoved");
    peer.spojeni->disconnectFromHost();
    ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckClosed; }));
    EXPECT_EQ(udalosti.mid(4), (QStringList{"7 odp", "close 0"}));
    EXPECT_EQ(s.BytesReceived(), 0);  // what was not taken went with the socket
    EXPECT_EQ(s.PeekData(), "");
}

TEST(clsSocket, BuffersCloseAndAResolutionOutlivedByItsSocket) {
    Peer peer;
    clsSocket s;
    s.Connect("127.0.0.1", peer.server.serverPort());
    ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckConnected && peer.spojeni; }));
    peer.spojeni->write("abcdef");
    ASSERT_TRUE(dockej([&] { return s.PeekData() == "abcdef"; }));
    EXPECT_EQ(s.GetData(2), "ab");
    EXPECT_EQ(s.GetData(10), "cdef");

    // Closing a connected socket stops its sending; the peer reads the end and closes in turn.
    s.CloseSocket();
    EXPECT_EQ(s.State(), clsSocket::sckClosing);
    EXPECT_TRUE(dockej([&] { return s.State() == clsSocket::sckClosed; }));

    // A name still resolving when its socket goes: the answer never arrives.
    Prekladani pozde{{"x", "127.0.0.1", 0}, 50};
    auto* docasny = new clsSocket(pozde());
    pozde.socket = docasny;
    docasny->Connect("pozde.test", peer.server.serverPort());
    delete docasny;
    cekani::cekej([] { return false; }, 150);
    EXPECT_EQ(pozde.stavPoOdpovedi, -1);
}

TEST(clsSocket, ListensAcceptsOnAnotherObjectAndBothExchangeNumbersAndText) {
    clsSocket naslouchac;
    EXPECT_EQ(naslouchac.SocketHandle(), -1);
    naslouchac.Bind(0, "127.0.0.1");
    naslouchac.Listen();
    EXPECT_TRUE(naslouchac.Bound());
    EXPECT_EQ(naslouchac.State(), clsSocket::sckListening);
    ASSERT_GT(naslouchac.LocalPort(), 0);
    EXPECT_EQ(volba(naslouchac.SocketHandle(), SO_ACCEPTCONN), 1);

    // A second listener on the same port fails with the port's error, and with state 9 once it
    // tries to listen.
    clsSocket druhy;
    EXPECT_EQ(cisloChyby([&] { druhy.Bind(naslouchac.LocalPort(), "127.0.0.1"); }), 10048);
    EXPECT_EQ(druhy.State(), clsSocket::sckClosed);
    EXPECT_EQ(cisloChyby([&] { druhy.Listen(); }), 10048);
    EXPECT_EQ(druhy.State(), clsSocket::sckError);

    auto server = std::make_unique<clsSocket>();
    QObject::connect(&naslouchac, &clsSocket::OnConnectionRequest, [&](qintptr h) { server->Accept(h); });
    clsSocket klient;
    klient.Connect("127.0.0.1", naslouchac.LocalPort());
    ASSERT_TRUE(dockej([&] { return klient.State() == clsSocket::sckConnected && server->State() == clsSocket::sckConnected; }));
    EXPECT_EQ(server->RemoteHostIP(), "127.0.0.1");
    EXPECT_EQ(server->RemotePort(), klient.LocalPort());
    EXPECT_EQ(server->LocalPort(), naslouchac.LocalPort());
    EXPECT_EQ(server->Protocol(), clsSocket::sckTCPProtocol);

    // Each local end as it came about: bound as set, connected by the name of its address (the
    // address itself where it has none), accepted as the address; a port written beforehand is
    // the one bound.
    Peer peer;
    clsSocket bezJmena;
    bezJmena.Bind(0, "127.1.2.3");
    bezJmena.Connect("127.0.0.1", peer.server.serverPort());
    ASSERT_TRUE(dockej([&] { return bezJmena.State() == clsSocket::sckConnected; }));
    clsSocket naPortu;
    const quint16 volny = volnyPort();
    naPortu.setLocalPort(volny);
    naPortu.Bind(0, "127.0.0.1");
    const struct { const char* co; QString je, ma; } konce[] = {
        {"bound LocalIP", naslouchac.LocalIP(), "127.0.0.1"},
        {"connected LocalIP", klient.LocalIP(), "127.0.0.1"},
        {"connected LocalHostName", klient.LocalHostName(), jmenoAdresy("127.0.0.1")},
        {"connected LocalHostName, no name", bezJmena.LocalHostName(), jmenoAdresy("127.1.2.3")},
        {"accepted LocalIP", server->LocalIP(), "127.0.0.1"},
        {"accepted LocalHostName", server->LocalHostName(), "127.0.0.1"},
        {"accepted RemoteHost", server->RemoteHost(), "127.0.0.1"},
        {"LocalPort written", QString::number(naPortu.LocalPort()), QString::number(volny)},
    };
    for (const auto& k : konce) EXPECT_EQ(k.je, k.ma) << k.co;

    klient.SendData("dotaz");
    ASSERT_TRUE(dockej([&] { return server->BytesReceived() == 5; }));
    EXPECT_EQ(server->GetData(), "dotaz");
    EXPECT_EQ(server->BytesReceived(), 0);

    // Numbers as their little-endian memory image, each taken at its own size.
    server->SendData(qint16(-2));
    server->SendData(qint32(0x01020304));
    server->SendData(1.5f);
    server->SendData(-0.25);
    server->SendData(Currency::fromRaw(123456789));
    server->SendData(true);
    ASSERT_TRUE(dockej([&] { return klient.BytesReceived() == 2 + 4 + 4 + 8 + 8 + 2; }));
    EXPECT_EQ(klient.PeekData(6).toHex(), "feff04030201");
    EXPECT_EQ(klient.PeekData<qint16>(), -2);
    EXPECT_EQ(klient.GetData<qint16>(), -2);
    EXPECT_EQ(klient.GetData<qint32>(), 0x01020304);
    EXPECT_EQ(klient.PeekData(4).toHex(), "0000c03f");
    EXPECT_EQ(klient.GetData<float>(), 1.5f);
    EXPECT_EQ(klient.GetData<double>(), -0.25);
    EXPECT_EQ(klient.GetData<Currency>()->raw(), 123456789);
    EXPECT_EQ(klient.PeekData(), QByteArray("\xff\xff", 2));
    EXPECT_EQ(klient.GetData<qint32>(), std::nullopt);  // two bytes wait: nothing is taken
    EXPECT_EQ(klient.GetData<bool>(), true);
    EXPECT_EQ(klient.BytesReceived(), 0);

    // A peer that breaks the connection off is an error, not an orderly close.
    int chyba = 0;
    bool zavreno = false;
    QObject::connect(&klient, &clsSocket::OnError, [&](int n, const QString&) { chyba = n; });
    QObject::connect(&klient, &clsSocket::OnClose, [&] { zavreno = true; });
    const linger okamzite{1, 0};
    ::setsockopt(static_cast<int>(server->SocketHandle()), SOL_SOCKET, SO_LINGER, &okamzite, sizeof okamzite);
    server.reset();
    ASSERT_TRUE(dockej([&] { return klient.State() == clsSocket::sckError; }));
    EXPECT_EQ(chyba, 10054);
    EXPECT_FALSE(zavreno);

    // A connection no object takes over is closed.
    QObject::disconnect(&naslouchac, &clsSocket::OnConnectionRequest, nullptr, nullptr);
    clsSocket odmitnuty;
    odmitnuty.Connect("127.0.0.1", naslouchac.LocalPort());
    EXPECT_TRUE(dockej([&] { return odmitnuty.State() == clsSocket::sckClosed; }));
}

TEST(clsSocket, DatagramsBothWaysAndTheBroadcastPermission) {
    clsSocket a, b;
    for (clsSocket* s : {&a, &b}) {
        s->setProtocol(clsSocket::sckUDPProtocol);
        s->Bind(0, "127.0.0.1");
        s->setProtocol(clsSocket::sckTCPProtocol);  // a socket exists: no effect
        EXPECT_EQ(s->Protocol(), clsSocket::sckUDPProtocol);
    }
    a.setRemoteHost("127.0.0.1");
    a.setRemotePort(b.LocalPort());
    a.SendData("ping");
    a.SendData("pong");
    ASSERT_TRUE(dockej([&] { return b.BytesReceived() == 8; }));
    EXPECT_EQ(b.GetData(), "pingpong");
    // The sender of the last datagram is where the answer goes.
    EXPECT_EQ(b.RemotePort(), a.LocalPort());
    EXPECT_EQ(b.RemoteHostIP(), "127.0.0.1");
    b.SendData(qint32(7));
    ASSERT_TRUE(dockej([&] { return a.BytesReceived() == 4; }));
    EXPECT_EQ(a.GetData<qint32>(), 7);

    // The permission follows the address, set before anything is sent.
    clsSocket c;
    c.setProtocol(clsSocket::sckUDPProtocol);
    c.Bind(0, "127.0.0.1");
    EXPECT_EQ(volba(c.vbSocket(), SO_TYPE), SOCK_DGRAM);
    c.setRemoteHost("127.255.255.255");
    EXPECT_EQ(volba(c.SocketHandle(), SO_BROADCAST), 1);
    c.setRemoteHost("127.0.0.1");
    EXPECT_EQ(volba(c.SocketHandle(), SO_BROADCAST), 0);

    clsSocket spatne;
    EXPECT_THROW(spatne.Bind(0, "nikde"), SocketError);
    // Datagrams have no connections to listen for.
    EXPECT_EQ(cisloChyby([&] { c.Listen(); }), 10045);
    EXPECT_EQ(c.State(), clsSocket::sckError);
}
