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
    // tinyproxy refuses missing credentials with 407 and wrong ones with 401.
    if (kod != 407 && kod != 401 && !(preruseno && kod >= 400)) return std::nullopt;
    return cp1250::decode(stav);
}

namespace {

// A tag as a hash key, with a hash cheaper than the general one: tags are short and many.
struct Znacka {
    QStringView text;
    bool operator==(const Znacka& o) const { return text == o.text; }
};
size_t qHash(const Znacka& z, size_t seme = 0) {
    size_t h = 1469598103934665603ull ^ seme;
    for (QChar c : z.text) h = (h ^ c.unicode()) * 1099511628211ull;
    return h;
}

}  // namespace

// Each round takes the first "<...>" and removes every occurrence of exactly that text, then
// starts again from the beginning. The text before the first "<" never changes again, and an
// occurrence always ends at a ">" with no other ">" in it, so occurrences never overlap. Kept as
// a linked list of characters with the ">" indexed by the tag that ends there (from the last "<"
// before it), each round touches only the tag's own occurrences: linear in practice where a
// plain rescan for every tag took quadratic time.
QString odstranZnacky(QString text) {
    text.replace(QStringLiteral("<br>"), QStringLiteral("\r\n"));
    if (text.indexOf(QLatin1Char('<')) < 0) return text;
    const qsizetype n = text.size();
    const QChar* z = text.constData();
    const auto je = [z](qsizetype i, char c) { return z[i] == QLatin1Char(c); };
    // Nodes 0..n-1 are the characters, n the head and the end.
    const qsizetype hlava = n;
    std::vector<qsizetype> dalsi(n + 1), predchozi(n + 1);
    for (qsizetype i = 0; i <= n; ++i) {
        dalsi[i] = i + 1;
        predchozi[i] = i - 1;
    }
    dalsi[n - 1] = hlava;
    dalsi[hlava] = 0;
    predchozi[0] = hlava;
    predchozi[hlava] = n - 1;
    std::vector<char> zije(n, 1);
    // Shortest tag -> 1 + the first entry of a chain of the ">" it ends at (entries: the ">",
    // the next entry).
    QHash<Znacka, qsizetype> konce;
    konce.reserve(n / 8);
    std::vector<std::pair<qsizetype, qsizetype>> retez;
    std::deque<QString> texty;  // tags no longer in one piece of the text
    // The text from node `od` to node `po`, viewed in place when it is still in one piece.
    const auto usek = [&](qsizetype od, qsizetype po) {
        qsizetype i = od;
        while (i != po && dalsi[i] == i + 1) ++i;
        if (i == po) return QStringView(z + od, po - od + 1);
        QString& t = texty.emplace_back();
        for (i = od; i != po; i = dalsi[i]) t += z[i];
        t += z[po];
        return QStringView(t);
    };
    const auto zaznamenej = [&](QStringView klic, qsizetype gt) {
        qsizetype& prvni = konce[{klic}];
        retez.emplace_back(gt, prvni - 1);
        prvni = static_cast<qsizetype>(retez.size());
    };
    for (qsizetype i = 0, lt = -1; i < n; ++i) {
        if (je(i, '<')) lt = i;
        if (je(i, '>')) {
            if (lt >= 0) zaznamenej(QStringView(z + lt, i - lt + 1), i);
            lt = -1;
        }
    }
    // Where an occurrence of `tag` ending at the ">" `gt` begins; -1 when none ends there.
    const auto zacatek = [&](qsizetype gt, QStringView tag) {
        qsizetype i = gt;
        for (qsizetype k = tag.size() - 1; k >= 0; --k, i = predchozi[i])
            if (i == hlava || z[i] != tag[k]) return qsizetype(-1);
        return dalsi[i];
    };
    std::vector<std::pair<qsizetype, qsizetype>> vyskyty;
    std::vector<qsizetype> spoje;
    qsizetype kurzor = dalsi[hlava];
    for (;;) {
        while (kurzor != hlava && !je(kurzor, '<')) kurzor = dalsi[kurzor];
        if (kurzor == hlava) break;
        qsizetype gt = kurzor;
        while (gt != hlava && !je(gt, '>')) gt = dalsi[gt];
        if (gt == hlava) break;
        const QStringView tag = usek(kurzor, gt);
        const qsizetype pred = predchozi[kurzor];
        // The occurrences as the text stands now, then removed together.
        vyskyty.assign(1, {kurzor, gt});
        const auto kandidati = konce.find({tag.mid(tag.lastIndexOf(QLatin1Char('<')))});
        if (kandidati != konce.end()) {
            // Entries of removed or matched ">" leave the chain; a ">" that only shares the
            // shortest tag stays.
            qsizetype* odkaz = &*kandidati;
            for (qsizetype e = *odkaz - 1; e >= 0; e = retez[e].second) {
                const qsizetype k = retez[e].first;
                if (!zije[k] || k == gt) continue;
                const qsizetype od = zacatek(k, tag);
                if (od >= 0) {
                    vyskyty.emplace_back(od, k);
                } else {
                    *odkaz = e + (odkaz == &*kandidati);
                    odkaz = &retez[e].second;
                }
            }
            *odkaz = odkaz == &*kandidati ? 0 : -1;
        }
        spoje.clear();
        for (const auto& [od, po] : vyskyty) {
            for (qsizetype i = od;; i = dalsi[i]) {
                zije[i] = 0;
                if (i == po) break;
            }
            const qsizetype a = predchozi[od], b = dalsi[po];
            dalsi[a] = b;
            predchozi[b] = a;
            spoje.push_back(b);
        }
        // A ">" with no "<" since the removed text may now end a tag that began before it.
        for (qsizetype b : spoje) {
            if (b != hlava && !zije[b]) continue;
            qsizetype gt2 = b;
            while (gt2 != hlava && !je(gt2, '<') && !je(gt2, '>')) gt2 = dalsi[gt2];
            if (gt2 == hlava || je(gt2, '<')) continue;
            qsizetype lt = predchozi[gt2];
            while (lt != hlava && !je(lt, '<') && !je(lt, '>')) lt = predchozi[lt];
            if (lt != hlava && je(lt, '<')) zaznamenej(usek(lt, gt2), gt2);
        }
        kurzor = dalsi[pred];
    }
    QString vysledek(n, Qt::Uninitialized);
    QChar* v = vysledek.data();
    for (qsizetype i = dalsi[hlava]; i != hlava; i = dalsi[i]) *v++ = z[i];
    vysledek.truncate(v - vysledek.constData());
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
