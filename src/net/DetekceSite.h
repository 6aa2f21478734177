#pragma once
// How this computer reaches the Internet, asked where the connection settings once asked
// Windows: whether a connection is up, and which HTTP proxy the system names.
#include <QString>

class IDetekceSite {
public:
    virtual ~IDetekceSite() = default;
    virtual bool pripojeno() = 0;
    // The system's HTTP proxy for `server` as "host:port" (or "host"), "" when there is none.
    virtual QString proxyServer(const QString& server) = 0;
};

// Qt's network information (or else a default route in the kernel's table), and Qt's system
// proxy for the server (or else http_proxy or all_proxy, unless no_proxy names the server).
class DetekceSiteQt : public IDetekceSite {
public:
    bool pripojeno() override;
    QString proxyServer(const QString& server) override;
};

// Whether the kernel's routing table (/proc/net/route) has a default route that is up.
bool vychoziTrasa(const QByteArray& tabulkaTras);
// An HTTP proxy of a proxy variable ("http://user:pw@proxy:3128/" gives "proxy:3128"); "" for
// another kind of proxy.
QString proxyZPromenne(const QString& hodnota);
// Whether a no_proxy list ("localhost,.example.cz") names the host.
bool bezProxy(const QString& seznam, const QString& host);
