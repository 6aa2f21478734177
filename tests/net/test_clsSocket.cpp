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

// A resolver that answers on the next turn of the event loop, as the real one does.
Prekladac prekladac(VysledekPrekladu odpoved) {
    return [odpoved](const QString&, QObject* kontext, std::function<void(const VysledekPrekladu&)> hotovo) {
        QTimer::singleShot(0, kontext, [=] { hotovo(odpoved); });
    };
}

struct Udalosti {
    QStringList poradi;
    int cislo = 0;
    QString popis;
    void sleduj(clsSocket& s) {
        QObject::connect(&s, &clsSocket::OnConnect, [this] { poradi << "connect"; });
        QObject::connect(&s, &clsSocket::OnDataArrival, [this, &s](qint64 n) { poradi << "data " + QString::number(n) + " " + s.GetData(); });
        QObject::connect(&s, &clsSocket::OnClose, [this, &s] { poradi << "close " + QString::number(s.State()); });
        QObject::connect(&s, &clsSocket::OnError, [this](int c, const QString& p) { cislo = c, popis = p; });
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

TEST(clsSocket, ErrorTexts) {
    EXPECT_EQ(GetErrorDescription(10004), "Interrupted function call.");
    EXPECT_EQ(GetErrorDescription(10061), "Connection refused.");
    EXPECT_EQ(GetErrorDescription(11004), "Valid name, no data record of requested type.");
    EXPECT_EQ(GetErrorDescription(40006), "Unknown error.");
    EXPECT_EQ(cisloChybySocketu(QAbstractSocket::HostNotFoundError), 11001);
    EXPECT_EQ(cisloChybySocketu(QAbstractSocket::ProxyConnectionRefusedError), 10107);
}

TEST(clsSocket, ConnectsByAddressOrByNameAndFailsWithItsError) {
    Peer peer;
    {
        clsSocket s;
        s.Connect("127.0.0.1", peer.server.serverPort());
        EXPECT_EQ(s.State(), clsSocket::sckConnecting);  // no resolution for a dotted address
        ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckConnected; }));
        EXPECT_EQ(s.RemoteHostIP(), "127.0.0.1");
        EXPECT_GT(s.LocalPort(), 0);
    }
    {
        // The state right after the resolver's answer: resolved, then connecting at once.
        int poPrekladu = -1;
        clsSocket* zde = nullptr;
        clsSocket s([&](const QString& jmeno, QObject* kontext, std::function<void(const VysledekPrekladu&)> hotovo) {
            EXPECT_EQ(jmeno, "server.test");
            QTimer::singleShot(0, kontext, [&, hotovo] { hotovo({"server.test", "127.0.0.1", 0}); poPrekladu = zde->State(); });
        });
        zde = &s;
        s.Connect("server.test", peer.server.serverPort());
        EXPECT_EQ(s.State(), clsSocket::sckResolvingHost);
        ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckConnected; }));
        EXPECT_EQ(poPrekladu, clsSocket::sckConnecting);
        EXPECT_EQ(s.RemoteHostIP(), "127.0.0.1");
    }
    struct { Prekladac p; QString host; quint16 port; int cislo; QString popis; } chyby[] = {
        {prekladac({{}, {}, 11001}), "nikde.invalid", 80, 11001, "Host not found."},
        {prekladacSystemu(), "127.0.0.1", 0, 0, {}},
    };
    chyby[1].port = [] { QTcpServer z; z.listen(QHostAddress::LocalHost); return z.serverPort(); }();  // closed again
    chyby[1].cislo = 10061;
    chyby[1].popis = "Connection refused.";
    for (auto& c : chyby) {
        clsSocket s(c.p);
        Udalosti u;
        u.sleduj(s);
        s.Connect(c.host, c.port);
        ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckError; })) << c.host.toStdString();
        EXPECT_EQ(u.cislo, c.cislo);
        EXPECT_EQ(u.popis, c.popis);
    }

    clsSocket s;
    try {
        s.Connect();
        FAIL();
    } catch (const SocketError& e) {
        EXPECT_EQ(e.cislo(), 10049);
        EXPECT_EQ(e.zdroj(), "clsSocket.clsSocket.Connect");
    }
    try {
        s.SendData("x");
        FAIL();
    } catch (const SocketError& e) {
        EXPECT_EQ(e.cislo(), 40006);
        EXPECT_EQ(e.popis(), "Wrong protocol or connection state for the requested transaction or request.");
    }
}

TEST(clsSocket, SendsInOrderReceivesAndClosesAfterTheData) {
    Peer peer;
    clsSocket s;
    Udalosti u;
    u.sleduj(s);
    QList<qint64> pokrok;
    int dokonceno = 0;
    QObject::connect(&s, &clsSocket::OnSendProgress, [&](qint64 n, qint64 zbyva) { pokrok << n << zbyva; });
    QObject::connect(&s, &clsSocket::OnSendComplete, [&] { ++dokonceno; });
    s.Connect("127.0.0.1", peer.server.serverPort());
    ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckConnected && peer.spojeni; }));

    // A large header queued behind nothing, then the body behind it: both arrive whole, in order.
    const QByteArray hlavicka(300000, 'h');
    s.SendData(hlavicka);
    s.SendData("telo");
    s.SendData({});
    EXPECT_EQ(pokrok, (QList<qint64>{300000, 0, 4, 0}));
    EXPECT_EQ(dokonceno, 0);
    QByteArray prijato;
    ASSERT_TRUE(dockej([&] { prijato += peer.spojeni->readAll(); return prijato.size() == 300004; }));
    EXPECT_EQ(prijato, hlavicka + "telo");
    EXPECT_TRUE(dockej([&] { return dokonceno == 1; }));

    // The peer answers and closes: the data comes before the close, and the state is 0 by then.
    peer.spojeni->write("odpoved");
    peer.spojeni->disconnectFromHost();
    ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckClosed; }));
    EXPECT_EQ(u.poradi, (QStringList{"connect", "data 7 odpoved", "close 0"}));
    EXPECT_EQ(s.BytesReceived(), 7);
}

TEST(clsSocket, BuffersCloseAndAResolutionOutlivedByItsSocket) {
    Peer peer;
    clsSocket s;
    s.Connect("127.0.0.1", peer.server.serverPort());
    ASSERT_TRUE(dockej([&] { return s.State() == clsSocket::sckConnected && peer.spojeni; }));
    peer.spojeni->write("abcdef");
    ASSERT_TRUE(dockej([&] { return s.PeekData() == "abcdef"; }));
    EXPECT_EQ(s.PeekData(2), "ab");
    EXPECT_EQ(s.GetData(2), "ab");
    EXPECT_EQ(s.GetData(10), "cdef");
    EXPECT_EQ(s.GetData(), "");

    // Closing a connected socket only stops its sending; the peer's close ends it.
    s.CloseSocket();
    EXPECT_EQ(s.State(), clsSocket::sckClosing);
    // The peer reads the end of the stream and closes in turn.
    EXPECT_TRUE(dockej([&] { return s.State() == clsSocket::sckClosed; }));

    // A name still resolving when its socket goes: nothing arrives later, nothing breaks.
    bool odpovezeno = false;
    auto pozdni = [&](const QString&, QObject* kontext, std::function<void(const VysledekPrekladu&)> hotovo) {
        QTimer::singleShot(50, kontext, [&odpovezeno, hotovo] { odpovezeno = true; hotovo({"x", "127.0.0.1", 0}); });
    };
    auto* docasny = new clsSocket(pozdni);
    docasny->Connect("pozde.test", peer.server.serverPort());
    delete docasny;
    cekani::cekej([] { return false; }, 150);
    EXPECT_FALSE(odpovezeno);
}
