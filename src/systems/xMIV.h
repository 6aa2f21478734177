#pragma once
// The MIV calculator: the single-flue system, cross-sections "12" to "60". Rows are those of the
// MIV item table (Data/MIV.txt): 1-4 the "Sada MIV" kits, 5-6 the middle sets, 7/8 the blocks
// without/with shaft, 9-13 liners and mats, 14-21 termination rows, 16/17 the basic kits, 24-29
// the Orlex top, 35-43 compound, mortar, door, front plates and bricks, 64-91 the cladding; the
// rest are accessory rows.
#include "engine/Kalkulacka.h"

class xMIV : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    // Also the sheet's middle-set command: row 5 (no shaft) or 6 (shaft), 1 ticks and 0 clears.
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void vyplnSoupravy();
    void pripojeni(VektorMnozstvi& q) const;
    void vlozky(VektorMnozstvi& q) const;
    void ukonceni(VektorMnozstvi& q);
    void bloky(VektorMnozstvi& q) const;
    void vyskoveRadky(VektorMnozstvi& q) const;
    void volbaSady(VektorMnozstvi& q) const;
    void moznosti(VektorMnozstvi& q) const;
    void poctySouprav(const VektorMnozstvi& q);
    void pravidloRadku(VektorMnozstvi& q, int radek, Integer ks);
};
