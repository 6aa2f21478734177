#include "pricelist/TabulkaArtiklu.h"

#include "platform/DataPaths.h"
#include "platform/Errors.h"
#include "platform/Cp852.h"
#include "platform/Regional.h"
#include "pricelist/DBF.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <cmath>
#include <numeric>

namespace {

// Fields of Art.dbf, by position.
enum PoleCeniku { fStaryKod, fObjCislo, fNazev, fCena, fVaha, fMJ, fObjSklad, fSystem, kPoliCeniku };

constexpr qint64 kMaxCelaCurrency = 922337203685477;  // Currency's whole part
constexpr double kMaxSingle = 3.402823466e38;         // beyond it CSng overflows

struct Cislo {
    bool je = false;
    double v = 0;
};

Cislo cislo(const BunkaDBF& b, const Regional& reg) {
    if (const auto* v = std::get_if<double>(&b)) return {true, *v};
    if (const auto* s = std::get_if<QString>(&b))
        if (reg.IsNumeric(*s)) return {true, reg.CDbl(*s)};
    return {};
}

// The value to two decimals exactly as Format(v, "##,##0.00") rounds it: half away from zero on
// its 15-significant-digit decimal form. Loading formats two numbers per article, so this works
// in a character buffer; the test holds it to roundDecimal and Format.
struct DveDesetinna {
    bool zaporne = false;
    char cislice[340];  // the whole part, then the two decimals
    int cela = 0;       // how many of them are the whole part
};

DveDesetinna naDveDesetinna(double v) {
    DveDesetinna d;
    char e[32];
    const auto r = std::to_chars(e, e + sizeof e, std::fabs(v), std::chars_format::scientific, 14);
    const char* mocnina = std::find(e, r.ptr, 'e');
    int exp = 0;
    std::from_chars(mocnina + (mocnina[1] == '+' ? 2 : 1), r.ptr, exp);

    // Significant digits placed after enough zeros that the point falls at index `bod`.
    char* c = d.cislice + 1;  // room for a carry
    int bod = exp + 1, n = 0;
    if (bod < 1) {
        n = 1 - bod;
        std::fill(c, c + n, '0');
        bod = 1;
    }
    c[n++] = e[0];
    for (const char* p = e + 2; p < mocnina; ++p) c[n++] = *p;
    while (n < bod + 3) c[n++] = '0';
    const bool nahoru = c[bod + 2] >= '5';
    n = bod + 2;
    if (nahoru) {
        int i = n - 1;
        while (i >= 0 && c[i] == '9') c[i--] = '0';
        if (i >= 0) {
            ++c[i];
        } else {
            *--c = '1';
            ++bod;
            ++n;
        }
    }
    int z = 0;
    while (z < bod - 1 && c[z] == '0') ++z;
    d.cela = bod - z;
    std::memmove(d.cislice, c + z, static_cast<size_t>(n - z));
    const bool nula = std::all_of(d.cislice, d.cislice + d.cela + 2, [](char x) { return x == '0'; });
    d.zaporne = v < 0 && !nula;
    return d;
}

// A numeric field as dBase writes it, "-12.50": sign, digits, point, digits, at least one digit.
// Such a text reads as the nearest Double and never fails.
struct Desetinne {
    bool minus = false;
    std::string_view cela, desetinna;
};

bool rozloz(std::string_view t, Desetinne& x) {
    const auto cislice = [&](size_t& i) {
        const size_t od = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return t.substr(od, i - od);
    };
    size_t i = 0;
    x.minus = !t.empty() && t[0] == '-';
    if (x.minus) ++i;
    x.cela = cislice(i);
    x.desetinna = {};
    if (i < t.size() && t[i] == '.') x.desetinna = cislice(++i);
    return i == t.size() && !(x.cela.empty() && x.desetinna.empty());
}

// naDveDesetinna for such a text without the Double: a decimal of at most 15 significant digits
// reads into the Double whose 15-digit form is that decimal again, so rounding the text's own
// digits gives the same. False for more digits, which go the long way.
bool zTextu(const Desetinne& x, DveDesetinna& d) {
    std::string_view cela = x.cela;
    const std::string_view desetinna = x.desetinna;
    while (!cela.empty() && cela[0] == '0') cela.remove_prefix(1);
    // From the first digit that is not 0 to the last.
    size_t platnych = 0;
    const size_t posledni = desetinna.find_last_not_of('0');
    if (!cela.empty())
        platnych = posledni != std::string_view::npos ? cela.size() + posledni + 1 : cela.find_last_not_of('0') + 1;
    else if (posledni != std::string_view::npos)
        platnych = posledni + 1 - desetinna.find_first_not_of('0');
    if (platnych > 15) return false;

    char* c = d.cislice + 1;  // room for a carry
    int n = 0;
    for (char x : cela) c[n++] = x;
    if (n == 0) c[n++] = '0';
    int celych = n;
    c[n++] = desetinna.size() > 0 ? desetinna[0] : '0';
    c[n++] = desetinna.size() > 1 ? desetinna[1] : '0';
    if (desetinna.size() > 2 && desetinna[2] >= '5') {
        int k = n - 1;
        while (k >= 0 && c[k] == '9') c[k--] = '0';
        if (k >= 0) {
            ++c[k];
        } else {
            *--c = '1';
            ++celych;
            ++n;
        }
    }
    std::memmove(d.cislice, c, static_cast<size_t>(n));
    d.cela = celych;
    d.zaporne = x.minus && std::any_of(d.cislice, d.cislice + n, [](char x) { return x != '0'; });
    return true;
}

// The rounded digits of an amount in hundredths.
DveDesetinna zeSetin(qint64 setiny) {
    DveDesetinna d;
    d.zaporne = setiny < 0;
    const quint64 u = d.zaporne ? 0 - static_cast<quint64>(setiny) : static_cast<quint64>(setiny);
    char t[24];
    const int n = static_cast<int>(std::to_chars(t, t + sizeof t, u).ptr - t);
    const int nuly = std::max(0, 3 - n);  // "0,05": at least one digit before the decimals
    std::fill(d.cislice, d.cislice + nuly, '0');
    std::memcpy(d.cislice + nuly, t, static_cast<size_t>(n));
    d.cela = nuly + n - 2;
    return d;
}

// "##,##0.00" of the rounded digits.
QString formatuj(const DveDesetinna& d, QChar desetinna, QChar skupina) {
    const int skupin = (d.cela - 1) / 3;
    QString text((d.zaporne ? 1 : 0) + d.cela + skupin + 3, Qt::Uninitialized);
    QChar* t = text.data();
    if (d.zaporne) *t++ = QLatin1Char('-');
    for (int i = 0; i < d.cela; ++i) {
        if (i > 0 && (d.cela - i) % 3 == 0) *t++ = skupina;
        *t++ = QLatin1Char(d.cislice[i]);
    }
    *t++ = desetinna;
    *t++ = QLatin1Char(d.cislice[d.cela]);
    *t++ = QLatin1Char(d.cislice[d.cela + 1]);
    return text;
}

// Column 8 as read. The flags are small whole numbers; their texts are shared, not built per row.
QString textPriznaku(const BunkaDBF& b) {
    static const QString kMale[] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    if (const auto* v = std::get_if<double>(&b))
        for (int i = 0; i < 4; ++i)
            if (*v == i) return kMale[i];
    return textBunky(b);
}

// Character fields as the dBase reader decodes them, in one pass through a copy of its table.
QString dekoduj(std::string_view t) {
    static const auto kZnaky = [] {
        std::array<char16_t, 256> z{};
        for (int b = 0; b < 256; ++b) z[static_cast<size_t>(b)] = dbftext::toChar(static_cast<unsigned char>(b)).unicode();
        return z;
    }();
    QString s(static_cast<qsizetype>(t.size()), Qt::Uninitialized);
    char16_t* z = reinterpret_cast<char16_t*>(s.data());
    for (char c : t) *z++ = kZnaky[static_cast<unsigned char>(c)];
    return s;
}

// Order numbers with "-s" show no price.
bool bezCeny(const QString& kod) {
    for (qsizetype i = 1; i < kod.size(); ++i)
        if (kod[i] == QLatin1Char('s') && kod[i - 1] == QLatin1Char('-')) return true;
    return false;
}

// toUpper, which leaves ASCII without small letters as it is (the same string, not a copy).
QString velkymi(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x80 || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))) return s.toUpper();
    return s;
}

}  // namespace

// One record on its way into a row: from a reader, the record's bytes, which the fast paths
// take straight; otherwise, and for whatever the fast paths leave, the cells of the dBase reader.
struct TabulkaArtiklu::Zaznam {
    const CtecDBF* ctec = nullptr;
    const char* bajty = nullptr;
    const std::vector<BunkaDBF>* bunky = nullptr;
    // From a reader: the fields' types, their bytes without blanks and the numbers among them.
    char typ[kPoliCeniku] = {};
    std::string_view text[kPoliCeniku];
    Desetinne cislo[kPoliCeniku];
    bool jeCislo[kPoliCeniku] = {};
    BunkaDBF prevedene[kPoliCeniku];
    unsigned hotove = 0;  // one bit per field of `prevedene`

    explicit Zaznam(const std::vector<BunkaDBF>& b) : bunky(&b) {}

    // Converting a field can fail only for an unusual number; those are converted here, in field
    // order and for every field, so the record fails with the same error as a record read whole.
    Zaznam(const CtecDBF& c, const char* b) : ctec(&c), bajty(b) {
        const size_t poli = static_cast<size_t>(c.nazvy().size());
        for (size_t i = 0; i < poli; ++i) {
            const char t = c.typ(i);
            const bool cena = i < kPoliCeniku;
            if (cena) {
                typ[i] = t;
                text[i] = c.bajty(b, i);
            }
            if (t != 'N' && t != 'F') continue;
            Desetinne x;
            if (rozloz(cena ? text[i] : c.bajty(b, i), x)) {
                if (cena) {
                    cislo[i] = x;
                    jeCislo[i] = true;
                }
                continue;
            }
            BunkaDBF bunka = c.bunka(b, i);
            if (cena) {
                prevedene[i] = std::move(bunka);
                hotove |= 1u << i;
            }
        }
    }

    const BunkaDBF& bunka(int pole) {
        static const BunkaDBF prazdna;
        if (bunky) return pole < static_cast<int>(bunky->size()) ? (*bunky)[static_cast<size_t>(pole)] : prazdna;
        if (!(hotove & (1u << pole))) {
            prevedene[pole] = ctec->bunka(bajty, static_cast<size_t>(pole));
            hotove |= 1u << pole;
        }
        return prevedene[pole];
    }
};

// The state of one load: the regional settings and the values of the columns with few of them.
class TabulkaArtiklu::Plneni {
public:
    explicit Plneni(TabulkaArtiklu& t) : m_t(t), m_reg(Regional::current()) {
        m_t.m_desetinna = m_reg.desetinnaCarka();
        m_t.m_skupina = m_reg.oddelovacTisicu();
    }

    void pridej(Zaznam& z, const QString& soubor) {
        Radek r;
        try {
            vypln(r, z);
        } catch (const RuntimeError& e) {  // a number in a text field too large for a Double
            throw RuntimeError(e.cislo(), e.popis() + QStringLiteral(" – soubor ") + soubor);
        }
        m_t.m_radky.push_back(std::move(r));
    }

private:
    void vypln(Radek& r, Zaznam& z) {
        r.staryKod = text(z, fStaryKod);
        r.objCislo = text(z, fObjCislo);
        r.nazev = text(z, fNazev);
        r.cena = castka(z, fCena, &r.cenaPretece, nullptr);
        r.bezCeny = bezCeny(r.objCislo);
        r.vaha = castka(z, fVaha, &r.vahaPretece, &r.vahaKg);
        r.mj = hodnota(z, fMJ);
        r.objSklad = hodnota(z, fObjSklad);
        r.system = hodnota(z, fSystem);
    }

    QString text(Zaznam& z, int pole) {
        if (z.typ[pole] == 'C' || z.typ[pole] == 'L') return dekoduj(z.text[pole]);
        return textBunky(z.bunka(pole));
    }

    // A price (CCur of its text overflows beyond Currency) or a weight (CSng of its text).
    Castka castka(Zaznam& z, int pole, bool* pretece, float* vaha) {
        Castka c;
        DveDesetinna d;
        if (!(z.jeCislo[pole] && zTextu(z.cislo[pole], d))) {
            const BunkaDBF& b = z.bunka(pole);
            const Cislo n = cislo(b, m_reg);
            if (!n.je) {
                c.text = novyText(textBunky(b));
                return c;
            }
            if (!std::isfinite(n.v)) throw ChybaPreteceni();
            d = naDveDesetinna(n.v);
        }

        qint64 cela = 0;  // the whole part, when it has at most 16 digits
        const qint64 setiny = (d.cislice[d.cela] - '0') * 10 + (d.cislice[d.cela + 1] - '0');
        if (d.cela <= 16) {
            std::from_chars(d.cislice, d.cislice + d.cela, cela);
            c.setiny = (d.zaporne ? -1 : 1) * (cela * 100 + setiny);
        } else {
            c.text = novyText(formatuj(d, m_t.m_desetinna, m_t.m_skupina));
        }
        if (!vaha) {
            *pretece = d.cela > 15 || cela > kMaxCelaCurrency || (cela == kMaxCelaCurrency && setiny > 58);
            return c;
        }
        double x = 0;
        if (d.cela <= 13) {
            // Below 2^53 hundredths, dividing is as correctly rounded as reading "cela.setiny".
            x = static_cast<double>(cela * 100 + setiny) / 100.0;
        } else {
            char text[344];
            std::memcpy(text, d.cislice, static_cast<size_t>(d.cela));
            text[d.cela] = '.';
            std::memcpy(text + d.cela + 1, d.cislice + d.cela, 2);
            std::from_chars(text, text + d.cela + 3, x);
        }
        *pretece = x > kMaxSingle;
        if (!*pretece) *vaha = static_cast<float>(d.zaporne ? -x : x);
        return c;
    }

    qint32 novyText(QString t) {
        m_t.m_texty.push_back(std::move(t));
        return static_cast<qint32>(m_t.m_texty.size() - 1);
    }

    // Units, systems and flags repeat all over a price list: each distinct field (by its bytes)
    // becomes one value. Past kZnamych distinct ones in a field, values are no longer shared.
    quint32 hodnota(Zaznam& z, int pole) {
        static constexpr size_t kZnamych = 64;
        const std::string_view t = z.text[pole];
        const bool surove = z.ctec != nullptr;
        auto& zname = m_zname[pole];
        if (surove)
            for (const Znama& h : zname)
                if (h.bajty == t) return h.index;
        const BunkaDBF& b = z.bunka(pole);
        Hodnota h;
        if (pole == fObjSklad) {
            h.text = textPriznaku(b);
            h.cislo = cislo(b, m_reg).v;
        } else {
            h.text = textBunky(b);
        }
        const auto index = static_cast<quint32>(m_t.m_hodnoty.size());
        m_t.m_hodnoty.push_back(std::move(h));
        if (surove && zname.size() < kZnamych) zname.push_back(Znama{std::string(t), index});
        return index;
    }

    struct Znama {
        std::string bajty;
        quint32 index;
    };
    TabulkaArtiklu& m_t;
    const Regional& m_reg;
    std::vector<Znama> m_zname[kPoliCeniku];
};

QString TabulkaArtiklu::hlavicka(int sloupec) {
    static const QString kHlavicky[kSloupcu] = {
        QStringLiteral("Starý kód"),     QStringLiteral("Obj.č."), QStringLiteral("Název"),
        QStringLiteral("Ks"),            QStringLiteral("Prodejní cena"), QStringLiteral("Váha(kg)"),
        QStringLiteral("MJ"),            QStringLiteral("Prodejní cena"), QStringLiteral("OBJ_SKLAD"),
        QStringLiteral("Systém"),
    };
    if (sloupec < 0 || sloupec >= kSloupcu) throw ChybaRozsahu();
    return kHlavicky[sloupec];
}

TabulkaArtiklu TabulkaArtiklu::nacti(const QString& cesta) {
    CtecDBF ctec(cesta);
    return zCtecky(ctec);
}

TabulkaArtiklu TabulkaArtiklu::nactiCenik() { return nacti(dataDir() + QStringLiteral("/Art")); }

TabulkaArtiklu TabulkaArtiklu::zCtecky(CtecDBF& ctec) {
    kontrolaPoli(static_cast<int>(ctec.nazvy().size()), ctec.soubor());
    TabulkaArtiklu t;
    Plneni plneni(t);
    t.m_radky.reserve(static_cast<size_t>(ctec.nejvyseZaznamu()));
    while (const char* bajty = ctec.dalsiZaznam()) {
        Zaznam z(ctec, bajty);
        plneni.pridej(z, ctec.soubor());
    }
    t.serad();
    return t;
}

TabulkaArtiklu TabulkaArtiklu::zDat(const DataDBF& data, const QString& soubor) {
    kontrolaPoli(data.pocetPoli(), soubor);
    TabulkaArtiklu t;
    Plneni plneni(t);
    t.m_radky.reserve(data.radky.size());
    for (const auto& bunky : data.radky) {
        Zaznam z(bunky);
        plneni.pridej(z, soubor);
    }
    t.serad();
    return t;
}

void TabulkaArtiklu::kontrolaPoli(int poli, const QString& soubor) {
    if (poli < kPoliCeniku)
        throw RuntimeError(321, QStringLiteral("Soubor ") + soubor + QStringLiteral(" nemá všech 8 polí ceníku."));
}

void TabulkaArtiklu::serad() {
    // Rows follow the order number; the rows themselves stay where they were read.
    std::vector<QString> klice(m_radky.size());
    for (size_t i = 0; i < m_radky.size(); ++i) klice[i] = velkymi(m_radky[i].objCislo);
    m_podleObj = serazeno(klice, {});
    m_klice.resize(m_podleObj.size());
    m_radekZ.resize(m_podleObj.size());
    for (size_t r = 0; r < m_podleObj.size(); ++r) {
        const auto i = static_cast<size_t>(m_podleObj[r]);
        m_klice[r] = std::move(klice[i]);
        m_radekZ[i] = static_cast<int>(r) + 1;
    }
    Sort(0);
}

std::vector<int> TabulkaArtiklu::serazeno(const std::vector<QString>& klice, const std::vector<int>& remiza) {
    // Ordinal order of the UTF-16 code units, as QString compares them. The first eight units
    // packed into one number decide almost every comparison.
    struct Klic {
        unsigned __int128 zacatek;
        int pozice;
    };
    std::vector<Klic> k(klice.size());
    for (size_t i = 0; i < klice.size(); ++i) {
        const QString& s = klice[i];
        unsigned __int128 z = 0;
        for (qsizetype j = 0; j < 8; ++j) z = (z << 16) | (j < s.size() ? s[j].unicode() : 0u);
        k[i] = Klic{z, static_cast<int>(i)};
    }
    std::sort(k.begin(), k.end(), [&klice, &remiza](const Klic& a, const Klic& b) {
        if (a.zacatek != b.zacatek) return a.zacatek < b.zacatek;
        const int c = klice[static_cast<size_t>(a.pozice)].compare(klice[static_cast<size_t>(b.pozice)]);
        if (c != 0) return c < 0;
        return remiza.empty() ? a.pozice < b.pozice
                              : remiza[static_cast<size_t>(a.pozice)] < remiza[static_cast<size_t>(b.pozice)];
    });
    std::vector<int> v(k.size());
    for (size_t i = 0; i < k.size(); ++i) v[i] = k[i].pozice;
    return v;
}

const TabulkaArtiklu::Radek& TabulkaArtiklu::radek(int r) const {
    if (r < 1 || r > pocetArtiklu()) throw ChybaRozsahu();
    return m_radky[static_cast<size_t>(m_podleObj[static_cast<size_t>(r - 1)])];
}

QString TabulkaArtiklu::text(const Castka& c) const {
    if (c.text >= 0) return m_texty[static_cast<size_t>(c.text)];
    return formatuj(zeSetin(c.setiny), m_desetinna, m_skupina);
}

QString TabulkaArtiklu::text(int r, int sloupec) const {
    if (r == 0) return hlavicka(sloupec);
    if (sloupec < 0 || sloupec >= kSloupcu) throw ChybaRozsahu();
    const Radek& x = radek(r);
    switch (sloupec) {
    case StaryKod: return x.staryKod;
    case ObjCislo: return x.objCislo;
    case Nazev: return x.nazev;
    case Ks: return QStringLiteral("0");
    case ProdejniCena: return x.bezCeny ? QString() : text(x.cena);
    case Vaha: return text(x.vaha);
    case MJ: return m_hodnoty[x.mj].text;
    case Cena: return text(x.cena);
    case ObjSklad: return m_hodnoty[x.objSklad].text;
    default: return m_hodnoty[x.system].text;
    }
}

Currency TabulkaArtiklu::cena(int r) const {
    const Radek& x = radek(r);
    if (x.cenaPretece) throw ChybaPreteceni();
    return Currency::fromRaw(x.cena.text >= 0 ? 0 : x.cena.setiny * 100);
}

float TabulkaArtiklu::vaha(int r) const {
    const Radek& x = radek(r);
    if (x.vahaPretece) throw ChybaPreteceni();
    return x.vahaKg;
}

double TabulkaArtiklu::objSklad(int r) const { return m_hodnoty[radek(r).objSklad].cislo; }

int TabulkaArtiklu::NajdiArtikl(QString& kod) const {
    if (kod == QLatin1String("-")) return 0;
    kod = kod.toUpper();
    const auto it = std::lower_bound(m_klice.begin(), m_klice.end(), kod);
    if (it == m_klice.end() || *it != kod) return -1;
    return static_cast<int>(it - m_klice.begin()) + 1;
}

void TabulkaArtiklu::Sort(int x) {
    if (x == 0) {
        m_poradi.resize(m_radky.size());
        std::iota(m_poradi.begin(), m_poradi.end(), 1);
        return;
    }
    std::vector<QString> klice(m_radky.size());
    for (size_t i = 0; i < m_radky.size(); ++i) klice[i] = velkymi(m_radky[i].staryKod);
    m_poradi = serazeno(klice, m_radekZ);  // equal old codes by order number
    for (int& p : m_poradi) p = m_radekZ[static_cast<size_t>(p)];
}

void TabulkaArtiklu::Filtr(bool x) { m_filtr = x; }

bool TabulkaArtiklu::skryty(int r) const { return m_filtr && objSklad(r) == 0; }

std::vector<int> TabulkaArtiklu::zobrazeneRadky() const {
    std::vector<int> v;
    v.reserve(m_poradi.size());
    for (int r : m_poradi)
        if (!skryty(r)) v.push_back(r);
    return v;
}
