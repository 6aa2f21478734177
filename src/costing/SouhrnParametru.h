#pragma once
// What the costing sheet shows of a committed parameter set: the four summary lines, the outer
// dimensions of the block, the cross-section picture, whether prices are offered and whether
// the middle-set command suits the chimney.
#include "engine/GlobalniData.h"

#include <QString>
#include <array>

struct SouhrnParametru {
    std::array<QString, 4> parametry;  // lblParametry(0..3)
    QString tvarnice;                  // "vnější r. 36/50 cm"; empty when the system lists none
    QString obrazekPrurezu;            // picture name relative to Data ("Pict\\MIV_P.gif"); empty: none
    bool ceny = true;                  // prices shown, printed and recalculated
    bool sadaStred = false;            // a middle set fits this chimney
};

// `typUzivatele` 1 is a privileged user. Heights are written with the regional separator.
SouhrnParametru SouhrnSorveniky(const SorvenikaParametry& p, quint8 typUzivatele);
