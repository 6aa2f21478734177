#pragma once
// The DORVA calculator: one flue, cross-sections "12" to "25", no shaft, angle or second
// connection rules. Rows are those of the DORVA item table (Data/DORVA.txt): 1 the DORVA set,
// 2-4 blocks, liners and the upper door, 5-10 fixed and height rows, 11/12 bricks, 13/14
// anchoring, 15-28 the cladding, 29 the base plate.
#include "engine/Kalkulacka.h"

class xDorva : public Kalkulacka {
public:
    using Kalkulacka::Kalkulacka;

    void Spocitej() override;
    void Prepocitej(int radek, Integer ks) override;
    void PrenesPrislusenstvi(VektorMnozstvi& q) override;
};
