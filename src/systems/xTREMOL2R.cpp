#include "systems/xTREMOL2R.h"

#include "platform/Numbers.h"
#include "systems/TabulkaPrislusenstvi.h"
#include "systems/TremolSpolecne.h"

#include <array>

namespace {

constexpr const char* kPrurezy = "14/16 14/18 14/20 16/18 16/20 18/20";

// Jointing compound per metre of height, without / with shaft; a bucket holds 7 units.
struct Hmota {
    const char* prurez;
    double bezSachty, seSachtou;
};
constexpr std::array<Hmota, 6> kHmota{{
    {"14/16", 0.5, 0.8},
    {"14/18", 0.6, 0.8},
    {"14/20", 0.7, 0.8},
    {"16/18", 0.8, 0.8},
    {"16/20", 0.8, 0.8},
    {"18/20", 0.8, 0.8},
}};

constexpr tremol::RadkyUkonceni kUkonceni{.vrch = {{{13, 1}, {14, 1}}}, .obezdivka = {21, 23}, .cihly = 38,
                                          .malta = 25, .deska = {{{15, 1}, {16, 1}}}, .kds = {42, 42},
                                          .kdsUhelniky = 26, .kdsRam = 35, .kdvo = 36};

// A row whose condition does not hold keeps what it had.
using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 50, .priznak = 0, .prurezy = kPrurezy},
    {.radek = 52, .priznak = 1, .prurezy = kPrurezy},
    {.radek = 51, .priznak = 0},
    {.radek = 53, .priznak = 1},
    {.radek = 67, .priznak = 2, .sachta = R::Se, .ukonceni = 1},
    {.radek = 66, .priznak = 2, .sachta = R::Bez, .ukonceni = 1},
    {.radek = 68, .priznak = 2, .sachta = R::Bez, .ukonceni = 3},
    {.radek = 44, .priznak = 3},
    {.radek = 45, .priznak = 4},
    {.radek = 46, .priznak = 5},
    {.radek = 48, .priznak = 6},
    {.radek = 49, .priznak = 7},
    {.radek = 55, .priznak = 8},
    {.radek = 54, .priznak = 9},
    {.radek = 56, .priznak = 10, .prurezy = "16/18 16/20 18/20"},
    {.radek = 57, .priznak = 11, .prurezy = "16/18 16/20 18/20"},
    {.radek = 58, .priznak = 12, .prurezy = "16/18 16/20 18/20"},
    {.radek = 69, .priznak = 15},
    // Flue 2's connections 120/150/160 for a 16-cm flue, 150/160/180(/200) for 18 and 20.
    {.radek = 60, .priznak = 16, .prurezy = "14/16"},
    {.radek = 61, .priznak = 17, .prurezy = "14/16"},
    {.radek = 62, .priznak = 18, .prurezy = "14/16"},
    {.radek = 60, .priznak = 17, .prurezy = "14/18 16/18"},
    {.radek = 61, .priznak = 18, .prurezy = "14/18 16/18"},
    {.radek = 62, .priznak = 19, .prurezy = "14/18 16/18"},
    {.radek = 60, .priznak = 17, .prurezy = "14/20 16/20 18/20"},
    {.radek = 61, .priznak = 18, .prurezy = "14/20 16/20 18/20"},
    {.radek = 62, .priznak = 19, .prurezy = "14/20 16/20 18/20"},
    {.radek = 63, .priznak = 20, .prurezy = "14/20 16/20 18/20"},
    {.radek = 70, .priznak = 21},
    {.radek = 71, .priznak = 26},
    {.radek = 64, .priznak = 23},
    {.radek = 65, .priznak = 24},
};

}  // namespace

void xTREMOL2R::Spocitej() {
    vyplnSoupravy();
    SorvenikaParametry& p = P();
    VektorMnozstvi q = novyVektor();
    const double h = p.Vyska;

    // One basic kit per flue, at its connection angle.
    if (p.Kourovod == 0) {
        q(7) = Integer(1);
        q(17) = Integer(1);
    } else {
        q(9) = Integer(1);
        q(19) = Integer(1);
    }
    if (p.Kourovod2 == 0) {
        q(8) = Integer(1);
        q(18) = Integer(1);
    } else {
        q(10) = Integer(1);
        q(20) = Integer(1);
    }
    q(27) = Integer(2);
    q(5) = Integer::fromDouble(q(27).value() / 2.0);
    q(6) = Integer::fromDouble(q(27).value() / 2.0);
    q(31) = q(7);
    q(32) = q(8);
    q(33) = q(9);
    q(34) = q(10);
    q(11) = Integer::fromDouble(6 * h);
    q(12) = Integer::fromDouble(6 * h);
    q(3) = Integer::fromDouble(3 * h - (2 * (q(9) + q(7) + q(5))).value());
    q(4) = Integer::fromDouble(3 * h - (2 * (q(10) + q(8) + q(6))).value());

    sparovaciHmota(q);
    tremol::ukonceni(q, p, kUkonceni);

    if (p.HorniDvirka) {
        q(3) = q(3) - 2;
        q(4) = q(4) - 2;
        q(5) = q(5) + 1;
        q(6) = q(6) + 1;
        q(27) = q(27) + 2;
        q(28) = Integer(2);
    }
    if (p.DruheNapojeni) {
        q(3) = q(3) - 2;
        q(4) = q(4) - 2;
        q(7) = q(7) + 1;
        q(8) = q(8) + 1;
        q(31) = q(31) + 1;
        q(32) = q(32) + 1;
    }
    for (int k = 1; k <= 4; ++k) p.ZakladniSoupravy(k).Pocet = q(16 + k);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xTREMOL2R::vyplnSoupravy() {
    vytvorSoupravy(4, 1, 1, 1);
    SorvenikaParametry& p = P();
    if (!jePrurez(p.Prurez, kPrurezy)) return;
    // A 14-cm flue 1 takes no jointing compound from its kits.
    const int druxa1 = jePrurez(p.Prurez, "14/16 14/18 14/20") ? 0 : 1;
    // 1 flue 1 at 90°, 2 flue 2 at 90°, 3 flue 1 at 45°, 4 flue 2 at 45°; "FP" rows 31 to 34.
    for (int k = 1; k <= 4; ++k)
        tremol::naplnZakladni(p.ZakladniSoupravy(k), k % 2 == 1 ? druxa1 : 1, 29, 27, "FP", 30 + k);
}

// Blocks by shaft; jointing compound in whole buckets (row 29) and the rest (row 30).
void xTREMOL2R::sparovaciHmota(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    const double h = p.Vyska;
    q(p.Sachta ? 2 : 1) = Integer::fromDouble(3 * h);
    for (const Hmota& t : kHmota) {
        if (p.Prurez != QLatin1String(t.prurez)) continue;
        tremol::kbeliky(q, 29, 30, h * (p.Sachta ? t.seSachtou : t.bezSachty));
        q(25) = Integer::fromDouble(Round(h * 8.6 / 20 + 0.49));
    }
}

void xTREMOL2R::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    tremol::pravidloRadku(*vektor, radek, ks, Polozky(IdPrurez(), radek).KsZaklad, kUkonceni, 38, 49);
    PrenesPrislusenstvi(*vektor);
    ZapisMnozstvi2(*vektor);
}

void xTREMOL2R::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
