#include "systems/xKarnelo.h"

#include "platform/Numbers.h"
#include "systems/KarneloSpolecne.h"
#include "systems/TabulkaPrislusenstvi.h"

using namespace karnelo;

namespace {

// Rows that follow from others: a typed value does not stay.
bool chraneny(int r) { return (r >= 4 && r <= 10) || (r >= 13 && r <= 18) || (r >= 52 && r <= 79); }

constexpr RadkyPaty kBezSachty{.pata = 1, .pata2 = 0, .termo = 6, .bloky = 4, .vrch = {17, 19}};
constexpr RadkyPaty kSeSachtou{.pata = 3, .pata2 = 2, .termo = 7, .bloky = 5, .vrch = {18, 20}};
constexpr RadkyUkonceni kUkonceni{
    .cihly = 45, .malta = 23, .hmota = 24, .vrch = 17, .vrchDo = 22, .plast = 51, .desky = {{{33, 1}, {0, 0}}}};
constexpr Pruduch kPruduch{.t90 = 11, .t45 = 12, .dvirka = 26, .d133 = 10, .d066 = 9, .d033 = 8};

using R = RadekPrislusenstvi;
constexpr RadekPrislusenstvi kPrislusenstvi[] = {
    {.radek = 81, .priznak = 0, .jenNabizeny = true},
    {.radek = 82, .priznak = 1, .jenNabizeny = true},
    {.radek = 38, .priznak = 3},
    {.radek = 39, .priznak = 4},
    {.radek = 40, .priznak = 5},
    {.radek = 47, .priznak = 6},
    {.radek = 48, .priznak = 7},
    {.radek = 49, .priznak = 10, .prurezy = "16"},
    {.radek = 50, .priznak = 11, .prurezy = "16"},
    {.radek = 51, .priznak = 12, .prurezy = "16"},
    {.radek = 49, .priznak = 11, .prurezy = "18"},
    {.radek = 50, .priznak = 13, .prurezy = "18"},
    {.radek = 49, .priznak = 11, .prurezy = "20"},
    {.radek = 50, .priznak = 13, .prurezy = "20"},
    {.radek = 51, .priznak = 14, .prurezy = "20"},
    {.radek = 34, .priznak = 15},
    {.radek = 35, .priznak = 15, .prurezy = "12 14"},
    {.radek = 31, .priznak = 22},
    {.radek = 43, .priznak = 24},
    {.radek = 32, .priznak = 25},
    {.radek = 87, .priznak = 27},
    {.radek = 88, .priznak = 28},
    {.radek = 89, .priznak = 29},
    {.radek = 90, .priznak = 30},
    {.radek = 91, .priznak = 31},
    {.radek = 92, .priznak = 32},
    {.radek = 83, .priznak = 33, .sachta = R::Bez},
    {.radek = 84, .priznak = 34, .sachta = R::Bez},
    {.radek = 85, .priznak = 33, .sachta = R::Se},
    {.radek = 86, .priznak = 34, .sachta = R::Se},
    {.radek = 93, .priznak = 35},
};

}  // namespace

void xKarnelo::Spocitej() {
    vytvorSoupravy(1, 1, 1, 3);
    SorvenikaParametry& p = P();
    for (int k = 1; k <= 3; ++k) naplnSoupravu(p.SoupravyPaty(k), kTextPaty, 2, 25);
    naplnSoupravu(p.ZakladniSoupravy(1), kTextZakladni, 2, 25);

    VektorMnozstvi q = novyVektor();
    if (existuje(12) && p.Kourovod == 1) q(12) = Integer(1);
    else q(11) = Integer(1);

    paty(q, p, p.Sachta ? kSeSachtou : kBezSachty);
    q(13) = q(1) + q(2) + q(3);
    if (q(13) == 0) {
        q(p.SoupravaKEPO == 0 ? 14 : 80) = Integer(1);
        q(p.Sachta ? 16 : 15) = Integer(1);
    }
    q(30) = nad1133(p.Vyska);
    delky(q, behPruduchu(q, p.Vyska, kPruduch), kPruduch);

    const double h = p.Vyska;
    if (jePrurez(p.Prurez, "12 14 16 18 20")) {
        q(24) = Integer::fromDouble(h * 0.5 / 10 + 0.49);
        q(25) = Integer::fromDouble(h * 0.176 + 0.49);
    }
    ukonceni(q, p, kUkonceni);

    dvirkaANapojeni(q, p, kPruduch, 1);
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xKarnelo::poctySouprav(const VektorMnozstvi& q) {
    SorvenikaParametry& p = P();
    for (int k = 1; k <= 3; ++k) p.SoupravyPaty(k).Pocet = q(k);
    p.ZakladniSoupravy(1).Pocet = q(14);
}

void xKarnelo::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    if (chraneny(radek)) q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad);
    else pravidloRadku(q, radek, ks);

    blokyPrepocet(q, P().Vyska, P().Sachta ? kSeSachtou : kBezSachty);
    q(13) = q(1) + q(2) + q(3);
    // The recompute of "20" takes one more 0.66 m liner and keeps the 0.33 m count it had.
    delky(q, behPruduchu(q, P().Vyska, kPruduch), kPruduch, P().Prurez == QLatin1String("20"));
    poctySouprav(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

void xKarnelo::pravidloRadku(VektorMnozstvi& q, int radek, Integer ks) const {
    const bool sachta = P().Sachta;
    const bool ano = ks >= 1;
    switch (radek) {
    case 1:
        // Also with a shaft the plate without shaft comes back: the manufacturer's rule.
        if (ano && !sachta) nastav(q, {{1, 1}, {14, 0}, {15, 0}});
        else nastav(q, {{1, 0}, {14, 1}, {15, 1}});
        break;
    case 2:
    case 3: {
        const int jina = radek == 2 ? 3 : 2;
        if (!sachta) nastav(q, {{radek, 0}, {14, 1}});
        else if (ano) nastav(q, {{radek, 1}, {jina, 0}, {14, 0}, {16, 0}});
        else nastav(q, {{2, 0}, {3, 0}, {14, 1}, {16, 1}});
        break;
    }
    case 11:
        if (existuje(12) && !ano) nastav(q, {{11, 0}, {12, 1}});
        else nastav(q, {{11, 1}, {12, 0}});
        break;
    case 12:
        if (existuje(12) && ano) nastav(q, {{11, 0}, {12, 1}});
        else nastav(q, {{11, 1}, {12, 0}});
        break;
    case 19:  // cover plate and its flashing, or the chimney head, without shaft
    case 21:
        if (sachta) nastav(q, {{radek, 0}});
        else if (ano == (radek == 19)) nastav(q, {{17, 1}, {19, 1}, {21, 0}});
        else nastav(q, {{17, 0}, {19, 0}, {21, 1}});
        break;
    case 20:  // the same with shaft
    case 22:
        if (!sachta) nastav(q, {{radek, 0}});
        else if (ano == (radek == 20)) nastav(q, {{18, 1}, {20, 1}, {22, 0}});
        else nastav(q, {{18, 0}, {20, 0}, {22, 1}});
        break;
    case 80:
        if (ano) nastav(q, {{14, 0}, {80, 1}});
        else nastav(q, {{14, 1}, {80, 0}});
        break;
    default:  // the typed quantity stays
        break;
    }
}

void xKarnelo::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
