#include "parameters/NastavSorveniku.h"

#include "engine/Sorvenika.h"

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
