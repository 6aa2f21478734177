#include "systems/xTREMOL2S.h"

#include "platform/Numbers.h"
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

enum class Kdy { Vzdy, ObezdivkaBezSachty, OrlexBezSachty, ObezdivkaSeSachtou, P16, P18a20, P20 };
constexpr int kZadny = -1;
// Row := nasobek * flag a + flag b: the connections count both flues' choices of one diameter.
struct Prislusenstvi {
    int a, b;
    int nasobek;
    int radek;
    Kdy kdy;
};
constexpr Prislusenstvi kPrislusenstvi[] = {
    {0, kZadny, 2, 39, Kdy::Vzdy},
    {1, kZadny, 2, 40, Kdy::Vzdy},
    {2, kZadny, 1, 47, Kdy::ObezdivkaBezSachty},
    {2, kZadny, 1, 49, Kdy::OrlexBezSachty},
    {2, kZadny, 1, 48, Kdy::ObezdivkaSeSachtou},
    {3, kZadny, 1, 33, Kdy::Vzdy},
    {4, kZadny, 1, 34, Kdy::Vzdy},
    {5, kZadny, 1, 35, Kdy::Vzdy},
    {6, kZadny, 1, 37, Kdy::Vzdy},
    {7, kZadny, 1, 38, Kdy::Vzdy},
    {8, kZadny, 1, 42, Kdy::Vzdy},
    {9, kZadny, 1, 41, Kdy::Vzdy},
    {10, 16, 1, 43, Kdy::P16},
    {11, 17, 1, 44, Kdy::P16},
    {12, 18, 1, 45, Kdy::P16},
    {11, 17, 1, 43, Kdy::P18a20},
    {12, 18, 1, 44, Kdy::P18a20},
    {13, 19, 1, 45, Kdy::P18a20},
    {14, 20, 1, 46, Kdy::P20},
    {15, 21, 1, 52, Kdy::Vzdy},
    {23, kZadny, 1, 50, Kdy::Vzdy},
    {24, kZadny, 1, 51, Kdy::Vzdy},
    {26, kZadny, 1, 53, Kdy::Vzdy},
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
    const SorvenikaParametry& p = P();
    const QString& s = p.Prurez;
    const auto plati = [&](Kdy kdy) {
        switch (kdy) {
        case Kdy::Vzdy: return true;
        case Kdy::ObezdivkaBezSachty: return !p.Sachta && p.Ukonceni == 1;
        case Kdy::OrlexBezSachty: return !p.Sachta && p.Ukonceni == 3;
        case Kdy::ObezdivkaSeSachtou: return p.Sachta && p.Ukonceni == 1;
        case Kdy::P16: return jeJeden(s, {"16/16"});
        case Kdy::P18a20: return jeJeden(s, {"18/18", "20/20"});
        case Kdy::P20: return jeJeden(s, {"20/20"});
        }
        return false;
    };
    for (const Prislusenstvi& a : kPrislusenstvi) {
        if (!plati(a.kdy)) continue;
        Integer n = a.nasobek * kus(p.Prislusenstvi(a.a));
        if (a.b != kZadny) n = n + kus(p.Prislusenstvi(a.b));
        q(a.radek) = n;
    }
}
