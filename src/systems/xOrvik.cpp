#include "systems/xOrvik.h"

#include "platform/Numbers.h"
#include "systems/PytleObezdivky.h"
#include "systems/TremolSpolecne.h"

#include <array>

namespace {

// Mortar g per 20 m (row 10), jointing compound f per metre (row 11), and the set's share of it.
struct Cinitele {
    const char* prurez;
    double g, f;
    int fmdSady;
};
constexpr std::array<Cinitele, 5> kCinitele{{
    {"14", 6.3, 0.25, 3},
    {"16", 6.3, 0.29, 4},
    {"18", 7.1, 0.33, 4},
    {"20", 7.1, 0.4, 4},
    {"25", 8.8, 0.5, 5},
}};

const Cinitele* cinitele(const QString& prurez) {
    for (const Cinitele& c : kCinitele)
        if (prurez == QLatin1String(c.prurez)) return &c;
    return nullptr;
}

const QString kTextSady = QStringLiteral(
    "obsah SADA ORVIK : Základní souprava ORVIK, Kryt paty komína - souprava. Orvik souprava T-kus pata, Soklová "
    "deska.");

}  // namespace

void xOrvik::Spocitej() {
    vyplnSoupravy();
    SorvenikaParametry& p = P();
    VektorMnozstvi q = novyVektor();
    const double h = p.Vyska;

    q(1) = Integer(1);
    q(6) = Integer(1);
    q(2) = Integer::fromDouble(3 * h);
    // 660-mm liners over the height rounded up; an odd count of 330s halves to the even one.
    q(3) = Integer::fromDouble((3 * Round(h + 0.49) - 4) / 2);
    q(5) = p.PocetNapojovacichDilu;
    q(9) = Integer(1);
    if (const Cinitele* c = cinitele(p.Prurez)) {
        q(10) = Integer::fromDouble(Round(h * c->g / 20 + 0.49));
        q(11) = Integer::fromDouble(Round(h * c->f + 0.49));
        q(32) = Integer(1);
    }

    switch (p.Ukonceni) {
    case 1:  // brick casing
        q(7) = Integer(1);
        q(8) = Integer(1);
        if (p.DruhCihly == 1) q(12) = Integer::fromDouble(p.PocetCihel);
        else if (p.DruhCihly == 2) q(13) = Integer::fromDouble(p.PocetCihel);
        q(10) = pridejPytle(q(10), p.PocetPytlu);
        break;
    case 2:  // cladding: one row per height, plaster then brick
        if (p.DruhPlaste == 1) tremol::zapisPlast(q, 17, p.IdVyskaPlaste);
        else if (p.DruhPlaste == 2) tremol::zapisPlast(q, 24, p.IdVyskaPlaste);
        break;
    default:
        break;
    }
    p.Sady(1).Pocet = q(1);
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

void xOrvik::vyplnSoupravy() {
    vytvorSoupravy(1, 1, 1, 1);
    SorvenikaParametry& p = P();
    const Cinitele* c = cinitele(p.Prurez);
    if (!c) return;
    Souprava& s = p.Sady(1);
    s.pridejDil(QStringLiteral("FMD"), c->fmdSady, 11);
    s.Popis = kTextSady;
}

void xOrvik::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    // The bill holds as many sets as row 1 says, and deducts their compound accordingly.
    if (radek == 1) P().Sady(1).Pocet = ks;
    PrenesPrislusenstvi(*vektor);
    ZapisMnozstvi2(*vektor);
}

// The wizard's anchor choice: 6 into the rafters, 7 into the ridge.
void xOrvik::PrenesPrislusenstvi(VektorMnozstvi& q) {
    q(15) = kus(P().Prislusenstvi(6));
    q(16) = kus(P().Prislusenstvi(7));
}
