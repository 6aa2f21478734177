#include "systems/Kalkulacky.h"

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
