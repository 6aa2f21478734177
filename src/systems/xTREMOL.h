#pragma once
// The T-REMOL calculator: single flue, cross-sections "14" to "20". Rows of the T-REMOL item
// table: 1/2 the blocks without/with shaft, 3-6 the liners, 7 the mats, 10/11 the basic kits for
// 90°/45°, 17 mortar, 18 the door, 20/21 the jointing compound in 7 kg buckets and loose kg, 22/23
// the front plates, 8-9, 12-16, 24-26, 32-33 termination rows; the rest are accessory rows.
#include "engine/Kalkulacka.h"

class xTREMOL : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    // Only the KDS rows 16 and 24 and rows 27 to 40 take a typed value; nothing is recomputed.
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void vyplnSoupravy();
    void hmoty(VektorMnozstvi& q) const;
};
