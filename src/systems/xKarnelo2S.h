#pragma once
// The KARNELO2S calculator: two flues of equal cross-section, "12/12" to "18/18". Liners,
// T-pieces and doors count both flues together. Rows of the KARNELO2S item table: 1/2 the foot
// pieces (and foot kits), 3-6 blocks and heat-insulating blocks, 7/8/9 the liners of
// 0.33/0.66/1.33 m, 10/11 the T-pieces 90°/45°, 12 the foot T-pieces, 13 the basic kits, 14-19
// base and cover plates, 22-24 mortar and compound, 25 the upper doors, 29 spacers above 11.33 m,
// 44/45 bricks, 51-78 the cladding shells, 79 the KEPO sets; the rest are accessory rows.
#include "engine/Kalkulacka.h"

class xKarnelo2S : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void delky(VektorMnozstvi& q, double x) const;
    void poctySouprav(const VektorMnozstvi& q);
    void pravidloRadku(VektorMnozstvi& q, int radek, Integer ks) const;
};
