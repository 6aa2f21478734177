#pragma once
// The costing as an HTML page, from the template Data/vystup.htm: for "Uložit jako HTML ..." and
// for the mailed costing.
#include "costing/Kalkulace.h"
#include "platform/Vysledek.h"

#include <QDate>

// The template with its thirteen placeholders ("<!-- prodejce -->" ... "<!-- poznamka -->")
// replaced in order, each at every occurrence. Values are not escaped: the pages are the user's
// own and the note may carry markup on purpose.
QString sestavHtml(const Kalkulace& k, QString sablona, const QDate& dnes);

// Writes the page to `cesta` in Windows-1250 (other characters as numeric references) through a
// temporary file. A missing or empty template writes nothing and fails, so the caller shows no
// success and mails nothing.
Vysledek<> Sorvenika2Html(const Kalkulace& k, const QString& cesta);
