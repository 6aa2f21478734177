#pragma once
// The print dialog frmTisk without its window: the printer list with the default one marked,
// the remembered printer, the copies box.
#include "engine/GlobalniData.h"
#include "platform/PrintSurface.h"

#include <QString>
#include <QStringList>

// The list's only entry when no printer is installed: the costing goes to a PDF file instead.
inline const QString kPdfSoubor = QStringLiteral("PDF soubor …");
inline const QString kVychoziPripona = QStringLiteral(" (výchozí)");

class ModelTisku {
public:
    // Opening: one copy, not confirmed, the default printer noted; the remembered printer
    // (`Tiskarna`, stored as its list text) selected and ticked, otherwise the default one. A
    // remembered printer that is gone selects entry 0 and keeps the tick.
    ModelTisku(TiskNastaveni& t, QString& Tiskarna, const IPrinterCatalog& tiskarny);

    QStringList C;         // the list's entries
    int vybrana = 0;       // its selected index
    bool Check = false;    // "Pamatovat si tiskárnu"
    QString txtkopii = QStringLiteral("1");

    // Enter in the copies box: a whole number passes; anything else shows "Zadejte číselnou
    // hodnotu", puts "1" back and answers false.
    bool potvrdKopie();
    // OK: the chosen printer becomes current and the choice is remembered (or forgotten); false
    // keeps the dialog open (copies not a number, no PDF file chosen).
    bool ok();

private:
    TiskNastaveni& m_t;
    QString& m_tiskarna;
    QStringList m_nazvy;  // device names by list index
};
