#include "parameters/ModelPrislusenstvi.h"

#include "platform/DataPaths.h"

ModelPrislusenstvi::ModelPrislusenstvi(const VstupDostupnosti& vstup, const Priznaky& priznaky)
    : m_nadpisy(NadpisyPrurezu(vstup.Prurez)) {
    const Dostupnost d = DostupnostPrislusenstvi(vstup);
    for (size_t i = 0; i < m_boxy.size(); ++i) {
        StavBoxu& b = m_boxy[i];
        b.povoleny = d.povoleny[i];
        b.viditelny = d.viditelny[i];
        b.zaskrtnuty = b.povoleny && b.viditelny && priznaky[i];
    }
}

void ModelPrislusenstvi::nastav(int i, bool zaskrtnuty) {
    StavBoxu& b = m_boxy.at(static_cast<size_t>(i));
    if (b.povoleny && b.viditelny) b.zaskrtnuty = zaskrtnuty;
}

void ModelPrislusenstvi::predej(const PredaniStatiky& s) {
    const std::array<bool, 5> hodnoty = s.boxy();
    for (int i = kPrvniPredavaci; i <= kPosledniPredavaci; ++i)
        m_boxy[static_cast<size_t>(i)].zaskrtnuty = hodnoty[static_cast<size_t>(i - kPrvniPredavaci)];
}

Priznaky ModelPrislusenstvi::priznaky() const {
    Priznaky f{};
    for (size_t i = 0; i < f.size(); ++i) f[i] = m_boxy[i].zaskrtnuty;
    return f;
}

std::optional<NahledPrislusenstvi> ModelPrislusenstvi::nahled(int i) const {
    const StavBoxu& b = box(i);
    if (!b.povoleny || !b.viditelny) return std::nullopt;
    const PolozkaPrislusenstvi& p = polozkaPrislusenstvi(i);
    return NahledPrislusenstvi{dataFile(QStringLiteral("Pict\\Prislusenstvi\\") + QString::number(i) + QStringLiteral(".jpg")),
                               p.popisek, p.popis};
}

QPointF ModelPrislusenstvi::vystred(const QSizeF& ramec, const QSizeF& obrazek) {
    return {(ramec.width() - obrazek.width()) / 2, (ramec.height() - obrazek.height()) / 2};
}
