#include "net/clsSocket.h"

#include "net/MSocketSupport.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <sys/socket.h>

namespace {

bool jeTeckovaAdresa(const QString& text) {
    QHostAddress a;
    return a.setAddress(text) && a.protocol() == QAbstractSocket::IPv4Protocol;
}

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

void clsSocket::setRemoteHost(const QString& host) {
    m_remoteHost = host;
    if (jeTeckovaAdresa(host)) m_remoteHostIP = host;
}

void clsSocket::Connect(const QString& host, int port) {
    const QString zdroj = QStringLiteral("clsSocket.clsSocket.Connect");
    if (!host.isEmpty()) setRemoteHost(host);
    if (port >= 0) m_remotePort = port;
    if (m_remoteHost.isEmpty() || m_remotePort < 1 || m_remotePort > 65535) throw SocketError(10049, zdroj);
    if (m_qt) throw SocketError(10056, zdroj);

    m_qt = new QTcpSocket(this);
    // The client chooses its own proxy; none of the application's or the system's applies here.
    m_qt->setProxy(QNetworkProxy::NoProxy);
    connect(m_qt, &QTcpSocket::connected, this, [this] {
        m_localPort = m_qt->localPort();
        m_localIP = m_qt->localAddress().toString();
        m_stav = sckConnected;
        emit OnConnect();
    });
    connect(m_qt, &QTcpSocket::readyRead, this, &clsSocket::prijmi);
    connect(m_qt, &QTcpSocket::disconnected, this, &clsSocket::poZavreni);
    connect(m_qt, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        // The peer's close is not an error: disconnected() follows and ends the connection.
        if (e == QAbstractSocket::RemoteHostClosedError && (m_stav == sckConnected || m_stav == sckClosing)) return;
        poChybe(cisloChybySocketu(e));
    });
    connect(m_qt, &QTcpSocket::bytesWritten, this, [this] {
        if (m_cekaDokonceni && m_qt->bytesToWrite() == 0) {
            m_cekaDokonceni = false;
            emit OnSendComplete();
        }
    });

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
    pripojK(v.adresa);
}

void clsSocket::pripojK(const QString& adresa) {
    m_stav = sckConnecting;
    m_qt->connectToHost(QHostAddress(adresa), static_cast<quint16>(m_remotePort));
}

void clsSocket::SendData(const QByteArray& data) {
    const QString zdroj = QStringLiteral("clsSocket.SendData");
    if (!m_qt) throw SocketError(kChybaStavuSocketu, zdroj);
    if (m_stav != sckConnected) throw SocketError(10057, zdroj);
    if (data.isEmpty()) return;
    m_qt->write(data);
    m_cekaDokonceni = true;
    emit OnSendProgress(data.size(), 0);
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
    if (!m_qt) return;
    if (m_stav == sckConnected) {
        m_stav = sckClosing;
        m_qt->flush();
        ::shutdown(static_cast<int>(m_qt->socketDescriptor()), SHUT_WR);
        return;
    }
    znicSocket();
    m_stav = sckClosed;
}

void clsSocket::prijmi() {
    const QByteArray nove = m_qt->readAll();
    if (nove.isEmpty()) return;
    m_prijato += nove;
    m_bytesReceived += nove.size();
    emit OnDataArrival(m_prijato.size());
}

void clsSocket::poZavreni() {
    prijmi();
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
    m_cekaDokonceni = false;
    if (!m_qt) return;
    QTcpSocket* s = std::exchange(m_qt, nullptr);
    s->disconnect(this);
    s->abort();
    s->deleteLater();
}
