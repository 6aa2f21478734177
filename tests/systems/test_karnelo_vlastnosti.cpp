// Every costing the wizard can ask of KARNELO, KARNELO2S, KARNELO2R and T-REMOL on the shipped
// sample installation, through the calculator table: no error, and no quantity on a cell whose
// article does not exist for the cross-section ("-") or is missing from the price list. The liner
// split and the compound are checked against what they are for: enough length and compound, and
// no more than one short piece where a longer one would do.
#include "engine/Kalkulacka.h"
#include "engine/Obezdivka.h"
#include "engine/Orlex.h"
#include "engine/Sorvenika.h"
#include "systems/SystemFixture.h"

#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using Uhly = std::vector<std::pair<int, int>>;  // Kourovod, Kourovod2

struct Popis {
    const char* system;
    std::function<Uhly(const QString&)> uhly;  // the angles the wizard offers
    std::function<std::vector<int>(bool)> paty;  // the foot kinds it can commit, by shaft
};

const Uhly kJen90{{0, 0}};
const Uhly kJedenPruduch{{0, 0}, {1, 0}};
const Uhly kDvaPruduchy{{0, 0}, {0, 1}, {1, 0}, {1, 1}};

const Popis kSystemy[] = {
    {"KARNELO", [](const QString& p) { return p == QLatin1String("12") ? kJen90 : kJedenPruduch; },
     [](bool sachta) { return sachta ? std::vector<int>{0, 1, 2} : std::vector<int>{0, 1}; }},
    {"KARNELO2S", [](const QString&) { return kDvaPruduchy; }, [](bool) { return std::vector<int>{0, 1}; }},
    {"KARNELO2R", [](const QString&) { return kDvaPruduchy; }, [](bool) { return std::vector<int>{0, 1}; }},
    {"T-REMOL", [](const QString& p) { return p == QLatin1String("14") ? kJen90 : kJedenPruduch; },
     [](bool) { return std::vector<int>{0}; }},
};

// One flue's liners (1.33, 0.66, 0.33 m) cover the run and use at most one of each short piece.
QString delkyPruduchu(double beh, int d133, int d066, int d033) {
    if (beh < 0) return {};
    const double l = 1.33 * d133 + 0.66 * d066 + 0.33 * d033;
    if (d066 < 0 || d066 > 1 || d033 < 0 || d033 > 1 || l < beh - 0.005 || l > beh + 0.2)
        return QStringLiteral("run %1 m: %2 x 1.33 + %3 x 0.66 + %4 x 0.33").arg(beh).arg(d133).arg(d066).arg(d033);
    return {};
}

struct Vlastnosti {
    Vlastnosti(GlobalniData& g, const Popis& s) : g(g), s(s) {
        kalkulacky = vytvorKalkulacky(g);
        k = kalkulacky.najdi(QString::fromLatin1(s.system));
    }
    GlobalniData& g;
    const Popis& s;
    Kalkulacky kalkulacky;
    Kalkulacka* k = nullptr;
    int kalkulaci = 0;
    std::map<QString, int> chyby;  // first failure of each kind, with a count
    QStringList priklady;

    const SorvenikaParametry& p() const { return g.sorvenikaParametry; }
    int baze(int r) const { return ::baze(g, r); }

    void chyba(const QString& druh) {
        if (chyby[druh]++ > 0) return;
        priklady << QStringLiteral("%1: %2, %3 m, shaft %4, angles %5/%6, termination %7, door %8, second %9, foot %10, "
                                   "KEPO %11")
                        .arg(druh, p().Prurez)
                        .arg(p().Vyska)
                        .arg(p().Sachta)
                        .arg(p().Kourovod)
                        .arg(p().Kourovod2)
                        .arg(p().Ukonceni)
                        .arg(p().HorniDvirka)
                        .arg(p().DruheNapojeni)
                        .arg(p().DruhPaty)
                        .arg(p().SoupravaKEPO);
    }

    void zkontroluj(const char* krok) {
        for (int r : mnozstviBezArtiklu(g))
            chyba(QStringLiteral("%1: row %2 is \"%3\" but gets %4")
                      .arg(QLatin1String(krok))
                      .arg(r)
                      .arg(bunka(g, r).ObjZnak)
                      .arg(baze(r)));
    }

    bool spust(const std::function<void()>& f, const char* krok) {
        try {
            f();
        } catch (const RuntimeError& e) {
            chyba(QStringLiteral("%1: error %2").arg(QLatin1String(krok)).arg(e.cislo()));
            return false;
        }
        zkontroluj(krok);
        return true;
    }

    // The bill of a costing without door or second connection, against what it is for.
    void zkontrolujDelky() {
        const double h = p().Vyska;
        const QString sys = QString::fromLatin1(s.system);
        QString vada;
        if (sys == QLatin1String("KARNELO")) {
            vada = delkyPruduchu(h - 2.15, baze(10), baze(9), baze(8));
        } else if (sys == QLatin1String("KARNELO2S")) {
            if (baze(9) % 2 || baze(8) % 2 || baze(7) % 2) vada = QStringLiteral("odd liner counts for two flues");
            else vada = delkyPruduchu(h - 2.15, baze(9) / 2, baze(8) / 2, baze(7) / 2);
        } else if (sys == QLatin1String("KARNELO2R")) {
            vada = delkyPruduchu(h - 2.15, baze(11), baze(9), baze(7)) +
                   delkyPruduchu(h - 2.15, baze(12), baze(10), baze(8));
        } else {
            // T-REMOL: whole buckets and up to 4 loose kg hold at least the compound the height needs.
            const double kg = baze(20) * 7 + baze(21);
            const double f = p().Prurez == QLatin1String("14") ? (p().Sachta ? 0.4 : 0)
                             : p().Prurez == QLatin1String("16") ? 0.5
                             : p().Prurez == QLatin1String("18") ? 0.6 : 0.7;
            if (baze(21) < 0 || baze(21) > 4 || kg < h * f - 0.01 || (f > 0 && baze(20) < 1))
                vada = QStringLiteral("%1 buckets and %2 kg for %3 kg").arg(baze(20)).arg(baze(21)).arg(h * f);
        }
        if (!vada.isEmpty()) chyba(vada);
    }

    void ukonceni(int u, int n) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.Ukonceni = u;
        p.PocetCihel = p.PocetPytlu = p.PocetZSLKT = p.PocetDiluOrlex = p.PocetTyciOrlex = 0;
        p.DruhCihly = 0;
        if (u == 1) {
            p.DruhCihly = 1 + n % 2;
            p.VyskaUkonceni = static_cast<float>(n % 13) / 3;
            SpocitejObezdivku(p);
            p.PocetZSLKT = static_cast<float>(n % 5);  // with static-securing kits
        } else if (u == 2) {
            p.DruhPlaste = 1 + n % 2;
            p.IdVyskaPlaste = Integer(1 + n % 7);
            p.PocetZSLKT = static_cast<float>(n % 4);
        } else if (u == 3) {
            p.VyskaUkonceni = 1.0f + static_cast<float>(n % 21) / 10;
            SpocitejOrlex(p);
        }
    }

    // Options that do not change which rows exist are cycled with n rather than multiplied out.
    void moznosti(int n) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        const std::vector<int> paty = s.paty(p.Sachta);
        p.DruhPaty = Integer(paty[static_cast<size_t>(n) % paty.size()]);
        p.SoupravaKEPO = Integer((n / 3) % 2);
        p.PocetTermoTvarnic = Integer(n % 4);
        p.HorniDvirka = (n / 2) % 2;
        p.DruheNapojeni = (n / 4) % 2;
        for (int i = 0; i <= 35; ++i) p.Prislusenstvi(i) = (n + i) % 2 == 0;
    }

    void vse() {
        ASSERT_NE(k, nullptr) << s.system << " has no calculator";
        SorvenikaParametry& p = g.sorvenikaParametry;
        for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c) {
            ASSERT_TRUE(zvolPrurez(g, g.dataSystemu.Prurezy(c)));
            for (int v = 3; v <= 90; ++v) {
                float h = static_cast<float>(v / 3.0);
                p.Vyska = ZaokrouhliVysku(h);
                for (bool sachta : {false, true}) {
                    if (sachta && !g.dataSystemu.SachtaPovolena(c)) continue;
                    p.Sachta = sachta;
                    for (auto [k1, k2] : s.uhly(p.Prurez)) {
                        p.Kourovod = Integer(k1);
                        p.Kourovod2 = Integer(k2);
                        for (int u = 1; u <= 6; ++u) {
                            const int n = v + 7 * u + 3 * k1 + 5 * k2 + sachta;
                            ukonceni(u, n);
                            moznosti(n);
                            ++kalkulaci;
                            if (spust([&] { k->Spocitej(); }, "Spocitej") && !p.HorniDvirka && !p.DruheNapojeni)
                                zkontrolujDelky();
                        }
                    }
                }
            }
        }
    }

    // Every row typed to 0 and to 2 after a fresh costing.
    void upravy() {
        SorvenikaParametry& p = g.sorvenikaParametry;
        for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c) {
            ASSERT_TRUE(zvolPrurez(g, g.dataSystemu.Prurezy(c)));
            for (float h : {2.33f, 9.0f, 17.66f}) {
                for (bool sachta : {false, true}) {
                    if (sachta && !g.dataSystemu.SachtaPovolena(c)) continue;
                    p.Vyska = h;
                    p.Sachta = sachta;
                    const Uhly uhly = s.uhly(p.Prurez);
                    for (int r = 1; r <= p.PocetRadku; ++r) {
                        for (int ks : {0, 2}) {
                            const int n = r + ks + c;
                            const auto [k1, k2] = uhly[static_cast<size_t>(n) % uhly.size()];
                            p.Kourovod = Integer(k1);
                            p.Kourovod2 = Integer(k2);
                            ukonceni(1 + n % 6, n);
                            moznosti(n);
                            if (!spust([&] { k->Spocitej(); }, "Spocitej")) continue;
                            ++kalkulaci;
                            spust([&] { k->Prepocitej(r, Integer(ks)); }, "Prepocitej");
                        }
                    }
                }
            }
        }
    }
};

class KarneloVlastnosti : public ::testing::TestWithParam<Popis> {};

TEST_P(KarneloVlastnosti, ShippedDataHoldsEveryArticleTheBillNeeds) {
    FakeServices sluzby;
    GlobalniData g;
    const QString chybi = nactiDodanySystem(g, QString::fromLatin1(GetParam().system));
    if (!chybi.isEmpty()) GTEST_SKIP() << chybi.toStdString();
    Vlastnosti v(g, GetParam());
    v.vse();
    EXPECT_GT(v.kalkulaci, 4000);
    v.upravy();
    EXPECT_TRUE(v.chyby.empty()) << v.priklady.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Systemy, KarneloVlastnosti, ::testing::ValuesIn(kSystemy),
                         [](const auto& info) {
                             std::string n = info.param.system;
                             std::erase(n, '-');  // a test name takes letters and digits only
                             return n;
                         });

}  // namespace
