#pragma once
// One costing from the parameters to the sheet's two grids, the price refill after an edit,
// the height rounding of the wizard and the reset when the sheet is left.
#include "engine/GlobalniData.h"
#include "engine/Kalkulacka.h"
#include "platform/FlexGrid.h"

// The costing sheet's grids. Tabulka: row 0 the header, grid row i = item row i of column
// IdPrurez, columns "Název dílu", "Obj.č.", "Obj.č. původní", "Ks", "Cena/Ks", "Cena celkem".
// TabSuma: the sheet's six totals rows, values in column 1.
struct MrizkySorveniky {
    FlexGrid& Tabulka;
    FlexGrid& TabSuma;
};

// The sheet's side of an abandoned wizard: hide the sheet and disable the commands that need a
// costing. The wizard calls it when closed with its close box.
class IPrikazySorveniky {
public:
    virtual ~IPrikazySorveniky() = default;
    virtual void ZakazPrikazySorveniky() = 0;
};

// A full costing: the system's Spocitej (none for a system without a calculator), the T-REMOL
// advice in the note, both grids filled with list prices, rows coloured, the T-REMOL internal
// rows hidden from ordinary users. A failing calculation throws and leaves the state and the
// grids as they were.
void SpocitejSorveniku(GlobalniData& g, const Kalkulacky& kalkulacky, MrizkySorveniky m);

// The text colour of every cell of the item rows: grey when Ks is 0, red when Ks differs from
// KsVypocet, black otherwise.
void ObarviTabulku(const GlobalniData& g, FlexGrid& tabulka);

// Refills the quantity and price columns and totals rows 1 to 5 with the coefficient prices,
// rounded up to tenths, then recolours. The grid must hold a row for every item row.
void PrepocitejCeny(const GlobalniData& g, MrizkySorveniky m);

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
