#pragma once
// The settings file Data/Sorvenika.ini: read at every start, the user's part written at the end.
#include "engine/GlobalniData.h"
#include "platform/Vysledek.h"

#include <QStringList>
#include <optional>

struct VysledekNacteni {
    QStringList varovani;            // shown, then the start goes on
    std::optional<QString> chyba;    // the start cannot go on
};

// Reads the file into the settings and the system table of `data`. A missing file, or a missing
// data folder, is the error that stops the start.
VysledekNacteni NactiIni(const QString& soubor, GlobalniData& data);

// Writes VAT and the user's section back, key by key; installation keys are never written.
// Fails when any value could not be written.
Vysledek<> UlozIni(const QString& soubor, const Nastaveni& n);
inline const QString kNastaveniNeulozeno =
    QStringLiteral("Změny nastavení provedené od spuštění programu budou ztraceny.");

// Sets feature flag `pozice` (1-based) of a Verze text, padding a short text with "0" first.
void NastavPriznak(QString& verze, int pozice);
