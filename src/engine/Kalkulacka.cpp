#include "engine/Kalkulacka.h"

#include "platform/Errors.h"
#include "systems/xDorva.h"
#include "systems/xKalvir.h"
#include "systems/xKarnelo.h"
#include "systems/xKarnelo2S.h"
#include "systems/xKarnelo2r.h"
#include "systems/xMIV.h"
#include "systems/xMIV2R.h"
#include "systems/xMIV2S.h"
#include "systems/xOrvik.h"
#include "systems/xTREMOL.h"
#include "systems/xTREMOL2R.h"
#include "systems/xTREMOL2S.h"

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
    static const std::array<QString, 12> nazvy{
        QStringLiteral("MIV"),       QStringLiteral("MIV2R"),     QStringLiteral("MIV2S"),
        QStringLiteral("DORVA"),     QStringLiteral("KARNELO"),   QStringLiteral("KARNELO2S"),
        QStringLiteral("KARNELO2R"), QStringLiteral("T-REMOL"),   QStringLiteral("T-REMOL2S"),
        QStringLiteral("T-REMOL2R"), QStringLiteral("KALVIR"),    QStringLiteral("ORVIK"),
    };
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

Kalkulacky vytvorKalkulacky(GlobalniData& g) {
    Kalkulacky k;
    k.nastav(QStringLiteral("MIV"), std::make_unique<xMIV>(g));
    k.nastav(QStringLiteral("MIV2R"), std::make_unique<xMIV2R>(g));
    k.nastav(QStringLiteral("MIV2S"), std::make_unique<xMIV2S>(g));
    k.nastav(QStringLiteral("DORVA"), std::make_unique<xDorva>(g));
    k.nastav(QStringLiteral("KARNELO"), std::make_unique<xKarnelo>(g));
    k.nastav(QStringLiteral("KARNELO2S"), std::make_unique<xKarnelo2S>(g));
    k.nastav(QStringLiteral("KARNELO2R"), std::make_unique<xKarnelo2r>(g));
    k.nastav(QStringLiteral("T-REMOL"), std::make_unique<xTREMOL>(g));
    k.nastav(QStringLiteral("T-REMOL2S"), std::make_unique<xTREMOL2S>(g));
    k.nastav(QStringLiteral("T-REMOL2R"), std::make_unique<xTREMOL2R>(g));
    k.nastav(QStringLiteral("KALVIR"), std::make_unique<xKalvir>(g));
    k.nastav(QStringLiteral("ORVIK"), std::make_unique<xOrvik>(g));
    return k;
}
