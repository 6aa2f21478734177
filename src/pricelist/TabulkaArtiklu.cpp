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
#include <string>

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
// its 15-significant-digit decimal form. Loading rounds two numbers per article, so this works
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

// A numeric field as dBase writes it: sign, digits, point, digits, at least one digit. Such a
// text reads as the nearest Double and cannot fail.
bool prosteCislo(std::string_view t) {
    size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
    bool cislice = false, tecka = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9')
            cislice = true;
        else if (t[i] == '.' && !tecka)
            tecka = true;
        else
            return false;
    }
    return cislice;
}

// Such a text with at most 13 digits before the point, as hundredths rounded the way
// naDveDesetinna rounds the Double read from it, without the Double: a decimal of at most 15
// significant digits reads into the Double whose 15-digit form is that decimal again, so
// rounding the text's own digits gives the same. False for any other text.
bool setinyZTextu(std::string_view t, qint64& setiny) {
    const char* p = t.data();
    const char* const konec = p + t.size();
    const bool minus = p < konec && *p == '-';
    if (minus) ++p;
    qint64 cela = 0, desetiny = 0;
    int desetinnych = 0, cislic = 0, prvni = -1, posledni = -1;  // of the digits that are not 0
    bool zaTeckou = false, nahoru = false;
    for (; p < konec; ++p) {
        if (*p == '.') {
            if (zaTeckou) return false;
            zaTeckou = true;
            continue;
        }
        if (*p < '0' || *p > '9') return false;
        const int c = *p - '0';
        if (c != 0) {
            if (prvni < 0) prvni = cislic;
            posledni = cislic;
        }
        ++cislic;
        if (!zaTeckou) {
            cela = cela * 10 + c;
            if (cela >= 10'000'000'000'000) return false;
        } else if (++desetinnych <= 2) {
            desetiny = desetiny * 10 + c;
        } else if (desetinnych == 3) {
            nahoru = c >= 5;
        }
    }
    if (cislic == 0 || (prvni >= 0 && posledni - prvni >= 15)) return false;
    if (desetinnych == 1) desetiny *= 10;
    setiny = cela * 100 + desetiny + (nahoru ? 1 : 0);
    if (minus) setiny = -setiny;
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

// Appends the upper-case form of ASCII text, as codes nearly always are: there toUpper changes a
// to z and nothing else. False, appending nothing, for any other text.
bool pridejAsciiVelkymi(std::vector<char16_t>& kam, const char16_t* z, size_t n) {
    if (!std::all_of(z, z + n, [](char16_t c) { return c < 0x80; })) return false;
    kam.insert(kam.end(), z, z + n);
    for (auto j = kam.end() - static_cast<qsizetype>(n); j != kam.end(); ++j)
        if (*j >= u'a' && *j <= u'z') *j = static_cast<char16_t>(*j - u'a' + u'A');
    return true;
}

bool bezCeny(QStringView kod) { return kod.contains(kPriponaBezCeny); }

}  // namespace

// One record on its way into a row: from a reader the record's bytes, which the fast paths
// below take straight, otherwise the cells of a read table.
struct TabulkaArtiklu::Zaznam {
    const CtecDBF* ctec = nullptr;
    const char* bajty = nullptr;
    const std::vector<BunkaDBF>* bunky = nullptr;

    // The field's type and its bytes without blanks; type 0 for a cell.
    char typ(int pole) const { return ctec ? ctec->typ(static_cast<size_t>(pole)) : '\0'; }
    std::string_view text(int pole) const { return ctec->bajty(bajty, static_cast<size_t>(pole)); }
    std::string_view surove(int pole) const { return ctec->surove(bajty, static_cast<size_t>(pole)); }
    // The field as the dBase reader gives it.
    BunkaDBF bunka(int pole) const {
        if (ctec) return ctec->bunka(bajty, static_cast<size_t>(pole));
        return pole < static_cast<int>(bunky->size()) ? (*bunky)[static_cast<size_t>(pole)] : BunkaDBF();
    }
};

// The state of one load: the regional settings, the values of the columns with few of them, the
// order numbers' keys.
class TabulkaArtiklu::Plneni {
public:
    explicit Plneni(TabulkaArtiklu& t) : m_t(t), m_reg(Regional::current()) {
        m_t.m_desetinna = m_reg.desetinnaCarka();
        m_t.m_skupina = m_reg.oddelovacTisicu();
    }

    // Room for n records whose text fields are at most `sirka` bytes together.
    void rezervuj(size_t n, size_t sirka) {
        m_t.m_radky.reserve(n);
        m_t.m_znaky.reserve(static_cast<qsizetype>(n * sirka));
        m_useky.reserve(n);
        m_razeni.reserve(n);
    }

    void pridej(const std::vector<BunkaDBF>& bunky, const QString& soubor) {
        pridej(vyplnene(Zaznam{nullptr, nullptr, &bunky}, soubor));
    }

    void pridej(const CtecDBF& ctec, const char* bajty) {
        const Zaznam z{&ctec, bajty, nullptr};
        Radek r;
        try {
            // Fields past the eighth are not needed, but an unusual number there fails the
            // record read whole; plain numbers ("-12.50") and texts cannot fail.
            for (size_t i = kPoliCeniku; i < static_cast<size_t>(ctec.nazvy().size()); ++i)
                if ((ctec.typ(i) == 'N' || ctec.typ(i) == 'F') && !prosteCislo(ctec.bajty(bajty, i))) ctec.bunka(bajty, i);
            vypln(r, z);
        } catch (const RuntimeError& e) {
            // A record that fails here fails as read whole: its fields converted in order first,
            // whose errors name the file already, then the row from those cells.
            std::vector<BunkaDBF> bunky;
            for (size_t i = 0; i < static_cast<size_t>(ctec.nazvy().size()); ++i) bunky.push_back(ctec.bunka(bajty, i));
            vyplnene(Zaznam{nullptr, nullptr, &bunky}, ctec.soubor());
            throw pojmenovana(e, ctec.soubor());  // not reached: the same record fails the long way
        }
        pridej(r);
    }

    void dokonci() { m_t.serad(std::move(m_razeni), m_useky); }

private:
    static RuntimeError pojmenovana(const RuntimeError& e, const QString& soubor) {
        return RuntimeError(e.cislo(), e.popis() + QStringLiteral(" – soubor ") + soubor);
    }

    Radek vyplnene(const Zaznam& z, const QString& soubor) {
        Radek r;
        try {
            vypln(r, z);
        } catch (const RuntimeError& e) {  // a number in a text field too large for a Double
            throw pojmenovana(e, soubor);
        }
        return r;
    }

    void pridej(const Radek& r) {
        m_t.m_radky.push_back(r);
        // The sort key now, while the record is at hand.
        const size_t pozice = m_t.m_radky.size() - 1;
        const Usek u = pridejVelkymi(m_t.m_velka, m_t.textPole(r, fObjCislo));
        m_useky.push_back(u);
        m_razeni.push_back(klic(m_t.m_velka.data() + u.od, u.delka, static_cast<int>(pozice)));
    }

    void vypln(Radek& r, const Zaznam& z) {
        for (int c = 0; c < kTextu; ++c) r.texty[c] = text(z, c);
        r.cena = castka(z, fCena, &r.cenaPretece, nullptr);
        r.bezCeny = bezCeny(m_t.textPole(r, fObjCislo));
        r.vaha = castka(z, fVaha, &r.vahaPretece, &r.vahaKg);
        r.mj = hodnota(z, fMJ);
        r.objSklad = hodnota(z, fObjSklad);
        r.system = hodnota(z, fSystem);
    }

    // Column 0, 1 or 2 made text straight into the table's block of texts.
    Usek text(const Zaznam& z, int pole) {
        QString& znaky = m_t.m_znaky;
        const auto od = static_cast<quint32>(znaky.size());
        if (z.typ(pole) == 'C' || z.typ(pole) == 'L') {
            const std::string_view t = z.text(pole);
            znaky.resize(znaky.size() + static_cast<qsizetype>(t.size()));
            dbftext::decode(t.data(), static_cast<qsizetype>(t.size()), reinterpret_cast<char16_t*>(znaky.data()) + od);
        } else {
            znaky += textBunky(z.bunka(pole));
        }
        return Usek{od, static_cast<quint32>(znaky.size()) - od};
    }

    // A price (CCur of its text overflows beyond Currency) or a weight (CSng of its text).
    Castka castka(const Zaznam& z, int pole, bool* pretece, float* vaha) {
        Castka c;
        const char typ = z.typ(pole);
        if ((typ == 'N' || typ == 'F') && setinyZTextu(z.text(pole), c.setiny)) {
            // Below 2^53 hundredths, dividing is as correctly rounded as reading the rounded text.
            *pretece = false;
            if (vaha) *vaha = static_cast<float>(static_cast<double>(c.setiny) / 100.0);
            return c;
        }
        const BunkaDBF b = z.bunka(pole);
        const Cislo n = cislo(b, m_reg);
        if (!n.je) {
            c.text = novyText(textBunky(b));
            return c;
        }
        if (!std::isfinite(n.v)) throw ChybaPreteceni();
        const DveDesetinna d = naDveDesetinna(n.v);

        qint64 cela = 0;  // the whole part, when it has at most 16 digits
        const qint64 setiny = (d.cislice[d.cela] - '0') * 10 + (d.cislice[d.cela + 1] - '0');
        if (d.cela <= 16) {
            for (int i = 0; i < d.cela; ++i) cela = cela * 10 + (d.cislice[i] - '0');
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
        m_t.m_textyCastek.push_back(std::move(t));
        return static_cast<qint32>(m_t.m_textyCastek.size() - 1);
    }

    // Units, systems and flags repeat all over a price list: each distinct field (by its bytes,
    // blanks and all) becomes one value. Past kZnamych distinct ones in a field, values are no
    // longer shared.
    quint32 hodnota(const Zaznam& z, int pole) {
        static constexpr size_t kZnamych = 64;
        std::string_view t;
        Okraje o;
        auto& zname = m_zname[pole];
        if (z.ctec) {
            t = z.surove(pole);
            o = okraje(t);
            for (const Znama& h : zname)
                if (stejne(h, o, t)) return h.index;
        }
        const BunkaDBF b = z.bunka(pole);
        Hodnota h;
        if (pole == fObjSklad) {
            h.text = textPriznaku(b);
            h.cislo = cislo(b, m_reg).v;
        } else {
            h.text = textBunky(b);
        }
        const auto index = static_cast<quint32>(m_t.m_hodnoty.size());
        m_t.m_hodnoty.push_back(std::move(h));
        if (z.ctec && zname.size() < kZnamych) zname.push_back(Znama{o, std::string(t), index});
        return index;
    }

    // The first and the last eight bytes, which tell nearly all values apart.
    struct Okraje {
        quint64 zacatek = 0, konec = 0;
    };
    static Okraje okraje(std::string_view t) {
        Okraje o;
        const size_t n = std::min<size_t>(8, t.size());
        std::memcpy(&o.zacatek, t.data(), n);
        std::memcpy(&o.konec, t.data() + t.size() - n, n);
        return o;
    }
    struct Znama {
        Okraje okraje;
        std::string bajty;
        quint32 index;
    };
    static bool stejne(const Znama& h, const Okraje& o, std::string_view t) {
        if (h.okraje.zacatek != o.zacatek || h.okraje.konec != o.konec || h.bajty.size() != t.size()) return false;
        return t.size() <= 16 || h.bajty == t;  // up to 16 bytes, both ends are all of them
    }
    TabulkaArtiklu& m_t;
    const Regional& m_reg;
    std::vector<Znama> m_zname[kPoliCeniku];
    std::vector<Usek> m_useky;  // the upper-case order numbers by position
    std::vector<Klic> m_razeni;
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
    plneni.rezervuj(static_cast<size_t>(ctec.nejvyseZaznamu()),
                    ctec.sirka(fStaryKod) + ctec.sirka(fObjCislo) + ctec.sirka(fNazev));
    while (const char* bajty = ctec.dalsiZaznam()) plneni.pridej(ctec, bajty);
    plneni.dokonci();
    t.m_varovani = ctec.varovani();
    return t;
}

TabulkaArtiklu TabulkaArtiklu::zDat(const DataDBF& data, const QString& soubor) {
    kontrolaPoli(data.pocetPoli(), soubor);
    TabulkaArtiklu t;
    Plneni plneni(t);
    plneni.rezervuj(data.radky.size(), 0);
    for (const auto& bunky : data.radky) plneni.pridej(bunky, soubor);
    plneni.dokonci();
    return t;
}

void TabulkaArtiklu::kontrolaPoli(int poli, const QString& soubor) {
    if (poli < kPoliCeniku)
        throw RuntimeError(321, QStringLiteral("Soubor ") + soubor + QStringLiteral(" nemá všech 8 polí ceníku."));
}

void TabulkaArtiklu::serad(std::vector<Klic> klice, const std::vector<Usek>& useky) {
    // Rows follow the order number; the rows themselves stay where they were read.
    m_podleObj = serazeno(std::move(klice), m_velka, useky);
    m_klice.resize(m_podleObj.size());
    for (size_t r = 0; r < m_podleObj.size(); ++r) m_klice[r] = useky[static_cast<size_t>(m_podleObj[r])];
    Sort(0);
}

TabulkaArtiklu::Klic TabulkaArtiklu::klic(const char16_t* jednotky, size_t n, int pozice) {
    quint64 u[8] = {};
    std::copy(jednotky, jednotky + std::min<size_t>(8, n), u);
    return Klic{u[0] << 48 | u[1] << 32 | u[2] << 16 | u[3], u[4] << 48 | u[5] << 32 | u[6] << 16 | u[7], pozice};
}

TabulkaArtiklu::Usek TabulkaArtiklu::pridejVelkymi(std::vector<char16_t>& kam, QStringView text) {
    Usek u{static_cast<quint32>(kam.size()), static_cast<quint32>(text.size())};
    if (pridejAsciiVelkymi(kam, text.utf16(), static_cast<size_t>(text.size()))) return u;
    const QString velky = text.toString().toUpper();
    const auto* j = reinterpret_cast<const char16_t*>(velky.constData());
    kam.insert(kam.end(), j, j + velky.size());
    u.delka = static_cast<quint32>(velky.size());
    return u;
}

std::vector<int> TabulkaArtiklu::serazeno(std::vector<Klic> klice, const std::vector<char16_t>& jednotky,
                                          const std::vector<Usek>& useky) {
    // Ordinal order of the UTF-16 code units, as QString compares them. The 128-bit keys are
    // sorted a byte at a time from the last (a radix sort, stable, so equal keys keep their
    // order), skipping the bytes that are the same in every key; only keys that agree in all
    // eight first units are then compared whole.
    const size_t n = klice.size();
    quint64 vsechnyV = 0, kazdyV = ~0ull, vsechnyN = 0, kazdyN = ~0ull;
    for (const Klic& k : klice) {
        vsechnyV |= k.vyssi;
        kazdyV &= k.vyssi;
        vsechnyN |= k.nizsi;
        kazdyN &= k.nizsi;
    }
    std::vector<Klic> pomocne(n);
    for (int b = 0; b < 16; ++b) {
        quint64 Klic::*slovo = b < 8 ? &Klic::nizsi : &Klic::vyssi;
        const int posun = 8 * (b % 8);
        if ((((b < 8 ? vsechnyN ^ kazdyN : vsechnyV ^ kazdyV) >> posun) & 0xFF) == 0) continue;
        std::array<int, 256> od{};
        for (const Klic& k : klice) ++od[(k.*slovo >> posun) & 0xFF];
        int soucet = 0;
        for (int& c : od) soucet += std::exchange(c, soucet);
        for (const Klic& k : klice) pomocne[static_cast<size_t>(od[(k.*slovo >> posun) & 0xFF]++)] = k;
        klice.swap(pomocne);
    }
    const auto cely = [&](const Klic& k) {
        const Usek u = useky[static_cast<size_t>(k.pozice)];
        return QStringView(jednotky.data() + u.od, u.delka);
    };
    const auto delka = [&](const Klic& k) { return useky[static_cast<size_t>(k.pozice)].delka; };
    for (size_t i = 0; i < n;) {
        size_t j = i + 1;
        bool stejne = delka(klice[i]) <= 8;  // the keys hold the whole of keys this short
        for (; j < n && klice[j].vyssi == klice[i].vyssi && klice[j].nizsi == klice[i].nizsi; ++j)
            stejne = stejne && delka(klice[j]) == delka(klice[i]);
        if (j - i > 1 && !stejne)
            std::stable_sort(klice.begin() + static_cast<qsizetype>(i), klice.begin() + static_cast<qsizetype>(j),
                             [&](const Klic& a, const Klic& b) { return cely(a).compare(cely(b)) < 0; });
        i = j;
    }
    std::vector<int> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = klice[i].pozice;
    return v;
}

size_t TabulkaArtiklu::pozice(int r) const {
    if (r < 1 || r > pocetArtiklu()) throw ChybaRozsahu();
    return static_cast<size_t>(m_podleObj[static_cast<size_t>(r - 1)]);
}

QString TabulkaArtiklu::text(const Castka& c) const {
    if (c.text >= 0) return m_textyCastek[static_cast<size_t>(c.text)];
    return formatuj(zeSetin(c.setiny), m_desetinna, m_skupina);
}

QString TabulkaArtiklu::text(int r, int sloupec) const {
    if (r == 0) return hlavicka(sloupec);
    if (sloupec < 0 || sloupec >= kSloupcu) throw ChybaRozsahu();
    const size_t p = pozice(r);
    const Radek& x = m_radky[p];
    switch (sloupec) {
    case Ks: return QStringLiteral("0");
    case ProdejniCena: return x.bezCeny ? QString() : text(x.cena);
    case Vaha: return text(x.vaha);
    case Cena: return text(x.cena);
    default: return ulozenyText(r, sloupec).toString();
    }
}

QStringView TabulkaArtiklu::ulozenyText(int r, int sloupec) const {
    const Radek& x = radek(r);
    switch (sloupec) {
    case StaryKod:
    case ObjCislo:
    case Nazev: return textPole(x, sloupec);
    case MJ: return m_hodnoty[x.mj].text;
    case ObjSklad: return m_hodnoty[x.objSklad].text;
    case System: return m_hodnoty[x.system].text;
    default: throw ChybaVolani();
    }
}

Currency TabulkaArtiklu::cena(int r) const {
    const Radek& x = radek(r);
    if (x.cenaPretece) throw ChybaPreteceni();
    return Currency::fromRaw(x.cena.text >= 0 ? 0 : x.cena.setiny * 100);
}

double TabulkaArtiklu::prodejniCena(int r) const {
    const Radek& x = radek(r);
    if (x.bezCeny) return 0;
    if (x.cena.text < 0) return static_cast<double>(x.cena.setiny) / 100.0;
    // Text, or a number past 16 whole digits kept as its text.
    const QString& t = m_textyCastek[static_cast<size_t>(x.cena.text)];
    const Regional& reg = Regional::current();
    return reg.IsNumeric(t) ? reg.CDbl(t) : 0.0;
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
    const auto klic = [this](const Usek& u) { return QStringView(m_velka.data() + u.od, u.delka); };
    const auto it = std::lower_bound(m_klice.begin(), m_klice.end(), kod,
                                     [&](const Usek& u, const QString& k) { return klic(u).compare(k) < 0; });
    if (it == m_klice.end() || klic(*it) != kod) return -1;
    return static_cast<int>(it - m_klice.begin()) + 1;
}

void TabulkaArtiklu::Sort(int x) {
    ++m_verzePoradi;
    if (x == 0) {
        m_poradi.resize(m_radky.size());
        std::iota(m_poradi.begin(), m_poradi.end(), 1);
        return;
    }
    // The table does not change: the old-code order is made once.
    if (!m_poStaremKodu.empty() || m_radky.empty()) {
        m_poradi = m_poStaremKodu;
        return;
    }
    // The keys made in file order, where the codes lie, then put in row order: equal old codes
    // stay by order number.
    const size_t n = m_radky.size();
    std::vector<char16_t> jednotky;
    jednotky.reserve(m_velka.size());
    std::vector<Usek> useky(n);
    std::vector<Klic> vSouboru(n);
    for (size_t p = 0; p < n; ++p) {
        useky[p] = pridejVelkymi(jednotky, textPole(m_radky[p], StaryKod));
        vSouboru[p] = klic(jednotky.data() + useky[p].od, useky[p].delka, 0);
    }
    std::vector<Usek> podleRadku(n);
    std::vector<Klic> klice(n);
    for (size_t i = 0; i < n; ++i) {
        const auto p = static_cast<size_t>(m_podleObj[i]);
        podleRadku[i] = useky[p];
        klice[i] = vSouboru[p];
        klice[i].pozice = static_cast<int>(i);
    }
    m_poradi = serazeno(std::move(klice), jednotky, podleRadku);
    for (int& r : m_poradi) ++r;
    m_poStaremKodu = m_poradi;
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
