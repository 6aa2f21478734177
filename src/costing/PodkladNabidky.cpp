#include "costing/PodkladNabidky.h"

#include "costing/ObsahVystupu.h"
#include "engine/Systemy.h"
#include "platform/Regional.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A totals cell read back as the sheet shows it; one that is no number counts as 0.
double soucet(const Kalkulace& k, RadekSouctu r) { return naDouble(k.soucty[static_cast<size_t>(r)]).value_or(0); }

}  // namespace

QString RozpisKalkulace(const Kalkulace& k) {
    const bool tRemol = jeTRemol(k.parametry.System);
    const QString nula = Regional::current().Format(0.0);
    QString rozpis;
    for (const RadekKalkulace& r : k.radky) {
        if (!(r.Ks > 0)) continue;
        QStringList bunky = Kalkulace::texty(r);
        if (tRemol) bunky[4] = bunky[5] = nula;
        for (const QString& b : bunky) rozpis += b + QLatin1Char('\t');
        rozpis += kCrLf;
    }
    return rozpis;
}

Vysledek<PodkladNabidky> podkladNabidky(const Kalkulace& k) {
    const SorvenikaParametry& p = k.parametry;
    PodkladNabidky n;
    n.Nazev = p.SystemNazev();
    n.System = p.System;
    n.Prurez = p.Prurez;
    n.Vyska = p.Vyska;
    n.Sachta = p.Sachta;
    n.Ukonceni = ukonceniBezPopisku(k);
    n.Tvarnice = k.souhrn.tvarnice;
    for (const PopisSoupravy& s : popisySouprav(k)) n.SysPoznamka += s.text + kCrLf + kCrLf;
    if (sDodaciLhutou(k)) n.SysPoznamka += kDodaciLhuta + kCrLf;
    n.Poznamka = p.Poznamka;
    n.Rozpis = RozpisKalkulace(k);

    n.CenaPoSleveBezDPH = soucet(k, kCenaBezDph);
    n.CenaPoSleveSDPH = soucet(k, kCenaSDph);
    if (jeTRemol(p.System)) {
        n.CenaBezDPH = soucet(k, kCenikovaCena);
        if (n.CenaBezDPH == 0) return Chyba{kNulovaCena};
        n.ProjektovaSleva = (1 - n.CenaPoSleveBezDPH / n.CenaBezDPH) * 100;
    } else {
        if (k.Koeficient == 0) return Chyba{kNulovaCena};
        n.CenaBezDPH = Round(n.CenaPoSleveBezDPH / static_cast<double>(k.Koeficient) - 0.049, 1);
        n.ProjektovaSleva = 100 - soucet(k, kKoeficient);
    }
    return n;
}
