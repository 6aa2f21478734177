#pragma once
// Pieces shared by the two-flue MIV calculators and DORVA: the basic-set texts, the two-flue
// Orlex text, the split of the Orlex pieces over their two kinds and the block count under an
// Orlex top.
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

// Blocks without a shaft: three per metre, less three for an Orlex set and a fifth of a block
// per Orlex piece. The height term is held in single precision.
Integer blokyBezSachty(float vyska, Integer sadaOrlex, Integer dilyOrlex);

// A component of a kit; the count may depend on the cross-section.
struct Dil {
    const char* kod;
    int ks;
    int radek;
};

template <typename Dily>
void naplnSoupravu(Souprava& s, const Dily& dily, QString popis) {
    for (const Dil& d : dily) s.pridejDil(QString::fromUtf8(d.kod), d.ks, d.radek);
    s.Popis = std::move(popis);
}

}  // namespace miv
