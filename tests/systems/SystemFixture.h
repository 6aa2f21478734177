#pragma once
// A calculator test: a system's item table loaded from the shipped installation (Data/), from a
// test folder with a text price list, or made up; what the wizard commits; and one column's
// quantities read back.
#include "engine/GlobalniData.h"
#include "app/SouborNastaveni.h"
#include "engine/ArtiklyCeniku.h"
#include "engine/Artikly.h"
#include "engine/EngineFixture.h"
#include "engine/Kalkulacka.h"
#include "engine/NactiSystem.h"
#include "pricelist/TabulkaArtiklu.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

// A price list of tab-separated text (code, old code, name, price, weight), looked up by a plain
// map rather than the article table's binary search.
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
    const CenikTsv cenik(testData(slozka + QStringLiteral("/Cenik.txt")));
    return nactiZeSlozky(g, testData(slozka), cenik);
}

// The shipped installation with the item table of the system whose settings section is `sekce`,
// loaded against the shipped price list. An empty text on success, else what is missing.
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

// What the wizard commits for one costing; the height and termination default to the test's.
struct Zadani {
    const char* prurez = "";
    std::optional<float> vyska = {};
    bool sachta = false;
    int kourovod = 0, kourovod2 = 0;
    int druhPaty = 0, kepo = 0, termo = 0;
    std::optional<int> ukonceni = {};
    bool dvirka = false, druhe = false;
    int druhCihly = 0;
    float cihly = 0, pytle = 0, zslkt = 0, dilyOrlex = 0, tyceOrlex = 0, vyskaUkonceni = 0;
    int druhPlaste = 0, idVyskaPlaste = 0;
    int napojovacich = 0;
    std::vector<int> prislusenstvi = {};
};

using Radky = std::vector<std::pair<int, int>>;  // row, quantity

inline Radky poJednom(const std::vector<int>& radky) {
    Radky r;
    for (int x : radky) r.push_back({x, 1});
    return r;
}

// A worked example: what the wizard commits, the base quantities (before the kits) and the shown ones.
struct Priklad {
    const char* nazev;
    Zadani z;
    Radky baze;
    Radky ks = {};
};

// One calculator K on the state g.
template <typename K>
struct KalkulaceTest : ::testing::Test {
    FakeServices sluzby;
    GlobalniData g;
    K k{g};
    float vyska = 6.0f;  // of a costing that names none
    int ukonceni = 4;

    void dodana(const char* sekce) { ASSERT_EQ(nactiDodanySystem(g, QString::fromLatin1(sekce)), QString()); }
    void testovaci(const char* system, const char* slozka) {
        ASSERT_TRUE(nactiTestovaciSystem(g, QString::fromLatin1(system), QString::fromLatin1(slozka)));
    }
    void synteticka(const char* system, const QStringList& prurezy, int radku,
                    const std::vector<std::pair<int, QString>>& pomlcky = {}) {
        g = syntetickySystem(QString::fromLatin1(system), prurezy, radku, pomlcky);
    }

    void spocitej(const Zadani& z) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        ASSERT_TRUE(zvolPrurez(g, QString::fromLatin1(z.prurez))) << z.prurez;
        p.Vyska = z.vyska.value_or(vyska);
        p.Sachta = z.sachta;
        p.Kourovod = Integer(z.kourovod);
        p.Kourovod2 = Integer(z.kourovod2);
        p.DruhPaty = Integer(z.druhPaty);
        p.SoupravaKEPO = Integer(z.kepo);
        p.PocetTermoTvarnic = Integer(z.termo);
        p.Ukonceni = z.ukonceni.value_or(ukonceni);
        p.HorniDvirka = z.dvirka;
        p.DruheNapojeni = z.druhe;
        p.DruhCihly = z.druhCihly;
        p.PocetCihel = z.cihly;
        p.PocetPytlu = z.pytle;
        p.PocetZSLKT = z.zslkt;
        p.PocetDiluOrlex = z.dilyOrlex;
        p.PocetTyciOrlex = z.tyceOrlex;
        p.VyskaUkonceni = z.vyskaUkonceni;
        p.DruhPlaste = z.druhPlaste;
        p.IdVyskaPlaste = Integer(z.idVyskaPlaste);
        p.PocetNapojovacichDilu = Integer(z.napojovacich);
        p.Prislusenstvi.vytvor(35);
        for (int i : z.prislusenstvi) p.Prislusenstvi(i) = true;
        k.Spocitej();
    }
    void uprav(int radek, int n) { k.Prepocitej(radek, Integer(n)); }

    Polozka& polozka(int r) { return g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r); }
    int baze(int r) const { return static_cast<int>(bunka(g, r).KsZaklad); }
    int ks(int r) const { return static_cast<int>(bunka(g, r).Ks); }
    const SorvenikaParametry& p() const { return g.sorvenikaParametry; }
    int radku() const { return g.dataSystemu.Polozky.radku(); }
    std::vector<float> zaklady() const {
        std::vector<float> v;
        for (int r = 1; r <= radku(); ++r) v.push_back(bunka(g, r).KsZaklad);
        return v;
    }
    std::vector<float> kusy() const {
        std::vector<float> v;
        for (int r = 1; r <= radku(); ++r) v.push_back(bunka(g, r).Ks);
        return v;
    }

    // The base quantities (before the kits) and the shown ones.
    void ocekavej(const Radky& zaklad, const Radky& zobrazene = {}) const {
        for (auto [r, n] : zaklad) EXPECT_EQ(baze(r), n) << "base of row " << r;
        for (auto [r, n] : zobrazene) EXPECT_EQ(ks(r), n) << "shown quantity of row " << r;
    }
    void priklady(std::initializer_list<Priklad> pripady, const std::function<void(const Priklad&)>& navic = {}) {
        for (const Priklad& c : pripady) {
            SCOPED_TRACE(c.nazev);
            spocitej(c.z);
            ocekavej(c.baze, c.ks);
            if (navic) navic(c);
        }
    }
    // Rows od..po have the listed base quantities and 0 elsewhere.
    void jenTyto(int od, int po, const Radky& nenulove) const {
        std::map<int, int> m(nenulove.begin(), nenulove.end());
        for (int r = od; r <= po; ++r) EXPECT_EQ(baze(r), m.contains(r) ? m[r] : 0) << "row " << r;
    }
    // The accessory flags add exactly `prirustky` to the costing `z` without them.
    void prirustky(Zadani z, const std::vector<int>& priznaky, const Radky& prirustky) {
        z.prislusenstvi.clear();
        spocitej(z);
        const auto bez = zaklady();
        z.prislusenstvi = priznaky;
        spocitej(z);
        const auto se = zaklady();
        std::map<int, int> m(prirustky.begin(), prirustky.end());
        for (int r = 1; r <= radku(); ++r) {
            const size_t i = static_cast<size_t>(r - 1);
            EXPECT_EQ(se[i] - bez[i], static_cast<float>(m.contains(r) ? m[r] : 0)) << "row " << r;
        }
    }
};
