#include "engine/ZapisMnozstvi.h"

#include <initializer_list>

namespace {

void odecti(const SeznamSouprav& seznam, VektorMnozstvi& q) {
    for (const Souprava& s : seznam) {
        if (s.Pocet == 0) continue;
        for (int j = s.Ks.dolni(); j <= s.Ks.horni(); ++j) {
            const int r = s.Radek(j);
            q(r) = q(r) - s.Ks(j) * s.Pocet;
        }
    }
}

void zapis(GlobalniData& g, VektorMnozstvi& q, std::initializer_list<const SeznamSouprav*> seznamy) {
    MaticePolozek& m = g.dataSystemu.Polozky;
    const int sloupec = g.sorvenikaParametry.IdPrurez;
    const int n = m.radku();
    if (q.horni() < n) throw ChybaRozsahu();
    if (n > 0) (void)m(sloupec, n);  // a bad column fails here, before anything is written

    // Everything that can fail happens on the copy; the matrix and q change only after.
    VektorMnozstvi d = q;
    for (const SeznamSouprav* s : seznamy) odecti(*s, d);
    for (int i = 1; i <= n; ++i) {
        if (d(i) < 0) d(i) = Integer(0);
        Polozka& p = m(sloupec, i);
        p.KsZaklad = static_cast<float>(q(i).value());
        p.Ks = p.KsVypocet = static_cast<float>(d(i).value());
    }
    q = std::move(d);
}

}  // namespace

void ZapisMnozstvi(GlobalniData& g, VektorMnozstvi& q) {
    SorvenikaParametry& p = g.sorvenikaParametry;
    zapis(g, q, {&p.ZakladniSoupravy, &p.Sady, &p.SadyStred, &p.SoupravyPaty});
    p.Poznamka.clear();
}

void ZapisMnozstvi2(GlobalniData& g, VektorMnozstvi& q) {
    SorvenikaParametry& p = g.sorvenikaParametry;
    zapis(g, q, {&p.ZakladniSoupravy, &p.Sady, &p.SoupravyPaty, &p.SadyStred});
}
