#include "systems/xDorva.h"

#include "platform/Numbers.h"
#include "systems/PytleObezdivky.h"

#include <array>

namespace {

// Per cross-section: row 8 (sealant) by height for "12" only, row 9 (mortar) per 20 m, and the
// factor of row 10, the joint sealant beyond the first three.
struct Prurez {
    const char* prurez;
    double tmel;      // row 8 := Round(Vyska * tmel / 10 + 0.49); 0 keeps the fixed 1
    double malta;     // row 9 := Round(Vyska * malta / 20 + 0.49); 0 keeps it empty
    double sparovka;  // row 10 := Round(Vyska * sparovka + 0.49) - 3, not below 0
};
constexpr std::array<Prurez, 6> kPrurezy{{
    {"12", 1.55, 0, 0.2},
    {"14", 0, 6.3, 0.25},
    {"16", 0, 6.3, 0.28},
    {"18", 0, 7.1, 0.33},
    {"20", 0, 7.1, 0.4},
    {"25", 0, 8.8, 0.5},
}};

const QString kPopisSady = QStringLiteral(
    "DORVA SADA obsahuje: základní souprava DORVA, kryt paty komína, DORVA souprava T-kus pata, souprava T-kus pro "
    "napojení kouřovodu, soklová deska.");

// Rows that follow from the parameters alone.
bool chraneny(int r) { return (r >= 1 && r <= 3) || r == 6 || r == 7 || (r >= 15 && r <= 28); }

// Liners: (blocks - 6) / 2 + 1, less the upper door's row 4.
Integer vlozky(const VektorMnozstvi& q) {
    return Integer::fromDouble(static_cast<double>((q(2) - 6).value()) / 2 - q(4).value() + 1);
}

}  // namespace

void xDorva::Spocitej() {
    vytvorSoupravy(1, 1, 1, 1);
    SorvenikaParametry& p = P();
    // The set deducts nothing; it is in the bill for its contents text.
    Souprava& sada = p.Sady(1);
    sada.Pocet = Integer(1);
    sada.pridejDil(QString(), 0, 1);
    sada.Popis = kPopisSady;

    VektorMnozstvi q = novyVektor();
    const double v = p.Vyska;
    q(1) = Integer(1);
    q(5) = Integer(1);
    q(2) = Integer::fromDouble(3 * v);
    q(3) = vlozky(q);
    q(6) = q(7) = q(8) = Integer(1);

    for (const Prurez& t : kPrurezy) {
        if (p.Prurez != QLatin1String(t.prurez)) continue;
        if (t.tmel != 0) q(8) = Integer::fromDouble(Round(v * t.tmel / 10 + 0.49));
        if (t.malta != 0) q(9) = Integer::fromDouble(Round(v * t.malta / 20 + 0.49));
        const double sparovka = Round(v * t.sparovka + 0.49) - 3;
        q(10) = Integer::fromDouble(sparovka < 0 ? 0 : sparovka);
        if (p.Prurez != QLatin1String("12")) q(29) = Integer(1);
        break;
    }

    if (p.HorniDvirka) {
        // Product rule: the compute takes the door off the rounded liners, while a recompute
        // rounds after taking it off; for an odd block count the two differ by one.
        q(3) = q(3) - 1;
        q(4) = Integer(1);
    }

    switch (p.Ukonceni) {
    case 1:  // brick casing; its bags join the mortar row
        if (p.DruhCihly == 1) q(11) = Integer::fromDouble(p.PocetCihel);
        else if (p.DruhCihly == 2) q(12) = Integer::fromDouble(p.PocetCihel);
        q(9) = pridejPytle(q(9), p.PocetPytlu);
        break;
    case 2:  // cladding replaces the top rows
        q(6) = q(7) = Integer(0);
        if (p.DruhPlaste == 1) q(p.IdVyskaPlaste + 21) = Integer(1);
        else if (p.DruhPlaste == 2) q(p.IdVyskaPlaste + 14) = Integer(1);
        break;
    default:
        break;
    }

    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xDorva::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    VektorMnozstvi& q = *vektor;
    if (chraneny(radek)) q(radek) = Integer::fromDouble(Polozky(IdPrurez(), radek).KsZaklad);
    q(3) = vlozky(q);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi2(q);
}

void xDorva::PrenesPrislusenstvi(VektorMnozstvi& q) {
    q(13) = kus(P().Prislusenstvi(6));
    q(14) = kus(P().Prislusenstvi(7));
}
