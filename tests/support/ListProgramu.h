#pragma once
// The program's costing sheet with a costing on it, for the tests that start from the sheet.
#include "app/QtProgram.h"
#include "costing/QtListSorveniky.h"
#include "engine/NactiSystem.h"
#include "parameters/NastavSorveniku.h"
#include "systems/Kalkulacky.h"

#include <gtest/gtest.h>

// An MIV costing of cross-section 25, 7 m, on the program's sheet, shown.
inline frmSorvenika* kalkulaceNaListu(QtProgram& p) {
    GlobalniData& g = p.data();
    SorvenikaParametry& s = g.sorvenikaParametry;
    s.System = QStringLiteral("MIV");
    s.SystemKod = ZjistiKodSystemu(s.System);
    EXPECT_TRUE(NactiSystem(g, p.aplikace().cenik()));
    SorvenikaParametry n = s;
    n.Prurez = QStringLiteral("25");
    for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c)
        if (g.dataSystemu.Prurezy(c) == n.Prurez) n.IdPrurez = Integer(c);
    n.Vyska = 7;
    n.Ukonceni = 4;
    frmSorvenika* list = p.list()->nacti();
    NastavSorveniku(g, vytvorKalkulacky(g), list->model(), n);
    list->show();
    return list;
}
