#include "parameters/NastavSorveniku.h"

#include "parameters/SouhrnParametru.h"
#include "platform/DataPaths.h"

#include <utility>

void NastavSorveniku(GlobalniData& g, const Kalkulacky& kalkulacky, ModelListu& list, SorvenikaParametry nove) {
    const SouhrnParametru s = SouhrnSorveniky(nove, g.nastaveni.TypUzivatele);

    SorvenikaParametry predchozi = std::exchange(g.sorvenikaParametry, std::move(nove));
    try {
        SpocitejSorveniku(g, kalkulacky, list.mrizky());
    } catch (...) {
        g.sorvenikaParametry = std::move(predchozi);
        throw;
    }

    list.setSouhrn({s.parametry, s.tvarnice, s.obrazekPrurezu.isEmpty() ? QString() : dataFile(s.obrazekPrurezu)});

    Nastaveni& n = g.nastaveni;
    n.ZobrazitCeny = n.TisknoutCeny = s.ceny;
    list.setPovoleny(Prikaz::mnuVolbyPrepocitavat, s.ceny);
    for (Prikaz p : {Prikaz::mnuVolbyTisknoutCeny, Prikaz::mnuVolbyZobrazitCeny}) {
        list.setZaskrtnuty(p, s.ceny);
        list.setPovoleny(p, s.ceny);
        list.setViditelny(p, s.ceny);
    }
    // The price columns follow the tick, whatever the user's toggle left them at.
    const std::array<int, 6> sirky = ModelListu::sirkySloupcu(ModelListu::kSirkaTabulky);
    for (int c : {4, 5}) list.Tabulka.setColWidth(c, s.ceny ? sirky[static_cast<size_t>(c)] : 0);

    list.setPovoleny(Prikaz::mnuSadaStred, s.sadaStred && JePovoleno(n, kPriznakSadaStred));
    list.setZaskrtnuty(Prikaz::mnuSadaStred, false);

    list.Nastav_kurzor_v_tabulce(1);
}
