#pragma once
// The T-REMOL2S calculator: two flues of the same diameter, "14/14" to "20/20". Rows are those
// of Data/T-REMOL2S.txt: 1-2 blocks, 3-6 liners, 7 mats, 10-11 the basic kits (90° and 45°),
// 16-24 compound, mortar and kit components, 27-28 bricks, 33-53 accessories.
#include "engine/Kalkulacka.h"

class xTREMOL2S : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    // Only rows 16 and 24 (alternatives) and 27 to 38 take the typed quantity.
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void vyplnSoupravy();
    void sparovaciHmota(VektorMnozstvi& q) const;
};
