#include "parameters/NastavSorveniku.h"

#include "engine/Sorvenika.h"
#include "platform/Vysledek.h"
#include "systems/Kalkulacky.h"

#include <utility>

void NastavSorveniku(GlobalniData& g, const Kalkulacky& kalkulacky, ModelListu& list, SorvenikaParametry nove) {
    SorvenikaParametry predchozi = std::exchange(g.sorvenikaParametry, std::move(nove));
    try {
        SpocitejKusy(g, kalkulacky);
    } catch (...) {
        g.sorvenikaParametry = std::move(predchozi);
        throw;
    }
    list.nastavKalkulaci(sestavKalkulaci(g, true));
}

bool KalkulaceProjde(const GlobalniData& g, const SorvenikaParametry& navrh) {
    GlobalniData kopie = g;
    kopie.sorvenikaParametry = navrh;
    return static_cast<bool>(zachyt([&] {
        SpocitejKusy(kopie, vytvorKalkulacky(kopie));
        sestavKalkulaci(kopie, true);
    }));
}
