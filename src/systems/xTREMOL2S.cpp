#include "systems/xTREMOL2S.h"

#include "platform/Numbers.h"
#include "systems/TabulkaPrislusenstvi.h"
#include "systems/TremolSpolecne.h"

#include <array>

namespace {

// Jointing compound f per metre (bucket of 7) and mortar g per 20 m, without / with shaft.
// "14/14" without shaft takes no compound.
struct Cinitele {
    const char* prurez;
    double fBez, gBez, fSe, gSe;
};
constexpr std::array<Cinitele, 4> kCinitele{{
    {"14/14", 0, 8.6, 0.8, 10.4},
    {"16/16", 1.0, 8.6, 1.0, 10.4},
    {"18/18", 1.2, 11.5, 1.2, 13.4},
    {"20/20", 1.4, 11.5, 1.4, 13.4},
}};

constexpr tremol::RadkyUkonceni kUkonceni{.vrch = {{{8, 2}, {0, 0}}}, .obezdivka = {12, 14}, .cihly = 27, .malta = 23,
                                          .deska = {{{9, 2}, {0, 0}}}, .kds = {31, 31}, .kdsUhelniky = 16,
                                          .kdsRam = 24, .kdvo = 25};

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
    tremol::ukonceni(q, p, kUkonceni);

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
    const bool ostatni = jePrurez(p.Prurez, "16/16 18/18 20/20");
    tremol::zakladniSoupravy(p, p.Prurez == QLatin1String("14/14"), ostatni, 19, 17, 21);
}

// Blocks by shaft; jointing compound in whole buckets (row 19) and the rest (row 20); mortar.
void xTREMOL2S::sparovaciHmota(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    const double h = p.Vyska;
    q(p.Sachta ? 2 : 1) = Integer::fromDouble(3 * h);
    for (const Cinitele& c : kCinitele) {
        if (p.Prurez != QLatin1String(c.prurez)) continue;
        tremol::kbeliky(q, 19, 20, h * (p.Sachta ? c.fSe : c.fBez));
        q(23) = Integer::fromDouble(Round(h * (p.Sachta ? c.gSe : c.gBez) / 20 + 0.49));
    }
}

void xTREMOL2S::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    tremol::pravidloRadku(*vektor, radek, ks, Polozky(IdPrurez(), radek).KsZaklad, kUkonceni, 27, 38);
    PrenesPrislusenstvi(*vektor);
    ZapisMnozstvi2(*vektor);
}

void xTREMOL2S::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
