#include "net/clsSocket.h"

#include "net/MSocketSupport.h"

#include <QEvent>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QSignalBlocker>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool jeTeckovaAdresa(const QString& text) {
    QHostAddress a;
    return a.setAddress(text) && a.protocol() == QAbstractSocket::IPv4Protocol;
}

// The handle the last Accept took over, so that a listener can close the ones nobody took.
qintptr g_prevzaty = -1;

// Hands each incoming connection to the owner as its bare handle.
class Naslouchac : public QTcpServer {
public:
    Naslouchac(QObject* rodic, std::function<void(qintptr)> prijmi) : QTcpServer(rodic), m_prijmi(std::move(prijmi)) {}

protected:
    void incomingConnection(qintptr handle) override { m_prijmi(handle); }

private:
    std::function<void(qintptr)> m_prijmi;
};

// Qt reads a reset as an orderly end of the stream. The socket's pending error, looked at just
// before Qt reads, tells the two apart.
class HlidacResetu : public QObject {
public:
    HlidacResetu(QObject* rodic, qintptr handle, std::function<void(int)> reset)
        : QObject(rodic), m_handle(handle), m_reset(std::move(reset)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::SockAct) return false;
        int chyba = 0;
        socklen_t delka = sizeof chyba;
        if (::getsockopt(static_cast<int>(m_handle), SOL_SOCKET, SO_ERROR, &chyba, &delka) == 0 &&
            (chyba == ECONNRESET || chyba == EPIPE))
            m_reset(10054);
        return false;
    }

private:
    qintptr m_handle;
    std::function<void(int)> m_reset;
};

}  // namespace

Prekladac prekladacSystemu() {
    return [](const QString& jmeno, QObject* kontext, std::function<void(const VysledekPrekladu&)> hotovo) {
        QHostInfo::lookupHost(jmeno, kontext, [hotovo = std::move(hotovo)](const QHostInfo& info) {
            if (info.error() != QHostInfo::NoError)
                return hotovo({{}, {}, info.error() == QHostInfo::HostNotFound ? 11001 : 11002});
            for (const QHostAddress& a : info.addresses())
                if (a.protocol() == QAbstractSocket::IPv4Protocol) return hotovo({info.hostName(), a.toString(), 0});
            hotovo({{}, {}, 11004});  // only IPv6 addresses: the layer speaks IPv4
        });
    };
}

clsSocket::clsSocket(Prekladac prekladac, QObject* rodic) : QObject(rodic), m_prekladac(std::move(prekladac)) {}

clsSocket::~clsSocket() { znicSocket(); }

qintptr clsSocket::SocketHandle() const {
    if (m_server) return m_server->socketDescriptor();
    return m_qt ? m_qt->socketDescriptor() : -1;
}

void clsSocket::setProtocol(int protokol) {
    if (!m_qt && !m_server) m_protokol = protokol == sckUDPProtocol ? sckUDPProtocol : sckTCPProtocol;
}

void clsSocket::setRemoteHost(const QString& host) {
    m_remoteHost = host;
    if (jeTeckovaAdresa(host)) m_remoteHostIP = host;
    if (m_protokol == sckUDPProtocol && EnsureSocket()) nastavVysilani();
}

void clsSocket::nastavVysilani() {
    const bool vysilani = m_remoteHost.endsWith(QStringLiteral(".255"));
    if (vysilani == m_vysilani) return;
    const int hodnota = vysilani ? 1 : 0;
    if (::setsockopt(static_cast<int>(m_qt->socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &hodnota, sizeof hodnota) != 0)
        throw SocketError(10022, QStringLiteral("clsSocket.RemoteHost"));
    m_vysilani = vysilani;
}

qintptr clsSocket::vbSocket() {
    if (m_server) return m_server->socketDescriptor();
    return EnsureSocket() ? m_qt->socketDescriptor() : -1;
}

QString clsSocket::LocalHostName() const {
    if (m_dohledatJmeno) {
        // An address the system has no name for stands for its name.
        sockaddr_in a{};
        a.sin_family = AF_INET;
        char jmeno[NI_MAXHOST];
        const bool ma = ::inet_pton(AF_INET, m_localIP.toLatin1().constData(), &a.sin_addr) == 1 &&
                        ::getnameinfo(reinterpret_cast<const sockaddr*>(&a), sizeof a, jmeno, sizeof jmeno, nullptr, 0,
                                      NI_NAMEREQD) == 0;
        m_localHostName = ma ? QString::fromLatin1(jmeno) : m_localIP;
        m_dohledatJmeno = false;
    }
    return m_localHostName;
}

bool clsSocket::EnsureSocket() {
    if (m_qt) return true;
    if (m_protokol == sckTCPProtocol) {
        // The handle exists from the start, as in SocketHandle and vbSocket; Qt would make it
        // only at the connect or the bind.
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        auto* t = new QTcpSocket(this);
        if (!t->setSocketDescriptor(fd, QAbstractSocket::UnconnectedState)) {
            ::close(fd);
            delete t;
            return false;
        }
        // An unconnected stream reads as hung up: nothing to read until the connect.
        for (QSocketNotifier* n : t->findChildren<QSocketNotifier*>()) n->setEnabled(false);
        m_qt = t;
    } else {
        // A datagram socket is bound at once, as the first send would bind it.
        auto* u = new QUdpSocket(this);
        if (!u->bind(m_localIP.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(m_localIP),
                     static_cast<quint16>(m_localPort))) {
            delete u;
            return false;
        }
        m_qt = u;
        m_localPort = u->localPort();
        // Qt turns broadcasting on for every datagram socket; here it follows the address.
        const int vypnuto = 0;
        ::setsockopt(static_cast<int>(u->socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &vypnuto, sizeof vypnuto);
    }
    // The client chooses its own proxy; none of the application's or the system's applies here.
    m_qt->setProxy(QNetworkProxy::NoProxy);
    propoj();
    return true;
}

void clsSocket::propoj() {
    connect(m_qt, &QAbstractSocket::connected, this, [this] {
        m_localPort = m_qt->localPort();
        m_localIP = m_qt->localAddress().toString();
        m_dohledatJmeno = true;
        m_stav = sckConnected;
        hlidejReset();
        emit OnConnect();
    });
    connect(m_qt, &QAbstractSocket::readyRead, this, &clsSocket::prijmi);
    connect(m_qt, &QAbstractSocket::disconnected, this, &clsSocket::poZavreni);
    connect(m_qt, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        // The peer's close is not an error: disconnected() follows and ends the connection.
        if (e == QAbstractSocket::RemoteHostClosedError && (m_stav == sckConnected || m_stav == sckClosing)) return;
        poChybe(cisloChybySocketu(e));
    });
    connect(m_qt, &QAbstractSocket::bytesWritten, this, [this] {
        if (m_cekaDokonceni && m_qt->bytesToWrite() == 0) {
            m_cekaDokonceni = false;
            emit OnSendComplete();
        }
    });
}

void clsSocket::hlidejReset() {
    const qintptr handle = m_qt->socketDescriptor();
    for (QSocketNotifier* n : m_qt->findChildren<QSocketNotifier*>())
        if (n->type() == QSocketNotifier::Read)
            n->installEventFilter(new HlidacResetu(m_qt, handle, [this](int cislo) { m_chybaSpojeni = cislo; }));
}

void clsSocket::Connect(const QString& host, int port) {
    const QString zdroj = QStringLiteral("clsSocket.clsSocket.Connect");
    if (m_protokol == sckUDPProtocol || m_server) throw SocketError(10045, zdroj);
    if (!host.isEmpty()) setRemoteHost(host);
    if (port >= 0) m_remotePort = port;
    if (m_remoteHost.isEmpty() || m_remotePort < 1 || m_remotePort > 65535) throw SocketError(10049, zdroj);
    if (m_qt && m_qt->state() != QAbstractSocket::UnconnectedState && m_qt->state() != QAbstractSocket::BoundState)
        throw SocketError(10056, zdroj);
    if (!EnsureSocket()) throw SocketError(10024, zdroj);
    m_chybaSpojeni = 0;
    if (jeTeckovaAdresa(m_remoteHost)) return pripojK(m_remoteHost);
    m_stav = sckResolvingHost;
    // The socket is the context: a result for a connection already gone is dropped.
    m_prekladac(m_remoteHost, m_qt, [this](const VysledekPrekladu& v) { poPrekladu(v); });
}

void clsSocket::poPrekladu(const VysledekPrekladu& v) {
    if (v.chyba) return poChybe(v.chyba);
    m_stav = sckHostResolved;
    m_remoteHost = v.jmeno;
    m_remoteHostIP = v.adresa;
    if (m_protokol == sckTCPProtocol) return pripojK(v.adresa);
    try {
        odesliDatagram();
    } catch (const SocketError& e) {
        poChybe(e.cislo());
    }
}

void clsSocket::pripojK(const QString& adresa) {
    m_stav = sckConnecting;
    m_qt->connectToHost(QHostAddress(adresa), static_cast<quint16>(m_remotePort));
}

void clsSocket::Bind(int port, const QString& adresa) {
    const QString zdroj = QStringLiteral("clsSocket.Bind");
    if (!adresa.isEmpty()) m_localIP = adresa;
    if (port > 0) m_localPort = port;
    if (!m_localIP.isEmpty() && !jeTeckovaAdresa(m_localIP)) throw SocketError(10049, zdroj);
    if (m_localPort < 0 || m_localPort > 65535) throw SocketError(10049, zdroj);
    if (m_vazan || m_server) throw SocketError(10022, zdroj);
    if (m_protokol == sckUDPProtocol) {
        // Bound already by its creation, at another address: made afresh where asked.
        znicSocket();
        if (!EnsureSocket()) throw SocketError(10048, zdroj);
    } else {
        if (!EnsureSocket()) throw SocketError(10024, zdroj);
        if (m_qt->state() != QAbstractSocket::UnconnectedState) throw SocketError(10022, zdroj);
        // A failed bind is this call's error, not an event of the connection.
        const QSignalBlocker ticho(m_qt);
        if (!m_qt->bind(m_localIP.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(m_localIP),
                        static_cast<quint16>(m_localPort)))
            throw SocketError(cisloChybySocketu(m_qt->error()), zdroj);
        m_localPort = m_qt->localPort();
    }
    m_vazan = true;
}

void clsSocket::Listen() {
    const QString zdroj = QStringLiteral("clsSocket.Listen");
    if (m_protokol == sckUDPProtocol || m_server) {
        m_stav = sckError;
        throw SocketError(10045, zdroj);
    }
    // The bound client socket only held the port; the listener takes it over.
    if (m_qt) {
        if (m_qt->state() != QAbstractSocket::UnconnectedState && m_qt->state() != QAbstractSocket::BoundState) {
            m_stav = sckError;
            throw SocketError(10056, zdroj);
        }
        znicSocket();
    }
    auto* server = new Naslouchac(this, [this](qintptr handle) {
        g_prevzaty = -1;
        emit OnConnectionRequest(handle);
        if (g_prevzaty != handle) ::close(static_cast<int>(handle));
    });
    server->setProxy(QNetworkProxy::NoProxy);
    server->setListenBacklogSize(5);
    if (!server->listen(m_localIP.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(m_localIP),
                        static_cast<quint16>(m_localPort))) {
        const int cislo = cisloChybySocketu(server->serverError());
        delete server;
        m_stav = sckError;
        throw SocketError(cislo, zdroj);
    }
    m_server = server;
    m_localPort = server->serverPort();
    m_vazan = true;
    m_stav = sckListening;
}

void clsSocket::Accept(qintptr handle) {
    const QString zdroj = QStringLiteral("clsSocket.Accept");
    if (m_qt || m_server) throw SocketError(10056, zdroj);
    int typ = 0;
    socklen_t delka = sizeof typ;
    if (::getsockopt(static_cast<int>(handle), SOL_SOCKET, SO_TYPE, &typ, &delka) != 0) throw SocketError(10038, zdroj);
    m_protokol = typ == SOCK_STREAM ? sckTCPProtocol : sckUDPProtocol;
    if (m_protokol == sckTCPProtocol) {
        m_qt = new QTcpSocket(this);
    } else {
        m_qt = new QUdpSocket(this);
    }
    if (!m_qt->setSocketDescriptor(handle, QAbstractSocket::ConnectedState)) {
        const int cislo = cisloChybySocketu(m_qt->error());
        delete std::exchange(m_qt, nullptr);
        throw SocketError(cislo, zdroj);
    }
    g_prevzaty = handle;
    m_qt->setProxy(QNetworkProxy::NoProxy);
    propoj();
    m_localPort = m_qt->localPort();
    m_localIP = m_qt->localAddress().toString();
    m_localHostName = m_localIP;
    m_dohledatJmeno = false;
    m_remotePort = m_qt->peerPort();
    m_remoteHostIP = m_qt->peerAddress().toString();
    m_remoteHost = m_remoteHostIP;
    m_chybaSpojeni = 0;
    m_stav = sckConnected;
    if (m_protokol == sckTCPProtocol) hlidejReset();
}

void clsSocket::SendData(const QByteArray& data) {
    const QString zdroj = QStringLiteral("clsSocket.SendData");
    if (m_protokol == sckUDPProtocol) {
        if (!EnsureSocket() || data.isEmpty()) return;
        m_datagram = data;
        if (!m_remoteHostIP.isEmpty()) return odesliDatagram();
        if (m_remoteHost.isEmpty()) throw SocketError(10039, zdroj);
        m_prekladac(m_remoteHost, m_qt, [this](const VysledekPrekladu& v) { poPrekladu(v); });
        return;
    }
    if (!m_qt) throw SocketError(kChybaStavuSocketu, zdroj);
    if (m_stav != sckConnected) throw SocketError(10057, zdroj);
    if (data.isEmpty()) return;
    m_qt->write(data);
    m_cekaDokonceni = true;
    emit OnSendProgress(data.size(), 0);
}

void clsSocket::odesliDatagram() {
    auto* u = static_cast<QUdpSocket*>(m_qt);
    const qint64 odeslano = u->writeDatagram(m_datagram, QHostAddress(m_remoteHostIP), static_cast<quint16>(m_remotePort));
    if (odeslano < 0) throw SocketError(cisloChybySocketu(u->error()), QStringLiteral("clsSocket.SendData"));
    m_datagram.clear();
    emit OnSendProgress(odeslano, 0);
    // Completion on a later turn of the loop, as for a stream.
    QTimer::singleShot(0, u, [this] { emit OnSendComplete(); });
}

QByteArray clsSocket::PeekData(qsizetype delka) const {
    return delka > 0 && delka <= m_prijato.size() ? m_prijato.first(delka) : m_prijato;
}

QByteArray clsSocket::GetData(qsizetype delka) {
    const QByteArray vzato = PeekData(delka);
    m_prijato.remove(0, vzato.size());
    return vzato;
}

void clsSocket::CloseSocket() {
    if (!m_qt && !m_server) return;
    if (m_stav == sckConnected && m_protokol == sckTCPProtocol) {
        m_stav = sckClosing;
        m_qt->flush();
        ::shutdown(static_cast<int>(m_qt->socketDescriptor()), SHUT_WR);
        return;
    }
    znicSocket();
    m_stav = sckClosed;
}

void clsSocket::prijmi() {
    qint64 nove = 0;
    if (auto* u = qobject_cast<QUdpSocket*>(m_qt)) {
        // Each datagram names its sender.
        while (u->hasPendingDatagrams()) {
            const QNetworkDatagram d = u->receiveDatagram();
            m_remotePort = d.senderPort();
            m_remoteHostIP = d.senderAddress().toString();
            m_remoteHost = m_remoteHostIP;
            m_prijato += d.data();
            nove += d.data().size();
        }
    } else {
        const QByteArray data = m_qt->readAll();
        m_prijato += data;
        nove = data.size();
    }
    if (nove > 0) emit OnDataArrival(m_prijato.size());
}

void clsSocket::poZavreni() {
    prijmi();
    // A reset after the data is no orderly end: the peer broke the connection.
    if (m_chybaSpojeni) return poChybe(m_chybaSpojeni);
    znicSocket();
    m_stav = sckClosed;
    emit OnClose();
}

void clsSocket::poChybe(int cislo) {
    m_stav = sckError;
    znicSocket();
    emit OnError(cislo, GetErrorDescription(cislo));
}

void clsSocket::znicSocket() {
    m_prijato.clear();
    m_datagram.clear();
    m_cekaDokonceni = false;
    m_vazan = false;
    m_vysilani = false;
    m_chybaSpojeni = 0;
    if (m_server) {
        m_server->close();
        std::exchange(m_server, nullptr)->deleteLater();
    }
    if (!m_qt) return;
    QAbstractSocket* s = std::exchange(m_qt, nullptr);
    s->disconnect(this);
    s->abort();
    s->deleteLater();
}
