#pragma once
// The KALVIR calculator: single flue without shaft, "14" to "30". Rows are those of
// Data/KALVIR.txt: 1-9 blocks, liners and the foot's parts, 10 mortar, 11 connecting pieces,
// 12-13 casing, 20-21 bricks, 22-23 anchors, 24-30 plaster and 31-37 brick cladding.
#include "engine/Kalkulacka.h"

class xKalvir : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    // Every row takes the typed quantity; the anchor rows follow the flags again.
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;

private:
    void vyplnSoupravy();
};
