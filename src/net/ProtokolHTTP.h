#pragma once
// The bytes the HTTP client sends (requests, form-data uploads, the SOCKS5 handshake) and the
// clean-up of what it receives, apart from any socket so that they can be checked byte by byte.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace http {

inline const QString kCestaObjednavek = QStringLiteral("/software/eobj/objednat.php");
inline const QString kCestaNabidek = QStringLiteral("/software/eobj/nabidky.php");

// The connection mode of the settings ("0" none, "1" direct, "2" HTTP proxy, "3" SOCKS5):
// digits with blanks around; anything else, the empty text included, is 0.
int rezimPripojeni(const QString& text);
// A port of the settings: digits with blanks around, 1 to 65535; 0 for anything else.
int cisloPortu(const QString& text);

// "host" or "host:port"; port 80 when none is given, 0 when it is not a port.
struct Cil {
    QString host;
    int port = 0;
};
Cil rozdelHostitele(const QString& text);

// An address without "http://" and "https://": the host up to the first "/", the path from it
// ("/" when there is none).
struct Adresa {
    QString host;
    QString cesta;
};
Adresa rozdelAdresu(const QString& url);

// The lines each connection mode adds to a request header; Basic authorisation in mode 2 only.
QByteArray radkyRezimu(int rezim, bool autorizace, const QString& user, const QString& heslo);

// The digits after the dashes of a form-data boundary: three draws of `rnd` (0 <= x < 1)
// times 10000, each to the nearest whole number.
QString konecHranice(const std::function<double()>& rnd);

QByteArray hlavickaTestu(const QString& server, const QByteArray& radkyRezimu);
QByteArray hlavickaStazeni(const Adresa& adresa, const QByteArray& radkyRezimu);

// A file uploaded as the form field "soubor": `data` is Base64 text, sent as it is.
struct Nahrani {
    QString cesta;     // kCestaObjednavek or kCestaNabidek
    QString soubor;    // file name in the form
    QString cookie;    // the Cookie line's value; none when empty
    QString data;
};
struct Pozadavek {
    QByteArray hlavicka;
    QByteArray telo;
};
Pozadavek pozadavekNahrani(const QString& server, const Nahrani& n, const QString& konecHranice,
                           const QByteArray& radkyRezimu);

// The body of a reply as the callers read it: headers dropped, blank lines removed, blanks
// trimmed, "<br>" as CR LF and every "<...>" removed. Empty when no blank line ends the headers.
QString ZpracujOdpoved(const QByteArray& odpoved);
// The raw body after the first blank line, or nothing without one.
std::optional<QByteArray> teloOdpovedi(const QByteArray& odpoved);
// Whether the connection's end left a whole reply: the headers ended by a blank line and, when
// they give a Content-Length, at least that much body.
bool odpovedUplna(const QByteArray& odpoved);
// An HTTP proxy's own refusal of the request: its status code and reason ("407 Proxy
// Authentication Required"), for a 407 or a 401 (the manufacturer's server asks no login), or
// for any error status when the proxy then broke the connection (`preruseno`), as it does when it
// will not read the rest of a request.
std::optional<QString> odmitnutiProxy(const QByteArray& odpoved, bool preruseno);
// "<br>" to CR LF, then each first "<...>" removed wherever it occurs, until none is left.
QString odstranZnacky(QString text);

namespace socks5 {
// Offers only "no authentication".
QByteArray pozdrav();
// CONNECT by domain name; nothing for a name longer than its length byte allows.
std::optional<QByteArray> pozadavekConnect(const QString& host, int port);
// The answer to the greeting or to CONNECT once two bytes have come: accepted, or the reason.
std::optional<bool> metodaPrijata(const QByteArray& prijato);
std::optional<QString> vysledekConnect(const QByteArray& prijato);
inline const QString kOK = QStringLiteral("OK");
inline const QString kMetodaOdmitnuta = QStringLiteral("SOCKS5 server nepovoluje metodu typu: 'bez přihlášení'");
}  // namespace socks5

}  // namespace http
