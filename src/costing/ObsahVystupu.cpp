#include "costing/ObsahVystupu.h"

std::vector<PopisSoupravy> popisySouprav(const Kalkulace& k) {
    const SorvenikaParametry& p = k.parametry;
    std::vector<PopisSoupravy> v;
    const auto pridej = [&](const SeznamSouprav& seznam, bool zakladni) {
        for (const Souprava& s : seznam)
            if (s.Pocet != 0) v.push_back({s.Popis, zakladni});
    };
    pridej(p.ZakladniSoupravy, true);
    pridej(p.Sady, false);
    pridej(p.SoupravyPaty, false);
    if (p.Ukonceni == 3) v.push_back({k.PopisSadyOrlex, false});
    return v;
}

bool sDodaciLhutou(const Kalkulace& k) {
    const QString& s = k.parametry.System;
    const QString& d = k.parametry.Prurez;
    if (s == QLatin1String("MIV"))
        return d == QLatin1String("25") || d == QLatin1String("30") || d == QLatin1String("35") ||
               d == QLatin1String("40") || d == QLatin1String("45");
    return s == QLatin1String("KARNELO") && d == QLatin1String("20");
}

QString textSachty(const Kalkulace& k) {
    return k.parametry.Sachta ? QStringLiteral("S větrací šachtou") : QStringLiteral("Bez větrací šachty");
}

QString ukonceniBezPopisku(const Kalkulace& k) {
    return QString(k.souhrn.parametry[3]).remove(QStringLiteral("Ukončení :")).trimmed();
}

std::vector<const RadekKalkulace*> radkySKusy(const Kalkulace& k) {
    std::vector<const RadekKalkulace*> v;
    for (const RadekKalkulace& r : k.radky)
        if (r.Ks != 0) v.push_back(&r);
    return v;
}
