#include "net/DetekceSite.h"

#include "net/ProtokolHTTP.h"

#include <QFile>
#include <QNetworkInformation>
#include <QNetworkProxyFactory>
#include <QUrl>

bool DetekceSiteQt::pripojeno() {
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        switch (QNetworkInformation::instance()->reachability()) {
            case QNetworkInformation::Reachability::Disconnected: return false;
            case QNetworkInformation::Reachability::Unknown: break;
            default: return true;
        }
    }
    QFile f(QStringLiteral("/proc/net/route"));
    return f.open(QIODevice::ReadOnly) && vychoziTrasa(f.readAll());
}

bool vychoziTrasa(const QByteArray& tabulkaTras) {
    for (const QByteArray& radek : tabulkaTras.split('\n').mid(1)) {
        const QList<QByteArray> pole = radek.simplified().split(' ');
        if (pole.size() > 3 && pole[1] == "00000000" && (pole[3].toUInt(nullptr, 16) & 1)) return true;
    }
    return false;
}

QString DetekceSiteQt::proxyServer(const QString& server) {
    const QNetworkProxyQuery dotaz(QUrl(QStringLiteral("http://") + server + QLatin1Char('/')));
    for (const QNetworkProxy& p : QNetworkProxyFactory::systemProxyForQuery(dotaz))
        if (p.type() == QNetworkProxy::HttpProxy) return p.hostName() + QLatin1Char(':') + QString::number(p.port());
    // What Qt does not read itself.
    const QString host = http::rozdelHostitele(server).host;
    for (const char* jmeno : {"no_proxy", "NO_PROXY"})
        if (bezProxy(qEnvironmentVariable(jmeno), host)) return {};
    for (const char* jmeno : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) {
        const QString proxy = proxyZPromenne(qEnvironmentVariable(jmeno));
        if (!proxy.isEmpty()) return proxy;
    }
    return {};
}

QString proxyZPromenne(const QString& hodnota) {
    if (hodnota.trimmed().isEmpty()) return {};
    const QString text = hodnota.contains(QStringLiteral("://")) ? hodnota.trimmed() : QStringLiteral("http://") + hodnota.trimmed();
    const QUrl url(text);
    if (!url.isValid() || url.scheme().compare(QStringLiteral("http"), Qt::CaseInsensitive) != 0 || url.host().isEmpty())
        return {};
    return url.port() < 0 ? url.host() : url.host() + QLatin1Char(':') + QString::number(url.port());
}

bool bezProxy(const QString& seznam, const QString& host) {
    for (QString polozka : seznam.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        polozka = polozka.trimmed();
        if (polozka == QLatin1String("*")) return true;
        if (polozka.startsWith(QLatin1Char('.'))) polozka.remove(0, 1);
        if (host.compare(polozka, Qt::CaseInsensitive) == 0 || host.endsWith(QLatin1Char('.') + polozka, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
