#pragma once
// The T-REMOL2R calculator: two flues of different diameters, "14/16" to "18/20" (flue 1 the
// smaller). Rows are those of Data/T-REMOL2R.txt: 1-2 blocks, 3-10 liners per flue, 11-12 mats,
// 17-20 the basic kits (one per flue and angle), 25-35 mortar, compound and kit components,
// 38-39 bricks, 44-71 accessories.
#include "engine/Kalkulacka.h"

class xTREMOL2R : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    // Only rows 26 and 35 (alternatives) and 38 to 49 take the typed quantity.
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void vyplnSoupravy();
    void sparovaciHmota(VektorMnozstvi& q) const;
};
