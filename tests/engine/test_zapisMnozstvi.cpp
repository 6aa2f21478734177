#include "engine/ZapisMnozstvi.h"

#include "engine/EngineFixture.h"

#include <gtest/gtest.h>
#include <array>
#include <vector>

namespace {

constexpr int kRadku = 15;
constexpr int kSloupec = 2;

// A two-column matrix of 15 rows; the writer works on column 2.
GlobalniData stav() {
    GlobalniData g;
    g.dataSystemu.Polozky.vytvor(2, kRadku);
    g.sorvenikaParametry.IdPrurez = Integer(kSloupec);
    for (SeznamSouprav* s : {&g.sorvenikaParametry.ZakladniSoupravy, &g.sorvenikaParametry.Sady,
                             &g.sorvenikaParametry.SadyStred, &g.sorvenikaParametry.SoupravyPaty})
        s->vytvor(1);
    return g;
}

VektorMnozstvi vektor(const std::vector<std::pair<int, int>>& hodnoty) {
    VektorMnozstvi q(kRadku);
    for (auto [r, v] : hodnoty) q(r) = Integer(v);
    return q;
}

Souprava souprava(int pocet, std::initializer_list<std::pair<int, int>> dily) {
    Souprava s;
    s.Pocet = Integer(pocet);
    for (auto [radek, ks] : dily) s.pridejDil(QStringLiteral("DIL"), ks, radek);
    return s;
}

}  // namespace

TEST(ZapisMnozstvi, KitCases) {
    struct Pripad {
        const char* nazev;
        std::vector<std::pair<int, Souprava>> soupravy;  // list 0..3, entry
        std::vector<std::array<int, 3>> radky;  // row, KsZaklad, Ks
    };
    const std::vector<Pripad> cases = {
        // Deductions hitting one row from several kits and lists add up: 50 - 2*3 - 4*1 - 5*2 - 1*7.
        {"souctem",
         {{0, souprava(3, {{4, 2}})}, {1, souprava(1, {{4, 4}, {5, 1}})}, {2, souprava(2, {{4, 5}})},
          {3, souprava(7, {{4, 1}, {4, 0}})}},
         {{4, 50, 23}, {5, 10, 9}}},
        {"pocet nula", {{0, souprava(0, {{4, 5}})}}, {{4, 50, 50}}},
        {"nula kusu", {{1, souprava(3, {{4, 0}})}}, {{4, 50, 50}}},
        // A counted entry whose cross-section has no such kit: nothing to deduct.
        {"bez soucasti", {{0, souprava(1, {})}, {1, souprava(2, {{5, 3}})}}, {{4, 50, 50}, {5, 10, 4}}},
        {"zaporne na nulu", {{3, souprava(6, {{5, 2}})}}, {{5, 10, 0}, {4, 50, 50}}},
        {"stred", {{2, souprava(2, {{4, 12}, {5, 12}})}}, {{4, 50, 26}, {5, 10, 0}}},
    };
    for (const Pripad& c : cases) {
        SCOPED_TRACE(c.nazev);
        GlobalniData g = stav();
        SorvenikaParametry& p = g.sorvenikaParametry;
        SeznamSouprav* seznamy[] = {&p.ZakladniSoupravy, &p.Sady, &p.SadyStred, &p.SoupravyPaty};
        for (const auto& [seznam, s] : c.soupravy) {
            SeznamSouprav& l = *seznamy[seznam];
            if (l(1).Pocet == 0 && l(1).Ks.prazdne()) l(1) = s;
            else l.pridej(s);
        }
        g.dataSystemu.Polozky(1, 4).Ks = 9;  // another cross-section
        for (int pisar = 1; pisar <= 2; ++pisar) {
            p.Poznamka = QStringLiteral("Poznámka uživatele");
            VektorMnozstvi q = vektor({{4, 50}, {5, 10}, {kRadku, 1}});
            if (pisar == 1) ZapisMnozstvi(g, q);
            else ZapisMnozstvi2(g, q);
            // The full costing starts a new note; a recompute keeps the user's.
            EXPECT_EQ(p.Poznamka, pisar == 1 ? QString() : QStringLiteral("Poznámka uživatele"));
            EXPECT_EQ(g.dataSystemu.Polozky(1, 4).Ks, 9);
            auto vse = c.radky;
            vse.push_back({kRadku, 1, 1});
            for (const auto& [r, zaklad, ks] : vse) {
                const Polozka& x = g.dataSystemu.Polozky(kSloupec, r);
                EXPECT_EQ(x.KsZaklad, zaklad) << "writer " << pisar << " row " << r;
                EXPECT_EQ(x.Ks, ks) << "writer " << pisar << " row " << r;
                EXPECT_EQ(x.KsVypocet, ks) << "writer " << pisar << " row " << r;
                EXPECT_EQ(q(r), ks) << "writer " << pisar << " row " << r;
            }
        }
    }
}

TEST(ZapisMnozstvi, OverflowChangesNothing) {
    GlobalniData g = stav();
    // A previous costing that a failed edit must leave as it was.
    VektorMnozstvi predtim = vektor({{3, 7}, {15, 4}});
    ZapisMnozstvi(g, predtim);
    const MaticePolozek matice = g.dataSystemu.Polozky;

    struct {
        const char* nazev;
        Souprava s;
        std::vector<std::pair<int, int>> q;
    } cases[] = {
        {"soucin", souprava(10000, {{3, 6}}), {{3, 100}}},          // 6 x 10,000
        {"rozdil", souprava(2, {{3, 16383}}), {{3, -3}}},           // -3 - 32,766
        {"druhy dil", souprava(1, {{3, 1}, {4, -32768}}), {{4, 1}}},  // 1 + 32,768 after a good first part
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nazev);
        g.sorvenikaParametry.Sady(1) = c.s;
        VektorMnozstvi q = vektor(c.q);
        const VektorMnozstvi kopie = q;
        EXPECT_THROW(ZapisMnozstvi2(g, q), RuntimeError);
        EXPECT_TRUE(g.dataSystemu.Polozky == matice);
        EXPECT_TRUE(q == kopie);
    }
    // A component row outside the matrix is refused the same way.
    g.sorvenikaParametry.Sady(1) = souprava(1, {{16, 1}});
    VektorMnozstvi q = vektor({{3, 1}});
    EXPECT_THROW(ZapisMnozstvi(g, q), RuntimeError);
    EXPECT_TRUE(g.dataSystemu.Polozky == matice);
}
