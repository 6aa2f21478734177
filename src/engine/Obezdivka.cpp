#include "engine/Obezdivka.h"

#include "platform/Numbers.h"

#include <array>
#include <cmath>
#include <string_view>

namespace {

// Systems that share a coefficient row.
enum Sys : unsigned {
    MIV = 1u << 0, TREMOL = 1u << 1, KARNELO = 1u << 2,
    MIV2R = 1u << 3, TREMOL2R = 1u << 4, KARNELO2R = 1u << 5,
    MIV2S = 1u << 6, TREMOL2S = 1u << 7, KARNELO2S = 1u << 8,
    DORVA = 1u << 9, KALVIR = 1u << 10, ORVIK = 1u << 11,
};

constexpr std::array<std::pair<std::string_view, unsigned>, 12> kSystemy{{
    {"MIV", MIV}, {"T-REMOL", TREMOL}, {"KARNELO", KARNELO},
    {"MIV2R", MIV2R}, {"T-REMOL2R", TREMOL2R}, {"KARNELO2R", KARNELO2R},
    {"MIV2S", MIV2S}, {"T-REMOL2S", TREMOL2S}, {"KARNELO2S", KARNELO2S},
    {"DORVA", DORVA}, {"KALVIR", KALVIR}, {"ORVIK", ORVIK},
}};

// Bricks per metre for kind 1 and kind 2, and the bag polynomial c0 + c1 h + c2 h^2 + c3 h^3.
struct Koeficienty {
    bool sachta;
    unsigned systemy;
    std::string_view prurez;
    int cihly1, cihly2;
    double c0, c1, c2, c3;
};

// The sign differences between look-alike rows (KARNELO with a shaft, MIV2S without one) are
// the manufacturer's figures and stay as they are.
constexpr Koeficienty kTabulka[] = {
    // with a ventilation shaft
    {true, MIV | TREMOL, "12", 105, 113, 0.05, 2.96, -0.25, 0.04},
    {true, MIV | TREMOL, "14", 105, 113, 0.05, 2.96, -0.25, 0.04},
    {true, MIV | TREMOL, "16", 110, 118, 0.05, 2.96, -0.25, 0.04},
    {true, MIV | TREMOL, "18", 113, 122, -0.02, 3.28, -0.21, 0.03},
    {true, MIV | TREMOL, "20", 120, 129, -0.02, 3.28, -0.21, 0.03},
    {true, MIV | TREMOL, "25", 137, 148, 0, 3.5, 0, 0},
    {true, MIV | TREMOL, "30", 154, 166, -0.02, 4.35, -0.29, 0.04},
    {true, MIV | TREMOL, "35", 167, 180, -0.02, 3.93, 0.21, -0.04},
    {true, MIV | TREMOL, "40", 182, 197, 0, 4.5, 0, 0},
    {true, MIV | TREMOL, "45", 198, 214, 0, 5, 0, 0},
    {true, MIV | TREMOL, "60", 242, 261, 0, 6, 0, 0},
    {true, KARNELO, "12", 105, 113, 0.05, 2.96, 0.25, -0.04},
    {true, KARNELO, "14", 105, 113, 0.05, 2.96, 0.25, -0.04},
    {true, KARNELO, "16", 110, 118, 0.05, 2.96, 0.25, -0.04},
    {true, KARNELO, "18", 113, 122, -0.02, 3.28, -0.21, 0.03},
    {true, KARNELO, "20", 120, 129, -0.02, 3.28, -0.21, 0.03},
    {true, MIV2R | TREMOL2R, "12/14", 129, 139, 0, 3.92, -0.5, 0.08},
    {true, MIV2R | TREMOL2R | KARNELO2R, "12/16", 129, 139, 0, 3.92, -0.5, 0.08},
    {true, MIV2R | TREMOL2R | KARNELO2R, "12/18", 146, 157, 0.01, 4.24, -0.32, 0.04},
    {true, MIV2R | TREMOL2R | KARNELO2R, "12/20", 146, 157, 0.01, 4.24, -0.32, 0.04},
    {true, MIV2R | TREMOL2R | KARNELO2R, "14/16", 129, 139, 0, 3.92, -0.5, 0.08},
    {true, MIV2R | TREMOL2R | KARNELO2R, "14/18", 146, 157, 0.01, 4.24, -0.32, 0.04},
    {true, MIV2R | TREMOL2R | KARNELO2R, "14/20", 146, 157, 0.01, 4.24, -0.32, 0.04},
    {true, MIV2R | TREMOL2R | KARNELO2R, "16/18", 146, 157, 0.01, 4.24, -0.32, 0.04},
    {true, MIV2R | TREMOL2R | KARNELO2R, "16/20", 148, 159, 0.01, 4.24, -0.32, 0.04},
    {true, MIV2R | TREMOL2R | KARNELO2R, "18/20", 152, 163, 0.03, 3.89, -0.04, 0},
    {true, MIV2S | TREMOL2S | KARNELO2S, "12/12", 129, 139, 0, 3.92, -0.5, 0.08},
    {true, MIV2S | TREMOL2S | KARNELO2S, "14/14", 129, 139, 0, 3.92, -0.5, 0.08},
    {true, MIV2S | TREMOL2S | KARNELO2S, "16/16", 129, 139, 0, 3.92, -0.5, 0.08},
    {true, MIV2S | TREMOL2S | KARNELO2S, "18/18", 152, 163, 0.03, 3.89, -0.04, 0},
    {true, MIV2S | TREMOL2S, "20/20", 152, 163, 0.03, 3.89, -0.04, 0},

    // without a ventilation shaft
    {false, MIV | TREMOL | KARNELO, "12", 91, 98, 0, 1.58, 0.5, -0.08},
    {false, MIV | TREMOL | KARNELO, "14", 91, 98, 0, 1.58, 0.5, -0.08},
    {false, MIV | TREMOL | KARNELO, "16", 95, 102, 0, 1.58, 0.5, -0.08},
    {false, MIV | TREMOL | KARNELO, "18", 99, 107, 0, 2.5, 0, 0},
    {false, MIV | TREMOL | KARNELO, "20", 103, 111, 0, 2.5, 0, 0},
    {false, MIV | TREMOL, "25", 123, 133, -0.01, 3.17, -0.18, 0.04},
    {false, MIV | TREMOL, "30", 137, 148, 0, 3.5, 0, 0},
    {false, MIV | TREMOL, "35", 156, 168, 0.01, 3.83, 0.18, -0.04},
    {false, MIV | TREMOL, "40", 162, 175, 0, 4, 0, 0},
    {false, MIV | TREMOL, "45", 178, 192, 0, 4.5, 0, 0},
    {false, DORVA, "12", 102, 110, 0, 1.58, 0.5, -0.08},
    {false, DORVA, "14", 102, 110, 0, 2.5, 0, 0},
    {false, DORVA, "16", 102, 110, 0, 2.5, 0, 0},
    {false, DORVA, "18", 102, 110, 0, 2.5, 0, 0},
    {false, DORVA, "20", 102, 110, 0, 2.5, 0, 0},
    {false, DORVA, "25", 130, 140, -0.01, 3.17, -0.18, 0.04},
    {false, KALVIR | ORVIK, "14", 102, 110, 0.05, 2.96, -0.25, 0.04},
    {false, KALVIR | ORVIK, "16", 102, 110, 0.05, 2.96, -0.25, 0.04},
    {false, KALVIR | ORVIK, "18", 102, 110, 0.05, 2.96, -0.25, 0.04},
    {false, KALVIR | ORVIK, "20", 102, 110, 0.05, 2.96, -0.25, 0.04},
    {false, KALVIR | ORVIK, "25", 130, 140, -0.01, 3.17, -0.18, 0.04},
    {false, KALVIR, "30", 156, 165, 0, 3.5, 0, 0},
    {false, MIV2R | TREMOL2R, "12/14", 123, 132, 0.02, 2.65, 0.29, -0.04},
    {false, MIV2R | TREMOL2R | KARNELO2R, "12/16", 123, 132, 0.02, 2.65, 0.29, -0.04},
    {false, MIV2R | TREMOL2R | KARNELO2R, "12/18", 130, 140, 0.03, 3.39, -0.04, 0},
    {false, MIV2R | TREMOL2R | KARNELO2R, "12/20", 130, 140, 0.03, 3.39, -0.04, 0},
    {false, MIV2R | TREMOL2R | KARNELO2R, "14/16", 123, 132, 0.02, 2.65, 0.29, -0.04},
    {false, MIV2R | TREMOL2R | KARNELO2R, "14/18", 130, 140, 0.03, 3.39, -0.04, 0},
    {false, MIV2R | TREMOL2R | KARNELO2R, "14/20", 130, 140, 0.03, 3.39, -0.04, 0},
    {false, MIV2R | TREMOL2R | KARNELO2R, "16/18", 130, 140, 0.03, 3.39, -0.04, 0},
    {false, MIV2R | TREMOL2R | KARNELO2R, "16/20", 132, 142, 0.03, 3.39, -0.04, 0},
    {false, MIV2R | TREMOL2R | KARNELO2R, "18/20", 136, 146, 0.02, 3.57, -0.21, 0.04},
    {false, MIV2S | TREMOL2S | KARNELO2S, "12/12", 123, 132, 0.02, 2.65, 0.29, -0.04},
    {false, MIV2S | TREMOL2S | KARNELO2S, "14/14", 123, 132, 0.02, 2.65, 0.29, -0.04},
    {false, MIV2S | TREMOL2S | KARNELO2S, "16/16", 123, 132, 0.02, 2.65, 0.29, -0.04},
    {false, MIV2S | TREMOL2S, "18/18", 136, 146, 0.02, 3.57, 0.21, 0.04},
    {false, MIV2S | TREMOL2S, "20/20", 136, 146, 0.02, 3.57, 0.21, 0.04},
    {false, KARNELO2S, "18/18", 136, 146, 0.02, 3.57, -0.21, 0.04},
};

unsigned maskaSystemu(const QString& system) {
    for (const auto& [nazev, maska] : kSystemy)
        if (system == QLatin1StringView(nazev.data(), static_cast<qsizetype>(nazev.size()))) return maska;
    return 0;
}

const Koeficienty* najdiRadek(bool sachta, const QString& system, const QString& prurez) {
    const unsigned maska = maskaSystemu(system);
    if (maska == 0) return nullptr;
    for (const Koeficienty& k : kTabulka)
        if (k.sachta == sachta && (k.systemy & maska) &&
            prurez == QLatin1StringView(k.prurez.data(), static_cast<qsizetype>(k.prurez.size())))
            return &k;
    return nullptr;
}

}  // namespace

Obezdivka SpocitejObezdivku(bool sachta, const QString& system, const QString& prurez, qint32 druhCihly, float vyska,
                            Obezdivka drzena) {
    const Koeficienty* k = najdiRadek(sachta, system, prurez);
    // Without a row nothing is computed: rounding the held counts again would double the bags.
    if (!k || (druhCihly != 1 && druhCihly != 2)) return drzena;

    const double h = vyska;
    const float cihly = static_cast<float>(h * (druhCihly == 1 ? k->cihly1 : k->cihly2));
    const float pytle = static_cast<float>(k->c0 + k->c1 * h + k->c2 * std::pow(h, 2.0) + k->c3 * std::pow(h, 3.0));

    Obezdivka o;
    o.PocetPytlu = pytle < 0 ? 0.0f : static_cast<float>(Round(2 * static_cast<double>(pytle) + 0.1));
    o.PocetCihel = static_cast<float>(Round(static_cast<double>(cihly) + 0.49));
    return o;
}

void SpocitejObezdivku(SorvenikaParametry& p) {
    const Obezdivka o = SpocitejObezdivku(p.Sachta, p.System, p.Prurez, p.DruhCihly, p.VyskaUkonceni,
                                          {p.PocetCihel, p.PocetPytlu});
    p.PocetCihel = o.PocetCihel;
    p.PocetPytlu = o.PocetPytlu;
}
