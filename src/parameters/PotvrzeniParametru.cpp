#include "parameters/PotvrzeniParametru.h"

void PotvrdParametry(const ModelParametru& m, GlobalniData& g, const Kalkulacky& kalkulacky, MrizkySorveniky mrizky) {
    const SorvenikaParametry predtim = g.sorvenikaParametry;
    const float koeficient = g.Koeficient;
    const Integer radek = g.AktRadek, sloupec = g.AktSloupec;
    g.sorvenikaParametry = m.konceptKPotvrzeni();
    g.Koeficient = 1.0f;
    g.AktRadek = g.AktSloupec = Integer(0);
    try {
        SpocitejSorveniku(g, kalkulacky, mrizky);
    } catch (...) {
        g.sorvenikaParametry = predtim;
        g.Koeficient = koeficient;
        g.AktRadek = radek;
        g.AktSloupec = sloupec;
        throw;
    }
}
