#include "systems/KarneloSpolecne.h"

#include "platform/Numbers.h"

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

Integer nad1133(float vyska) {
    if (!(vyska > 11.33f)) return Integer(0);
    return Integer::fromDouble((static_cast<double>(vyska) - 11.33) / 2 + 0.49);
}

double xPruduchu(double kusu) { return kusu * 1.33 + 1.07 - 0.25; }

Delky rozdel(double r) {
    Delky d;
    d.d133 = Integer::fromDouble(Fix(r / 1.33));
    d.d066 = Integer::fromDouble(Fix((r - 1.33 * d.d133.value()) / 0.66));
    d.d033 = Integer::fromDouble((r - 1.33 * d.d133.value() - 0.66 * d.d066.value()) / 0.33 + 0.49);
    return d;
}

Integer delka066Prepocet20(double r, Integer d133) {
    return Integer::fromDouble(Fix((r - 1.33 * d133.value()) / 0.66)) + 1;
}

void prenes(Integer& kratka, Integer& delsi) {
    if (kratka != 2) return;
    kratka = Integer(0);
    delsi = delsi + 1;
}

}  // namespace karnelo
