#pragma once
// Accessory rows as data: which accessory flag (or the sum of two) a calculator writes into which
// item row, and under which cross-section, shaft and termination. Rows are written in table
// order; a row whose conditions do not hold is left alone.
#include "engine/GlobalniData.h"
#include "engine/Pole.h"

#include <QLatin1StringView>
#include <QStringView>
#include <span>

struct RadekPrislusenstvi {
    enum Sachta : quint8 { Obe, Bez, Se };

    int radek = 0;
    int priznak = 0;
    int priznak2 = -1;              // a second flag, added to the first
    int nasobek = 1;                // pieces per chosen accessory
    const char* prurezy = nullptr;  // labels separated by spaces; nullptr: every cross-section
    Sachta sachta = Obe;
    int ukonceni = 0;               // only with this termination; 0: any
    bool jenNabizeny = false;       // 0 instead of the flag where the row's article is "-"
};

// Whether `prurez` is one of the space-separated labels of `seznam`.
inline bool jePrurez(QStringView prurez, const char* seznam) {
    QLatin1StringView zbytek(seznam);
    while (true) {
        const qsizetype mezera = zbytek.indexOf(QLatin1Char(' '));
        const QLatin1StringView jeden = mezera < 0 ? zbytek : zbytek.left(mezera);
        if (prurez.compare(jeden) == 0) return true;
        if (mezera < 0) return false;
        zbytek = zbytek.sliced(mezera + 1);
    }
}

// `nabizen(r)`: the row's article exists in the chosen cross-section.
template <typename Nabizen>
void prenesPrislusenstvi(std::span<const RadekPrislusenstvi> tabulka, VektorMnozstvi& q, const SorvenikaParametry& p,
                         Nabizen nabizen) {
    const auto kus = [&](int i) { return i < 0 ? 0 : (p.Prislusenstvi(i) ? 1 : 0); };
    for (const RadekPrislusenstvi& a : tabulka) {
        if (a.prurezy && !jePrurez(p.Prurez, a.prurezy)) continue;
        if (a.sachta == RadekPrislusenstvi::Bez && p.Sachta) continue;
        if (a.sachta == RadekPrislusenstvi::Se && !p.Sachta) continue;
        if (a.ukonceni != 0 && p.Ukonceni != a.ukonceni) continue;
        if (a.jenNabizeny && !nabizen(a.radek)) q(a.radek) = Integer(0);
        else q(a.radek) = Integer(a.nasobek * (kus(a.priznak) + kus(a.priznak2)));
    }
}
