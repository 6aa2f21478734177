#pragma once
// A system's item table loaded for a calculator test: the price list from a small text fixture
// (code, old code, name, price, weight; looked up by a plain map, not by the article table's
// binary search) or the shipped Data/Art.dbf, and helpers that read one column's quantities.
#include "app/GlobalniData.h"
#include "engine/Artikly.h"
#include "engine/EngineFixture.h"
#include "engine/NactiSystem.h"
#include "pricelist/TabulkaArtiklu.h"
#include "app/SouborNastaveni.h"
#include "engine/ArtiklyCeniku.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QStringList>
#include <map>
#include <utility>
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

// A synthetic item table for a calculator test, without files: `radku` item rows, one column per
// label, each cell a priced article "A<row>" except the cells `pomlcky` lists as (row, label),
// which are "-". Every column allows the shaft; the accessory flags are all False.
inline GlobalniData syntetickySystem(const QString& system, const QStringList& prurezy, int radku,
                                     const std::vector<std::pair<int, QString>>& pomlcky = {}) {
    GlobalniData g;
    SorvenikaParametry& p = g.sorvenikaParametry;
    p.System = system;
    DataSystemu& d = g.dataSystemu;
    const int sloupcu = static_cast<int>(prurezy.size());
    d.Polozky.vytvor(sloupcu, radku);
    d.Prurezy.vytvor(sloupcu);
    d.SachtaPovolena.vytvor(sloupcu);
    for (int c = 1; c <= sloupcu; ++c) {
        d.Prurezy(c) = prurezy[c - 1];
        d.SachtaPovolena(c) = true;
        for (int r = 1; r <= radku; ++r) {
            Polozka& b = d.Polozky(c, r);
            b.ObjZnak = b.ObjZnakPuvodni = QStringLiteral("A%1").arg(r);
            b.Cena = Currency::fromInt(r);
        }
    }
    for (const auto& [r, prurez] : pomlcky)
        d.Polozky(static_cast<int>(prurezy.indexOf(prurez)) + 1, r).ObjZnak = QStringLiteral("-");
    p.PocetPrurezu = Integer(sloupcu);
    p.PocetRadku = Integer(radku);
    p.Prislusenstvi.vytvor(35);
    return g;
}

// The shipped installation (Data/ of the source tree) with the item table of the system whose
// settings section is `sekce` loaded against the shipped price list. An empty text on success,
// else what is missing.
inline QString nactiDodanySystem(GlobalniData& g, const QString& sekce) {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    if (NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba) return QStringLiteral("Sorvenika.ini");
    int kod = 0;
    for (int i = 1; i <= g.nastaveni.PocetSystemu; ++i)
        if (g.system(i).Sekce == sekce) kod = i;
    if (kod == 0) return QStringLiteral("no %1 in the shipped settings").arg(sekce);
    if (!QFile::exists(data + g.system(kod).Data)) return QStringLiteral("no %1").arg(g.system(kod).Data);
    g.sorvenikaParametry.SystemKod = kod;
    g.sorvenikaParametry.System = sekce;
    // The shipped price list, read once per test program.
    static const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
    if (!nactiZeSlozky(g, data, ArtiklyCeniku(cenik))) return QStringLiteral("the item table does not load");
    return QString();
}

// Rows of the chosen column that hold a quantity although their article does not exist for the
// cross-section ("-") or is missing from the price list ("?????").
inline std::vector<int> mnozstviBezArtiklu(const GlobalniData& g) {
    std::vector<int> radky;
    for (int r = 1; r <= g.sorvenikaParametry.PocetRadku; ++r) {
        const Polozka& c = bunka(g, r);
        const bool chybi = c.ObjZnak == QLatin1String("-") || c.ObjZnak == QLatin1String("?????");
        if (chybi && (c.Ks != 0 || c.KsZaklad != 0)) radky.push_back(r);
    }
    return radky;
}
