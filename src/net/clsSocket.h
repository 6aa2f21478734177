#pragma once
// One TCP or UDP socket driven by events, over Qt's sockets: the state numbers and events of the
// socket class, delivered while the caller's wait keeps the event loop running. TCP connects,
// listens and accepts; UDP sends one datagram per SendData and notes each sender.
#include "platform/Numbers.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QtEndian>
#include <functional>
#include <optional>
#include <type_traits>

class QAbstractSocket;
class QTcpServer;

// A name resolution's answer: the name and its first IPv4 address, or a Windows Sockets error.
struct VysledekPrekladu {
    QString jmeno;
    QString adresa;
    int chyba = 0;
};
// Resolves a host name and answers later on the event loop; never once `kontext` is gone.
using Prekladac = std::function<void(const QString& jmeno, QObject* kontext, std::function<void(const VysledekPrekladu&)> hotovo)>;
Prekladac prekladacSystemu();

// The numbers SendData, GetData and PeekData carry as their memory image.
template <class T>
concept CisloSocketu = std::is_arithmetic_v<T> || std::is_same_v<T, Currency>;

class clsSocket : public QObject {
    Q_OBJECT
public:
    enum : int {
        sckClosed = 0,
        sckListening = 2,
        sckResolvingHost = 4,
        sckHostResolved = 5,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,
        sckError = 9,
    };
    enum : int { sckTCPProtocol = 0, sckUDPProtocol = 1 };

    explicit clsSocket(Prekladac prekladac = prekladacSystemu(), QObject* rodic = nullptr);
    ~clsSocket() override;

    // TCP: queues the bytes behind any still unsent; throws SocketError 40006 without a socket,
    // 10057 before it is connected. UDP: one datagram to RemoteHostIP:RemotePort (resolving
    // RemoteHost first when there is no address yet). An empty text sends nothing.
    void SendData(const QByteArray& data);
    // Numbers travel as their little-endian memory image: Integer 2 bytes, Long and Single 4,
    // Double (and a Date's day count) 8, Currency 8 (ten-thousandths), Boolean 2 (True is -1).
    template <class T>
        requires std::is_arithmetic_v<T>
    void SendData(T cislo) {
        SendData(obraz(cislo));
    }
    void SendData(Currency c) { SendData(c.raw()); }
    // The first `delka` bytes, or the whole buffer for 0 or more than it holds. GetData takes
    // them out of the buffer, PeekData leaves them.
    QByteArray PeekData(qsizetype delka = 0) const;
    // A number from the front of the buffer, exactly its size taken (GetData) or left (PeekData);
    // nothing while fewer bytes are waiting.
    template <class T>
        requires CisloSocketu<T>
    std::optional<T> PeekData() const {
        if (m_prijato.size() < velikost<T>()) return std::nullopt;
        return zObrazu<T>(m_prijato);
    }
    // Listens for connections (backlog 5), bound first when not yet; state 2, or 9 and SocketError.
    void Listen();
    QByteArray GetData(qsizetype delka = 0);
    template <class T>
        requires CisloSocketu<T>
    std::optional<T> GetData() {
        const std::optional<T> cislo = PeekData<T>();
        if (cislo) m_prijato.remove(0, velikost<T>());
        return cislo;
    }
    // Starts connecting: a dotted address at once (state 6), a name after its resolution (4, 5, 6).
    // Throws SocketError: 10049 without a host or with a port outside 1..65535, 10056 while a
    // connection exists.
    void Connect(const QString& host = {}, int port = -1);
    // Connected: stops sending (state 8) and waits for the peer's close. Otherwise: closes now.
    void CloseSocket();
    // Binds the local end: `adresa` (dotted, or LocalIP; any when empty) and `port` (or LocalPort).
    // Throws SocketError.
    void Bind(int port = 0, const QString& adresa = {});
    // Adopts a connection that a listening socket reported with OnConnectionRequest: state 7.
    void Accept(qintptr handle);

    int State() const { return m_stav; }
    // -1 while there is no socket.
    qintptr SocketHandle() const;
    int RemotePort() const { return m_remotePort; }
    void setRemotePort(int port) { m_remotePort = port; }
    QString RemoteHostIP() const { return m_remoteHostIP; }
    // As set, or the resolver's name for it once resolved.
    QString RemoteHost() const { return m_remoteHost; }
    // A dotted address also becomes RemoteHostIP; a name waits for its resolution. For UDP the
    // broadcast permission follows whether the address ends in ".255". Throws SocketError.
    void setRemoteHost(const QString& host);
    int Protocol() const { return m_protokol; }
    // Has an effect only while there is no socket.
    void setProtocol(int protokol);
    int LocalPort() const { return m_localPort; }
    // Taken by the next Bind or Listen.
    void setLocalPort(int port) { m_localPort = port; }
    // The local end's dotted address: as bound, or as the connection or Accept found it.
    QString LocalIP() const { return m_localIP; }
    // After a connect the name of LocalIP (LocalIP itself when it has none); after Accept LocalIP.
    QString LocalHostName() const;
    // Bytes received and not yet taken.
    qint64 BytesReceived() const { return m_prijato.size(); }
    // The object's socket, made now when it has none; -1 when it cannot be made.
    qintptr vbSocket();
    bool Bound() const { return m_vazan; }

signals:
    void OnClose();
    void OnConnect();
    // A connection came to the listening socket; Accept on another object takes it over. One
    // that no object accepts is closed.
    void OnConnectionRequest(qintptr handle);
    void OnDataArrival(qint64 celkem);
    void OnError(int cislo, const QString& popis);
    void OnSendComplete();
    void OnSendProgress(qint64 odeslano, qint64 zbyva);

private:
    // Boolean is a 16-bit -1 or 0; every other number its own size.
    template <class T>
    static constexpr qsizetype velikost() {
        return std::is_same_v<T, bool> ? 2 : std::is_same_v<T, Currency> ? 8 : static_cast<qsizetype>(sizeof(T));
    }
    template <class T>
    static QByteArray obraz(T cislo) {
        if constexpr (std::is_same_v<T, bool>) {
            return obraz<qint16>(cislo ? -1 : 0);
        } else {
            QByteArray b(sizeof(T), Qt::Uninitialized);
            qToLittleEndian(cislo, b.data());
            return b;
        }
    }
    template <class T>
    static T zObrazu(const QByteArray& b) {
        if constexpr (std::is_same_v<T, bool>) {
            return zObrazu<qint16>(b) != 0;
        } else if constexpr (std::is_same_v<T, Currency>) {
            return Currency::fromRaw(zObrazu<qint64>(b));
        } else {
            return qFromLittleEndian<T>(b.constData());
        }
    }

    bool EnsureSocket();
    void propoj();
    void pripojK(const QString& adresa);
    void poPrekladu(const VysledekPrekladu& v);
    void odesliDatagram();
    void prijmi();
    void poZavreni();
    void poChybe(int cislo);
    void znicSocket();
    void nastavVysilani();
    void hlidejReset();

    Prekladac m_prekladac;
    QAbstractSocket* m_qt = nullptr;
    QTcpServer* m_server = nullptr;
    int m_protokol = sckTCPProtocol;
    int m_stav = sckClosed;
    QString m_remoteHost;
    QString m_remoteHostIP;
    int m_remotePort = 0;
    int m_localPort = 0;
    QString m_localIP;
    // A connection's local name is looked up when first read, so that no connection waits for it.
    mutable QString m_localHostName;
    mutable bool m_dohledatJmeno = false;
    QByteArray m_prijato;
    QByteArray m_datagram;  // waiting for the resolution of RemoteHost
    bool m_cekaDokonceni = false;
    bool m_vazan = false;
    bool m_vysilani = false;
    int m_chybaSpojeni = 0;  // the reset that ended the connection, noticed before Qt reads it
};
