#include "pricelist/TabulkaArtiklu.h"

#include "platform/DataPaths.h"
#include "platform/Errors.h"
#include "platform/Regional.h"
#include "pricelist/DBF.h"

#include <algorithm>
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

// A price or weight column: the "##,##0.00" text and the numbers that CCur and CSng read back
// from it. Both come from the same rounded digits, so they cannot disagree.
struct Castka {
    QString text;
    qint64 raw = 0;
    float f = 0;
    bool rawPretece = false;
    bool fPretece = false;
};

Castka castka(const BunkaDBF& b, const Regional& reg, bool jakoCena) {
    Castka c;
    const Cislo n = cislo(b, reg);
    if (!n.je) {
        c.text = textBunky(b);
        return c;
    }
    if (!std::isfinite(n.v)) throw ChybaPreteceni();
    const DveDesetinna d = naDveDesetinna(n.v);

    const int skupin = (d.cela - 1) / 3;
    c.text = QString((d.zaporne ? 1 : 0) + d.cela + skupin + 3, Qt::Uninitialized);
    QChar* t = c.text.data();
    if (d.zaporne) *t++ = QLatin1Char('-');
    for (int i = 0; i < d.cela; ++i) {
        if (i > 0 && (d.cela - i) % 3 == 0) *t++ = reg.oddelovacTisicu();
        *t++ = QLatin1Char(d.cislice[i]);
    }
    *t++ = reg.desetinnaCarka();
    *t++ = QLatin1Char(d.cislice[d.cela]);
    *t++ = QLatin1Char(d.cislice[d.cela + 1]);

    if (jakoCena) {
        qint64 cela = 0;
        if (d.cela > 15) {
            c.rawPretece = true;
        } else {
            std::from_chars(d.cislice, d.cislice + d.cela, cela);
            const qint64 setiny = (d.cislice[d.cela] - '0') * 10 + (d.cislice[d.cela + 1] - '0');
            c.rawPretece = cela > kMaxCelaCurrency || (cela == kMaxCelaCurrency && setiny > 58);
            if (!c.rawPretece) c.raw = (d.zaporne ? -1 : 1) * (cela * 100 + setiny) * 100;
        }
        return c;
    }
    char text[344];
    std::memcpy(text, d.cislice, static_cast<size_t>(d.cela));
    text[d.cela] = '.';
    std::memcpy(text + d.cela + 1, d.cislice + d.cela, 2);
    double x = 0;
    std::from_chars(text, text + d.cela + 3, x);
    c.fPretece = x > kMaxSingle;
    if (!c.fPretece) c.f = static_cast<float>(d.zaporne ? -x : x);
    return c;
}

// Column 8 as read. The flags are small whole numbers; their texts are shared, not built per row.
QString textPriznaku(const BunkaDBF& b) {
    static const QString kMale[] = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    if (const auto* v = std::get_if<double>(&b))
        for (int i = 0; i < 4; ++i)
            if (*v == i) return kMale[i];
    return textBunky(b);
}

}  // namespace

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
    QString soubor;
    const QByteArray obsah = nactiSouborDBF(cesta, soubor);
    CtecDBF ctec(obsah, soubor);
    kontrolaPoli(static_cast<int>(ctec.nazvy().size()), soubor);
    TabulkaArtiklu t;
    t.m_radky.reserve(static_cast<size_t>(ctec.nejvyseZaznamu()));
    std::vector<BunkaDBF> zaznam;
    while (ctec.dalsi(zaznam)) t.pridej(zaznam, soubor);
    t.serad();
    return t;
}

TabulkaArtiklu TabulkaArtiklu::nactiCenik() { return nacti(dataDir() + QStringLiteral("/Art")); }

TabulkaArtiklu TabulkaArtiklu::zDat(const DataDBF& data, const QString& soubor) {
    kontrolaPoli(data.pocetPoli(), soubor);
    TabulkaArtiklu t;
    t.m_radky.reserve(data.radky.size());
    for (const auto& zaznam : data.radky) t.pridej(zaznam, soubor);
    t.serad();
    return t;
}

void TabulkaArtiklu::kontrolaPoli(int poli, const QString& soubor) {
    if (poli < kPoliCeniku)
        throw RuntimeError(321, QStringLiteral("Soubor ") + soubor + QStringLiteral(" nemá všech 8 polí ceníku."));
}

void TabulkaArtiklu::pridej(const std::vector<BunkaDBF>& zaznam, const QString& soubor) {
    try {
        vypln(m_radky.emplace_back(), zaznam);
    } catch (const RuntimeError& e) {  // a number in a text field too large for a Double
        m_radky.pop_back();
        throw RuntimeError(e.cislo(), e.popis() + QStringLiteral(" – soubor ") + soubor);
    }
}

void TabulkaArtiklu::vypln(Radek& r, const std::vector<BunkaDBF>& zaznam) {
    static const BunkaDBF prazdna;
    const auto z = [&](int pole) -> const BunkaDBF& {
        return pole < static_cast<int>(zaznam.size()) ? zaznam[static_cast<size_t>(pole)] : prazdna;
    };
    const Regional& reg = Regional::current();
    r.staryKod = textBunky(z(fStaryKod));
    r.objCislo = textBunky(z(fObjCislo));
    r.nazev = textBunky(z(fNazev));
    Castka c = castka(z(fCena), reg, true);
    r.cenaText = std::move(c.text);
    r.cenaRaw = c.raw;
    r.cenaPretece = c.rawPretece;
    r.bezCeny = r.objCislo.contains(QLatin1String("-s"));
    c = castka(z(fVaha), reg, false);
    r.vahaText = std::move(c.text);
    r.vaha = c.f;
    r.vahaPretece = c.fPretece;
    r.mj = textBunky(z(fMJ));
    r.objSkladText = textPriznaku(z(fObjSklad));
    r.objSklad = cislo(z(fObjSklad), reg).v;
    r.system = textBunky(z(fSystem));
    r.klicObj = r.objCislo.toUpper();
    r.klicStary = r.staryKod.toUpper();
}

void TabulkaArtiklu::serad() {
    // Rows follow the order number; the rows themselves stay where they were read.
    m_podleObj = serazeno(&Radek::klicObj, {});
    m_radekZ.resize(m_podleObj.size());
    for (size_t r = 0; r < m_podleObj.size(); ++r) m_radekZ[static_cast<size_t>(m_podleObj[r])] = static_cast<int>(r) + 1;
    Sort(0);
}

std::vector<int> TabulkaArtiklu::serazeno(QString Radek::*klic, const std::vector<int>& remiza) const {
    // Ordinal order of the UTF-16 code units, as QString compares them. The first eight units
    // packed into one number decide almost every comparison.
    struct Klic {
        unsigned __int128 zacatek;
        int pozice;
    };
    std::vector<Klic> klice(m_radky.size());
    for (size_t i = 0; i < m_radky.size(); ++i) {
        const QString& k = m_radky[i].*klic;
        unsigned __int128 z = 0;
        for (qsizetype j = 0; j < 8; ++j) z = (z << 16) | (j < k.size() ? k[j].unicode() : 0u);
        klice[i] = Klic{z, static_cast<int>(i)};
    }
    std::sort(klice.begin(), klice.end(), [this, klic, &remiza](const Klic& a, const Klic& b) {
        if (a.zacatek != b.zacatek) return a.zacatek < b.zacatek;
        const QString& ka = m_radky[static_cast<size_t>(a.pozice)].*klic;
        const QString& kb = m_radky[static_cast<size_t>(b.pozice)].*klic;
        const int c = ka.compare(kb);
        if (c != 0) return c < 0;
        return remiza.empty() ? a.pozice < b.pozice
                              : remiza[static_cast<size_t>(a.pozice)] < remiza[static_cast<size_t>(b.pozice)];
    });
    std::vector<int> v(klice.size());
    for (size_t i = 0; i < klice.size(); ++i) v[i] = klice[i].pozice;
    return v;
}

const TabulkaArtiklu::Radek& TabulkaArtiklu::radek(int r) const {
    if (r < 1 || r > pocetArtiklu()) throw ChybaRozsahu();
    return m_radky[static_cast<size_t>(m_podleObj[static_cast<size_t>(r - 1)])];
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
    case ProdejniCena: return x.bezCeny ? QString() : x.cenaText;
    case Vaha: return x.vahaText;
    case MJ: return x.mj;
    case Cena: return x.cenaText;
    case ObjSklad: return x.objSkladText;
    default: return x.system;
    }
}

Currency TabulkaArtiklu::cena(int r) const {
    const Radek& x = radek(r);
    if (x.cenaPretece) throw ChybaPreteceni();
    return Currency::fromRaw(x.cenaRaw);
}

float TabulkaArtiklu::vaha(int r) const {
    const Radek& x = radek(r);
    if (x.vahaPretece) throw ChybaPreteceni();
    return x.vaha;
}

double TabulkaArtiklu::objSklad(int r) const { return radek(r).objSklad; }

int TabulkaArtiklu::NajdiArtikl(QString& kod) const {
    if (kod == QLatin1String("-")) return 0;
    kod = kod.toUpper();
    const auto it = std::lower_bound(m_podleObj.begin(), m_podleObj.end(), kod, [this](int i, const QString& k) {
        return m_radky[static_cast<size_t>(i)].klicObj < k;
    });
    if (it == m_podleObj.end() || m_radky[static_cast<size_t>(*it)].klicObj != kod) return -1;
    return static_cast<int>(it - m_podleObj.begin()) + 1;
}

void TabulkaArtiklu::Sort(int x) {
    if (x == 0) {
        m_poradi.resize(m_radky.size());
        std::iota(m_poradi.begin(), m_poradi.end(), 1);
        return;
    }
    m_poradi = serazeno(&Radek::klicStary, m_radekZ);  // equal old codes by order number
    for (int& p : m_poradi) p = m_radekZ[static_cast<size_t>(p)];
}

void TabulkaArtiklu::Filtr(bool x) { m_filtr = x; }

bool TabulkaArtiklu::skryty(int r) const { return m_filtr && radek(r).objSklad == 0; }

std::vector<int> TabulkaArtiklu::zobrazeneRadky() const {
    std::vector<int> v;
    v.reserve(m_poradi.size());
    for (int r : m_poradi)
        if (!skryty(r)) v.push_back(r);
    return v;
}
