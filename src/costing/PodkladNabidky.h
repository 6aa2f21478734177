#pragma once
// What an offer takes from the costing on the sheet (lblNabidka): the fields of its costing
// record and the four prices. The offer and its record are the offers' business; this side
// knows only the costing.
#include "costing/Kalkulace.h"
#include "platform/Vysledek.h"

#include <QString>

inline const QString kNulovaCena = QStringLiteral("Nabídku nelze vytvořit: nulová cena nebo koeficient !!!");

struct PodkladNabidky {
    // The costing record's fields.
    QString Nazev;
    QString System;
    QString Prurez;
    float Vyska = 0;
    bool Sachta = false;
    QString Ukonceni;
    QString Tvarnice;
    QString SysPoznamka;
    QString Poznamka;
    QString Rozpis;
    // The offer's prices.
    double CenaBezDPH = 0;
    double ProjektovaSleva = 0;
    double CenaPoSleveBezDPH = 0;
    double CenaPoSleveSDPH = 0;
};

// The breakdown: a line for each row with pieces, each cell followed by a TAB, each line by
// CR LF; the T-REMOL systems pass no prices line by line ("0,00" twice).
QString RozpisKalkulace(const Kalkulace& k);

// The whole basis. A coefficient of 0, or a T-REMOL list price of 0, would divide by zero: the
// offer is refused with kNulovaCena instead.
Vysledek<PodkladNabidky> podkladNabidky(const Kalkulace& k);
