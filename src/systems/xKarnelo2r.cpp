#include "systems/xKarnelo2r.h"

#include "platform/Numbers.h"
#include "systems/KarneloSpolecne.h"
#include "systems/TabulkaPrislusenstvi.h"

using namespace karnelo;

namespace {

bool chraneny(int r) { return (r >= 7 && r <= 12) || (r >= 17 && r <= 26) || (r >= 72 && r <= 99); }

constexpr const char* kPrurezy = "12/14 12/16 12/18 12/20 14/16 14/18 14/20 16/18 16/20 18/20";

constexpr Pruduch kPruduch1{.t90 = 13, .t45 = 15, .dvirka = 32, .d133 = 11, .d066 = 9, .d033 = 7};
constexpr Pruduch kPruduch2{.t90 = 14, .t45 = 16, .dvirka = 33, .d133 = 12, .d066 = 10, .d033 = 8};
constexpr RadkyPaty kBezSachty{.pata = 1, .pata2 = 0, .termo = 5, .bloky = 3, .vrch = {23, 25}};
constexpr RadkyPaty kSeSachtou{.pata = 2, .pata2 = 0, .termo = 6, .bloky = 4, .vrch = {24, 26}};
constexpr RadkyUkonceni kUkonceni{
    .cihly = 62, .malta = 29, .hmota = 30, .vrch = 23, .vrchDo = 26, .plast = 71, .desky = {{{44, 1}, {45, 1}}}};

using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 102, .priznak = 0, .jenNabizeny = true},
    {.radek = 103, .priznak = 0, .jenNabizeny = true},
    {.radek = 104, .priznak = 1, .jenNabizeny = true},
    {.radek = 105, .priznak = 1, .jenNabizeny = true},
    {.radek = 54, .priznak = 3},
    {.radek = 55, .priznak = 4},
    {.radek = 56, .priznak = 5},
    {.radek = 64, .priznak = 6},
    {.radek = 65, .priznak = 7},
    {.radek = 66, .priznak = 10, .prurezy = "16/18 16/20"},
    {.radek = 67, .priznak = 11, .prurezy = "16/18 16/20"},
    {.radek = 68, .priznak = 12, .prurezy = "16/18 16/20"},
    {.radek = 67, .priznak = 11, .prurezy = "18/20"},
    {.radek = 68, .priznak = 13, .prurezy = "18/20"},
    {.radek = 46, .priznak = 15},
    {.radek = 48, .priznak = 15, .prurezy = "12/14 12/16 12/18 12/20 14/16 14/18 14/20"},
    {.radek = 69, .priznak = 16, .prurezy = "12/16 14/16"},
    {.radek = 70, .priznak = 17, .prurezy = "12/16 14/16"},
    {.radek = 71, .priznak = 18, .prurezy = "12/16 14/16"},
    {.radek = 70, .priznak = 17, .prurezy = "12/18 14/18 16/18"},
    {.radek = 71, .priznak = 19, .prurezy = "12/18 14/18 16/18"},
    {.radek = 69, .priznak = 17, .prurezy = "12/20 14/20 16/20 18/20"},
    {.radek = 70, .priznak = 19, .prurezy = "12/20 14/20 16/20 18/20"},
    {.radek = 71, .priznak = 20, .prurezy = "12/20 14/20 16/20 18/20"},
    {.radek = 47, .priznak = 21},
    {.radek = 49, .priznak = 21, .prurezy = "12/14"},
    {.radek = 42, .priznak = 22},
    {.radek = 59, .priznak = 24},
    {.radek = 43, .priznak = 25},
    {.radek = 106, .priznak = 33, .sachta = R::Bez},
    {.radek = 107, .priznak = 34, .sachta = R::Bez},
    {.radek = 108, .priznak = 33, .sachta = R::Se},
    {.radek = 109, .priznak = 34, .sachta = R::Se},
    {.radek = 110, .priznak = 35, .nasobek = 2},
};

}  // namespace

void xKarnelo2r::Spocitej() {
    vytvorSoupravy(2, 1, 1, 2);
    SorvenikaParametry& p = P();
    for (int k = 1; k <= 2; ++k) naplnSoupravu(p.SoupravyPaty(k), kTextPaty, 4, 31);
    naplnSoupravu(p.ZakladniSoupravy(1), kTextZakladni, 4, 31);
    naplnSoupravu(p.ZakladniSoupravy(2), QString(), 4, 31);

    VektorMnozstvi q = novyVektor();
    // Whether the 45° T-pieces are offered is not asked.
    if (p.Kourovod == 0) q(13) = Integer(1);
    if (p.Kourovod == 1) q(15) = Integer(1);
    if (p.Kourovod2 == 0) q(14) = Integer(1);
    if (p.Kourovod2 == 1) q(16) = Integer(1);

    paty(q, p, p.Sachta ? kSeSachtou : kBezSachty);
    q(17) = q(1) + q(2);
    q(18) = q(1) + q(2);
    zakladniSoupravy(q);
    if (q(17) == 0) q(p.Sachta ? 22 : 21) = Integer(1);
    q(40) = nad1133(p.Vyska);
    q(41) = q(40);
    delky(q, false);

    const double h = p.Vyska;
    if (jePrurez(p.Prurez, kPrurezy)) {
        q(30) = Integer::fromDouble(h / 10 + 0.49);
        q(31) = Integer::fromDouble(h * 0.352 + 0.49);
    }
    ukonceni(q, p, kUkonceni);

    if (p.HorniDvirka) {
        q(11) = q(11) - 1;
        q(12) = q(12) - 1;
        q(32) = q(32) + 1;
        q(33) = q(33) + 1;
    }
    // The angle of flue 1 decides for both.
    if (p.DruheNapojeni) {
        q(11) = q(11) - 1;
        q(12) = q(12) - 1;
        if (p.Kourovod == 0) {
            q(13) = q(13) + 1;
            q(14) = q(14) + 1;
        }
        if (p.Kourovod == 1) {
            q(15) = q(15) + 1;
            q(16) = q(16) + 1;
        }
    }
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

// Which flue may take the KEPO set depends on the cross-section; "12/14" always has both basic
// kits, foot pieces or not.
void xKarnelo2r::zakladniSoupravy(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    bool kepo1 = false, kepo2 = false;
    if (jePrurez(p.Prurez, "12/16 12/18 12/20 14/16 14/18 14/20")) kepo2 = true;
    else if (jePrurez(p.Prurez, "16/20 18/20")) kepo1 = true;
    else if (p.Prurez == QLatin1String("16/18")) kepo1 = kepo2 = true;
    else {
        q(19) = Integer(1);
        q(20) = Integer(1);
        return;
    }
    const bool kepo = p.SoupravaKEPO != 0;
    if (q(17) == 0) q(kepo1 && kepo ? 100 : 19) = Integer(1);
    if (q(18) == 0) q(kepo2 && kepo ? 101 : 20) = Integer(1);
}

// The recompute of "x/20" takes one more 0.66 m liner on flue 2 and keeps its 0.33 m count.
void xKarnelo2r::delky(VektorMnozstvi& q, bool prepocet) const {
    const float v = P().Vyska;
    karnelo::delky(q, behPruduchu(q, v, kPruduch1), kPruduch1);
    const bool prepocet20 = prepocet && jePrurez(P().Prurez, "14/20 12/20 16/20 18/20");
    karnelo::delky(q, behPruduchu(q, v, kPruduch2), kPruduch2, prepocet20);
}

void xKarnelo2r::poctySouprav(const VektorMnozstvi& q) {
    SorvenikaParametry& p = P();
    p.SoupravyPaty(1).Pocet = q(1);
    p.SoupravyPaty(2).Pocet = q(2);
    p.ZakladniSoupravy(1).Pocet = q(19);
    p.ZakladniSoupravy(2).Pocet = q(20);
}

void xKarnelo2r::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    if (chraneny(radek)) q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad);
    else pravidloRadku(q, radek, ks);

    blokyPrepocet(q, P().Vyska, P().Sachta ? kSeSachtou : kBezSachty);
    q(17) = q(1) + q(2);
    q(18) = q(1) + q(2);
    delky(q, true);
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

// The kit rows switch both flues together, whatever the cross-section allows.
void xKarnelo2r::pravidloRadku(VektorMnozstvi& q, int radek, Integer ks) const {
    const bool sachta = P().Sachta;
    const bool ano = ks >= 1;
    switch (radek) {
    case 1:
        if (sachta) nastav(q, {{1, 0}});
        else if (ano) nastav(q, {{1, 1}, {19, 0}, {20, 0}, {21, 0}});
        else nastav(q, {{1, 0}, {19, 1}, {20, 1}, {21, 1}});
        break;
    case 2:
        if (!sachta) nastav(q, {{2, 0}});
        else if (ano) nastav(q, {{2, 1}, {19, 0}, {20, 0}, {22, 0}});
        else nastav(q, {{2, 0}, {19, 1}, {20, 1}, {22, 1}});
        break;
    case 13:  // T-pieces of one flue: 90° or 45°
    case 14: {
        const int t45 = radek + 2;
        if (!existuje(t45) || ano) nastav(q, {{radek, 1}, {t45, 0}});
        else nastav(q, {{radek, 0}, {t45, 1}});
        break;
    }
    case 15:
    case 16: {
        const int t90 = radek - 2;
        if (ano) nastav(q, {{t90, 0}, {radek, 1}});
        else nastav(q, {{t90, 1}, {radek, 0}});
        break;
    }
    case 100:
    case 101:
        if (ano) nastav(q, {{19, 0}, {20, 0}, {100, 1}, {101, 1}});
        else nastav(q, {{19, 1}, {20, 1}, {100, 0}, {101, 0}});
        break;
    default:  // the typed quantity stays
        break;
    }
}

void xKarnelo2r::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
