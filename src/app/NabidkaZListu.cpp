#include "app/NabidkaZListu.h"

NabidkaZListu SestavNabidku(const PodkladNabidky& p, const Nastaveni& n, const clsNabidka* predloha) {
    NabidkaZListu v;
    clsSorvenika& s = v.SorvenikaNabidky;
    s.Nazev = p.Nazev;
    s.System = p.System;
    s.Prurez = p.Prurez;
    s.Vyska = p.Vyska;
    s.Sachta = p.Sachta;
    s.Ukonceni = p.Ukonceni;
    s.Tvarnice = p.Tvarnice;
    s.SysPoznamka = p.SysPoznamka;
    s.Poznamka = p.Poznamka;
    s.Rozpis = p.Rozpis;
    s.GenerXml();

    v.Nabidka = std::make_shared<clsNabidka>(n);
    clsNabidka& o = *v.Nabidka;
    o.ExtID = n.ExtID;
    o.Sorvenika = s.Xml;
    o.CenaBezDPH = p.CenaBezDPH;
    o.ProjektovaSleva = p.ProjektovaSleva;
    o.CenaPoSleveBezDPH = p.CenaPoSleveBezDPH;
    o.CenaPoSleveSDPH = p.CenaPoSleveSDPH;
    if (predloha) {
        static_cast<ProjektNabidky&>(o) = *predloha;
        o.DatumNabidky = predloha->DatumNabidky;
    }
    return v;
}
