#include "systems/xMIV.h"

#include "platform/Numbers.h"
#include "systems/MivSpolecne.h"
#include "systems/PytleObezdivky.h"
#include "systems/TabulkaPrislusenstvi.h"

#include <array>
#include <tuple>

namespace {

// Cross-section labels are compared as text, ranges included ("12" to "40").
bool je(const QString& prurez, const char* s) { return prurez == QLatin1String(s); }
bool mezi(const QString& prurez, const char* od, const char* po) {
    return prurez >= QLatin1String(od) && prurez <= QLatin1String(po);
}

// ---- kits ----------------------------------------------------------------------------------

using miv::Dil;
using miv::kDruxa;

constexpr std::array<Dil, 3> kZakladni90{{{"FM DRUXA", kDruxa, 35}, {"PT", 1, 39}, {"FP", 1, 40}}};
constexpr std::array<Dil, 3> kZakladni45{{{"FM DRUXA", kDruxa, 35}, {"PT", 1, 39}, {"FP/45", 1, 41}}};
constexpr std::array<Dil, 2> kZakladniVelke{{{"PT", 1, 39}, {"FP", 1, 40}}};

// "Sada MIV" 1..4: 90° without / with shaft, 45° without / with shaft.
constexpr std::array<std::array<Dil, 8>, 4> kSadyMIV{{
    {{{"MST", 9, 7}, {"RR", 5, 9}, {"PA", 1, 10}, {"RA90", 1, 11}, {"MAT", 18, 13}, {"PT", 1, 39}, {"FP", 1, 40},
      {"FM DRUXA", kDruxa, 35}}},
    {{{"MST L", 9, 8}, {"RR", 5, 9}, {"PA", 1, 10}, {"RA90", 1, 11}, {"MAT", 18, 13}, {"PT", 1, 39}, {"FP", 1, 40},
      {"FM DRUXA", kDruxa, 35}}},
    {{{"MST", 9, 7}, {"RR", 5, 9}, {"PA", 1, 10}, {"RA45", 1, 12}, {"MAT", 18, 13}, {"PT", 1, 39}, {"FP45", 1, 41},
      {"FM DRUXA", kDruxa, 35}}},
    {{{"MST L", 9, 8}, {"RR", 5, 9}, {"PA", 1, 10}, {"RA45", 1, 12}, {"MAT", 18, 13}, {"PT", 1, 39}, {"FP45", 1, 41},
      {"FM DRUXA", kDruxa, 35}}},
}};

// Middle sets without / with shaft.
constexpr std::array<std::array<Dil, 3>, 2> kSadyStred{{
    {{{"MST", 12, 7}, {"RR", 12, 9}, {"MAT", 24, 13}}},
    {{{"MST L", 12, 8}, {"RR", 12, 9}, {"MAT", 24, 13}}},
}};

// The small cross-sections and their kits; "25" to "60" have only the plain basic kit.
struct SoupravyPrurezu {
    const char* prurez;
    int druxa;                  // pieces of FM DRUXA in the basic kit and in the sets
    bool zakladni45;            // a basic kit for the 45° connection
    std::array<bool, 4> sady;   // "Sada MIV" 1..4; the calculator also picks the set by them
    std::array<bool, 2> stred;  // middle sets without / with shaft
};
constexpr std::array<SoupravyPrurezu, 5> kSoupravy{{
    {"12", 3, false, {false, false, false, false}, {false, false}},
    {"14", 4, false, {true, true, false, false}, {true, false}},
    {"16", 5, true, {true, false, false, false}, {true, false}},
    {"18", 6, true, {true, false, true, false}, {true, false}},
    {"20", 6, true, {true, true, true, true}, {true, true}},
}};

const SoupravyPrurezu* soupravyPrurezu(const QString& prurez) {
    for (const SoupravyPrurezu& s : kSoupravy)
        if (je(prurez, s.prurez)) return &s;
    return nullptr;
}

const QString kTextZ0 = QStringLiteral(
    "Základní souprava obsahuje: podstavec s odvodem kondenzátu, komínová dvířka dvoudílná, větrací mřížka, čelní "
    "deska, maltovací šablona, identifikační štítek, houbička, montážní návod, záruční list, prohlášení o shodě.");
const QString kTextS = QStringLiteral(
    "Sada MIV obsahuje: 9 ks komínová tvárnice bez větrací šachty, 5 ks komínové vložky 330 mm, 1 ks komínová "
    "vložka pro kouřovod 90° 660 mm, 1 ks komínová vložka pro dvířka 660 mm, 18 ks izolační rohož, 1 ks podstavec "
    "pro odvod kondenzátu, 1 ks větrací mřížka, 1 ks komínová dvířka Lamora, 1 ks čelní deska minerální, 1 ks "
    "maltovací šablona, spárovací hmota FM DRUXA (4 ks), houbička, ruční pistole, montážní návod MIV*** TRENA, "
    "záruční list, identifikační štítek, prohlášení o shodě, těsnící přechod.");
const QString kOrlexBezSachty = QStringLiteral(
    "Sada Orlex jednoprůduchová bez větrací šachty obsahuje: 15 ks tvárnice Orlex, 3 ks komínové vložky, 6 ks "
    "izolační rohože, 1 ks krycí deska Orlex, 1 ks maltová směs tenkovrstvá, 2 ks statická souprava 2 x 3 m, "
    "montážní návod.");
const QString kOrlexSeSachtou = QStringLiteral(
    "Sada Orlex jednoprůduchová s větrací šachtou obsahuje: 15 ks tvárnice Orlex s větrací šachtou (8 ks tvárnice "
    "typ 1, 7 ks tvárnice typ 2), 3 ks komínové vložky, 6 ks izolační rohože, 1 ks krycí deska Orlex s větrací "
    "šachtou, 1 ks maltová směs tenkovrstvá, 2 ks statická souprava 2 x 3 m, montážní návod.");

// Set k (1..4): even ones have the shaft, 3 and 4 the 45° connection.
QString textS(int k, int druxa) {
    QString t = kTextS;
    if (k % 2 == 0) t.replace(QStringLiteral("bez větrací šachty"), QStringLiteral("s větrací šachtou"));
    if (k >= 3) t.replace(QStringLiteral("pro kouřovod 90° 660 mm"), QStringLiteral("pro kouřovod 45° 660 mm"));
    t.replace(QStringLiteral("(4 ks)"), QStringLiteral("(%1 ks)").arg(druxa));
    return t;
}

// ---- quantities by cross-section ---------------------------------------------------------

// Liners 330 mm: 3 per metre less what the door liners (row 10) and the connection liners
// (rows 11, 12) take up. The same figures are what the door and a second connection remove.
struct Vlozky {
    bool vzorec;     // row 9 is computed for this label
    int zaDvirka;    // per door liner
    int zaNapojeni;  // per connection liner
};
Vlozky vlozkyPrurezu(const QString& prurez) {
    if (mezi(prurez, "12", "40")) return {true, 2, 2};
    if (je(prurez, "45")) return {true, 2, 3};
    if (je(prurez, "60")) return {true, 3, 4};
    return {false, 2, 2};
}

enum class Rohoze {
    PodleVlozek,     // 4 per short liner, 2 per liner 330 mm
    PodleVlozek40,   // as above, 6 per connection liner
    PodleBloku25,    // 2.5 per block, rounded up
    PodleBloku3,     // 3 per block
};

struct VyskaPrurezu {
    const char* prurez;
    Rohoze rohoze;
    int radekHmoty;       // 35 FM DRUXA, 36 the large cross-sections' compound
    double hmotaNasobek;  // compound: Round(nasobek * Vyska / delitel + 0.49)
    double hmotaDelitel;
    double malta[2];      // mortar per metre of blocks, without / with shaft
};
constexpr std::array<VyskaPrurezu, 11> kVyska{{
    {"12", Rohoze::PodleVlozek, 35, 0.3, 1, {5.1, 7.0}},
    {"14", Rohoze::PodleVlozek, 35, 0.4, 1, {5.1, 7.0}},
    {"16", Rohoze::PodleVlozek, 35, 0.5, 1, {5.1, 7.0}},
    {"18", Rohoze::PodleVlozek, 35, 0.6, 1, {5.7, 7.8}},
    {"20", Rohoze::PodleVlozek, 35, 0.6, 1, {5.7, 7.8}},
    {"25", Rohoze::PodleVlozek, 36, 1, 7, {9.2, 10.2}},
    {"30", Rohoze::PodleVlozek, 36, 1, 7, {10.7, 12.3}},
    {"35", Rohoze::PodleVlozek, 36, 1, 7, {11.7, 13.0}},
    {"40", Rohoze::PodleVlozek40, 36, 2, 7, {15.4, 17.5}},
    {"45", Rohoze::PodleBloku25, 36, 2, 7, {18.6, 21.5}},
    {"60", Rohoze::PodleBloku3, 36, 3, 7, {30.5, 39.8}},
}};

// ---- accessories ---------------------------------------------------------------------------

using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 50, .priznak = 0},
    {.radek = 51, .priznak = 1},
    {.radek = 58, .priznak = 2, .sachta = R::Bez, .ukonceni = 1},
    {.radek = 60, .priznak = 2, .sachta = R::Bez, .ukonceni = 3},
    {.radek = 59, .priznak = 2, .sachta = R::Se, .ukonceni = 1},
    {.radek = 61, .priznak = 2, .sachta = R::Se, .ukonceni = 3},
    {.radek = 30, .priznak = 3},
    {.radek = 31, .priznak = 4},
    {.radek = 32, .priznak = 5},
    {.radek = 48, .priznak = 6},
    {.radek = 49, .priznak = 7},
    {.radek = 53, .priznak = 8},
    {.radek = 52, .priznak = 9},
    {.radek = 54, .priznak = 10, .prurezy = "16"},
    {.radek = 55, .priznak = 11, .prurezy = "16"},
    {.radek = 56, .priznak = 12, .prurezy = "16"},
    {.radek = 54, .priznak = 11, .prurezy = "18 20"},
    {.radek = 55, .priznak = 12, .prurezy = "18 20"},
    {.radek = 56, .priznak = 13, .prurezy = "18 20"},
    {.radek = 57, .priznak = 14, .prurezy = "20"},
    {.radek = 47, .priznak = 15},
    {.radek = 45, .priznak = 22},
    {.radek = 62, .priznak = 23},
    {.radek = 63, .priznak = 24},
    {.radek = 44, .priznak = 26},
    {.radek = 92, .priznak = 27},
    {.radek = 93, .priznak = 28},
    {.radek = 94, .priznak = 29},
    {.radek = 95, .priznak = 30},
    {.radek = 96, .priznak = 31},
    {.radek = 97, .priznak = 32},
};

// ---- the edit rules ------------------------------------------------------------------------

// Rows the user cannot change: they follow from others.
bool chraneny(int r) {
    return (r >= 7 && r <= 10) || r == 13 || (r >= 17 && r <= 19) || (r >= 22 && r <= 25) || r == 40 || r == 41 ||
           (r >= 62 && r <= 91);
}

// The casing's top variants as rows 14, 15, 18, 19, 20, 21.
using Vrchol = std::array<int, 6>;
constexpr std::array<int, 6> kRadkyVrcholu{14, 15, 18, 19, 20, 21};
constexpr Vrchol kMalyBezSachty{1, 0, 1, 0, 1, 0};
constexpr Vrchol kVelkyBezSachty{0, 1, 1, 0, 0, 0};
constexpr Vrchol kMalySeSachtou{1, 0, 0, 1, 0, 1};
constexpr Vrchol kVelkySeSachtou{0, 1, 0, 1, 0, 0};
constexpr Vrchol kJenVelky{0, 1, 0, 0, 0, 0};

void nastav(VektorMnozstvi& q, const Vrchol& v) {
    for (size_t i = 0; i < v.size(); ++i) q(kRadkyVrcholu[i]) = Integer(v[i]);
}

// Connection liners 11, 12 and basic kits 16, 17.
void nastavPripojeni(VektorMnozstvi& q, int q11, int q12, int q16, int q17) {
    q(11) = Integer(q11);
    q(12) = Integer(q12);
    q(16) = Integer(q16);
    q(17) = Integer(q17);
}

}  // namespace

// ---- Spocitej ------------------------------------------------------------------------------

void xMIV::Spocitej() {
    vyplnSoupravy();
    VektorMnozstvi q = novyVektor();
    pripojeni(q);
    vlozky(q);
    ukonceni(q);
    vyskoveRadky(q);
    volbaSady(q);
    moznosti(q);
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xMIV::vyplnSoupravy() {
    vytvorSoupravy(2, 4, 2, 1);
    SorvenikaParametry& p = P();
    if (const SoupravyPrurezu* s = soupravyPrurezu(p.Prurez)) {
        const int n = s->druxa;
        miv::naplnSoupravu(p.ZakladniSoupravy(1), kZakladni90, miv::textZakladniSoupravy(n, false), n);
        if (s->zakladni45)
            miv::naplnSoupravu(p.ZakladniSoupravy(2), kZakladni45, miv::textZakladniSoupravy(n, true), n);
        for (int k = 1; k <= 4; ++k)
            if (s->sady[k - 1]) miv::naplnSoupravu(p.Sady(k), kSadyMIV[k - 1], textS(k, n), n);
        for (int k = 1; k <= 2; ++k)
            if (s->stred[k - 1]) miv::naplnSoupravu(p.SadyStred(k), kSadyStred[k - 1], QString(), n);
    } else if (mezi(p.Prurez, "25", "60")) {
        miv::naplnSoupravu(p.ZakladniSoupravy(1), kZakladniVelke, kTextZ0);
    }
}

void xMIV::pripojeni(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    if (p.Kourovod == 0) {
        q(11) = Integer(1);
        q(16) = Integer(1);
    } else if (p.Kourovod == 1) {
        q(12) = Integer(1);
        q(17) = Integer(1);
    }
    // These two have only the 90° basic kit and one front plate whatever the angle.
    const bool velky = je(p.Prurez, "25") || je(p.Prurez, "30");
    if (velky) {
        q(16) = Integer(1);
        q(17) = Integer(0);
    }
    q(39) = Integer(1);
    q(40) = q(11);
    if (velky) q(40) = q(11) + q(12);
    else q(41) = q(12);
    q(10) = q(39);
}

void xMIV::vlozky(VektorMnozstvi& q) const {
    const Vlozky v = vlozkyPrurezu(P().Prurez);
    if (!v.vzorec) return;
    const Integer odecet = v.zaDvirka * q(10) + v.zaNapojeni * (q(11) + q(12));
    q(9) = Integer::fromDouble(3 * static_cast<double>(P().Vyska) - odecet.value());
}

void xMIV::ukonceni(VektorMnozstvi& q) {
    const SorvenikaParametry& p = P();
    const bool malyVrchol = mezi(p.Prurez, "12", "30");
    const bool velkyVrchol = mezi(p.Prurez, "35", "60");
    switch (p.Ukonceni) {
    case 1:  // brick casing
        if (malyVrchol) nastav(q, p.Sachta ? kMalySeSachtou : kMalyBezSachty);
        else if (velkyVrchol) q(15) = Integer(1);
        if (p.DruhCihly == 1) q(42) = Integer::fromDouble(p.PocetCihel);
        else if (p.DruhCihly == 2) q(43) = Integer::fromDouble(p.PocetCihel);
        q(37) = pridejPytle(q(37), p.PocetPytlu);
        q(38) = Integer::fromDouble(p.PocetZSLKT);
        break;
    case 2: {  // cladding: by shaft, structure (2 brick, else plaster) and height
        q(14) = Integer(1);
        const int zaklad = p.Sachta ? (p.DruhPlaste == 2 ? 77 : 84) : (p.DruhPlaste == 2 ? 63 : 70);
        q(zaklad + p.IdVyskaPlaste) = Integer(1);
        q(38) = Integer::fromDouble(p.PocetZSLKT);
        break;
    }
    case 3: {  // Orlex top
        q(14) = Integer(1);
        if (!p.Sachta) {
            q(24) = Integer(1);
            q(26) = Integer::fromDouble(p.PocetDiluOrlex);
            g.PopisSadyOrlex = kOrlexBezSachty;
        } else {
            q(25) = Integer(1);
            std::tie(q(27), q(28)) = miv::rozdelDilyOrlex(p.PocetDiluOrlex);
            g.PopisSadyOrlex = kOrlexSeSachtou;
        }
        q(29) = Integer::fromDouble(p.PocetTyciOrlex);
        q(38) = Integer::fromDouble(p.PocetZSLKT);
        // The Orlex set holds three liners.
        if (q(24) >= 1 || q(25) >= 1) q(9) = q(9) - 3;
        break;
    }
    case 4:  // cover plate cast on site
        q(14) = Integer(0);
        q(15) = Integer(1);
        q(p.Sachta ? 19 : 18) = Integer(0);
        break;
    default:  // KDS and KDVO need no rows here
        break;
    }
}

// Blocks, 3 per metre; the Orlex top replaces one metre and each of its pieces a fifth of a block.
void xMIV::bloky(VektorMnozstvi& q) const {
    if (!P().Sachta) q(7) = miv::bloky(P().Vyska, q(24), q(26));
    else q(8) = miv::bloky(P().Vyska, q(25), q(27) + q(28));
}

void xMIV::vyskoveRadky(VektorMnozstvi& q) const {
    bloky(q);
    const SorvenikaParametry& p = P();
    const VyskaPrurezu* t = nullptr;
    for (const VyskaPrurezu& v : kVyska) {
        if (je(p.Prurez, v.prurez)) {
            t = &v;
            break;
        }
    }
    if (!t) return;  // another label has no mats, compound or mortar

    const Integer bloku = p.Sachta ? q(8) : q(7);
    switch (t->rohoze) {
    case Rohoze::PodleVlozek:
        q(13) = 4 * (q(10) + q(11) + q(12)) + 2 * q(9);
        break;
    case Rohoze::PodleVlozek40:
        q(13) = 4 * q(10) + 2 * q(9) + 6 * (q(11) + q(12));
        break;
    case Rohoze::PodleBloku25:
        q(13) = Integer::fromDouble(q(13).value() + Round(2.5 * bloku.value() + 0.49));
        break;
    case Rohoze::PodleBloku3:
        q(13) = 3 * bloku + q(13);
        break;
    }
    const double v = p.Vyska;
    q(t->radekHmoty) = Integer::fromDouble(Round(t->hmotaNasobek * v / t->hmotaDelitel + 0.49));
    // Mortar for the blocks' metres in bags of 20, added to the casing's bags.
    const double k = t->malta[p.Sachta ? 1 : 0];
    q(37) = Integer::fromDouble(Round(static_cast<double>(bloku.value()) / 3 * k / 20 + 0.49) + q(37).value());
}

// A "Sada MIV" replaces the basic kit where the cross-section has one for the angle and shaft.
void xMIV::volbaSady(VektorMnozstvi& q) const {
    const SoupravyPrurezu* s = soupravyPrurezu(P().Prurez);
    if (!s) return;
    bool sada = false;
    for (int k = 1; k <= 4; ++k) {
        const int uhel = k >= 3 ? 1 : 0;
        const bool sachta = k % 2 == 0;
        if (s->sady[k - 1] && P().Kourovod == uhel && P().Sachta == sachta) {
            q(k) = Integer(1);
            sada = true;
        }
    }
    if (sada) {
        q(16) = Integer(0);
        q(17) = Integer(0);
    }
}

void xMIV::moznosti(VektorMnozstvi& q) const {
    const Vlozky v = vlozkyPrurezu(P().Prurez);
    if (P().HorniDvirka) {
        q(9) = q(9) - v.zaDvirka;
        q(10) = q(10) + 1;
        q(39) = q(39) + 1;
    }
    // The second connection is always at 90°.
    if (P().DruheNapojeni) {
        q(9) = q(9) - v.zaNapojeni;
        q(11) = q(11) + 1;
        q(40) = q(40) + 1;
    }
}

void xMIV::poctySouprav(const VektorMnozstvi& q) {
    SorvenikaParametry& p = P();
    for (int k = 1; k <= 4; ++k) p.Sady(k).Pocet = q(k);
    p.SadyStred(1).Pocet = q(5);
    p.SadyStred(2).Pocet = q(6);
    p.ZakladniSoupravy(1).Pocet = q(16);
    p.ZakladniSoupravy(2).Pocet = q(17);
}

// ---- Prepocitej ----------------------------------------------------------------------------

void xMIV::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    // The connection liners belong to a "Sada MIV" in the bill.
    if ((radek == 11 || radek == 12) && (q(1) == 1 || q(2) == 1 || q(3) == 1 || q(4) == 1)) return;

    if (chraneny(radek)) q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad);
    else pravidloRadku(q, radek, ks);

    q(10) = q(39);
    vlozky(q);
    bloky(q);
    if (q(24) >= 1 || q(25) >= 1) q(9) = q(9) - 3;
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

void xMIV::pravidloRadku(VektorMnozstvi& q, int radek, Integer ks) {
    const SorvenikaParametry& p = P();
    const auto vratZobrazene = [&] { q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).Ks); };
    const bool obezdivka = p.Ukonceni == 1;

    switch (radek) {
    case 1:
    case 2:
    case 3:
    case 4: {
        // A set is a switch between itself and the basic kit of its angle.
        const bool sachtaSady = radek % 2 == 0;
        const bool na90 = radek <= 2;
        if (p.Sachta != sachtaSady) {
            q(radek) = Integer(0);
        } else if (q(radek) >= 1 || q(radek) == 0) {
            const bool zvolena = q(radek) >= 1;
            for (int k = 1; k <= 4; ++k) q(k) = Integer(zvolena && k == radek ? 1 : 0);
            nastavPripojeni(q, na90, !na90, !zvolena && na90, !zvolena && !na90);
        }
        break;
    }
    case 5:
        q(6) = Integer(0);
        break;
    case 6:
        q(5) = Integer(0);
        break;
    case 11:  // a switch: 0 goes over to 45° where the cross-section has it
        if (q(11) == 0) {
            if (!existuje(12)) nastavPripojeni(q, 1, 0, 1, 0);
            else if (!existuje(17)) nastavPripojeni(q, 0, 1, 1, 0);
            else nastavPripojeni(q, 0, 1, 0, 1);
        } else if (q(11) > 0) {
            nastavPripojeni(q, 1, 0, 1, 0);
        }
        break;
    case 12:
        if (q(12) == 0) {
            if (existuje(11)) nastavPripojeni(q, 1, 0, 1, 0);
            else nastavPripojeni(q, 0, 1, 0, 1);
        } else if (q(12) > 0) {
            if (!existuje(17)) nastavPripojeni(q, 0, 1, 1, 0);
            else nastavPripojeni(q, 0, 1, 0, 1);
        }
        break;
    case 14:  // small top of the casing
        if (!obezdivka) vratZobrazene();
        else if (!p.Sachta) nastav(q, q(14) == 0 ? kVelkyBezSachty : kMalyBezSachty);
        else nastav(q, q(14) == 0 ? kVelkySeSachtou : kMalySeSachtou);
        break;
    case 15:  // large top of the casing
        if (!obezdivka) vratZobrazene();
        else if (mezi(p.Prurez, "12", "30")) {
            if (!p.Sachta) nastav(q, q(15) == 0 ? kMalyBezSachty : kVelkyBezSachty);
            else nastav(q, q(15) == 0 ? kMalySeSachtou : kVelkySeSachtou);
        } else if (mezi(p.Prurez, "35", "60")) {
            // Only the large top exists here.
            if (q(15) == 0) q(15) = Integer(1);
            else nastav(q, kJenVelky);
        }
        break;
    case 20:
        if (!obezdivka || p.Sachta) vratZobrazene();
        else nastav(q, q(20) == 0 ? kVelkyBezSachty : kMalyBezSachty);
        break;
    case 21:
        if (!obezdivka || !p.Sachta) vratZobrazene();
        else nastav(q, q(21) == 0 ? kVelkySeSachtou : kMalySeSachtou);
        break;
    case 39: {
        // Every kit holds one door: the base keeps them so the sheet shows the typed count.
        Integer pt = ks + p.ZakladniSoupravy(1).Pocet + p.ZakladniSoupravy(2).Pocet;
        for (int k = 1; k <= 4; ++k) pt = pt + p.Sady(k).Pocet;
        q(39) = pt;
        break;
    }
    default:  // the typed quantity stays
        break;
    }
}

// ---- accessories ---------------------------------------------------------------------------

void xMIV::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
