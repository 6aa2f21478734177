#include "systems/MivSpolecne.h"

#include <cmath>

namespace miv {

QString textZakladniSoupravy(int druxa, bool na45) {
    return QStringLiteral(
               "Základní souprava obsahuje: podstavec s odvodem kondenzátu, spárovací hmota FM DRUXA (%1ks), komínová "
               "dvířka dvoudílná, větrací mřížka, %2, maltovací šablona, identifikační štítek, houbička, ruční "
               "pistole, montážní návod, záruční list, prohlášení o shodě.")
        .arg(druxa)
        .arg(na45 ? QStringLiteral("čelní deska pro napojení 45°") : QStringLiteral("čelní deska"));
}

const QString kOrlexDvouprieduchovy = QStringLiteral(
    "Sada Orlex dvouprůduchová bez větrací šachty obsahuje: 14 ks tvárnice Orlex (7 ks tvárnice typ 1, 7 ks tvárnice "
    "typ 2), 3 +3 ks komínové vložky, 6 + 6 ks izolační rohože, 1 ks krycí deska Orlex dvouprůduchová, 1 ks maltová "
    "směs tenkovrstvá, 2 ks statická souprava 2 x 3 m, montážní návod.");

std::pair<Integer, Integer> rozdelDilyOrlex(float pocetDilu) {
    const double p = pocetDilu;
    if (std::fmod(static_cast<double>(CLng(p)), 2.0) == 0) {
        const Integer pul = Integer::fromDouble(p / 2);
        return {pul, pul};
    }
    const Integer typ2 = Integer::fromDouble(Round(p / 2 + 0.1));
    return {Integer::fromDouble(p - typ2.value()), typ2};
}

Integer bloky(float vyska, Integer sadaOrlex, Integer dilyOrlex) {
    const float zavorka = 3.0f * vyska - static_cast<float>((3 * sadaOrlex).value());
    return Integer::fromDouble(static_cast<double>(zavorka) - Round(0.2 * dilyOrlex.value()));
}

}  // namespace miv
