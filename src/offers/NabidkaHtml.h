#pragma once
// The offer as an HTML page (UlozJakoHtml): the template Data/nabidka.htm with its 40
// placeholders filled from the offer and its costing, the item table, the total weight and,
// for print, the logo and the cross-section picture.
#include "engine/GlobalniData.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QString>
#include <vector>

// The unit weight of an article in kg, 0 when the price list has no such article or for "-".
// `rezim` 1 (the T-REMOL systems) tries the code with "-s" first.
double VratVahu(const TabulkaArtiklu& cenik, const QString& kod, int rezim);

// "&", "<" and ">" as entities: offers downloaded from the server carry other people's texts
// into a page that a browser opens.
QString htmlText(QString text);

// The item table of a breakdown (TAB cells, CR LF lines): six columns, or four for the T-REMOL
// systems; every second non-empty line shaded.
QString TabulkaRozpisu(const QString& rozpis, bool tRemol);

// Pieces times unit weight over the breakdown's lines. A pieces cell that is not a whole number
// counts by its leading number, 0 when it has none.
double VahaRozpisu(const TabulkaArtiklu& cenik, const QString& rozpis, bool tRemol);

// The cross-section picture's name from a system record's "Piktogram prurez" value: the second
// name with a shaft, or for MIV from "25" on, else the first, "_P." made "_P_T."; "" when the
// record holds no such name.
QString ObrazekPrurezu(const QString& piktogramPrurez, const QString& system, const QString& prurez, bool sachta);
