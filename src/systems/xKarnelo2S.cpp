#include "systems/xKarnelo2S.h"

#include "platform/Numbers.h"
#include "systems/KarneloSpolecne.h"
#include "systems/TabulkaPrislusenstvi.h"

using namespace karnelo;

namespace {

bool chraneny(int r) { return (r >= 3 && r <= 9) || (r >= 12 && r <= 19) || (r >= 51 && r <= 78); }

constexpr RadkyPaty kBezSachty{.pata = 1, .pata2 = 0, .termo = 5, .bloky = 3, .vrch = {16, 18}};
constexpr RadkyPaty kSeSachtou{.pata = 2, .pata2 = 0, .termo = 6, .bloky = 4, .vrch = {17, 19}};
constexpr RadkyUkonceni kUkonceni{
    .cihly = 44, .malta = 22, .hmota = 23, .vrch = 16, .vrchDo = 19, .plast = 50, .desky = {{{32, 2}, {0, 0}}}};
// The liners of one flue; its X comes from both flues' T-pieces and doors.
constexpr Pruduch kPruduchy{.t90 = 10, .t45 = 11, .dvirka = 25, .d133 = 9, .d066 = 8, .d033 = 7};

// X of one flue: the T-pieces and doors of both flues, halved.
double xJednohoPruduchu(const VektorMnozstvi& q) { return xPruduchu((q(11) + q(10) + q(25)).value() / 2.0); }

using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 80, .priznak = 0, .nasobek = 2, .jenNabizeny = true},
    {.radek = 81, .priznak = 1, .nasobek = 2, .jenNabizeny = true},
    {.radek = 37, .priznak = 3},
    {.radek = 38, .priznak = 4},
    {.radek = 39, .priznak = 5},
    {.radek = 46, .priznak = 6},
    {.radek = 47, .priznak = 7},
    {.radek = 48, .priznak = 10, .priznak2 = 16, .prurezy = "16/16"},
    {.radek = 49, .priznak = 11, .priznak2 = 17, .prurezy = "16/16"},
    {.radek = 50, .priznak = 12, .priznak2 = 18, .prurezy = "16/16"},
    {.radek = 48, .priznak = 11, .priznak2 = 17, .prurezy = "18/18"},
    {.radek = 49, .priznak = 13, .priznak2 = 19, .prurezy = "18/18"},
    {.radek = 33, .priznak = 15, .priznak2 = 21},
    {.radek = 30, .priznak = 22},
    {.radek = 42, .priznak = 24},
    {.radek = 31, .priznak = 25},
    {.radek = 82, .priznak = 33, .sachta = R::Bez},
    {.radek = 83, .priznak = 34, .sachta = R::Bez},
    {.radek = 84, .priznak = 33, .sachta = R::Se},
    {.radek = 85, .priznak = 34, .sachta = R::Se},
    {.radek = 86, .priznak = 35, .nasobek = 2},
};

}  // namespace

void xKarnelo2S::Spocitej() {
    vytvorSoupravy(1, 1, 1, 2);
    SorvenikaParametry& p = P();
    for (int k = 1; k <= 2; ++k) naplnSoupravu(p.SoupravyPaty(k), kTextPaty, 4, 24);
    naplnSoupravu(p.ZakladniSoupravy(1), kTextZakladni, 4, 24);

    VektorMnozstvi q = novyVektor();
    // One T-piece per flue; whether the 45° one is offered is not asked.
    if (p.Kourovod == 0) q(10) = Integer(1);
    if (p.Kourovod == 1) q(11) = Integer(1);
    if (p.Kourovod2 == 0) q(10) = q(10) + 1;
    if (p.Kourovod2 == 1) q(11) = q(11) + 1;

    paty(q, p, p.Sachta ? kSeSachtou : kBezSachty);
    q(12) = (q(2) + q(1)) * 2;
    if (q(12) == 0) {
        q(p.SoupravaKEPO == 0 ? 13 : 79) = Integer(2);
        q(p.Sachta ? 15 : 14) = Integer(1);
    }
    q(29) = nad1133(p.Vyska);
    delky(q, static_cast<float>(xJednohoPruduchu(q)));

    const double h = p.Vyska;
    if (jePrurez(p.Prurez, "12/12 14/14 16/16 18/18")) {
        q(23) = Integer::fromDouble(h / 10 + 0.49);
        q(24) = Integer::fromDouble(h * 0.352 + 0.49);
    }
    ukonceni(q, p, kUkonceni);

    // Both flues at once; the angle of flue 1 decides for both.
    dvirkaANapojeni(q, p, kPruduchy, 2);
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

// The liners of one flue, carried, then doubled for both.
void xKarnelo2S::delky(VektorMnozstvi& q, double x) const {
    karnelo::delky(q, static_cast<double>(P().Vyska) - x, kPruduchy);
    for (int r : {9, 8, 7}) q(r) = 2 * q(r);
}

void xKarnelo2S::poctySouprav(const VektorMnozstvi& q) {
    SorvenikaParametry& p = P();
    p.SoupravyPaty(1).Pocet = q(1);
    p.SoupravyPaty(2).Pocet = q(2);
    p.ZakladniSoupravy(1).Pocet = q(13);
}

void xKarnelo2S::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    if (chraneny(radek)) q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad);
    else pravidloRadku(q, radek, ks);

    blokyPrepocet(q, P().Vyska, P().Sachta ? kSeSachtou : kBezSachty);
    q(12) = (q(1) + q(2)) * 2;
    // Stored doors and extra T-pieces enter X here, and X is not narrowed to single precision.
    delky(q, xJednohoPruduchu(q));
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

void xKarnelo2S::pravidloRadku(VektorMnozstvi& q, int radek, Integer ks) const {
    const bool sachta = P().Sachta;
    const bool ano = ks >= 1;
    switch (radek) {
    case 1:
        if (sachta) nastav(q, {{1, 0}});
        else if (ano) nastav(q, {{1, 1}, {13, 0}, {14, 0}});
        else nastav(q, {{1, 0}, {13, 2}, {14, 1}});
        break;
    case 2:
        if (!sachta) nastav(q, {{2, 0}});
        else if (ano) nastav(q, {{2, 1}, {13, 0}, {15, 0}});
        else nastav(q, {{2, 0}, {13, 2}, {15, 1}});
        break;
    case 10:  // both flues go over to one angle
        if (!existuje(11) || ano) nastav(q, {{10, 2}, {11, 0}});
        else nastav(q, {{10, 0}, {11, 2}});
        break;
    case 11:
        if (ano) nastav(q, {{10, 0}, {11, 2}});
        else nastav(q, {{10, 2}, {11, 0}});
        break;
    case 79:
        if (ano) nastav(q, {{13, 0}, {79, 2}});
        else nastav(q, {{13, 2}, {79, 0}});
        break;
    default:  // the typed quantity stays
        break;
    }
}

void xKarnelo2S::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
