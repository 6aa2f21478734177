#pragma once
// Bricks and bags of masonry mix for the brick-casing termination, from the casing height and a
// fixed coefficient table keyed by shaft, system and cross-section. The parameter wizard calls it
// when the casing height is confirmed or the brick kind is switched, and shows the two counts in
// its boxes; the calculators take the brick and mortar rows from them.
#include "engine/GlobalniData.h"

#include <QString>

struct Obezdivka {
    float PocetCihel = 0;  // bricks, a whole number
    float PocetPytlu = 0;  // bags of masonry mix, a whole number

    friend bool operator==(const Obezdivka&, const Obezdivka&) = default;
};

// druhCihly: 1 clinker brick, 2 fireclay brick. System and cross-section are compared exactly.
// A combination that the table lacks, or another brick kind, computes nothing and returns
// `drzena`, the counts held so far.
Obezdivka SpocitejObezdivku(bool sachta, const QString& system, const QString& prurez, qint32 druhCihly, float vyska,
                            Obezdivka drzena);

// The wizard's form: reads Sachta, System, Prurez, DruhCihly and VyskaUkonceni, writes PocetCihel
// and PocetPytlu.
void SpocitejObezdivku(SorvenikaParametry& p);
