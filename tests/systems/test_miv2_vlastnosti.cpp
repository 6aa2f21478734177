// Every costing the wizard can ask of DORVA, MIV2S and MIV2R on the shipped sample installation,
// with edits on the sheet after each: no error, and no quantity on an article that the
// cross-section lacks or the price list misses.
#include "systems/DodanaData.h"
#include "systems/VlastnostiFixture.h"
#include "systems/xDorva.h"
#include "systems/xMIV2R.h"
#include "systems/xMIV2S.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

bool jeJeden(const QString& prurez, std::initializer_list<const char*> mezi) {
    for (const char* s : mezi)
        if (prurez == QLatin1String(s)) return true;
    return false;
}

const std::vector<std::pair<int, int>> kVsechnyUhly{{0, 0}, {0, 1}, {1, 0}, {1, 1}};

// DORVA: casing or cladding, both flues at 90°, no second connection.
NabidkaPruvodce nabidkaDorva(const QString&, bool) { return {{1, 2}, {{0, 0}}, false}; }

// The Orlex top only without a shaft on the larger pairs. An Orlex choice made before the shaft
// was ticked stays selected, so the shaft is costed with it too.
NabidkaPruvodce nabidkaMiv2s(const QString& prurez, bool sachta) {
    const bool maly = jeJeden(prurez, {"12/12", "14/14"});
    const bool orlex = sachta || !jeJeden(prurez, {"12/12", "14/14", "16/16"});
    NabidkaPruvodce n{{1, 2, 4}, maly ? std::vector<std::pair<int, int>>{{0, 0}} : kVsechnyUhly, true};
    if (orlex) n.ukonceni.push_back(3);
    return n;
}

NabidkaPruvodce nabidkaMiv2r(const QString& prurez, bool sachta) {
    std::vector<std::pair<int, int>> uhly{{0, 0}};
    if (jeJeden(prurez, {"12/16", "12/18", "12/20", "14/16", "14/18", "14/20"})) uhly = {{0, 0}, {0, 1}};
    else if (jeJeden(prurez, {"16/18", "16/20", "18/20"})) uhly = kVsechnyUhly;
    const bool orlex = sachta || !jeJeden(prurez, {"12/14", "12/16", "12/18", "12/20", "14/16"});
    NabidkaPruvodce n{{1, 2, 4}, uhly, true};
    if (orlex) n.ukonceni.push_back(3);
    return n;
}

template <typename K>
void overVlastnosti(const char* sekce, VlastnostiKalkulacky::Nabidka nabidka, VlastnostiKalkulacky::Vyjimka vyjimka,
                    int nejmene) {
    FakeServices sluzby;
    GlobalniData g;
    ASSERT_EQ(nactiDodanySystem(g, QString::fromLatin1(sekce)), QString());
    K k(g);
    VlastnostiKalkulacky v(g, k, std::move(nabidka), std::move(vyjimka));
    v.vse();
    EXPECT_GT(v.kalkulaci, nejmene);
    EXPECT_EQ(v.uprav, 2 * v.kalkulaci);
    EXPECT_TRUE(v.chyby.empty()) << v.zprava().toStdString();
}

}  // namespace

TEST(Miv2Vlastnosti, Dorva) { overVlastnosti<xDorva>("DORVA", nabidkaDorva, {}, 2000); }

TEST(Miv2Vlastnosti, Miv2s) { overVlastnosti<xMIV2S>("MIV2S", nabidkaMiv2s, {}, 30000); }

// Product rule: the second "Sada MIV" typed on the sheet moves flue 1 to its 45° liner, which
// "14/18" and "14/20" do not have.
TEST(Miv2Vlastnosti, Miv2r) {
    overVlastnosti<xMIV2R>("MIV2R", nabidkaMiv2r, [](int upraveny, int radek) { return upraveny == 2 && radek == 11; },
                           50000);
}

// The registry runs the three calculators by name, and the sheet's grids show their bills.
TEST(Miv2Vlastnosti, DispatchFillsTheSheet) {
    PevneNastaveni cs;
    struct {
        const char* system;
        Zadani z;
        int radek;  // a row with a quantity
        int ks;
    } const kPripady[] = {
        {"DORVA", {.prurez = "16"}, 2, 18},
        {"MIV2S", {.prurez = "16/16"}, 1, 18},
        {"MIV2R", {.prurez = "16/18", .sachta = true}, 4, 18},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.system);
        FakeServices sluzby;
        GlobalniData g;
        ASSERT_EQ(nactiDodanySystem(g, QString::fromLatin1(c.system)), QString());
        ASSERT_TRUE(zadej(g, c.z));
        const Kalkulacky k = vytvorKalkulacky(g);
        ASSERT_NE(k.najdi(QString::fromLatin1(c.system)), nullptr);
        MrizkyFixture m;
        SpocitejSorveniku(g, k, m.mrizky());
        ASSERT_EQ(m.tabulka.Rows(), 1 + g.dataSystemu.Polozky.radku());
        EXPECT_EQ(m.radek(c.radek).at(3), QString::number(c.ks));
        EXPECT_EQ(m.radek(c.radek).at(1), bunka(g, c.radek).ObjZnak);
    }
}

// A count beyond the 16-bit range is the overflow error, raised before the matrix changes.
TEST(Miv2Vlastnosti, AbsurdHeightIsTheOverflowError) {
    struct {
        const char* system;
        const char* prurez;
        Kalkulacka* (*vytvor)(GlobalniData&);
        bool prepocetCteVysku;
    } const kPripady[] = {
        {"DORVA", "20", [](GlobalniData& g) -> Kalkulacka* { return new xDorva(g); }, false},
        {"MIV2S", "20/20", [](GlobalniData& g) -> Kalkulacka* { return new xMIV2S(g); }, true},
        {"MIV2R", "18/20", [](GlobalniData& g) -> Kalkulacka* { return new xMIV2R(g); }, true},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(c.system);
        FakeServices sluzby;
        GlobalniData g;
        ASSERT_EQ(nactiDodanySystem(g, QString::fromLatin1(c.system)), QString());
        ASSERT_TRUE(zadej(g, {.prurez = c.prurez}));
        std::unique_ptr<Kalkulacka> k(c.vytvor(g));
        k->Spocitej();
        std::vector<Polozka> pred;
        for (int r = 1; r <= g.dataSystemu.Polozky.radku(); ++r) pred.push_back(bunka(g, r));
        g.sorvenikaParametry.Vyska = 11000.0f;
        EXPECT_EQ(cisloChyby([&] { k->Spocitej(); }), 6);
        EXPECT_EQ(cisloChyby([&] { k->Prepocitej(5, Integer(1)); }), c.prepocetCteVysku ? 6 : 0);
        if (!c.prepocetCteVysku) continue;  // the edit went through
        for (int r = 1; r <= g.dataSystemu.Polozky.radku(); ++r) EXPECT_EQ(bunka(g, r), pred[static_cast<size_t>(r - 1)]);
    }
}
