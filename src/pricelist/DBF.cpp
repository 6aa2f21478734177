#include "pricelist/DBF.h"

#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/Cp852.h"
#include "platform/DataPaths.h"
#include "platform/Errors.h"
#include "platform/FileStore.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "platform/Services.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

using dbf::orizni;

constexpr int kHlavicka = 32;
constexpr int kPopis = 32;
constexpr int kMaxDelkaPole = 255;
constexpr unsigned char kKonecPopisu = 0x0D;
constexpr char kKonecSouboru = 0x1A;

RuntimeError poskozeny(const QString& soubor) {
    return RuntimeError(321, QStringLiteral("Soubor ") + soubor + QStringLiteral(" není platná tabulka dBase."));
}

RuntimeError preteceni(const QString& soubor) {
    return RuntimeError(6, QStringLiteral("Přetečení (Overflow): tabulka se do souboru ") + soubor +
                               QStringLiteral(" nevejde."));
}

struct Pole {
    char typ = 'C';
    int delka = 0;
    int desetinna = 0;
};

// (h - 33) / 32 rounded half to even, so a header a few bytes off still gives its fields.
int pocetPoli(int delkaHlavicky) {
    const int x = delkaHlavicky - 33;
    int q = x / 32;
    const int r = x % 32;
    if (r > 16 || (r == 16 && (q & 1))) ++q;
    return q;
}

QString datum(const char* z, const char* k) {
    orizni(z, k);
    if (k - z != 8) return {};
    int c[8];
    for (int i = 0; i < 8; ++i) {
        if (z[i] < '0' || z[i] > '9') return {};
        c[i] = z[i] - '0';
    }
    const QDate d(c[0] * 1000 + c[1] * 100 + c[2] * 10 + c[3], c[4] * 10 + c[5], c[6] * 10 + c[7]);
    // A blank or impossible date is an empty cell, not a failed read: dBase allows blank dates.
    return d.isValid() ? Regional::current().KratkeDatum(d) : QString();
}

// Val of a numeric field. A field as dBase writes it ("  -12.50") is read directly, with the same
// correctly rounded conversion Val uses; anything unusual goes through Val itself.
double cislo(const char* z, const char* k) {
    orizni(z, k);
    bool tecka = false;
    int cislic = 0;
    for (const char* p = z; p < k; ++p) {
        if (*p >= '0' && *p <= '9') {
            ++cislic;
        } else if (*p == '.' && !tecka) {
            tecka = true;
        } else if (!(*p == '-' && p == z)) {
            cislic = 0;
            break;
        }
    }
    if (cislic > 0) {
        double v = 0;
        const auto r = std::from_chars(z, k, v);
        if (r.ec == std::errc() && r.ptr == k) return v;
    }
    return Val(QString::fromLatin1(z, k - z));
}

BunkaDBF bunka(char typ, const char* z, const char* k) {
    switch (typ) {
    case 'C':
    case 'L':
        orizni(z, k);
        return dbftext::decode(z, k - z);
    case 'N':
    case 'F':
        return cislo(z, k);
    case 'D':
        return datum(z, k);
    default:
        // Memo and other types keep their column, empty, so later fields stay under their names.
        return std::monostate{};
    }
}

}  // namespace

QString textBunky(const BunkaDBF& b) {
    if (const auto* s = std::get_if<QString>(&b)) return *s;
    if (const auto* v = std::get_if<double>(&b)) {
        // Whole numbers (flags, counts) print the same without the 15-digit formatting.
        if (std::trunc(*v) == *v && std::fabs(*v) < 1e15) return QString::number(static_cast<qint64>(*v));
        return Regional::current().Str(*v);
    }
    if (const auto* d = std::get_if<QDate>(&b)) return Regional::current().KratkeDatum(*d);
    return {};
}

CtecDBF::CtecDBF(const QByteArray& obsah, const QString& soubor) : m_obsah(obsah), m_soubor(soubor) {
    ctiHlavicku(obsah.constData(), obsah.size());
}

namespace {

// Records are read this many bytes at a time (at least one record).
constexpr qint64 kBlok = 64 * 1024;

// The first n bytes from the reader's position, fewer only at the end of the file.
qint64 precti(filestore::FileReader& f, char* kam, qint64 n) {
    const Vysledek<qint64> r = f.read(kam, n);
    if (!r) throw RuntimeError(75, r.chyba());
    return *r;
}

std::unique_ptr<filestore::FileReader> otevri(const QString& cesta) {
    const QString soubor = resolvePath(cesta + QStringLiteral(".dbf"));
    if (!QFileInfo(soubor).isFile()) throw ChybaSouboru(soubor);
    Vysledek<std::unique_ptr<filestore::FileReader>> f = filestore::openReader(soubor);
    if (!f) throw RuntimeError(75, f.chyba());
    return std::move(*f);
}

}  // namespace

CtecDBF::CtecDBF(const QString& cesta) : CtecDBF(otevri(cesta)) {}

CtecDBF::CtecDBF(std::unique_ptr<filestore::FileReader> zdroj) : m_zdroj(std::move(zdroj)), m_soubor(m_zdroj->name()) {
    qint64 velikost = m_zdroj->size();
    // Only as much of the header as the field descriptors can take; ctiHlavicku checks the rest
    // against the size of the file.
    QByteArray hlavicka(static_cast<qsizetype>(std::min<qint64>(velikost, kHlavicka)), Qt::Uninitialized);
    qint64 precteno = precti(*m_zdroj, hlavicka.data(), hlavicka.size());
    if (precteno == kHlavicka) {
        const auto* u = reinterpret_cast<const unsigned char*>(hlavicka.constData());
        const qint64 popisy = kHlavicka + static_cast<qint64>(kPopis) * std::max(0, pocetPoli(u[8] | (u[9] << 8)));
        hlavicka.resize(static_cast<qsizetype>(std::min(velikost, popisy)));
        precteno += precti(*m_zdroj, hlavicka.data() + kHlavicka, hlavicka.size() - kHlavicka);
    }
    if (precteno < hlavicka.size()) velikost = precteno;  // the file has shrunk since it was opened
    ctiHlavicku(hlavicka.constData(), velikost);
    if (m_zaznamu > 0)
        if (const Vysledek<> v = m_zdroj->seek(m_delkaHlavicky); !v) throw RuntimeError(75, v.chyba());
}

CtecDBF::~CtecDBF() = default;

// `d` holds the file's first bytes, as far as the field descriptors reach.
void CtecDBF::ctiHlavicku(const char* d, qsizetype velikost) {
    const auto* u = reinterpret_cast<const unsigned char*>(d);
    if (velikost < kHlavicka) throw poskozeny(m_soubor);

    // Both lengths are unsigned 16-bit; the record count only tells a file cut short.
    m_zaznamuVHlavicce = u[4] | (u[5] << 8) | (u[6] << 16) | (static_cast<quint32>(u[7]) << 24);
    m_delkaHlavicky = u[8] | (u[9] << 8);
    m_delkaZaznamu = u[10] | (u[11] << 8);
    if (m_delkaHlavicky < 33) throw poskozeny(m_soubor);

    const int ocekavano = pocetPoli(m_delkaHlavicky);
    int p = 1;
    for (int i = 0; i < ocekavano; ++i) {
        const qsizetype o = kHlavicka + static_cast<qsizetype>(kPopis) * i;
        // Headers with a backlink area after the terminator would otherwise grow phantom fields.
        if (o < velikost && u[o] == kKonecPopisu) break;
        if (o + kPopis > velikost) throw poskozeny(m_soubor);
        const char* z = d + o;
        const char* k = static_cast<const char*>(std::memchr(z, 0, 11));
        if (!k) k = z + 11;
        orizni(z, k);
        m_nazvy << dbftext::decode(z, k - z);
        // A field reaching past the record gives what the record holds of it.
        const int delka = u[o + 16];
        m_pole.push_back(Pole{d[o + 11], std::min(p, m_delkaZaznamu), std::min(p + delka, m_delkaZaznamu)});
        p += delka;
    }

    if (m_delkaZaznamu == 0 || m_delkaHlavicky >= velikost) return;
    m_zaznamu = (velikost - m_delkaHlavicky) / m_delkaZaznamu;  // drops the 0x1A and a truncated record
    // Each cell costs far more than a byte. A sound file has about a cell per byte at most (a
    // field of length 0 gives a cell from no bytes); thousands of empty fields over one-byte
    // records would turn a small hostile file into gigabytes.
    if (static_cast<qint64>(m_pole.size()) * m_zaznamu > 8 * velikost + 65536) throw poskozeny(m_soubor);
}

// Records are asked for in order; from a file, each block follows the one before.
const char* CtecDBF::zaznam(qsizetype i) {
    const qsizetype rl = m_delkaZaznamu;
    if (!m_zdroj) return m_obsah.constData() + m_delkaHlavicky + i * rl;
    if (i >= m_blokOd + m_blokZaznamu) {
        const qsizetype n = std::min<qsizetype>(std::max<qsizetype>(1, kBlok / rl), m_zaznamu - i);
        m_obsah.resize(n * rl);
        m_blokOd = i;
        m_blokZaznamu = precti(*m_zdroj, m_obsah.data(), n * rl) / rl;
        if (m_blokZaznamu < n) m_zaznamu = i + m_blokZaznamu;  // the file has shrunk since it was opened
        if (m_blokZaznamu == 0) return nullptr;
    }
    return m_obsah.constData() + (i - m_blokOd) * rl;
}

QString CtecDBF::varovani() const {
    if (m_zaznamu >= m_zaznamuVHlavicce) return {};
    return QStringLiteral("Soubor %1 je neúplný (počet záznamů podle hlavičky: %2, v souboru: %3). "
                          "Program pokračuje jen s načtenými záznamy.")
        .arg(m_soubor)
        .arg(m_zaznamuVHlavicce)
        .arg(m_zaznamu);
}

const char* CtecDBF::dalsiZaznam() {
    for (; m_dalsi < m_zaznamu; ++m_dalsi) {
        const char* z = zaznam(m_dalsi);
        if (!z) break;
        if (z[0] == '*') continue;
        ++m_dalsi;
        return z;
    }
    return nullptr;
}

BunkaDBF CtecDBF::bunka(const char* zaznam, size_t pole) const {
    try {
        return ::bunka(m_pole[pole].typ, zaznam + m_pole[pole].od, zaznam + m_pole[pole].konec);
    } catch (const RuntimeError& e) {  // a number too large for a Double
        throw RuntimeError(e.cislo(), e.popis() + QStringLiteral(" – soubor ") + m_soubor);
    }
}

bool CtecDBF::dalsi(std::vector<BunkaDBF>& radek) {
    const char* z = dalsiZaznam();
    if (!z) return false;
    radek.resize(m_pole.size());
    try {
        for (size_t i = 0; i < m_pole.size(); ++i) {
            const Pole& f = m_pole[i];
            radek[i] = ::bunka(f.typ, z + f.od, z + f.konec);
        }
    } catch (const RuntimeError& e) {  // a number too large for a Double
        throw RuntimeError(e.cislo(), e.popis() + QStringLiteral(" – soubor ") + m_soubor);
    }
    return true;
}

namespace {

DataDBF vse(CtecDBF& ctec) {
    DataDBF data;
    data.nazvy = ctec.nazvy();
    data.radky.reserve(static_cast<size_t>(ctec.nejvyseZaznamu()));
    std::vector<BunkaDBF> radek;
    while (ctec.dalsi(radek)) data.radky.push_back(std::move(radek));
    return data;
}

}  // namespace

DataDBF ctiDBF(const QByteArray& obsah, const QString& soubor) {
    CtecDBF ctec(obsah, soubor);
    return vse(ctec);
}

DataDBF NactiDBF(const QString& cesta) {
    CtecDBF ctec(cesta);
    return vse(ctec);
}

namespace {

struct PoleZapis : Pole {
    QList<QByteArray> hodnoty;  // one per record, already in the field's bytes
};

PoleZapis popisPole(const DataDBF& data, int i, const QString& soubor) {
    const Regional& reg = Regional::current();
    const BunkaDBF prazdna;
    auto cell = [&](const std::vector<BunkaDBF>& r) -> const BunkaDBF& {
        return i < static_cast<int>(r.size()) ? r[static_cast<size_t>(i)] : prazdna;
    };
    const bool zaznamy = !data.radky.empty();
    const bool vseDatum = zaznamy && std::all_of(data.radky.begin(), data.radky.end(), [&](const auto& r) {
                              return std::holds_alternative<QDate>(cell(r));
                          });
    const bool vseCislo = zaznamy && std::all_of(data.radky.begin(), data.radky.end(), [&](const auto& r) {
                              return std::holds_alternative<double>(cell(r));
                          });

    PoleZapis f;
    f.hodnoty.reserve(static_cast<qsizetype>(data.radky.size()));
    if (vseDatum) {
        f.typ = 'D';
        f.delka = 8;
        for (const auto& r : data.radky) {
            const QDate d = std::get<QDate>(cell(r));
            f.hodnoty << (d.isValid() ? d.toString(QStringLiteral("yyyyMMdd")).toLatin1() : QByteArray(8, ' '));
        }
        return f;
    }
    if (vseCislo) {
        f.typ = 'N';
        int nejdelsi = 0;
        for (const auto& r : data.radky) {
            const double v = std::get<double>(cell(r));
            if (!std::isfinite(v)) throw preteceni(soubor);
            const int delka = static_cast<int>(reg.Str(v).size());
            nejdelsi = std::max(nejdelsi, delka);
            f.desetinna = std::max(f.desetinna, delka - static_cast<int>(reg.Str(Fix(v)).size()) - 1);
        }
        f.delka = nejdelsi + f.desetinna + 1;
        for (const auto& r : data.radky) {
            // Round half to even first, then "#####0.00..." with "." whatever the region says.
            DecimalDigits c;
            try {
                c = roundDecimal(Round(std::get<double>(cell(r)), f.desetinna), f.desetinna);
            } catch (const RuntimeError&) {  // near the largest Double, scaling overflows
                throw preteceni(soubor);
            }
            QByteArray t = (c.zaporne ? QByteArray("-") : QByteArray()) + c.cela.toLatin1();
            if (f.desetinna > 0) t += '.' + c.desetinna.toLatin1();
            // A huge number prints longer than its short form; widen rather than cut it.
            f.delka = std::max(f.delka, static_cast<int>(t.size()));
            f.hodnoty << t;
        }
        if (f.delka > kMaxDelkaPole) throw preteceni(soubor);
        return f;
    }
    f.typ = 'C';
    for (const auto& r : data.radky) {
        // One over-long address line must not lose the whole save: cut to what the field holds.
        QByteArray t = dbftext::encode(textBunky(cell(r))).left(kMaxDelkaPole);
        f.delka = std::max(f.delka, static_cast<int>(t.size()));
        f.hodnoty << t;
    }
    return f;
}

}  // namespace

QByteArray IntNa2Bajty(int n) {
    if (n < 0 || n > 0xFFFF) throw ChybaPreteceni();
    const char bajty[] = {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)};
    return QByteArray(bajty, 2);
}

QByteArray zapisDBF(const DataDBF& data, const QDate& dnes, const QString& soubor) {
    const int poli = data.pocetPoli();
    const qsizetype n = static_cast<qsizetype>(data.radky.size());
    if (n > 0xFFFF) throw preteceni(soubor);

    std::vector<PoleZapis> pole;
    pole.reserve(static_cast<size_t>(poli));
    long long soucet = 0;
    for (int i = 0; i < poli; ++i) {
        pole.push_back(popisPole(data, i, soubor));
        soucet += pole.back().delka;
    }
    // Records of no bytes read back as none, and the header's count would then call the file cut
    // short; a record of the flag alone leaves the end mark a whole record to a reader that reads
    // to the end of the file. So records whose every field is empty keep one blank per field.
    if (soucet == 0 && n > 0)
        for (PoleZapis& f : pole) {
            f.delka = 1;
            ++soucet;
        }
    const long long delkaHlavicky = 32LL * poli + 33;
    const long long delkaZaznamu = soucet == 0 ? 0 : soucet + 1;
    if (delkaHlavicky > 0xFFFF || delkaZaznamu > 0xFFFF) throw preteceni(soubor);

    QByteArray b;
    b.reserve(static_cast<qsizetype>(delkaHlavicky + n * delkaZaznamu + 1));
    b += '\x03';
    b += static_cast<char>(dnes.year() - 1900);
    b += static_cast<char>(dnes.month());
    b += static_cast<char>(dnes.day());
    b += IntNa2Bajty(static_cast<int>(n));
    b += QByteArray(2, '\0');
    b += IntNa2Bajty(static_cast<int>(delkaHlavicky));
    b += IntNa2Bajty(static_cast<int>(delkaZaznamu));
    b += QByteArray(20, '\0');
    for (int i = 0; i < poli; ++i) {
        // Names go out upper-cased in Windows-1250, without the 852 letters.
        QString jmeno = data.nazvy[i].left(10);
        for (QChar& c : jmeno) c = c.toUpper();
        QByteArray nazev = cp1250::encode(jmeno);
        nazev.resize(11, '\0');
        b += nazev;
        b += pole[static_cast<size_t>(i)].typ;
        b += QByteArray(4, '\0');
        b += static_cast<char>(pole[static_cast<size_t>(i)].delka);
        b += static_cast<char>(pole[static_cast<size_t>(i)].desetinna);
        b += QByteArray(14, '\0');
    }
    b += static_cast<char>(kKonecPopisu);

    for (qsizetype r = 0; r < n; ++r) {
        const qsizetype zacatek = b.size();
        b += QByteArray(static_cast<qsizetype>(delkaZaznamu), ' ');
        char* zaznam = b.data() + zacatek;
        int p = 1;
        for (const PoleZapis& f : pole) {
            const QByteArray& t = f.hodnoty[r];
            const int od = f.typ == 'N' ? p + f.delka - static_cast<int>(t.size()) : p;
            std::memcpy(zaznam + od, t.constData(), static_cast<size_t>(t.size()));
            p += f.delka;
        }
    }
    b += kKonecSouboru;
    return b;
}

void UlozDBF(const QString& cesta, const DataDBF& data) {
    const QString soubor = resolvePath(cesta + QStringLiteral(".dbf"));
    const QByteArray obsah = zapisDBF(data, platform::clock().today(), soubor);
    if (const Vysledek<> v = filestore::replace(soubor, obsah); !v) throw RuntimeError(75, v.chyba());
}

namespace {

// The character tables of PrevedZnaky, aligned position by position. The bytes of tables 0 and 2
// read as Windows-1250, as the text of a file read in that code page holds them.
std::array<QString, 4> tabulkyZnaku() {
    const QString pismena = QStringLiteral("aáÁeéÉěĚiíÍoóÓuúÚůŮyýÝ|cčČdďĎlľĽnňŇrřŘsšŠtťŤzžŽ|äëöüÄËÖÜß°");
    const QByteArray cp852("a\xA0\xB5" "e\x82\x90\xD8\xB7" "i\xA1\xD6" "o\xA2\xE0" "u\xA3\xE9\x85\xDE" "y\xEC\xED" "|"
                           "c\x9F\xAC" "d\xD4\xD2" "l\x96\x95" "n\xE5\xD5" "r\xFD\xFC" "s\xE7\xE6" "t\x9C\x9B"
                           "z\xA7\xA6" "|" "\x84\x89\x94\x81\x8E\xD3\x99\x9A\xE1\xF8");
    // Kamenický as far as the "|"; the German letters keep their 852 codes, the degree sign has none.
    const QByteArray kamenicky = QByteArray("a\xA0\x8F" "e\x82\x90\x88\x89" "i\xA1\x8B" "o\xA2\x95" "u\xA3\x97\x96\xA6"
                                            "y\x98\x9D" "|" "c\x87\x80" "d\x83\x85" "l\x8C\x9C" "n\xA4\xA5" "r\xA9\x9E"
                                            "s\xA8\x9B" "t\x9F\x86" "z\x91\x92" "|") +
                                 cp852.mid(48, 9);
    // Without the diacritics; ß has none to lose and stays itself rather than becoming "á".
    const QString bezHacku = QStringLiteral("aaAeeEeEiiIooOuuUuUyyY|ccCddDllLnnNrrRssSttTzzZ|aeouAEOUß");
    return {cp1250::decode(cp852), pismena, cp1250::decode(kamenicky), bezHacku};
}

}  // namespace

QString PrevedZnaky(const QString& text, int zdroj, int cil) {
    static const std::array<QString, 4> tabulky = tabulkyZnaku();
    const auto tabulka = [](int i) { return i >= 0 && i < 4 ? tabulky[static_cast<size_t>(i)] : QString(); };
    const QString z = tabulka(zdroj), c = tabulka(cil);
    QString vysledek = text;
    for (QChar& znak : vysledek)
        if (const qsizetype i = z.indexOf(znak); i >= 0 && i < c.size()) znak = c[i];
    return vysledek;
}
