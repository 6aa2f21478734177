#pragma once
// A system's item table loaded for a calculator test: the price list from a small text fixture
// (code, old code, name, price, weight; looked up by a plain map, not by the article table's
// binary search) or the shipped Data/Art.dbf, and helpers that read one column's quantities.
#include "app/GlobalniData.h"
#include "engine/Artikly.h"
#include "engine/EngineFixture.h"
#include "engine/NactiSystem.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QStringList>
#include <map>
#include <stdexcept>
#include <vector>

class CenikTsv : public IArtikly {
public:
    explicit CenikTsv(const QString& soubor) {
        QFile f(soubor);
        if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error(soubor.toStdString());
        const QStringList radky = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < radky.size(); ++i) {
            const QStringList p = radky[i].split(QLatin1Char('\t'));
            m_artikly.push_back({p[0], p[1], p[2], Currency::fromRaw(qRound64(p[3].toDouble() * 10000)), p[4].toFloat()});
            m_index[p[0].toUpper()] = static_cast<int>(m_artikly.size());
        }
    }
    int NajdiArtikl(QString& kod) const override {
        if (kod == QLatin1String("-")) return 0;
        kod = kod.toUpper();
        const auto it = m_index.find(kod);
        return it == m_index.end() ? -1 : it->second;
    }
    QString ObjZnak(int r) const override { return at(r).kod; }
    QString ObjZnakPuvodni(int r) const override { return at(r).stary; }
    QString Nazev(int r) const override { return at(r).nazev; }
    Currency Cena(int r) const override { return at(r).cena; }
    float Vaha(int r) const override { return at(r).vaha; }

private:
    struct Artikl {
        QString kod, stary, nazev;
        Currency cena;
        float vaha = 0;
    };
    const Artikl& at(int r) const { return m_artikly.at(static_cast<size_t>(r - 1)); }
    std::vector<Artikl> m_artikly;
    std::map<QString, int> m_index;
};

// The state of a costing of `system` whose item table `soubor` lies in `slozka`.
inline GlobalniData stavSystemu(const QString& system, const QString& soubor) {
    GlobalniData g;
    g.Systemy.resize(2);
    g.Systemy[1].Data = soubor;
    g.Systemy[1].Nazev = system;
    g.sorvenikaParametry.SystemKod = 1;
    g.sorvenikaParametry.System = system;
    g.nastaveni.DPH = Currency::fromInt(21);
    return g;
}

inline bool nactiZeSlozky(GlobalniData& g, const QString& slozka, const IArtikly& artikly) {
    Prostredi data("SORVENIKA_DATA", slozka.toUtf8());
    return NactiSystem(g, artikly);
}

// Chooses the column of a cross-section label as the wizard's OK does; false when absent.
inline bool zvolPrurez(GlobalniData& g, const QString& prurez) {
    const auto& p = g.dataSystemu.Prurezy;
    for (int c = 1; c <= p.horni(); ++c) {
        if (p(c) == prurez) {
            g.sorvenikaParametry.IdPrurez = Integer(c);
            g.sorvenikaParametry.Prurez = prurez;
            return true;
        }
    }
    return false;
}

// Quantities of row r in the chosen column.
inline const Polozka& bunka(const GlobalniData& g, int r) {
    return g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r);
}
inline int baze(const GlobalniData& g, int r) { return static_cast<int>(bunka(g, r).KsZaklad); }
inline int ks(const GlobalniData& g, int r) { return static_cast<int>(bunka(g, r).Ks); }
