#pragma once
// The program's costing sheet with a costing on it, for the tests that start from the sheet.
#include "app/QtProgram.h"
#include "costing/QtListSorveniky.h"
#include "engine/NactiSystem.h"
#include "parameters/NastavSorveniku.h"
#include "systems/Kalkulacky.h"

#include <gtest/gtest.h>

// A costing of 7 m on the program's sheet, shown; by default MIV of cross-section 25 ending in
// a cover plate cast on site (`ukonceni` as the wizard's terminations count them).
inline frmSorvenika* kalkulaceNaListu(QtProgram& p, const QString& system = QStringLiteral("MIV"),
                                      const QString& prurez = QStringLiteral("25"), int ukonceni = 4) {
    GlobalniData& g = p.data();
    SorvenikaParametry& s = g.sorvenikaParametry;
    s.System = system;
    s.SystemKod = ZjistiKodSystemu(s.System);
    EXPECT_TRUE(NactiSystem(g, p.aplikace().cenik()));
    SorvenikaParametry n = s;
    n.Prurez = prurez;
    for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c)
        if (g.dataSystemu.Prurezy(c) == n.Prurez) n.IdPrurez = Integer(c);
    n.Vyska = 7;
    n.Ukonceni = ukonceni;
    frmSorvenika* list = p.list()->nacti();
    NastavSorveniku(g, vytvorKalkulacky(g), list->model(), n);
    list->show();
    return list;
}
