#pragma once
// One TCP client connection driven by events, over Qt's socket: the state numbers and events the
// HTTP client knows, delivered while the caller's wait keeps the event loop running.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QTcpSocket;

// A name resolution's answer: the name and its first IPv4 address, or a Windows Sockets error.
struct VysledekPrekladu {
    QString jmeno;
    QString adresa;
    int chyba = 0;
};
// Resolves a host name and answers later on the event loop; never once `kontext` is gone.
using Prekladac = std::function<void(const QString& jmeno, QObject* kontext, std::function<void(const VysledekPrekladu&)> hotovo)>;
Prekladac prekladacSystemu();

class clsSocket : public QObject {
    Q_OBJECT
public:
    enum : int {
        sckClosed = 0,
        sckResolvingHost = 4,
        sckHostResolved = 5,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,
        sckError = 9,
    };

    explicit clsSocket(Prekladac prekladac = prekladacSystemu(), QObject* rodic = nullptr);
    ~clsSocket() override;

    int State() const { return m_stav; }
    QString RemoteHost() const { return m_remoteHost; }
    // A dotted address also becomes RemoteHostIP; a name waits for its resolution.
    void setRemoteHost(const QString& host);
    int RemotePort() const { return m_remotePort; }
    void setRemotePort(int port) { m_remotePort = port; }
    QString RemoteHostIP() const { return m_remoteHostIP; }
    int LocalPort() const { return m_localPort; }
    QString LocalIP() const { return m_localIP; }
    qint64 BytesReceived() const { return m_bytesReceived; }

    // Starts connecting: a dotted address at once (state 6), a name after its resolution (4, 5, 6).
    // Throws SocketError: 10049 without a host or with a port outside 1..65535, 10056 while a
    // connection exists.
    void Connect(const QString& host = {}, int port = -1);
    // Queues the bytes behind any still unsent; an empty text sends nothing. Throws SocketError
    // 40006 without a socket, 10057 before it is connected.
    void SendData(const QByteArray& data);
    // The first `delka` bytes, or the whole buffer for 0 or more than it holds. GetData takes
    // them out of the buffer, PeekData leaves them.
    QByteArray GetData(qsizetype delka = 0);
    QByteArray PeekData(qsizetype delka = 0) const;
    // Connected: stops sending (state 8) and waits for the peer's close. Otherwise: closes now.
    void CloseSocket();

signals:
    void OnClose();
    void OnConnect();
    void OnDataArrival(qint64 celkem);
    void OnError(int cislo, const QString& popis);
    void OnSendComplete();
    void OnSendProgress(qint64 odeslano, qint64 zbyva);

private:
    void pripojK(const QString& adresa);
    void poPrekladu(const VysledekPrekladu& v);
    void prijmi();
    void poZavreni();
    void poChybe(int cislo);
    void znicSocket();

    Prekladac m_prekladac;
    QTcpSocket* m_qt = nullptr;
    int m_stav = sckClosed;
    QString m_remoteHost;
    QString m_remoteHostIP;
    int m_remotePort = 0;
    int m_localPort = 0;
    QString m_localIP;
    qint64 m_bytesReceived = 0;
    QByteArray m_prijato;
    bool m_cekaDokonceni = false;
};
