#include "systems/xTREMOL.h"

#include "platform/Numbers.h"
#include "systems/TabulkaPrislusenstvi.h"

#include <array>
#include <optional>

namespace {

const QString kTextZakladni = QStringLiteral(
    "Základní souprava obsahuje: 1ks podstavec s odvodem kondenzátu, 1ks větrací mřížka, 1 ks komínová dvířka "
    "včetně uzávěru, 1 ks čelní deska minerální, 1 ks maltovací šablona, spárovací hmota: pro průměr 14 - FM Druxa, "
    "pro průměry 16,18,20 FM 7 kg, houbička, montážní návod, záruční list, identifikační štítek, prohlášení o shodě.");

// Jointing compound in kg per metre (none: "14" without shaft has no buckets) and the mortar
// factor per 20 m, without and with shaft.
struct Hmota {
    const char* prurez;
    std::optional<double> kg[2];
    double malta[2];
};
const std::array<Hmota, 4> kHmoty{{
    {"14", {std::nullopt, 0.4}, {5.1, 7.0}},
    {"16", {0.5, 0.5}, {8.6, 7.0}},
    {"18", {0.6, 0.6}, {5.7, 7.8}},
    {"20", {0.7, 0.7}, {5.7, 7.8}},
}};

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
    ukonceni(q);

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

// "14" has no 45° basic kit: the entry stays without components and text, so counting it
// deducts nothing.
void xTREMOL::vyplnSoupravy() {
    vytvorSoupravy(2, 1, 1, 1);
    SorvenikaParametry& p = P();
    const bool p14 = p.Prurez == QLatin1String("14");
    if (!p14 && !jePrurez(p.Prurez, "16 18 20")) return;
    Souprava& z90 = p.ZakladniSoupravy(1);
    z90.pridejDil(QStringLiteral("FM DRUXA"), p14 ? 0 : 1, 20);
    z90.pridejDil(QStringLiteral("PT"), 1, 18);
    z90.pridejDil(QStringLiteral("FP"), 1, 22);
    z90.Popis = kTextZakladni;
    if (p14) return;
    Souprava& z45 = p.ZakladniSoupravy(2);
    z45.pridejDil(QStringLiteral("FM DRUXA"), 1, 20);
    z45.pridejDil(QStringLiteral("PT"), 1, 18);
    z45.pridejDil(QStringLiteral("FP/45"), 1, 23);
    z45.Popis = kTextZakladni;
}

// Compound in whole 7 kg buckets and loose kilograms; mortar per 20 m.
void xTREMOL::hmoty(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    const double h = p.Vyska;
    for (const Hmota& m : kHmoty) {
        if (p.Prurez != QLatin1String(m.prurez)) continue;
        const int s = p.Sachta ? 1 : 0;
        if (const auto f = m.kg[s]) {
            q(20) = Integer::fromDouble(Fix(h * *f / 7));
            q(21) = Integer::fromDouble(h * *f - (7 * q(20)).value() + 0.49);
        } else {
            q(20) = Integer(0);
            q(21) = Integer(0);
        }
        q(17) = Integer::fromDouble(h * m.malta[s] / 20 + 0.49);
    }
    // Five loose kilograms or more make a bucket, and so does any compound below one bucket.
    if (q(21) > 4) {
        q(21) = Integer(0);
        q(20) = q(20) + 1;
    }
    if (q(20) == 0 && q(21) > 0) {
        q(20) = Integer(1);
        q(21) = Integer(0);
    }
}

void xTREMOL::ukonceni(VektorMnozstvi& q) const {
    const SorvenikaParametry& p = P();
    switch (p.Ukonceni) {
    case 1:  // brick casing
        q(8) = Integer(1);
        if (!p.Sachta) {
            q(12) = Integer(1);
            q(14) = Integer(1);
        } else {
            q(13) = Integer(1);
            q(15) = Integer(1);
        }
        if (p.DruhCihly == 1) q(27) = Integer::fromDouble(p.PocetCihel);
        if (p.DruhCihly == 2) q(28) = Integer::fromDouble(p.PocetCihel);
        q(17) = Integer::fromDouble(q(17).value() + static_cast<double>(p.PocetPytlu));
        break;
    case 4:  // cover plate cast on site
        q(9) = Integer(1);
        break;
    case 5:  // KDS
        q(8) = Integer(1);
        q(p.Sachta ? 33 : 32) = Integer(1);
        q(16) = Integer(4);
        break;
    case 6:  // KDVO
        q(8) = Integer(1);
        q(p.Sachta ? 26 : 25) = Integer(1);
        break;
    default:  // cladding and the Orlex top need no rows
        break;
    }
}

void xTREMOL::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    // KDS takes either the four angles (16) or the frame (24).
    if (radek == 16) {
        if (ks == 0) q(24) = Integer(1);
    } else if (radek == 24) {
        if (ks == 0) q(16) = Integer(4);
    } else if (radek < 27 || radek > 40) {
        q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad);
    }
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

void xTREMOL::PrenesPrislusenstvi(VektorMnozstvi& q) {
    prenesPrislusenstvi(kPrislusenstvi, q, P(), [this](int r) { return existuje(r); });
}
