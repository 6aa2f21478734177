#pragma once
// The Orlex top: the extra 7.5-cm pieces above the Orlex set for a typed height, the height
// snapped to whole pieces, the ZSLKT mortar bags and the Orlex rods. The parameter wizard calls
// it on Enter in the Orlex height box and writes the four boxes from the result.
//
// PocetZSLKT is the bags of ZSLKT mortar (box "Zdící směs ZSLKT:"), PocetTyciOrlex the Orlex rods
// (box "tyč - ORLEX:").
#include "engine/GlobalniData.h"

#include <QString>

struct Orlex {
    float PocetDiluOrlex = 0;  // 7.5-cm pieces above the set
    float VyskaUkonceni = 0;   // the height snapped to whole pieces, 1.0 without pieces
    float PocetZSLKT = 0;      // ZSLKT bags: 0..2 for MIV, 0..3 for MIV2R and MIV2S
    float PocetTyciOrlex = 0;  // rods: 0, 4 or 12

    friend bool operator==(const Orlex&, const Orlex&) = default;
};

// vyska: the typed height (m). Systems other than MIV, MIV2R and MIV2S keep `drzeneZSLKT`.
// A height at or below the set's own height gives no pieces and the 1.0-m top.
Orlex SpocitejOrlex(const QString& system, float vyska, float drzeneZSLKT);

// The wizard's form: reads System and VyskaUkonceni (the typed height), writes VyskaUkonceni,
// PocetDiluOrlex, PocetZSLKT and PocetTyciOrlex.
void SpocitejOrlex(SorvenikaParametry& p);
