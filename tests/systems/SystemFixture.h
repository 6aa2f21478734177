#pragma once
// A system's item table for a calculator test: from the shipped installation (Data/), from a test
// folder with a text price list, or made up; the chosen column read back.
#include "engine/GlobalniData.h"
#include "app/SouborNastaveni.h"
#include "engine/ArtiklyCeniku.h"
#include "engine/EngineFixture.h"
#include "engine/NactiSystem.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QFile>
#include <QStringList>
#include <utility>
#include <vector>

inline bool nactiZeSlozky(GlobalniData& g, const QString& slozka, const IArtikly& artikly) {
    Prostredi data("SORVENIKA_DATA", slozka.toUtf8());
    return static_cast<bool>(NactiSystem(g, artikly));
}

// The item table "<system>.txt" of tests/data/<slozka> against the folder's Cenik.txt.
inline bool nactiTestovaciSystem(GlobalniData& g, const QString& system, const QString& slozka) {
    g = GlobalniData();
    g.Systemy.resize(2);
    g.Systemy[1].Data = system + QStringLiteral(".txt");
    g.Systemy[1].Nazev = system;
    g.sorvenikaParametry.SystemKod = 1;
    g.sorvenikaParametry.System = system;
    g.nastaveni.DPH = Currency::fromInt(21);
    const CenikFixture cenik(slozka + QStringLiteral("/Cenik.txt"));
    return nactiZeSlozky(g, testData(slozka), cenik);
}

// The shipped installation with the item table of the system whose settings section is `sekce`,
// loaded against the shipped price list. An empty text on success, else what is missing.
inline QString nactiDodanySystem(GlobalniData& g, const QString& sekce) {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    g = GlobalniData();
    if (NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba) return QStringLiteral("Sorvenika.ini");
    int kod = 0;
    for (int i = 1; i <= g.nastaveni.PocetSystemu; ++i)
        if (g.system(i).Sekce == sekce) kod = i;
    if (kod == 0) return QStringLiteral("no %1 in the shipped settings").arg(sekce);
    g.sorvenikaParametry.SystemKod = kod;
    g.sorvenikaParametry.System = sekce;
    // The shipped price list, read once per test program.
    static const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
    if (!nactiZeSlozky(g, data, ArtiklyCeniku(cenik))) return QStringLiteral("the item table does not load");
    return QString();
}

// A made-up item table: `radku` rows, one column per label, each cell a priced article "A<row>"
// except the cells `pomlcky` lists as (row, label), which are "-". Every column allows the shaft.
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

inline const Polozka& bunka(const GlobalniData& g, int r) {
    return g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r);
}

inline std::vector<Polozka> sloupec(const GlobalniData& g) {
    std::vector<Polozka> v;
    for (int r = 1; r <= g.dataSystemu.Polozky.radku(); ++r) v.push_back(bunka(g, r));
    return v;
}

// Rows of the chosen column that hold a quantity although their article does not exist for the
// cross-section ("-") or is missing from the price list ("?????").
inline std::vector<int> mnozstviBezArtiklu(const GlobalniData& g) {
    std::vector<int> radky;
    for (int r = 1; r <= g.dataSystemu.Polozky.radku(); ++r) {
        const Polozka& c = bunka(g, r);
        const bool chybi = c.ObjZnak == QLatin1String("-") || c.ObjZnak == QLatin1String("?????");
        if (chybi && (c.Ks != 0 || c.KsZaklad != 0)) radky.push_back(r);
    }
    return radky;
}
