#pragma once
// The settings file Data/Sorvenika.ini: read at every start, the user's part written at the end.
#include "engine/GlobalniData.h"
#include "platform/Vysledek.h"

#include <QStringList>
#include <optional>

// Reads the file into the settings and the system table of `data`. A missing file, or a missing
// data folder, is the failure that stops the start; a value the start can do without is a notice,
// shown before the start goes on.
Hlaseni<> NactiIni(const QString& soubor, GlobalniData& data);

// Writes VAT and the user's section back in one replacement of the file, so that it is the old
// file or the new whole one; installation keys are never written. Fails, changing nothing, when
// the file could not be written.
Vysledek<> UlozIni(const QString& soubor, const Nastaveni& n);
inline const QString kNastaveniNeulozeno =
    QStringLiteral("Změny nastavení provedené od spuštění programu budou ztraceny.");

// Sets feature flag `pozice` (1-based) of a Verze text, padding a short text with "0" first.
void NastavPriznak(QString& verze, int pozice);
