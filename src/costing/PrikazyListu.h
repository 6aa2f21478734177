#pragma once
// The costing sheet's commands apart from its window: the note editor's texts, the order entry,
// the HTML file, the mailed costing, the print, the customer-database copy and the updater.
#include "costing/Kalkulace.h"
#include "platform/Okna.h"
#include "platform/UserDialogs.h"
#include "platform/Vysledek.h"
#include "util/Soubory.h"
#include "util/VolbaSouboru.h"

#include <QString>
#include <functional>

// The outputs of a costing that the sheet leaves to other windows and writers (the print dialog,
// the HTML page, the spreadsheet).
struct VystupyListu {
    // The costing as an HTML page at the path: the saved file and the mailed page.
    std::function<Vysledek<>(const Kalkulace&, const QString& cesta)> Sorvenika2Html;
    // "Tisk ...": the print dialog, then the print when it was confirmed; a failure's message.
    std::function<Vysledek<>(const Kalkulace&)> Tisk;
    // The items into a new spreadsheet named by the system.
    std::function<Vysledek<>(const Kalkulace&)> ExportDoExcelu;
};

inline const QString kSorvenikaUlozena = QStringLiteral("Sorvenika byla právě uložena");

// Blanks (and only blanks) cut from both ends.
QString orizniMezery(const QString& text);

// The note editor's boxes: CR LF shown as Qt's line feed, and the typed note back with CR LF
// and its blanks at both ends trimmed.
QString doEditoru(QString text);
QString PoznamkaZEditoru(QString text);

// The information above the note editor: the contents of the kits in the bill (basic kits,
// system sets and foot kits; not the middle sets), the Orlex set, the delivery term and the
// T-REMOL partner sentence.
QString SystemovyText(const Kalkulace& k);

// "Přidat do objednávky": the description; the code and quantity of every item row with pieces;
// free rows with pieces and the note go into the order's note, after the T-REMOL price line.
PolozkaObjednavky PridaniDoObjednavky(const Kalkulace& k);

// "Uložit jako HTML ...": the file chosen from the folder of the last export, which is then
// remembered, and the page written; the user is told whether it was saved. False when no file
// was chosen.
bool UlozJakoHtml(const Kalkulace& k, const VystupyListu& v);
// "Poslat e-mailem": Data/SorvTemp emptied of what it can be, the page written there as
// "<System>.htm" and handed to the mail program. The page stays: the mail program may read it
// after the hand-off, and the next mailing clears it.
void PosliEmailem(const Kalkulace& k, const VystupyListu& v);
// "Export databáze zákazníků ...": the customer database copied to a chosen file.
void ExportDatabazeZakazniku(const Nastaveni& n);
// "Aktualizace ...": starts the updater A1 beside the program; the message for the user when it
// cannot be started.
Vysledek<> SpustAktualizaci();
