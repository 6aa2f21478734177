#include "systems/xMIV2S.h"

#include "platform/Numbers.h"
#include "systems/MivSpolecne.h"
#include "systems/PytleObezdivky.h"
#include "systems/TabulkaPrislusenstvi.h"

#include <array>
#include <initializer_list>
#include <tuple>

namespace {

using miv::Dil;

// Per cross-section: FM DRUXA pieces in a basic set, whether it has the 45° set, and the
// compound (row 27) and mortar (row 28, per 20 m without / with shaft) factors.
struct Prurez {
    const char* prurez;
    int druxa;
    bool souprava45;
    double hmota;      // row 27 := Round(Vyska * hmota + 0.49)
    double malta[2];
};
constexpr std::array<Prurez, 5> kPrurezy{{
    {"12/12", 3, false, 0.6, {8.6, 10.4}},
    {"14/14", 4, false, 0.8, {8.6, 10.4}},
    {"16/16", 5, true, 1.0, {8.6, 10.4}},
    {"18/18", 6, true, 1.2, {11.5, 13.4}},
    {"20/20", 6, true, 1.2, {11.5, 13.4}},
}};

const Prurez* najdiPrurez(const QString& prurez) {
    for (const Prurez& t : kPrurezy)
        if (prurez == QLatin1String(t.prurez)) return &t;
    return nullptr;
}

// ---- accessories ---------------------------------------------------------------------------

using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 41, .priznak = 0, .nasobek = 2},
    {.radek = 42, .priznak = 1, .nasobek = 2},
    {.radek = 49, .priznak = 2, .sachta = R::Bez, .ukonceni = 1},
    {.radek = 50, .priznak = 2, .sachta = R::Se, .ukonceni = 1},
    {.radek = 51, .priznak = 2, .sachta = R::Bez, .ukonceni = 3},
    {.radek = 21, .priznak = 3},
    {.radek = 22, .priznak = 4},
    {.radek = 23, .priznak = 5},
    {.radek = 39, .priznak = 6},
    {.radek = 40, .priznak = 7},
    {.radek = 44, .priznak = 8},
    {.radek = 43, .priznak = 9},
    {.radek = 45, .priznak = 10, .priznak2 = 16, .prurezy = "16/16"},
    {.radek = 46, .priznak = 11, .priznak2 = 17, .prurezy = "16/16"},
    {.radek = 47, .priznak = 12, .priznak2 = 18, .prurezy = "16/16"},
    {.radek = 45, .priznak = 11, .priznak2 = 17, .prurezy = "18/18 20/20"},
    {.radek = 46, .priznak = 12, .priznak2 = 18, .prurezy = "18/18 20/20"},
    {.radek = 47, .priznak = 13, .priznak2 = 19, .prurezy = "18/18 20/20"},
    {.radek = 48, .priznak = 14, .priznak2 = 20, .prurezy = "20/20"},
    {.radek = 38, .priznak = 15, .priznak2 = 21},
    {.radek = 36, .priznak = 22},
    {.radek = 52, .priznak = 23},
    {.radek = 53, .priznak = 24},
    {.radek = 35, .priznak = 26},
};

// ---- the edit rules ------------------------------------------------------------------------

bool chraneny(int r) {
    return (r >= 1 && r <= 4) || r == 7 || r == 10 || r == 11 || r == 25 || r == 26 || r == 31 || r == 32 ||
           (r >= 54 && r <= 81);
}

// Both flues on one angle: rows 5/25/31 at 90°, 6/26/32 at 45°.
void obaNa(VektorMnozstvi& q, bool na45) {
    const Integer n90(na45 ? 0 : 2), n45(na45 ? 2 : 0);
    q(5) = q(25) = q(31) = n90;
    q(6) = q(26) = q(32) = n45;
}

// A connection count typed as 0 or 2: odd counts go up, anything above 2 is 2.
Integer sudePripojeni(Integer typed) {
    const Integer n = Integer::fromDouble(2 * Round(typed.value() / 2.0 + 0.1));
    return n > 2 ? Integer(2) : n;
}

// The casing top: arrangement A (rows 8, 12/13) or B (row 9), rows 8 to 13.
using Vrchol = std::array<int, 6>;
constexpr Vrchol kABezSachty{2, 0, 1, 0, 1, 0};
constexpr Vrchol kASeSachtou{2, 0, 0, 1, 0, 1};
constexpr Vrchol kBBezSachty{0, 2, 1, 0, 0, 0};
constexpr Vrchol kBSeSachtou{0, 2, 0, 1, 0, 0};

void nastav(VektorMnozstvi& q, const Vrchol& v) {
    for (size_t i = 0; i < v.size(); ++i) q(8 + static_cast<int>(i)) = Integer(v[i]);
}

}  // namespace

// ---- Spocitej ------------------------------------------------------------------------------

void xMIV2S::Spocitej() {
    vyplnSoupravy();
    SorvenikaParametry& p = P();
    VektorMnozstvi q = novyVektor();
    const double v = p.Vyska;

    for (Integer kourovod : {p.Kourovod, p.Kourovod2}) {
        if (kourovod == 0) {
            q(5) = q(5) + 1;
            q(25) = q(25) + 1;
        } else if (kourovod == 1) {
            q(6) = q(6) + 1;
            q(26) = q(26) + 1;
        }
    }
    q(31) = q(5);
    q(32) = q(6);
    q(8) = Integer(2);
    q(30) = Integer(2);
    q(4) = q(30);
    q(3) = vlozky(q);
    q(7) = Integer::fromDouble(12 * v);

    if (!p.Sachta) q(10) = q(12) = Integer(1);
    else q(11) = q(13) = Integer(1);
    if (const Prurez* t = najdiPrurez(p.Prurez)) {
        q(27) = Integer::fromDouble(Round(v * t->hmota + 0.49));
        q(28) = Integer::fromDouble(Round(v * t->malta[p.Sachta ? 1 : 0] / 20 + 0.49));
    }

    switch (p.Ukonceni) {
    case 1:  // brick casing
        if (p.DruhCihly == 1) q(33) = Integer::fromDouble(p.PocetCihel);
        else if (p.DruhCihly == 2) q(34) = Integer::fromDouble(p.PocetCihel);
        q(28) = pridejPytle(q(28), p.PocetPytlu);
        q(29) = Integer::fromDouble(p.PocetZSLKT);
        break;
    case 2: {  // cladding
        q(8) = Integer(2);
        for (int r = 9; r <= 13; ++r) q(r) = Integer(0);
        const int zaklad = p.Sachta ? (p.DruhPlaste == 2 ? 67 : 74) : (p.DruhPlaste == 2 ? 53 : 60);
        q(p.IdVyskaPlaste + zaklad) = Integer(1);
        q(29) = Integer::fromDouble(p.PocetZSLKT);
        break;
    }
    case 3:  // Orlex top; there is none for a chimney with a shaft
        if (p.Sachta) break;
        q(8) = Integer(2);
        q(10) = Integer(0);
        q(16) = Integer(1);
        std::tie(q(17), q(18)) = miv::rozdelDilyOrlex(p.PocetDiluOrlex);
        q(24) = Integer::fromDouble(p.PocetTyciOrlex);
        q(29) = Integer::fromDouble(p.PocetZSLKT);
        // The set holds three liners and six mats per flue.
        q(3) = q(3) - 6;
        q(7) = q(7) - 12;
        q(12) = q(13) = Integer(0);
        g.PopisSadyOrlex = miv::kOrlexDvouprieduchovy;
        break;
    case 4:  // cover plate cast on site
        q(8) = Integer(0);
        q(9) = Integer(2);
        for (int r = 10; r <= 13; ++r) q(r) = Integer(0);
        break;
    default:
        break;
    }

    bloky(q);
    if (p.HorniDvirka) {
        q(3) = q(3) - 4;
        q(4) = q(4) + 2;
        q(30) = q(30) + 2;
    }
    if (p.DruheNapojeni) {
        // Product rule: a recompute derives row 3 without this deduction.
        q(3) = q(3) - 4;
        // A 45° first connection gets no extra 90° connection.
        if (p.Kourovod == 0) {
            q(5) = q(5) + 2;
            q(31) = q(31) + 2;
        }
    }
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xMIV2S::vyplnSoupravy() {
    vytvorSoupravy(2, 1, 1, 1);
    const Prurez* t = najdiPrurez(P().Prurez);
    if (!t) return;
    const std::array<Dil, 3> na90{{{"FM DRUXA", t->druxa, 27}, {"PT", 1, 30}, {"FP", 1, 31}}};
    miv::naplnSoupravu(P().ZakladniSoupravy(1), na90, miv::textZakladniSoupravy(t->druxa, false));
    if (t->souprava45) {
        const std::array<Dil, 3> na45{{{"FM DRUXA", t->druxa, 27}, {"PT", 1, 30}, {"FP/45", 1, 32}}};
        miv::naplnSoupravu(P().ZakladniSoupravy(2), na45, miv::textZakladniSoupravy(t->druxa, true));
    }
}

// Liners 330 mm of both flues: three per metre less the connection and door liners.
Integer xMIV2S::vlozky(const VektorMnozstvi& q) const {
    const Integer kratke = 2 * (q(5) + q(4) + q(6));
    return Integer::fromDouble(2 * (3 * static_cast<double>(P().Vyska)) - kratke.value());
}

void xMIV2S::bloky(VektorMnozstvi& q) const {
    if (P().Sachta) q(2) = Integer::fromDouble(3 * static_cast<double>(P().Vyska));
    else q(1) = miv::bloky(P().Vyska, q(16), q(17) + q(18));
}

void xMIV2S::poctySouprav(const VektorMnozstvi& q) {
    P().ZakladniSoupravy(1).Pocet = q(25);
    P().ZakladniSoupravy(2).Pocet = q(26);
}

// ---- Prepocitej ----------------------------------------------------------------------------

void xMIV2S::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    pravidloRadku(q, radek);

    q(4) = q(30);
    q(3) = vlozky(q);
    // Product rule: every recompute takes the Orlex liners off, with or without a shaft.
    if (P().Ukonceni == 3) q(3) = q(3) - 6;
    q(31) = q(5);
    q(32) = q(6);
    bloky(q);
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

void xMIV2S::pravidloRadku(VektorMnozstvi& q, int radek) {
    const SorvenikaParametry& p = P();
    const auto vrat = [&] { q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad); };
    if (chraneny(radek)) {
        vrat();
        return;
    }
    switch (radek) {
    case 5:
        q(5) = sudePripojeni(q(5));
        if (existuje(6)) obaNa(q, q(5) == 0);
        else if (q(5) == 0) obaNa(q, false);
        break;
    case 6:
        q(6) = sudePripojeni(q(6));
        obaNa(q, q(6) == 2);
        break;
    case 8:
    case 9:
    case 12:
    case 13:
        if (p.Ukonceni == 2 || p.Ukonceni == 3) {
            vrat();
        } else if (p.Ukonceni == 1) {
            const bool a = radek == 9 ? q(9) == 0 : q(radek) != 0;
            if (a) nastav(q, p.Sachta ? kASeSachtou : kABezSachty);
            else nastav(q, p.Sachta ? kBSeSachtou : kBBezSachty);
        }
        break;
    case 30:
        // Doors go in pairs, one per flue; the first basic set's doors are counted in.
        q(30) = q(30) + p.ZakladniSoupravy(1).Pocet;
        q(30) = 2 * Integer::fromDouble(Round(q(30).value() / 2.0 + 0.1));
        break;
    default:  // the typed quantity stays
        break;
    }
}

// ---- accessories ---------------------------------------------------------------------------

void xMIV2S::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
