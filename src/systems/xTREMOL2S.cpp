#include "systems/xTREMOL2S.h"

#include "platform/Numbers.h"
#include "systems/TabulkaPrislusenstvi.h"
#include "systems/Tremol2KalvirOrvik.h"

#include <array>

namespace {

using t2ko::jeJeden;

// Jointing compound f per metre (bucket of 7) and mortar g per 20 m, without / with shaft.
// "14/14" without shaft takes no loose compound.
struct Cinitele {
    const char* prurez;
    bool hmotaBezSachty;
    double fBez, gBez, fSe, gSe;
};
constexpr std::array<Cinitele, 4> kCinitele{{
    {"14/14", false, 0, 8.6, 0.8, 10.4},
    {"16/16", true, 1.0, 8.6, 1.0, 10.4},
    {"18/18", true, 1.2, 11.5, 1.2, 13.4},
    {"20/20", true, 1.4, 11.5, 1.4, 13.4},
}};

// The connections count both flues' choices of one diameter.
using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 39, .priznak = 0, .nasobek = 2},
    {.radek = 40, .priznak = 1, .nasobek = 2},
    {.radek = 47, .priznak = 2, .sachta = R::Bez, .ukonceni = 1},
    {.radek = 49, .priznak = 2, .sachta = R::Bez, .ukonceni = 3},
    {.radek = 48, .priznak = 2, .sachta = R::Se, .ukonceni = 1},
    {.radek = 33, .priznak = 3},
    {.radek = 34, .priznak = 4},
    {.radek = 35, .priznak = 5},
    {.radek = 37, .priznak = 6},
    {.radek = 38, .priznak = 7},
    {.radek = 42, .priznak = 8},
    {.radek = 41, .priznak = 9},
    {.radek = 43, .priznak = 10, .priznak2 = 16, .prurezy = "16/16"},
    {.radek = 44, .priznak = 11, .priznak2 = 17, .prurezy = "16/16"},
    {.radek = 45, .priznak = 12, .priznak2 = 18, .prurezy = "16/16"},
    {.radek = 43, .priznak = 11, .priznak2 = 17, .prurezy = "18/18 20/20"},
    {.radek = 44, .priznak = 12, .priznak2 = 18, .prurezy = "18/18 20/20"},
    {.radek = 45, .priznak = 13, .priznak2 = 19, .prurezy = "18/18 20/20"},
    {.radek = 46, .priznak = 14, .priznak2 = 20, .prurezy = "20/20"},
    {.radek = 52, .priznak = 15, .priznak2 = 21},
    {.radek = 50, .priznak = 23},
    {.radek = 51, .priznak = 24},
    {.radek = 53, .priznak = 26},
};

}  // namespace

void xTREMOL2S::Spocitej() {
    vyplnSoupravy();
    SorvenikaParametry& p = P();
    VektorMnozstvi q = novyVektor();
    const double h = p.Vyska;

    // Rows 5 and 10 count the flues at 90°, rows 6 and 11 those at 45°.
    for (const Integer uhel : {p.Kourovod, p.Kourovod2}) {
        if (uhel != 0) {
            q(6) = q(6) + 1;
            q(11) = q(11) + 1;
        } else {
            q(5) = q(5) + 1;
            q(10) = q(10) + 1;
        }
    }
    q(17) = Integer(2);
    q(4) = q(17);
    q(21) = q(5);
    q(22) = q(6);
    q(7) = Integer::fromDouble(12 * h);
    q(3) = Integer::fromDouble(2 * (3 * h) - (2 * (q(4) + q(5) + q(6))).value());

    sparovaciHmota(q);
    ukonceni(q);

    if (p.HorniDvirka) {
        q(3) = q(3) - 4;
        q(4) = q(4) + 2;
        q(17) = q(17) + 2;
        q(18) = Integer(2);
    }
    if (p.DruheNapojeni) {
        q(3) = q(3) - 4;
        q(5) = q(5) + 2;
        q(21) = q(21) + 2;
    }
    p.ZakladniSoupravy(1).Pocet = q(10);
    p.ZakladniSoupravy(2).Pocet = q(11);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xTREMOL2S::vyplnSoupravy() {
    vytvorSoupravy(2, 1, 1, 1);
    SorvenikaParametry& p = P();
    const bool p14 = jeJeden(p.Prurez, {"14/14"});
    const bool ostatni = jeJeden(p.Prurez, {"16/16", "18/18", "20/20"});
    if (p14 || ostatni) {
        Souprava& s = p.ZakladniSoupravy(1);
        s.pridejDil(QStringLiteral("FM DRUXA"), p14 ? 0 : 1, 19);
        s.pridejDil(QStringLiteral("PT"), 1, 17);
        s.pridejDil(QStringLiteral("FP"), 1, 21);
        s.Popis = t2ko::textZakladniSoupravy();
    }
    // "14/14" has no 45° kit.
    if (ostatni) {
        Souprava& s = p.ZakladniSoupravy(2);
        s.pridejDil(QStringLiteral("FM DRUXA"), 1, 19);
        s.pridejDil(QStringLiteral("PT"), 1, 17);
        s.pridejDil(QStringLiteral("FP/45"), 1, 22);
        s.Popis = t2ko::textZakladniSoupravy();
    }
}

// Blocks by shaft; jointing compound in whole buckets (row 19) and the rest (row 20); mortar.
void xTREMOL2S::sparovaciHmota(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    const double h = p.Vyska;
    q(p.Sachta ? 2 : 1) = Integer::fromDouble(3 * h);
    for (const Cinitele& c : kCinitele) {
        if (p.Prurez != QLatin1String(c.prurez)) continue;
        if (p.Sachta || c.hmotaBezSachty) {
            const double f = p.Sachta ? c.fSe : c.fBez;
            q(19) = Integer::fromDouble(Fix(h * f / 7));
            q(20) = Integer::fromDouble(Round(h * f - (7 * q(19)).value() + 0.49));
        } else {
            q(19) = Integer(0);
            q(20) = Integer(0);
        }
        q(23) = Integer::fromDouble(Round(h * (p.Sachta ? c.gSe : c.gBez) / 20 + 0.49));
    }
    // More than 4 units make another bucket; a rest without a bucket becomes one.
    if (q(20) > 4) {
        q(20) = Integer(0);
        q(19) = q(19) + 1;
    }
    if (q(20) >= 1 && q(19) == 0) {
        q(19) = Integer(1);
        q(20) = Integer(0);
    }
}

void xTREMOL2S::ukonceni(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    switch (p.Ukonceni) {
    case 1:  // brick casing
        q(8) = Integer(2);
        if (p.Sachta) {
            q(13) = Integer(1);
            q(15) = Integer(1);
        } else {
            q(12) = Integer(1);
            q(14) = Integer(1);
        }
        if (p.DruhCihly == 1) q(27) = Integer::fromDouble(p.PocetCihel);
        else if (p.DruhCihly == 2) q(28) = Integer::fromDouble(p.PocetCihel);
        q(23) = Integer::fromDouble(q(23).value() + static_cast<double>(p.PocetPytlu));
        break;
    case 4:  // cover plate cast on site
        q(9) = Integer(2);
        break;
    case 5:  // KDS
        q(8) = Integer(2);
        q(31) = Integer(1);
        q(16) = Integer(4);
        break;
    case 6:  // KDVO
        q(8) = Integer(2);
        q(p.Sachta ? 26 : 25) = Integer(1);
        break;
    default:  // cladding and the Orlex top need no rows of their own
        break;
    }
}

void xTREMOL2S::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    if (radek == 16) {
        // The KDS angle pieces (16) and frame (24) replace each other.
        if (ks == 0) q(24) = Integer(1);
    } else if (radek == 24) {
        if (ks == 0) q(16) = Integer(4);
    } else if (radek < 27 || radek > 38) {
        q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad);
    }
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

void xTREMOL2S::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
