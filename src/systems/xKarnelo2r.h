#pragma once
// The KARNELO2R calculator: two flues of different cross-sections, "12/14" to "18/20", the first
// number flue 1. Each flue has its own rows (flue 1 / flue 2): T-pieces 90° 13/14 and 45° 15/16,
// liners of 1.33 m 11/12, 0.66 m 9/10 and 0.33 m 7/8, upper doors 32/33, basic kits 19/20, KEPO
// sets 100/101, spacers above 11.33 m 40/41. Shared rows: 1/2 the foot pieces (and foot kits),
// 3-6 blocks, 17/18 the foot T-pieces, 21-26 base and cover plates, 29-31 mortar and compound,
// 62/63 bricks, 72-99 the cladding shells; the rest are accessory rows.
#include "engine/Kalkulacka.h"

class xKarnelo2r : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void zakladniSoupravy(VektorMnozstvi& q) const;
    void delky(VektorMnozstvi& q, bool prepocet) const;
    void poctySouprav(const VektorMnozstvi& q);
    void pravidloRadku(VektorMnozstvi& q, int radek, Integer ks) const;
};
