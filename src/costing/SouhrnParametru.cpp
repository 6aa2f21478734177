#include "costing/SouhrnParametru.h"

#include "engine/Sorvenika.h"
#include "engine/Systemy.h"

#include <QStringList>
#include <vector>

namespace {

// Outer dimensions of the chimney block, first matching row; no labels: every cross-section.
struct RozmeryBloku {
    QStringList systemy;
    QStringList prurezy;
    const char* seSachtou;
    const char* bezSachty;
};

const std::vector<RozmeryBloku>& rozmery() {
    const QStringList miv{"MIV", "T-REMOL"};
    static const std::vector<RozmeryBloku> t = {
        {miv, {"12", "14", "16"}, "32/46", "32/32"},
        {miv, {"18", "20"}, "36/50", "36/36"},
        {miv, {"25"}, "48/62", "48/48"},
        {miv, {"30"}, "55/71", "55/55"},
        {miv, {"35"}, "60/78", "60/60"},
        {miv, {"40"}, "67/86", "67/67"},
        {miv, {"45"}, "75/94", "75/75"},
        {miv, {"60"}, "95/118", "95/95"},
        {{"MIV2R"}, {"12/14", "12/16", "14/16"}, "32/72", "32/59"},
        {{"MIV2R"}, {"12/18", "12/20", "14/18", "14/20", "16/18", "16/20"}, "36/81", "36/64"},
        {{"MIV2R"}, {"18/20"}, "36/83", "36/67"},
        {{"MIV2S"}, {"12/12", "14/14", "16/16"}, "32/72", "32/59"},
        {{"MIV2S"}, {"18/18", "20/20"}, "36/83", "36/67"},
        {{"DORVA"}, {"12"}, "28/28", "28/28"},
        {{"DORVA"}, {"14", "16"}, "36/36", "36/36"},
        {{"DORVA"}, {"18", "20"}, "40/40", "40/40"},
        {{"DORVA"}, {"25"}, "48/48", "48/48"},
        {{"KARNELO"}, {"20"}, "38/54", "38/38"},
        {{"KARNELO"}, {}, "36/50", "36/36"},
        {{"KARNELO2R"}, {"12/20", "14/20", "16/20", "18/20"}, "38/88", "38/71"},
        {{"KARNELO2R"}, {"12/16", "12/18", "14/16", "14/18", "16/18"}, "38/83", "36/65"},
        {{"KARNELO2S"}, {}, "36/83", "36/65"},
    };
    return t;
}

QString vnejsiRozmery(const SorvenikaParametry& p) {
    for (const RozmeryBloku& r : rozmery()) {
        if (!r.systemy.contains(p.System, Qt::CaseSensitive)) continue;
        if (!r.prurezy.isEmpty() && !r.prurezy.contains(p.Prurez, Qt::CaseSensitive)) continue;
        return QStringLiteral("vnější r. ") + QString::fromLatin1(p.Sachta ? r.seSachtou : r.bezSachty) +
               QStringLiteral(" cm");
    }
    return {};
}

QString ukonceni(const SorvenikaParametry& p) {
    const QString u = QStringLiteral("Ukončení : ");
    switch (p.Ukonceni) {
    case 1: return u + QStringLiteral("Obezdívka (") + KsNaText(p.VyskaUkonceni) + QStringLiteral(" m)");
    case 2:
        // The commit stores the chosen list text ("75" .. "250") as the height in centimetres.
        if (p.DruhPlaste == 1) return u + QStringLiteral("Plášť - omítka (") + KsNaText(p.VyskaUkonceni) + QStringLiteral(" cm)");
        if (p.DruhPlaste == 2) return u + QStringLiteral("Plášť - cihla (") + KsNaText(p.VyskaUkonceni) + QStringLiteral(" cm)");
        return {};
    case 3: return u + QStringLiteral("Orlex (") + KsNaText(p.VyskaUkonceni) + QStringLiteral(" m)");
    case 4: return u + QStringLiteral("Krycí deska bet. na místě");
    case 5: return u + QStringLiteral("KDS");
    case 6: return u + QStringLiteral("KDVO");
    default: return {};
    }
}

bool sadaStred(const SorvenikaParametry& p) {
    if (p.System != QLatin1String("MIV")) return false;
    const double orlex = p.Ukonceni == 3 ? static_cast<double>(p.VyskaUkonceni) : 0.0;
    const double x = static_cast<float>(static_cast<double>(p.Vyska) - 3.0 - orlex);
    if (p.Prurez == QLatin1String("14") || p.Prurez == QLatin1String("16") || p.Prurez == QLatin1String("18"))
        return !p.Sachta && x >= 4.0;
    if (p.Prurez == QLatin1String("20")) return x >= 4.0;
    return false;
}

}  // namespace

SouhrnParametru SouhrnSorveniky(const SorvenikaParametry& p, quint8 typUzivatele) {
    SouhrnParametru s;
    s.parametry[0] = QStringLiteral("Průměr komína : ") + p.Prurez + QStringLiteral(" cm");
    s.parametry[1] = QStringLiteral("Výška : ") + KsNaText(p.Vyska) + QStringLiteral(" m");
    s.parametry[2] = p.Sachta ? QStringLiteral("Typ : S větrací šachtou") : QStringLiteral("Typ : Bez větrací šachty");
    s.parametry[3] = ukonceni(p);
    s.tvarnice = vnejsiRozmery(p);
    s.obrazekPrurezu = ObrazekPrurezu(p.SystemPiktogramPrurez(), p.System, p.Prurez, p.Sachta);
    s.ceny = !jeTRemol(p.System) || typUzivatele != 0;
    s.sadaStred = sadaStred(p);
    return s;
}
