#pragma once
// The programs the network tests and benchmarks talk to, each started on a free port of
// 127.0.0.1 and stopped when its object goes, or when the process that started it ends, however
// it ends: the stand-in manufacturer's server, tinyproxy (HTTP proxy with Basic authorisation)
// and microsocks (SOCKS5).
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

class Peer {
public:
    ~Peer();
    quint16 port() const { return m_port; }
    // Why it does not run; empty when it does.
    const QString& chyba() const { return m_chyba; }

    // `volby`: further options of the stand-in (--prikaz, --odpoved, --zpozdeni ...).
    static std::unique_ptr<Peer> zastupnyServer(const QString& slozka, const QString& porucha = {},
                                                const QStringList& volby = {});
    // The stand-in in `slozka`, and the data folder `data` set to reach it directly; the error
    // says also when the settings could not be written.
    static std::unique_ptr<Peer> zastupnyServerPrimo(const QString& slozka, const QString& data);
    static std::unique_ptr<Peer> tinyproxy(const QString& slozka, const QString& uzivatel, const QString& heslo);
    static std::unique_ptr<Peer> microsocks(const QStringList& volby = {});

private:
    void spust(const QString& program, const QStringList& argumenty);
    bool prijimaSpojeni();

    QProcess m_proces;
    quint16 m_port = 0;
    QString m_chyba;
};

// A port of 127.0.0.1 that nothing listens on at the moment.
quint16 volnyPort();
