#pragma once
// The MIV2R calculator: two flues of different diameters, "12/14" to "18/20" (flue 1 first).
// Rows are those of the MIV2R item table (Data/MIV2R.txt): 1/2 the "Sada MIV" kits, 3/4 blocks
// without/with shaft, 5-14 liners, connections and mats of flue 1 and flue 2, 15-24 top and
// casing rows, 25-29 the Orlex top, 34-37 the basic sets, 38-47 compound, mortar, door, front
// plates and bricks, 75-102 the cladding; the rest are accessory rows.
#include "engine/Kalkulacka.h"

class xMIV2R : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void vyplnSoupravy();
    void vlozky(VektorMnozstvi& q) const;
    void bloky(VektorMnozstvi& q) const;
    void poctySouprav(const VektorMnozstvi& q);
    void pravidloRadku(VektorMnozstvi& q, int radek);
};
