#include "net/ProtokolHTTP.h"

#include "net/VerzeProgramu.h"
#include "net/clsBase64.h"
#include "platform/Cp1250.h"
#include "platform/Numbers.h"

namespace http {
namespace {

const QByteArray kCRLF = "\r\n";
const QByteArray kPrazdnyRadek = "\r\n\r\n";

// Digits with blanks around, or nothing.
std::optional<qint64> cislice(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9) return std::nullopt;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    return t.toLongLong();
}

QByteArray radek(const QString& text) { return cp1250::encode(text) + kCRLF; }

QByteArray agent() { return radek(QStringLiteral("User-Agent: Sorvenika ") + kVerzeProgramu); }

}  // namespace

int rezimPripojeni(const QString& text) { return static_cast<int>(cislice(text).value_or(0)); }

int cisloPortu(const QString& text) {
    const qint64 port = cislice(text).value_or(0);
    return port >= 1 && port <= 65535 ? static_cast<int>(port) : 0;
}

Cil rozdelHostitele(const QString& text) {
    const qsizetype dvojtecka = text.indexOf(QLatin1Char(':'));
    if (dvojtecka < 0) return {text, 80};
    return {text.left(dvojtecka), cisloPortu(text.mid(dvojtecka + 1))};
}

Adresa rozdelAdresu(const QString& url) {
    QString t = url;
    t.remove(QStringLiteral("http://")).remove(QStringLiteral("https://"));
    const qsizetype lomitko = t.indexOf(QLatin1Char('/'));
    if (lomitko < 0) return {t, QStringLiteral("/")};
    return {t.left(lomitko), t.mid(lomitko)};
}

QByteArray radkyRezimu(int rezim, bool autorizace, const QString& user, const QString& heslo) {
    if (rezim != 2) return "Connection: close" + kCRLF;
    QByteArray r = "Proxy-Connection: close" + kCRLF;
    if (autorizace) r += "Proxy-Authorization: Basic " + clsBase64::Encode(cp1250::encode(user + QLatin1Char(':') + heslo)) + kCRLF;
    return r;
}

QString konecHranice(const std::function<double()>& rnd) {
    QString t;
    for (int i = 0; i < 3; ++i) t += QString::number(CInt(rnd() * 10000));
    return t;
}

QByteArray hlavickaTestu(const QString& server, const QByteArray& radkyRezimu) {
    return radek(QStringLiteral("GET http://") + server + kCestaObjednavek + QStringLiteral("?cmd=test HTTP/1.0")) +
           "Accept-Language: cs" + kCRLF + agent() + radek(QStringLiteral("Host: ") + server) + radkyRezimu +
           "Pragma: no-cache" + kCRLF + kCRLF;
}

QByteArray hlavickaStazeni(const Adresa& adresa, const QByteArray& radkyRezimu) {
    return radek(QStringLiteral("GET http://") + adresa.host + adresa.cesta + QStringLiteral(" HTTP/1.0")) +
           "Accept-Language: cs" + kCRLF + radkyRezimu + "Pragma: no-cache" + kCRLF + kCRLF;
}

Pozadavek pozadavekNahrani(const QString& server, const Nahrani& n, const QString& konecHranice,
                           const QByteArray& radkyRezimu) {
    const QString hranice = QString(27, QLatin1Char('-')) + konecHranice;
    const QString soubor = QLatin1Char('"') + n.soubor + QLatin1Char('"');
    Pozadavek p;
    p.telo = radek(QStringLiteral("--") + hranice) +
             radek(QStringLiteral("Content-Disposition: form-data; name=\"soubor\"; filename=") + soubor) +
             radek(QStringLiteral("Content-Type: application/octet-stream; name=") + soubor) +
             "Content-Transfer-Encoding: base64" + kCRLF + kCRLF + radek(n.data) +
             radek(QStringLiteral("--") + hranice + QStringLiteral("--")) + kCRLF;
    const QString url = QStringLiteral("http://") + server + n.cesta;
    p.hlavicka = radek(QStringLiteral("POST ") + url + QStringLiteral(" HTTP/1.0")) +
                 radek(QStringLiteral("Referer: ") + url) + "Accept-Language: cs" + kCRLF +
                 radek(QStringLiteral("Content-Type: multipart/form-data; boundary=") + hranice) + agent() +
                 radek(QStringLiteral("Host: ") + server) + "Content-Length: " + QByteArray::number(p.telo.size()) + kCRLF +
                 radkyRezimu + "Cache-Control: no-cache" + kCRLF;
    if (!n.cookie.isEmpty()) p.hlavicka += radek(QStringLiteral("Cookie: ") + n.cookie);
    p.hlavicka += kCRLF;
    return p;
}

std::optional<QByteArray> teloOdpovedi(const QByteArray& odpoved) {
    const qsizetype konec = odpoved.indexOf(kPrazdnyRadek);
    if (konec < 0) return std::nullopt;
    return odpoved.mid(konec + kPrazdnyRadek.size());
}

QString ZpracujOdpoved(const QByteArray& odpoved) {
    const std::optional<QByteArray> telo = teloOdpovedi(odpoved);
    if (!telo) return {};
    // Split at the blank lines and joined again with single line breaks, the headers replaced by
    // one more; then every pair of line breaks goes, so lines around two blank lines are glued.
    QByteArray t = *telo;
    t.replace(kPrazdnyRadek, kCRLF);
    t = kCRLF + kCRLF + t;
    t.replace(kPrazdnyRadek, QByteArray());
    qsizetype a = 0, b = t.size();
    while (a < b && t[a] == ' ') ++a;
    while (b > a && t[b - 1] == ' ') --b;
    return odstranZnacky(cp1250::decode(t.sliced(a, b - a)));
}

QString odstranZnacky(QString text) {
    text.replace(QStringLiteral("<br>"), QStringLiteral("\r\n"));
    for (;;) {
        const qsizetype zacatek = text.indexOf(QLatin1Char('<'));
        if (zacatek < 0) break;
        const qsizetype konec = text.indexOf(QLatin1Char('>'), zacatek);
        if (konec < 0) break;
        text.remove(text.mid(zacatek, konec - zacatek + 1));
    }
    return text;
}

namespace socks5 {

QByteArray pozdrav() { return QByteArray("\x05\x01\x00", 3); }

std::optional<QByteArray> pozadavekConnect(const QString& host, int port) {
    const QByteArray jmeno = cp1250::encode(host);
    if (jmeno.size() > 255) return std::nullopt;
    return QByteArray("\x05\x01\x00\x03", 4) + char(jmeno.size()) + jmeno + char(port / 256) + char(port % 256);
}

std::optional<bool> metodaPrijata(const QByteArray& prijato) {
    if (prijato.size() < 2) return std::nullopt;
    return prijato[1] == 0;
}

std::optional<QString> vysledekConnect(const QByteArray& prijato) {
    if (prijato.size() < 2) return std::nullopt;
    static const char* const texty[] = {"OK", "General failure", "Connection not allowed by ruleset",
                                        "Network unreachable", "Host unreachable",
                                        "Connection refused by destination host", "TTL expired",
                                        "Command not supported / protocol error", "Address type not supported"};
    const int rep = static_cast<unsigned char>(prijato[1]);
    if (rep < 9) return QString::fromLatin1(texty[rep]);
    // Said in words rather than in an empty message.
    return QStringLiteral("SOCKS5 server odmítl spojení neznámým kódem %1.").arg(rep);
}

}  // namespace socks5
}  // namespace http
