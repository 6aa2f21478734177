#pragma once
// A committed parameter set becomes the sheet's costing.
#include "engine/GlobalniData.h"
#include "costing/ModelListu.h"
#include "engine/Kalkulacka.h"

// Costs the chimney through its system's calculator and, when that succeeds, makes the set the
// current parameters and puts on the sheet: the bill, the summary with its picture, the price
// options for the system and user, the middle-set command (offered when the user may have it
// and it fits the chimney, unticked) and the cursor on row 1. A failing calculation throws and
// leaves the previous costing, parameters and sheet as they were. Showing the sheet is the
// caller's.
void NastavSorveniku(GlobalniData& g, const Kalkulacky& kalkulacky, ModelListu& list, SorvenikaParametry nove);

// Costs a draft on a copy of the state with the system's calculator; false when the costing
// fails. Nothing of `g` changes.
bool KalkulaceProjde(const GlobalniData& g, const SorvenikaParametry& navrh);
