#pragma once
// The offer as an HTML page (UlozJakoHtml): the template Data/nabidka.htm with its 40
// placeholders filled from the offer and its costing, the item table, the total weight and,
// for print, the logo and the cross-section picture.
#include "engine/GlobalniData.h"
#include "offers/clsNabidka.h"
#include "platform/Vysledek.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QDateTime>
#include <QString>
#include <vector>

// What the page takes beside the offer: the price list for the weights, the system table for
// the cross-section picture, and the time it is made.
struct ZdrojeHtml {
    const TabulkaArtiklu& cenik;
    const std::vector<SystemZaznam>& Systemy;  // indexed by the system code
    QDateTime ted;
};

// The template `sablona` filled for the offer: `logo` puts in the logo and the cross-section
// picture, `sleva` the prices before and after the project discount. Each placeholder is
// replaced in turn, so a value holding a later placeholder is filled in too.
QString sestavNabidkuHtml(const clsNabidka& n, QString sablona, bool logo, bool sleva, const ZdrojeHtml& z);

// UlozJakoHtml: the page from Data/nabidka.htm written to `soubor` in Windows-1250, replacing
// the file only once it is written whole. A missing template writes nothing and says so.
Vysledek<> UlozJakoHtml(const clsNabidka& n, const QString& soubor, bool logo, bool sleva, const ZdrojeHtml& z);

// The unit weight of an article in kg, 0 when the price list has no such article or for "-".
// `rezim` 1 (the T-REMOL systems) tries the code with "-s" first.
double VratVahu(const TabulkaArtiklu& cenik, const QString& kod, int rezim);

// The item table of a breakdown (TAB cells, CR LF lines): six columns, or four for the T-REMOL
// systems; every second non-empty line shaded.
QString TabulkaRozpisu(const QString& rozpis, bool tRemol);

// Pieces times unit weight over the breakdown's lines. A pieces cell that is not a whole number
// counts by its leading number, 0 when it has none.
double VahaRozpisu(const TabulkaArtiklu& cenik, const QString& rozpis, bool tRemol);

// The cross-section picture of the page, as the printed costing chooses it (ObrazekPrurezu), in
// its print version ("_P." made "_P_T."); "" when the record holds none.
QString ObrazekPrurezuTisk(const QString& piktogramPrurez, const QString& system, const QString& prurez, bool sachta);

// The name a mailed offer's page is attached under: the project name with each run of characters
// other than letters, digits, blanks, "-", "_" and "." made one "-", at most 100 characters, or
// "nabidka" when no letter or digit is left; and ".htm".
QString NazevPrilohy(const QString& nazevAkce);
