#include "engine/Systemy.h"

#include <QStringList>

#include <array>

namespace {

constexpr std::pair<int, int> kSkryteTRemol[] = {{29, 31}, {41, 56}};
constexpr std::pair<int, int> kSkryteTRemol2S[] = {{29, 30}, {39, 53}};
constexpr std::pair<int, int> kSkryteTRemol2R[] = {{40, 41}, {50, 71}};

const std::array<PopisSystemu, 13> kSystemy = {{
    {1, "MIV", Rodina::MIV, 1, true, {}},
    {2, "MIV2R", Rodina::MIV, 2, true, {}},
    {3, "MIV2S", Rodina::MIV, 2, true, {}},
    {4, "DORVA", Rodina::DORVA, 1, true, {}},
    {5, "SELVAN", Rodina::SELVAN, 1, false, {}},
    {6, "KARNELO", Rodina::KARNELO, 1, true, {}},
    {7, "KARNELO2S", Rodina::KARNELO, 2, true, {}},
    {8, "KARNELO2R", Rodina::KARNELO, 2, true, {}},
    {9, "T-REMOL", Rodina::TREMOL, 1, true, kSkryteTRemol},
    {10, "T-REMOL2S", Rodina::TREMOL, 2, true, kSkryteTRemol2S},
    {11, "T-REMOL2R", Rodina::TREMOL, 2, true, kSkryteTRemol2R},
    {12, "KALVIR", Rodina::KALVIR, 1, true, {}},
    {13, "ORVIK", Rodina::ORVIK, 1, true, {}},
}};

}  // namespace

std::span<const PopisSystemu> systemy() { return kSystemy; }

const PopisSystemu* najdiSystem(const QString& nazev) {
    for (const PopisSystemu& s : kSystemy)
        if (nazev == QLatin1String(s.nazev)) return &s;
    return nullptr;
}

bool jeTRemol(const QString& system) {
    const PopisSystemu* s = najdiSystem(system);
    return s && s->tRemol();
}

QString ObrazekPrurezu(const QString& piktogramPrurez, const QString& system, const QString& prurez, bool sachta) {
    const QStringList casti = piktogramPrurez.split(QStringLiteral("||"));
    if (sachta) return casti.value(1);
    const QStringList bez = casti.value(0).split(QLatin1Char('|'));
    const bool velkyMiv = system == QLatin1String("MIV") && QString::compare(prurez, QStringLiteral("25")) >= 0;
    return bez.value(velkyMiv ? 1 : 0);
}

int ZjistiKodSystemu(const QString& nazev) {
    const PopisSystemu* s = najdiSystem(nazev);
    return s ? s->kod : -1;
}

QString NazevSystemu(int kod) { return kod >= 1 && kod <= static_cast<int>(kSystemy.size()) ? kSystemy[kod - 1].jmeno() : QString(); }
