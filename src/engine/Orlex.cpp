#include "engine/Orlex.h"

#include "platform/Numbers.h"

Orlex SpocitejOrlex(const QString& system, float vyska, float drzeneZSLKT) {
    const bool miv = system == QLatin1String("MIV");
    const bool dvouprieduchovy = system == QLatin1String("MIV2R") || system == QLatin1String("MIV2S");
    const float zaklad = miv ? 1.125f : 1.105f;  // the set without extra pieces
    constexpr double kDil = 0.075;

    Orlex o;
    // At or below the set there are no pieces, whatever an earlier entry gave.
    if (vyska > zaklad)
        o.PocetDiluOrlex =
            static_cast<float>(Round((static_cast<double>(vyska) - static_cast<double>(zaklad)) / kDil + 0.49));
    o.VyskaUkonceni = o.PocetDiluOrlex > 0
                          ? static_cast<float>(static_cast<double>(o.PocetDiluOrlex) * kDil + static_cast<double>(zaklad))
                          : 1.0f;

    // The bag ranges meet: a height between two listed bounds belongs to the upper range.
    const float h = o.VyskaUkonceni;
    if (miv)
        o.PocetZSLKT = h < 1.33f ? 0.0f : h <= 3.0f ? 1.0f : 2.0f;
    else if (dvouprieduchovy)
        o.PocetZSLKT = h < 1.05f ? 0.0f : h <= 2.0f ? 1.0f : h <= 3.0f ? 2.0f : 3.0f;
    else
        o.PocetZSLKT = drzeneZSLKT;
    o.PocetTyciOrlex = h < 1.5f ? 0.0f : h <= 2.0f ? 4.0f : 12.0f;
    return o;
}

void SpocitejOrlex(SorvenikaParametry& p) {
    const Orlex o = SpocitejOrlex(p.System, p.VyskaUkonceni, p.PocetZSLKT);
    p.VyskaUkonceni = o.VyskaUkonceni;
    p.PocetDiluOrlex = o.PocetDiluOrlex;
    p.PocetZSLKT = o.PocetZSLKT;
    p.PocetTyciOrlex = o.PocetTyciOrlex;
}
