// The socket class against an in-process peer on 127.0.0.1 and a scripted name resolver: state
// numbers, the order of events, the buffers, and the errors with their Windows Sockets texts.
#include "net/MSocketSupport.h"
#include "net/clsSocket.h"
#include "platform/Cekani.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

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
