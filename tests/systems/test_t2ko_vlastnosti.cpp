// Every costing the wizard can ask of T-REMOL2R, T-REMOL2S, KALVIR and ORVIK, on the fixture item
// tables and on the shipped sample installation: no error, and no quantity on a cell whose
// article does not exist for the cross-section ("-") or is missing from the price list ("?????").
#include "app/SouborNastaveni.h"
#include "engine/ArtiklyCeniku.h"
#include "engine/Obezdivka.h"
#include "engine/Sorvenika.h"
#include "systems/SystemFixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <vector>

namespace {

bool je(const QString& s, const char* t) { return s == QLatin1String(t); }

// What the wizard offers each system: flue angles, terminations, door and second connection,
// connecting pieces. Cladding and the Orlex top are included where the wizard only disables
// them: the calculators must cope with a selection that stays behind.
struct Nabidka {
    const char* system;
    std::vector<int> (*uhly1)(const QString& prurez);
    std::vector<int> (*uhly2)(const QString& prurez);
    bool (*kds)(const QString& prurez, bool sachta);
    bool moznosti;  // door and second connection
    // The recompute that swaps the KDS angle pieces for the frame: row and its alternative.
    int kdsRadek, kdsNahrada;
};

const Nabidka kNabidky[] = {
    {"T-REMOL2R",
     [](const QString& p) { return p.startsWith(QLatin1String("14/")) ? std::vector<int>{0} : std::vector<int>{0, 1}; },
     [](const QString&) { return std::vector<int>{0, 1}; },
     [](const QString& p, bool sachta) { return !sachta && !je(p, "14/16"); }, true, 26, 35},
    {"T-REMOL2S",
     [](const QString& p) { return je(p, "14/14") ? std::vector<int>{0} : std::vector<int>{0, 1}; },
     [](const QString& p) { return je(p, "14/14") ? std::vector<int>{0} : std::vector<int>{0, 1}; },
     [](const QString& p, bool sachta) { return !sachta && (je(p, "18/18") || je(p, "20/20")); }, true, 16, 24},
    {"KALVIR", [](const QString&) { return std::vector<int>{0}; }, [](const QString&) { return std::vector<int>{0}; },
     [](const QString&, bool) { return false; }, false, 0, 0},
    {"ORVIK", [](const QString&) { return std::vector<int>{0}; }, [](const QString&) { return std::vector<int>{0}; },
     [](const QString&, bool) { return false; }, false, 0, 0},
};

struct Vlastnosti {
    Vlastnosti(GlobalniData& g, const Nabidka& n) : g(g), n(n), kalkulacky(vytvorKalkulacky(g)) {
        k = kalkulacky.najdi(QString::fromLatin1(n.system));
    }
    GlobalniData& g;
    const Nabidka& n;
    Kalkulacky kalkulacky;
    Kalkulacka* k = nullptr;
    int kalkulaci = 0;
    std::map<QString, int> chyby;  // first failure of each kind, with a count
    QStringList priklady;

    void chyba(const QString& druh, const QString& priklad) {
        if (chyby[druh]++ == 0) priklady << druh + QStringLiteral(": ") + priklad;
    }

    QString popis() const {
        const SorvenikaParametry& p = g.sorvenikaParametry;
        return QStringLiteral("%1 cm, %2 m, shaft %3, angles %4/%5, termination %6, door %7, second %8")
            .arg(p.Prurez)
            .arg(p.Vyska)
            .arg(p.Sachta)
            .arg(p.Kourovod)
            .arg(p.Kourovod2)
            .arg(p.Ukonceni)
            .arg(p.HorniDvirka)
            .arg(p.DruheNapojeni);
    }

    void zkontroluj(const char* krok) {
        const SorvenikaParametry& p = g.sorvenikaParametry;
        for (int r = 1; r <= g.dataSystemu.Polozky.radku(); ++r) {
            const Polozka& c = bunka(g, r);
            const bool chybi = c.ObjZnak == QLatin1String("-") || c.ObjZnak == QLatin1String("?????");
            if (chybi && (c.Ks != 0 || c.KsZaklad != 0))
                chyba(QStringLiteral("%1: row %2 of %3 is \"%4\" but gets %5")
                          .arg(QString::fromLatin1(krok))
                          .arg(r)
                          .arg(p.Prurez, c.ObjZnak)
                          .arg(c.KsZaklad),
                      popis());
            if (c.Ks < 0) chyba(QStringLiteral("%1: negative quantity in row %2").arg(QString::fromLatin1(krok)).arg(r), popis());
        }
    }

    template <typename F>
    bool krok(const char* nazev, F f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            chyba(QStringLiteral("%1 error %2").arg(QString::fromLatin1(nazev)).arg(e.cislo()), popis());
            return false;
        }
        zkontroluj(nazev);
        return true;
    }

    void kalkulace() {
        ++kalkulaci;
        if (!krok("Spocitej", [&] { k->Spocitej(); })) return;
        if (g.sorvenikaParametry.Ukonceni == 5 && n.kdsRadek) {
            krok("KDS frame", [&] { k->Prepocitej(n.kdsRadek, Integer(0)); });
            krok("KDS angle pieces", [&] { k->Prepocitej(n.kdsNahrada, Integer(0)); });
        }
    }

    // Each termination with the details the wizard computes for it; k varies them.
    void ukonceni(int u, int k) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.Ukonceni = u;
        p.PocetCihel = p.PocetPytlu = 0;
        p.DruhPlaste = 0;
        p.IdVyskaPlaste = Integer(0);
        if (u == 1) {
            p.DruhCihly = 1 + k % 2;
            p.VyskaUkonceni = static_cast<float>(k % 13) / 3;
            SpocitejObezdivku(p);
        } else if (u == 2) {
            p.DruhPlaste = 1 + k % 2;
            p.IdVyskaPlaste = Integer(1 + k % 7);
        }
        kalkulace();
    }

    void vse() {
        SorvenikaParametry& p = g.sorvenikaParametry;
        for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c) {
            const QString prurez = g.dataSystemu.Prurezy(c);
            ASSERT_TRUE(zvolPrurez(g, prurez));
            for (int k = 3; k <= 90; ++k) {
                float h = static_cast<float>(k / 3.0);
                p.Vyska = ZaokrouhliVysku(h);
                p.PocetNapojovacichDilu = Integer(k % 5);
                for (int i = 0; i <= 35; ++i) p.Prislusenstvi(i) = (k + i) % 2 == 0;
                for (bool sachta : {false, true}) {
                    if (sachta && !g.dataSystemu.SachtaPovolena(c)) continue;
                    p.Sachta = sachta;
                    for (int u1 : n.uhly1(prurez)) {
                        for (int u2 : n.uhly2(prurez)) {
                            p.Kourovod = Integer(u1);
                            p.Kourovod2 = Integer(u2);
                            for (int volby = 0; volby < (n.moznosti ? 4 : 1); ++volby) {
                                p.HorniDvirka = volby & 1;
                                p.DruheNapojeni = volby & 2;
                                for (int u = 1; u <= 6; ++u)
                                    if (u != 5 || n.kds(prurez, sachta)) ukonceni(u, k + volby);
                            }
                        }
                    }
                }
            }
        }
    }
};

void overVlastnosti(GlobalniData& g, const Nabidka& n, int nejmene) {
    Vlastnosti v(g, n);
    ASSERT_NE(v.k, nullptr) << n.system << " has no calculator";
    v.vse();
    EXPECT_GT(v.kalkulaci, nejmene);
    EXPECT_TRUE(v.chyby.empty()) << v.priklady.join(QLatin1Char('\n')).toStdString();
}

struct Pripad {
    const Nabidka* n;
    int nejmene;  // costings at the least, so that a loop that ran short shows
};
void PrintTo(const Pripad& p, std::ostream* os) { *os << p.n->system; }

class VlastnostiT2KO : public ::testing::TestWithParam<Pripad> {};

}  // namespace

TEST_P(VlastnostiT2KO, FixtureHoldsEveryArticleTheBillNeeds) {
    FakeServices sluzby;
    const Nabidka& n = *GetParam().n;
    CenikTsv cenik(testData(QStringLiteral("tremol2/Cenik.txt")));
    GlobalniData g = stavSystemu(QString::fromLatin1(n.system), QString::fromLatin1(n.system) + QStringLiteral(".txt"));
    ASSERT_TRUE(nactiZeSlozky(g, testData(QStringLiteral("tremol2")), cenik));
    overVlastnosti(g, n, GetParam().nejmene);
}

TEST_P(VlastnostiT2KO, ShippedDataHoldsEveryArticleTheBillNeeds) {
    const QString data = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data/");
    const Nabidka& n = *GetParam().n;
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_FALSE(NactiIni(data + QStringLiteral("Sorvenika.ini"), g).chyba);
    int kod = 0;
    for (int i = 1; i <= g.nastaveni.PocetSystemu; ++i)
        if (g.system(i).Sekce == QLatin1String(n.system)) kod = i;
    ASSERT_NE(kod, 0) << "no " << n.system << " in the shipped settings";
    ASSERT_TRUE(QFileInfo::exists(data + g.system(kod).Data));
    g.sorvenikaParametry.SystemKod = kod;
    g.sorvenikaParametry.System = QString::fromLatin1(n.system);
    const TabulkaArtiklu cenik = TabulkaArtiklu::nacti(data + QStringLiteral("Art"));
    ASSERT_TRUE(nactiZeSlozky(g, data, ArtiklyCeniku(cenik)));
    overVlastnosti(g, n, GetParam().nejmene);
}

INSTANTIATE_TEST_SUITE_P(Systemy, VlastnostiT2KO,
                         ::testing::Values(Pripad{&kNabidky[0], 60000}, Pripad{&kNabidky[1], 40000},
                                           Pripad{&kNabidky[2], 2500}, Pripad{&kNabidky[3], 2000}),
                         [](const ::testing::TestParamInfo<Pripad>& i) {
                             QString s = QString::fromLatin1(i.param.n->system);
                             return s.remove(QLatin1Char('-')).toStdString();
                         });
