#pragma once
// The quantity writers that end every calculation. With p(i) = Polozky(IdPrurez, i):
//   p(i).KsZaklad = q(i); q(Radek(j)) -= Ks(j) * Pocet for every component of every counted kit
//   of the four lists; negatives become 0; p(i).Ks = p(i).KsVypocet = q(i).
// The deduction is 16-bit: leaving the range is the overflow error, and then neither the matrix
// nor q has changed. A counted kit entry without components deducts nothing.
#include "engine/GlobalniData.h"

// The last step of Spocitej; also empties Poznamka.
void ZapisMnozstvi(GlobalniData& g, VektorMnozstvi& q);
// The last step of Prepocitej; leaves Poznamka as the user wrote it.
void ZapisMnozstvi2(GlobalniData& g, VektorMnozstvi& q);
