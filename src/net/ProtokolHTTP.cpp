#include "net/ProtokolHTTP.h"

#include "net/VerzeProgramu.h"
#include "net/clsBase64.h"
#include "platform/Cp1250.h"
#include "platform/Numbers.h"

#include <QHash>
#include <deque>
#include <vector>

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

bool odpovedUplna(const QByteArray& odpoved) {
    const std::optional<QByteArray> telo = teloOdpovedi(odpoved);
    if (!telo) return false;
    const QByteArray hlavicky = odpoved.first(odpoved.size() - telo->size()).toLower();
    const qsizetype delka = hlavicky.indexOf("\r\ncontent-length:");
    if (delka < 0) return true;
    const qsizetype od = delka + 17;
    bool cislo = false;
    const qint64 ocekavano = hlavicky.mid(od, hlavicky.indexOf('\r', od) - od).trimmed().toLongLong(&cislo);
    return !cislo || telo->size() >= ocekavano;
}

std::optional<QString> odmitnutiProxy(const QByteArray& odpoved, bool preruseno) {
    if (!odpoved.startsWith("HTTP/")) return std::nullopt;
    const qsizetype konecRadku = odpoved.indexOf("\r\n");
    const QByteArray radek = konecRadku < 0 ? odpoved : odpoved.first(konecRadku);
    const qsizetype mezera = radek.indexOf(' ');
    if (mezera < 0) return std::nullopt;
    const QByteArray stav = radek.mid(mezera + 1).trimmed();
    const int kod = stav.left(3).toInt();
    if (kod != 407 && !(preruseno && kod >= 400)) return std::nullopt;
    return cp1250::decode(stav);
}

// Each round takes the first "<...>" and removes every occurrence of exactly that text, then
// starts again from the beginning. The text before the first "<" never changes again, and an
// occurrence always ends at a ">" with no other ">" in it, so occurrences never overlap. Kept as
// a linked list of characters with the ">" indexed by the tag that ends there (from the last "<"
// before it), each round touches only the tag's own occurrences: linear in practice where a
// plain rescan for every tag took quadratic time.
QString odstranZnacky(QString text) {
    text.replace(QStringLiteral("<br>"), QStringLiteral("\r\n"));
    const qsizetype n = text.size();
    if (text.indexOf(QLatin1Char('<')) < 0) return text;
    const QChar* z = text.constData();
    // Nodes 0..n-1 are the characters, n the head and the end.
    const qsizetype hlava = n;
    std::vector<qsizetype> dalsi(n + 1), predchozi(n + 1);
    for (qsizetype i = 0; i <= n; ++i) {
        dalsi[i] = i == n ? 0 : i + 1;
        predchozi[i] = i == 0 ? hlava : i - 1;
    }
    if (n > 0) dalsi[n - 1] = hlava;
    predchozi[hlava] = n - 1;
    std::vector<bool> zije(n, true);
    QHash<QStringView, std::vector<qsizetype>> konce;  // shortest tag -> the ">" it ends at
    std::deque<QString> klice;                         // keys made after a removal, kept alive
    const auto zaznamenej = [&](qsizetype gt) {
        // From the last "<" before this ">", not past another ">".
        qsizetype lt = predchozi[gt];
        while (lt != hlava && z[lt] != QLatin1Char('<') && z[lt] != QLatin1Char('>')) lt = predchozi[lt];
        if (lt == hlava || z[lt] == QLatin1Char('>')) return;
        QString& tag = klice.emplace_back();
        for (qsizetype i = lt; i != gt; i = dalsi[i]) tag += z[i];
        tag += QLatin1Char('>');
        konce[QStringView(tag)].push_back(gt);
    };
    {
        qsizetype lt = -1;
        for (qsizetype i = 0; i < n; ++i) {
            if (z[i] == QLatin1Char('<')) lt = i;
            if (z[i] == QLatin1Char('>')) {
                if (lt >= 0) konce[QStringView(text).mid(lt, i - lt + 1)].push_back(i);
                lt = -1;
            }
        }
    }
    const auto konciTagem = [&](qsizetype gt, const QString& tag) {
        qsizetype i = gt;
        for (qsizetype k = tag.size() - 1; k >= 0; --k, i = predchozi[i])
            if (i == hlava || z[i] != tag[k]) return qsizetype(-1);
        return dalsi[i];  // where the occurrence begins
    };
    qsizetype kurzor = dalsi[hlava];
    for (;;) {
        while (kurzor != hlava && z[kurzor] != QLatin1Char('<')) kurzor = dalsi[kurzor];
        if (kurzor == hlava) break;
        QString tag;
        qsizetype gt = kurzor;
        for (; gt != hlava && z[gt] != QLatin1Char('>'); gt = dalsi[gt]) tag += z[gt];
        if (gt == hlava) break;
        tag += QLatin1Char('>');
        const qsizetype pred = predchozi[kurzor];
        // The occurrences as the text stands now, then removed together.
        std::vector<std::pair<qsizetype, qsizetype>> vyskyty{{kurzor, gt}};
        const auto kandidati = konce.find(QStringView(tag).mid(tag.lastIndexOf(QLatin1Char('<'))));
        if (kandidati != konce.end()) {
            std::vector<qsizetype> zbyvaji;
            for (qsizetype k : *kandidati) {
                if (!zije[k] || k == gt) continue;
                const qsizetype zacatek = konciTagem(k, tag);
                if (zacatek >= 0) {
                    vyskyty.emplace_back(zacatek, k);
                } else {
                    zbyvaji.push_back(k);
                }
            }
            *kandidati = std::move(zbyvaji);
        }
        std::vector<qsizetype> spoje;
        for (const auto& [zacatek, konec] : vyskyty) {
            for (qsizetype i = zacatek;; i = dalsi[i]) {
                zije[i] = false;
                if (i == konec) break;
            }
            const qsizetype a = predchozi[zacatek], b = dalsi[konec];
            dalsi[a] = b;
            predchozi[b] = a;
            spoje.push_back(b);
        }
        // A ">" with no "<" since the removed text now ends a tag that began before it.
        for (qsizetype b : spoje) {
            if (b != hlava && !zije[b]) continue;
            qsizetype i = b;
            while (i != hlava && z[i] != QLatin1Char('<') && z[i] != QLatin1Char('>')) i = dalsi[i];
            if (i != hlava && z[i] == QLatin1Char('>')) zaznamenej(i);
        }
        kurzor = dalsi[pred];
    }
    QString vysledek;
    vysledek.reserve(n);
    for (qsizetype i = dalsi[hlava]; i != hlava; i = dalsi[i]) vysledek += z[i];
    return vysledek;
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
