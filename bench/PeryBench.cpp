#include "PeryBench.h"

#include "platform/Cp1250.h"

#include <QDir>
#include <QFile>

PeryBench::PeryBench()
    : server(Peer::zastupnyServer(dir.filePath(QStringLiteral("server")))),
      proxy(Peer::tinyproxy(dir.path(), QStringLiteral("tester"), QStringLiteral("heslo"))),
      socks(Peer::microsocks()) {}

QString PeryBench::chyba() const {
    for (const Peer* p : {server.get(), proxy.get(), socks.get()})
        if (!p->chyba().isEmpty()) return p->chyba();
    return {};
}

QString PeryBench::adresaServeru() const { return QStringLiteral("127.0.0.1:%1").arg(server->port()); }

void PeryBench::nastav(const QString& data, int rezim, const QString& dalsi) const {
    const QDir d(data);
    d.mkpath(QStringLiteral("."));
    QFile o(d.filePath(QStringLiteral("Objednavky.ini")));
    o.open(QIODevice::WriteOnly);
    o.write(cp1250::encode(QStringLiteral("[NASTAVENI]\r\npripojeni=%1\r\nproxy=127.0.0.1\r\nport=%2\r\n"
                                          "SOCKS5server=127.0.0.1\r\nSOCKS5port=%3\r\nserver=%4\r\n")
                               .arg(rezim)
                               .arg(proxy->port())
                               .arg(socks->port())
                               .arg(adresaServeru()) +
                           dalsi));
    QFile u(d.filePath(QStringLiteral("Sorvenika.ini")));
    u.open(QIODevice::WriteOnly);
    u.write("[UZIVATEL]\r\nProxyAuthorization=-1\r\nProxyUser=tester\r\nProxyPwd=aGVzbG8=\r\n");
}
