#pragma once
// The KARNELO calculator: single flue, cross-sections "12" to "20". Rows of the KARNELO item
// table: 1-3 the foot kits, 4-7 blocks and heat-insulating blocks, 8/9/10 the liners of
// 0.33/0.66/1.33 m, 11/12 the T-pieces 90°/45°, 13 the foot T-piece, 14 the basic kit, 15-22 base
// and cover plates, 23-25 mortar and compound, 26 the upper door, 30 spacers above 11.33 m,
// 45/46 bricks, 52-79 the cladding shells, 80 the KEPO set; the rest are accessory rows.
#include "engine/Kalkulacka.h"

class xKarnelo : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void poctySouprav(const VektorMnozstvi& q);
    void pravidloRadku(VektorMnozstvi& q, int radek, Integer ks) const;
};
