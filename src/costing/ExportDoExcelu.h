#pragma once
// "Export do Excelu": the items of a costing as an .xlsx workbook for the company's own
// processing, opened in the desktop's spreadsheet program.
#include "costing/Kalkulace.h"
#include "platform/Vysledek.h"

// The workbook written at `cesta` (messages name it `nazev`, by default `cesta`), its one sheet named
// by the system: the headings in bold, then every row with pieces, without gaps. Names are
// entries (a plain number becomes a number, anything else stays text, so "=1+1" is never a
// formula); codes are always text ("0123" keeps its zero); quantities and prices are numbers,
// prices in "# ### ##0.00". Columns A to C are left-aligned, the rest right; widths follow the
// longest text. Succeeds only once the file, read back, holds every part whole; the library's
// part files go to the folder of `nazev`.
Vysledek<> zapisSesit(const Kalkulace& k, const QString& cesta, const QString& nazev = {});

// The workbook in the user's temporary folder under a name of its own (the user's alone, named
// only when whole, never over another file), opened afterwards; gives its path. Failures read
// "Chyba při exportu." and the cause; a workbook that does not open names its file.
Vysledek<QString> ExportDoExcelu(const Kalkulace& k);
