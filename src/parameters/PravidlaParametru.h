#pragma once
// The product rules of the wizard: which choices frame 1 offers per system, cross-section and
// shaft, and which static-securing kit the above-roof height calls for.
#include "parameters/PrvkyParametru.h"

#include <QString>
#include <optional>

// Parametry: switches Enabled and Visible of the controls of frame 1 for the system, the
// cross-section label (compared exactly, "" before one is chosen) and the shaft; for KARNELO
// also by the foot tick in `s`. It never selects, ticks or writes text. A control that the
// system's rule leaves alone keeps what the load or an earlier call gave it, so results depend
// on the calls before. An unknown system changes nothing.
void Parametry(StavyPrvku& s, const QString& system, const QString& prurez, bool sachta);

// The static-kit recommendation for an above-roof height (m), by termination code: the kit box
// to tick (0 "2x3m", 1 "4x4m", 2 "4x6m") and the extra bags of ZSLKT mortar that go with it;
// `nadLimit` when the height is beyond what the termination allows (no kit then).
struct DoporuceniSoupravy {
    std::optional<int> souprava;
    int pytle = 0;
    bool nadLimit = false;

    friend bool operator==(const DoporuceniSoupravy&, const DoporuceniSoupravy&) = default;
};
// Codes 1 (casing), 2 (shell), 4 to 6 (cover plates); any other code (Orlex) has no rule.
std::optional<DoporuceniSoupravy> DoporucSoupravu(qint32 ukonceni, float vyska);

// The systems for which the wizard recommends a kit at all.
bool MaStatickeSoupravy(const QString& system);
