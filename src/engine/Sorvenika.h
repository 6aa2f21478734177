#pragma once
// The quantities of one costing, the height rounding of the wizard and the reset when the sheet is left.
#include "engine/GlobalniData.h"
#include "engine/Kalkulacka.h"

// The sheet's side of an abandoned wizard: hide the sheet and disable the commands that need a
// costing, unless a costing is on the sheet. The wizard calls it when closed with its close box.
class IPrikazySorveniky {
public:
    virtual ~IPrikazySorveniky() = default;
    virtual void ZakazPrikazySorveniky() = 0;
};

// The quantities of a full costing: the system's Spocitej (none for a system without a
// calculator) and the T-REMOL advice in the note. A failing calculation throws and leaves the
// state as it was.
void SpocitejKusy(GlobalniData& g, const Kalkulacky& kalkulacky);

// A Single quantity as the sheet shows it: whole numbers without decimals, otherwise up to
// seven significant digits with the regional separator.
QString KsNaText(float ks);

// The height in whole thirds of a metre, truncated to centimetres; h becomes the number of
// thirds. Heights beyond the 16-bit range are the overflow error.
float ZaokrouhliVysku(float& h);

// Erases the costing when the sheet is left: matrix, labels, kit lists, system, cross-section,
// note, counts and termination. Kept: free rows, Orlex text, accessory flags, connections,
// heat blocks, KEPO, doors, second connection, foot, coefficient and all settings.
void VymazSorveniku(GlobalniData& g);
