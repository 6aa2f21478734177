#include "systems/xKalvir.h"

#include "platform/Numbers.h"
#include "systems/PytleObezdivky.h"
#include "systems/TremolSpolecne.h"

#include <array>

namespace {

// Jointing compound f per metre (row 9) and mortar g per 20 m (row 10).
struct Cinitele {
    const char* prurez;
    double f, g;
};
constexpr std::array<Cinitele, 6> kCinitele{{
    {"14", 0.5, 6.3},
    {"16", 0.6, 6.3},
    {"18", 0.6, 7.1},
    {"20", 0.6, 7.1},
    {"25", 1.0, 8.8},
    {"30", 1.5, 10.2},
}};

struct Dil {
    const char* kod;
    int ks;
    int radek;
};
constexpr std::array<Dil, 7> kPata{{
    {"MSTX", 3, 3},
    {"SST", 1, 4},
    {"PAX", 1, 5},
    {"PT1218", 1, 7},
    {"ASX", 1, 8},
    {"AHSX", 1, 9},
    {"RR", 1, 2},
}};

const QString kTextPaty = QStringLiteral(
    "Pata Kalvir obsahuje: soklová deska, podstavec pro patu, 3 ks komínová tvárnice, 1 ks podstavec pro odvod "
    "kondenzátu, 1 ks napojovací díl pro dvířka s vyrovnáním tlaku, 1 ks komínová dvířka dvoudílná, 2 ks větrací "
    "mřížka, lanko s maticí, souprava vystřeďovacích dílů, maltovací šablona Kalvir, identifikační štítek, montážní "
    "návod Kalvir, záruční list, prohlášení o shodě, stěrka na tmel.");

}  // namespace

void xKalvir::Spocitej() {
    vyplnSoupravy();
    const SorvenikaParametry& p = P();
    VektorMnozstvi q = novyVektor();
    const double h = p.Vyska;

    q(3) = Integer(1);
    q(4) = Integer(1);
    q(5) = Integer(1);
    q(6) = q(4) + q(5);
    q(7) = Integer(1);
    q(8) = Integer::fromDouble(Round(h + 0.49));
    q(11) = p.PocetNapojovacichDilu;
    q(15) = Integer(1);
    for (const Cinitele& c : kCinitele) {
        if (p.Prurez != QLatin1String(c.prurez)) continue;
        q(9) = Integer::fromDouble(Round(h * c.f + 0.49));
        q(10) = Integer::fromDouble(Round(h * c.g / 20 + 0.49));
    }
    q(1) = Integer::fromDouble(3 * h - (2 * (q(5) + q(4))).value());
    q(2) = Integer::fromDouble(3 * h);

    switch (p.Ukonceni) {
    case 1:  // brick casing
        q(12) = Integer(1);
        q(13) = Integer(1);
        if (p.DruhCihly == 1) q(20) = Integer::fromDouble(p.PocetCihel);
        else if (p.DruhCihly == 2) q(21) = Integer::fromDouble(p.PocetCihel);
        q(10) = pridejPytle(q(10), p.PocetPytlu);
        break;
    case 2:  // cladding: one row per height, plaster then brick
        if (p.DruhPlaste == 1) tremol::zapisPlast(q, 23, p.IdVyskaPlaste);
        else if (p.DruhPlaste == 2) tremol::zapisPlast(q, 30, p.IdVyskaPlaste);
        break;
    default:
        break;
    }
    PrenesPrislusenstvi(q);
    ZapisMnozstvi(q);
}

// The foot kit is described for "14" to "20" but never counted: its parts stay loose rows of
// the bill and its text stays off the note.
void xKalvir::vyplnSoupravy() {
    vytvorSoupravy(1, 1, 1, 1);
    SorvenikaParametry& p = P();
    if (p.Prurez < QLatin1String("14") || p.Prurez > QLatin1String("20")) return;
    Souprava& s = p.SoupravyPaty(1);
    for (const Dil& d : kPata) s.pridejDil(QString::fromLatin1(d.kod), d.ks, d.radek);
    s.Popis = kTextPaty;
}

void xKalvir::Prepocitej(int radek, Integer ks) {
    auto vektor = zacniPrepocet(radek, ks);
    if (!vektor) return;
    PrenesPrislusenstvi(*vektor);
    ZapisMnozstvi2(*vektor);
}

// The wizard's anchor choice: 6 into the rafters, 7 into the ridge.
void xKalvir::PrenesPrislusenstvi(VektorMnozstvi& q) {
    q(22) = kus(P().Prislusenstvi(6));
    q(23) = kus(P().Prislusenstvi(7));
}
