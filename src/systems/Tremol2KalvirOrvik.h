#pragma once
// Small pieces shared by the calculators of T-REMOL2R, T-REMOL2S, KALVIR and ORVIK.
#include "engine/Pole.h"

#include <QString>
#include <initializer_list>

namespace t2ko {

// The cross-section label is exactly one of the given texts.
inline bool jeJeden(const QString& prurez, std::initializer_list<const char*> popisky) {
    for (const char* p : popisky)
        if (prurez == QLatin1String(p)) return true;
    return false;
}

// Contents of the basic kits of both two-flue T-REMOL systems.
inline const QString& textZakladniSoupravy() {
    static const QString t = QStringLiteral(
        "Základní souprava obsahuje: 1ks podstavec s odvodem kondenzátu, 1ks větrací mřížka, 1 ks komínová dvířka "
        "včetně uzávěru, 1 ks čelní deska minerální, 1 ks maltovací šablona, spárovací hmota: pro průměr 14 - FM "
        "Druxa, pro průměry 16,18,20 FM 7 kg, houbička, montážní návod, záruční list, identifikační štítek, "
        "prohlášení o shodě.");
    return t;
}

// The cladding row of height index 1..7 counted after `predPrvnim`. An index the wizard cannot
// give, or a row the item table lacks, writes nothing rather than failing the whole bill.
inline void zapisPlast(VektorMnozstvi& q, int predPrvnim, int idVysky) {
    const int r = predPrvnim + idVysky;
    if (idVysky >= 1 && idVysky <= 7 && r <= q.horni()) q(r) = Integer(1);
}

}  // namespace t2ko
