#include "systems/xTREMOL.h"

#include "platform/Numbers.h"
#include "systems/TabulkaPrislusenstvi.h"
#include "systems/TremolSpolecne.h"

#include <array>

namespace {

// Jointing compound in kg per metre ("14" without shaft takes none) and the mortar factor per
// 20 m, without and with shaft.
struct Hmota {
    const char* prurez;
    double kg[2];
    double malta[2];
};
constexpr std::array<Hmota, 4> kHmoty{{
    {"14", {0, 0.4}, {5.1, 7.0}},
    {"16", {0.5, 0.5}, {8.6, 7.0}},
    {"18", {0.6, 0.6}, {5.7, 7.8}},
    {"20", {0.7, 0.7}, {5.7, 7.8}},
}};

constexpr tremol::RadkyUkonceni kUkonceni{.vrch = {{{8, 1}, {0, 0}}}, .obezdivka = {12, 14}, .cihly = 27, .malta = 17,
                                          .deska = {{{9, 1}, {0, 0}}}, .kds = {32, 33}, .kdsUhelniky = 16,
                                          .kdsRam = 24, .kdvo = 25};

using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 41, .priznak = 0},
    {.radek = 42, .priznak = 1},
    {.radek = 49, .priznak = 2, .sachta = R::Bez, .ukonceni = 1},
    {.radek = 51, .priznak = 2, .sachta = R::Bez, .ukonceni = 3},
    {.radek = 50, .priznak = 2, .sachta = R::Se, .ukonceni = 1},
    {.radek = 52, .priznak = 2, .sachta = R::Se, .ukonceni = 3},
    {.radek = 35, .priznak = 3},
    {.radek = 36, .priznak = 4},
    {.radek = 37, .priznak = 5},
    {.radek = 39, .priznak = 6},
    {.radek = 40, .priznak = 7},
    {.radek = 44, .priznak = 8},
    {.radek = 43, .priznak = 9},
    {.radek = 45, .priznak = 10, .prurezy = "16"},
    {.radek = 46, .priznak = 11, .prurezy = "16"},
    {.radek = 47, .priznak = 12, .prurezy = "16"},
    {.radek = 45, .priznak = 11, .prurezy = "18"},
    {.radek = 46, .priznak = 12, .prurezy = "18"},
    {.radek = 47, .priznak = 13, .prurezy = "18"},
    {.radek = 45, .priznak = 11, .prurezy = "20"},
    {.radek = 46, .priznak = 12, .prurezy = "20"},
    {.radek = 47, .priznak = 13, .prurezy = "20"},
    {.radek = 48, .priznak = 14, .prurezy = "20"},
    {.radek = 55, .priznak = 15},
    {.radek = 53, .priznak = 23},
    {.radek = 54, .priznak = 24},
    {.radek = 56, .priznak = 26},
};

}  // namespace

void xTREMOL::Spocitej() {
    vyplnSoupravy();
    SorvenikaParametry& p = P();
    VektorMnozstvi q = novyVektor();
    if (p.Kourovod == 0) {
        q(5) = Integer(1);
        q(10) = Integer(1);
    } else {
        q(6) = Integer(1);
        q(11) = Integer(1);
    }
    q(18) = Integer(1);
    q(4) = q(18);
    q(22) = q(5);
    q(23) = q(6);
    const double h = p.Vyska;
    q(7) = Integer::fromDouble(6 * h);
    q(3) = Integer::fromDouble(3 * h - (2 * (q(4) + q(5) + q(6))).value());
    q(p.Sachta ? 2 : 1) = Integer::fromDouble(3 * h);
    hmoty(q);
    tremol::ukonceni(q, p, kUkonceni);

    if (p.HorniDvirka) {
        q(3) = q(3) - 2;
        q(4) = q(4) + 1;
        q(18) = q(18) + 1;
        q(19) = Integer(1);
    }
    // The second connection is always at 90°.
    if (p.DruheNapojeni) {
        q(3) = q(3) - 2;
        q(5) = q(5) + 1;
        q(22) = q(22) + 1;
    }
    p.ZakladniSoupravy(1).Pocet = q(10);
    p.ZakladniSoupravy(2).Pocet = q(11);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xTREMOL::vyplnSoupravy() {
    vytvorSoupravy(2, 1, 1, 1);
    SorvenikaParametry& p = P();
    tremol::zakladniSoupravy(p, p.Prurez == QLatin1String("14"), jePrurez(p.Prurez, "16 18 20"), 20, 18, 22);
}

// Compound in whole 7 kg buckets and loose kilograms; mortar per 20 m.
void xTREMOL::hmoty(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    const double h = p.Vyska;
    for (const Hmota& m : kHmoty) {
        if (p.Prurez != QLatin1String(m.prurez)) continue;
        const int s = p.Sachta ? 1 : 0;
        tremol::kbeliky(q, 20, 21, h * m.kg[s]);
        q(17) = Integer::fromDouble(h * m.malta[s] / 20 + 0.49);
    }
}

void xTREMOL::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    tremol::pravidloRadku(*vektor, radek, ks, Polozky(IdPrurez(), radek).KsZaklad, kUkonceni, 27, 40);
    PrenesPrislusenstvi(*vektor);
    ZapisMnozstvi2(*vektor);
}

void xTREMOL::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
