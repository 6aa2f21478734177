#include "engine/Kalkulacka.h"

#include "engine/Systemy.h"

#include "platform/Errors.h"

bool Kalkulacka::existuje(int radek) const { return Polozky(IdPrurez(), radek).ObjZnak != QLatin1String("-"); }

VektorMnozstvi Kalkulacka::novyVektor() const { return VektorMnozstvi(g.dataSystemu.Polozky.radku()); }

std::optional<VektorMnozstvi> Kalkulacka::zacniPrepocet(int radek, Integer ks) {
    g.AktRadek = Integer(radek);
    if (!existuje(radek)) return std::nullopt;
    VektorMnozstvi q = novyVektor();
    for (int i = 1; i <= q.horni(); ++i) q(i) = Integer::fromDouble(Polozky(IdPrurez(), i).KsZaklad);
    q(radek) = ks;
    return q;
}

void Kalkulacka::vytvorSoupravy(int zakladni, int sady, int stred, int paty) {
    SorvenikaParametry& p = P();
    p.ZakladniSoupravy.vytvor(zakladni);
    p.Sady.vytvor(sady);
    p.SadyStred.vytvor(stred);
    p.SoupravyPaty.vytvor(paty);
}

const std::array<QString, 12>& Kalkulacky::poradi() {
    static const std::array<QString, 12> nazvy = [] {
        std::array<QString, 12> n;
        size_t i = 0;
        for (const PopisSystemu& s : systemy())
            if (s.kalkulacka) n.at(i++) = s.jmeno();
        return n;
    }();
    return nazvy;
}

void Kalkulacky::nastav(const QString& system, std::unique_ptr<Kalkulacka> k) {
    const auto& n = poradi();
    for (size_t i = 0; i < n.size(); ++i) {
        if (n[i] == system) {
            m_kalkulacky[i] = std::move(k);
            return;
        }
    }
    throw ChybaVolani(system);
}

Kalkulacka* Kalkulacky::najdi(const QString& system) const {
    const auto& n = poradi();
    for (size_t i = 0; i < n.size(); ++i)
        if (n[i] == system) return m_kalkulacky[i].get();
    return nullptr;
}
