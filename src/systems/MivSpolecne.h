#pragma once
// Pieces shared by the MIV calculators: the basic-set texts, the two-flue Orlex text, the split
// of the Orlex pieces over their two kinds, the block count under an Orlex top and the kits.
#include "engine/Polozky.h"
#include "platform/Numbers.h"

#include <QString>
#include <utility>

namespace miv {

// The basic set's contents with `druxa` pieces of jointing compound; na45: the set for the
// 45° connection, whose front plate is the 45° one.
QString textZakladniSoupravy(int druxa, bool na45);

// Contents of the two-flue Orlex set without a shaft.
extern const QString kOrlexDvouprieduchovy;

// The Orlex pieces of two kinds, as (type 1, type 2): halves of an even count; an odd count
// gives type 2 the larger half.
std::pair<Integer, Integer> rozdelDilyOrlex(float pocetDilu);

// Blocks of one flue: three per metre, less three for an Orlex set and a fifth of a block per
// Orlex piece. The height term is held in single precision.
Integer bloky(float vyska, Integer sadaOrlex, Integer dilyOrlex);

// A component of a kit; kDruxa stands for the cross-section's pieces of jointing compound.
struct Dil {
    const char* kod;
    int ks;
    int radek;
};
constexpr int kDruxa = -1;

template <typename Dily>
void naplnSoupravu(Souprava& s, const Dily& dily, QString popis, int druxa = 0) {
    for (const Dil& d : dily) s.pridejDil(QString::fromUtf8(d.kod), d.ks == kDruxa ? druxa : d.ks, d.radek);
    s.Popis = std::move(popis);
}

}  // namespace miv
