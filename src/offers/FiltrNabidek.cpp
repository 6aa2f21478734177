#include "offers/FiltrNabidek.h"

#include "offers/UdajeNabidky.h"
#include "platform/Regional.h"
#include "pricelist/ModelArt.h"

#include <QSet>
#include <algorithm>

RadekSeznamu radekSeznamu(const UdajeRadku& u, int idoz) {
    RadekSeznamu r;
    r.cizi = u.CisloOZ != idoz;
    const QString oz = QString::number(u.CisloOZ);
    r.bunky = {u.key,
               u.stav,
               QString::number(u.ID),
               QString::number(u.ExtID),
               u.DatumNabidky.toString(QStringLiteral("d.M.yy")),
               oz,
               u.JmenoOZ,
               u.NazevAkce,
               u.MistoStavby,
               u.RealizacniFirma,
               u.Obchodnik,
               (r.cizi ? oz : QStringLiteral("0")) + QString::number(u.ID)};
    r.datumFiltru = u.DatumNabidky.toString(QStringLiteral("yyyy-MM-dd"));
    r.CenaPoSleveBezDPH = u.CenaPoSleveBezDPH;
    r.CenaPoSleveSDPH = u.CenaPoSleveSDPH;
    return r;
}

bool projde(const RadekSeznamu& r, const FiltrySeznamu& f) {
    if (!f.ostatni && r.cizi) return false;
    if (f.castka && naDouble(f.txtCastka).value_or(0) >= r.CenaPoSleveBezDPH) return false;
    for (int c : kSloupceFiltru) {
        const QString& filtr = f.texty[static_cast<size_t>(c)];
        if (filtr.isEmpty() || filtr.front() == QChar(0xA0)) continue;
        if (c == sCisloOZ) {
            if (filtr != r.bunky[sCisloOZ]) return false;
            continue;
        }
        const QString& hodnota = c == sDatum ? r.datumFiltru : r.bunky[static_cast<size_t>(c)];
        if (!hodnota.startsWith(filtr, Qt::CaseInsensitive)) return false;
    }
    return true;
}

ZobrazeniSeznamu ZobrazNabidky(const std::vector<RadekSeznamu>& radky, const FiltrySeznamu& f) {
    ZobrazeniSeznamu z;
    for (size_t i = 0; i < radky.size(); ++i) {
        if (!projde(radky[i], f)) continue;
        z.radky.push_back(static_cast<int>(i));
        z.soucet += radky[i].CenaPoSleveSDPH;
    }
    std::stable_sort(z.radky.begin(), z.radky.end(), [&](int a, int b) {
        return radky[static_cast<size_t>(a)].bunky[sTrideni] < radky[static_cast<size_t>(b)].bunky[sTrideni];
    });
    return z;
}

std::array<QStringList, kSloupceFiltru.size()> NaplnFiltry(const std::vector<RadekSeznamu>& radky,
                                                           const std::vector<int>& zobrazene) {
    std::array<QStringList, kSloupceFiltru.size()> seznamy;
    for (size_t i = 0; i < kSloupceFiltru.size(); ++i) {
        const int c = kSloupceFiltru[i];
        QSet<QString> videne;
        QStringList hodnoty;
        for (int r : zobrazene) {
            const RadekSeznamu& radek = radky[static_cast<size_t>(r)];
            const QString& h = c == sDatum ? radek.datumFiltru : radek.bunky[static_cast<size_t>(c)];
            if (!videne.contains(h)) {
                videne.insert(h);
                hodnoty << h;
            }
        }
        seradSeznam(hodnoty);
        seznamy[i] = QStringList{kVse} + hodnoty;
    }
    return seznamy;
}

QString textSouctu(double soucet) {
    return QStringLiteral("Součet: ") + Regional::current().Format(soucet) + QStringLiteral(" Kč");
}

QString textPozice(int radek, int pocet) {
    return QStringLiteral("Pozice/Počet: %1/%2").arg(radek).arg(pocet);
}
