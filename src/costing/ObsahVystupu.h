#pragma once
// What the printed costing and its HTML page both say beyond the bill's cells.
#include "costing/Kalkulace.h"

#include <QString>
#include <vector>

inline const QString kDodaciLhuta = QStringLiteral("Dodací lhůta je 10 pracovních dní od potvrzení objednávky.");

// The contents of a used kit; the basic kits' line breaks become "<br>" on the page.
struct PopisSoupravy {
    QString text;
    bool zakladni = false;
};

// The used basic kits, system sets and foot kits in this order, then the Orlex top set when the
// chimney ends with one. The middle sets are not listed.
std::vector<PopisSoupravy> popisySouprav(const Kalkulace& k);

// The delivery sentence goes with MIV 25 to 45 and KARNELO 20.
bool sDodaciLhutou(const Kalkulace& k);

// "S větrací šachtou" or "Bez větrací šachty".
QString textSachty(const Kalkulace& k);

// The termination line of the summary without its caption.
QString ukonceniBezPopisku(const Kalkulace& k);

// The rows an output lists: those with pieces, whatever the sheet's zero-row option shows.
std::vector<const RadekKalkulace*> radkySKusy(const Kalkulace& k);
