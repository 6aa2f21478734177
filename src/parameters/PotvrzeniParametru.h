#pragma once
// The wizard's OK as far as it goes today: the draft becomes the costing's parameter set and the
// costing runs. The static-securing flags, the accessory picker and the parameter summary on
// the sheet are still to join it; they take this function's place.
#include "engine/Sorvenika.h"
#include "parameters/ModelParametru.h"

// Writes konceptKPotvrzeni() with a fresh coefficient and cursor, then runs the costing into
// the sheet's grids. A costing that fails throws and leaves the previous costing as it was.
void PotvrdParametry(const ModelParametru& m, GlobalniData& g, const Kalkulacky& kalkulacky, MrizkySorveniky mrizky);
