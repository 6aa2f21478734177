// The socket class against an in-process peer on 127.0.0.1, another of its own objects and a
// scripted name resolver: state numbers, the order of events, the buffers, listening, datagrams
// and the errors with their Windows Sockets texts.
#include "net/MSocketSupport.h"
#include "net/clsSocket.h"
#include "platform/Cekani.h"
#include "support/TestSupport.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>
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

}  // namespace

TEST(clsSocket, ConnectsByAddressOrNameAndFailsWithItsError) {
    Peer peer;
    Prekladani jmeno{{"server.test", "127.0.0.1", 0}};
    clsSocket s(jmeno());
    jmeno.socket = &s;
    s.Connect("server.test", peer.server.serverPort());
    EXPECT_EQ(s.State(), clsSocket::sckResolvingHost);
    ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckConnected; }));
    EXPECT_EQ(jmeno.stavPoOdpovedi, clsSocket::sckConnecting);  // resolved (5), then connecting at once
    EXPECT_EQ(s.RemoteHostIP(), "127.0.0.1");

    clsSocket primo;
    primo.Connect("127.0.0.1", peer.server.serverPort());
    EXPECT_EQ(primo.State(), clsSocket::sckConnecting);  // a dotted address is not resolved

    const quint16 zavreny = [] { QTcpServer z; z.listen(QHostAddress::LocalHost); return z.serverPort(); }();
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
    EXPECT_EQ(GetErrorDescription(12345), "Unknown error.");
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

namespace {

int volba(qintptr handle, int jaka) {
    int hodnota = -1;
    socklen_t delka = sizeof hodnota;
    ::getsockopt(static_cast<int>(handle), SOL_SOCKET, jaka, &hodnota, &delka);
    return hodnota;
}

}  // namespace

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
