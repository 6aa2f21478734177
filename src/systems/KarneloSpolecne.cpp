#include "systems/KarneloSpolecne.h"

#include "platform/Numbers.h"
#include "systems/PytleObezdivky.h"

namespace karnelo {

const QString kTextPaty = QStringLiteral(
    "Souprava komínové paty obsahuje: těsnící uzávěr (pr. 12, 14 cm) nebo revizní uzávěr na tuhá paliva (pr. 16, "
    "18, 20 cm), kónické vyústění (u pr. 12, 14 cm s mřížkou), spárovací hmota Druxa (na 11,33 bm), ruční pistole, "
    "houbička, sada distančních prvků (4 x 6 ks = 11,33 bm), vyhlazovač spár, pilka adaptérový kroužek.");

const QString kTextZakladni = QStringLiteral(
    "Základní souprava obsahuje: T-kus pata, těsnící uzávěr (pr. 12, 14 cm) nebo revizní uzávěr na tuhá paliva (pr. "
    "16, 18, 20 cm), odvod kondenzátu DN 40, mazací pasta, plastová krytka odvodu kondenzátu, komínová dvířka, "
    "kónické vyústění (u pr. 12, 14 cm s mřížkou), spárovací hmota Druxa (na 11,33 bm), ruční pistole, houbička, "
    "sada distančních prvků (4 x 6 ks = 11,33 bm), vyhlazovač spár, pilka, vyřezávací šablona.");

void naplnSoupravu(Souprava& s, const QString& popis, int ks, int radek) {
    s.pridejDil(QString(), ks, radek);
    s.Popis = popis;
}

void nastav(VektorMnozstvi& q, std::initializer_list<std::pair<int, int>> hodnoty) {
    for (auto [r, n] : hodnoty) q(r) = Integer(n);
}

Integer nad1133(float vyska) {
    if (!(vyska > 11.33f)) return Integer(0);
    return Integer::fromDouble((static_cast<double>(vyska) - 11.33) / 2 + 0.49);
}

namespace {

Integer kusuPaty(const VektorMnozstvi& q, const RadkyPaty& r) { return r.pata2 ? q(r.pata) + q(r.pata2) : q(r.pata); }

// Two short pieces become one of the next length.
void prenes(Integer& kratka, Integer& delsi) {
    if (kratka != 2) return;
    kratka = Integer(0);
    delsi = delsi + 1;
}

}  // namespace

void paty(VektorMnozstvi& q, const SorvenikaParametry& p, const RadkyPaty& r) {
    if (p.DruhPaty == 1) q(r.pata) = Integer(1);
    if (r.pata2 && p.DruhPaty == 2) q(r.pata2) = Integer(1);
    q(r.termo) = p.PocetTermoTvarnic;
    const double h = p.Vyska;
    q(r.bloky) = Integer::fromDouble(3 * h - (3 * kusuPaty(q, r)).value() - q(r.termo).value());
    for (int v : r.vrch) q(v) = Integer(1);
}

void blokyPrepocet(VektorMnozstvi& q, double vyska, const RadkyPaty& r) {
    q(r.bloky) = Integer::fromDouble(3 * vyska - (3 * kusuPaty(q, r)).value());
}

void ukonceni(VektorMnozstvi& q, const SorvenikaParametry& p, const RadkyUkonceni& r) {
    const auto pridej = [&q](int radek, float pytle) { q(radek) = pridejPytle(q(radek), pytle); };
    switch (p.Ukonceni) {
    case 1:  // brick casing
        if (p.DruhCihly == 1) q(r.cihly) = Integer::fromDouble(p.PocetCihel);
        if (p.DruhCihly == 2) q(r.cihly + 1) = Integer::fromDouble(p.PocetCihel);
        pridej(r.malta, p.PocetPytlu);
        pridej(r.hmota, p.PocetZSLKT);
        break;
    case 2:  // cladding shell, by structure (2 brick, else plaster), shaft and height
        for (int i = 0; i < 4; ++i) q(r.vrch + i) = Integer(0);
        q(r.plast + (p.DruhPlaste == 2 ? 14 : 0) + (p.Sachta ? 7 : 0) + p.IdVyskaPlaste) = Integer(1);
        pridej(r.hmota, p.PocetZSLKT);
        break;
    case 4:  // cover plates cast on site
        for (int i = r.vrch; i <= r.vrchDo; ++i) q(i) = Integer(0);
        for (auto [radek, ks] : r.desky)
            if (radek) q(radek) = Integer(ks);
        break;
    default:
        break;
    }
}

double xPruduchu(double kusu) { return kusu * 1.33 + 1.07 - 0.25; }

double behPruduchu(const VektorMnozstvi& q, float vyska, const Pruduch& f) {
    const float x = static_cast<float>(xPruduchu((q(f.t90) + q(f.t45) + q(f.dvirka)).value()));
    return static_cast<double>(vyska) - static_cast<double>(x);
}

void delky(VektorMnozstvi& q, double r, const Pruduch& f, bool prepocet20) {
    const Integer d133 = Integer::fromDouble(Fix(r / 1.33));
    q(f.d133) = d133;
    if (prepocet20) {
        q(f.d066) = Integer::fromDouble(Fix((r - 1.33 * d133.value()) / 0.66)) + 1;
    } else {
        q(f.d066) = Integer::fromDouble(Fix((r - 1.33 * d133.value()) / 0.66));
        q(f.d033) = Integer::fromDouble((r - 1.33 * d133.value() - 0.66 * q(f.d066).value()) / 0.33 + 0.49);
    }
    prenes(q(f.d033), q(f.d066));
    prenes(q(f.d066), q(f.d133));
}

void dvirkaANapojeni(VektorMnozstvi& q, const SorvenikaParametry& p, const Pruduch& f, int kusu) {
    if (p.HorniDvirka) {
        q(f.d133) = q(f.d133) - kusu;
        q(f.dvirka) = Integer(kusu);
    }
    if (p.DruheNapojeni) {
        q(f.d133) = q(f.d133) - kusu;
        if (p.Kourovod == 0) q(f.t90) = q(f.t90) + kusu;
        if (p.Kourovod == 1) q(f.t45) = q(f.t45) + kusu;
    }
}

}  // namespace karnelo
