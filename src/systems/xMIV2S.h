#pragma once
// The MIV2S calculator: two equal flues, cross-sections "12/12" to "20/20". Rows are those of the
// MIV2S item table (Data/MIV2S.txt): 1/2 blocks without/with shaft, 3 liners, 4 door liners,
// 5/6 connections at 90°/45°, 7 mats, 8-13 top and casing rows, 16-18 and 24 the Orlex top,
// 21-23 static kits, 25/26 the basic sets, 27-34 compound, mortar, door, front plates and
// bricks, 54-81 the cladding; the rest are accessory rows.
#include "engine/Kalkulacka.h"

class xMIV2S : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void vyplnSoupravy();
    Integer vlozky(const VektorMnozstvi& q) const;
    void bloky(VektorMnozstvi& q) const;
    void poctySouprav(const VektorMnozstvi& q);
    void pravidloRadku(VektorMnozstvi& q, int radek);
};
