#pragma once
// The ORVIK calculator: single flue without shaft, "14" to "25". Rows are those of
// Data/ORVIK.txt: 1 the set "SADA", 2-3 blocks and liners, 5 connecting pieces, 7-8 casing,
// 10 mortar, 11 the set's compound, 12-13 bricks, 15-16 anchors, 18-24 plaster and 25-31 brick
// cladding, 32 the sealing collar.
#include "engine/Kalkulacka.h"

class xOrvik : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    // Every row takes the typed quantity; row 1 is the number of sets, the anchor rows follow
    // the flags again.
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void vyplnSoupravy();
};
