#pragma once
// The printed costing: the sheet drawn at fixed positions in twips, each copy its own document.
#include "costing/Kalkulace.h"
#include "platform/PrintSurface.h"
#include "platform/Vysledek.h"

#include <QDate>

// Size and style of the printer font; its name stays.
void NastavPismoTiskarny(PrintSurface& p, int velikost, bool tucne, bool kurziva, bool podtrzene);

// The text word-wrapped at x: lines split at CR LF (empty ones print nothing), words at single
// blanks; a line wraps when it would reach `sirka`. A word that is too wide on its own is broken
// by characters, so no line runs past the width.
void TiskniOdstavec(PrintSurface& p, const QString& text, int x, int sirka);

// One copy between the document's begin and end: seller, pictures, date, validity, customer,
// title, parameters, items, totals beside the kit descriptions, note and certificate line.
void TiskniKopii(PrintSurface& p, const Kalkulace& k, const QDate& dnes);

// PocetKopii copies on the surface, then the default printer is current again (also after 0
// copies or an error). An error aborts the copy being printed; copies already ended stay
// printed. The message reads as the sheet shows it: "Chyba při tisku: 53 (...)", titled with
// the error's source.
Vysledek<> TiskniSorveniku(const Kalkulace& k, TiskNastaveni& t, PrintSurface& p, const IPrinterCatalog& tiskarny);
