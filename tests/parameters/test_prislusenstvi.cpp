// Which accessories a chimney can have, and the picker's model over those rules.
#include "parameters/ModelPrislusenstvi.h"

#include "platform/DataPaths.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using Boxy = std::set<int>;

Boxy rozsah(int od, int po) {
    Boxy b;
    for (int i = od; i <= po; ++i) b.insert(i);
    return b;
}
Boxy operator+(Boxy a, const Boxy& b) {
    a.insert(b.begin(), b.end());
    return a;
}

}  // namespace

// Worked out by hand from the availability tables, at least one per branch and per kind of
// condition; each the whole vector.
TEST(AccessoryAvailability, WorkedExamples) {
    struct Pripad {
        const char* nazev;
        VstupDostupnosti v;
        Boxy povolene;
        bool druhySkryty;  // the flue-2 connections 16 to 21
    };
    const Boxy pruchody = rozsah(27, 32);
    const Pripad kPripady[] = {
        {"MIV 16, casing", {"MIV", "16", false, 0, 1}, Boxy{0, 1, 2, 8, 9, 10, 11, 12, 15, 26} + pruchody, true},
        {"MIV 25", {"MIV", "25", false, 0, 4}, Boxy{0, 1, 8, 9, 26} + pruchody, true},
        {"MIV 25 at 45", {"MIV", "25", false, 1, 4}, {0, 1, 8, 9, 26}, true},
        {"MIV 30 with shaft", {"MIV", "30", true, 0, 4}, Boxy{0, 1, 8, 22, 26} + pruchody, true},
        {"MIV 60", {"MIV", "60", false, 0, 4}, Boxy{26} + pruchody, true},
        {"T-REMOL 14 with shaft, cladding", {"T-REMOL", "14", true, 0, 2}, {0, 1, 8, 9, 15, 22, 23, 24, 26}, true},
        {"MIV2R 16/18, plate", {"MIV2R", "16/18", false, 0, 4}, {0, 1, 2, 8, 9, 10, 11, 12, 15, 17, 18, 19, 26}, false},
        {"MIV2R 12/14 with shaft, Orlex", {"MIV2R", "12/14", true, 0, 3}, {0, 1, 8, 9, 15, 21, 22, 23, 24, 26}, false},
        {"T-REMOL2R 14/16 with shaft, cladding", {"T-REMOL2R", "14/16", true, 0, 2},
         {0, 1, 8, 9, 15, 16, 17, 18, 21, 22, 23, 24, 26}, false},
        {"MIV2S 18/18 with shaft, Orlex", {"MIV2S", "18/18", true, 0, 3},
         {0, 1, 8, 9, 11, 12, 13, 17, 18, 19, 22, 23, 24, 26}, false},
        {"T-REMOL2S 20/20, plate", {"T-REMOL2S", "20/20", false, 0, 4},
         {0, 1, 2, 8, 9, 11, 12, 13, 14, 17, 18, 19, 20, 26}, false},
        {"DORVA", {"DORVA", "14", false, 0, 4}, {}, false},
        {"KARNELO 18 with shaft", {"KARNELO", "18", true, 0, 4}, Boxy{0, 1, 11, 13, 22, 24, 25, 33, 35} + pruchody, true},
        {"KARNELO2S 18/18 with shaft", {"KARNELO2S", "18/18", true, 0, 5},
         {0, 1, 11, 13, 17, 19, 22, 24, 25, 33, 34, 35}, false},
        {"KARNELO2R 16/20 with shaft at 45, plate", {"KARNELO2R", "16/20", true, 1, 4},
         {0, 1, 10, 11, 12, 15, 17, 19, 20, 22, 24, 25, 35}, false},
        {"KARNELO2R 12/20", {"KARNELO2R", "12/20", false, 1, 4}, {0, 1, 15, 17, 19, 20, 35}, false},
        {"KALVIR, cladding", {"KALVIR", "16", false, 0, 2}, Boxy{0, 1} + rozsah(8, 35), false},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        const Dostupnost d = DostupnostPrislusenstvi(c.v);
        Boxy povolene, skryte;
        for (int i = 0; i < kPocetPrislusenstvi; ++i) {
            if (d.povoleny[static_cast<size_t>(i)] && d.viditelny[static_cast<size_t>(i)]) povolene.insert(i);
            if (!d.viditelny[static_cast<size_t>(i)]) skryte.insert(i);
        }
        EXPECT_EQ(povolene, c.povolene);
        EXPECT_EQ(skryte, rozsah(3, 7) + (c.druhySkryty ? rozsah(16, 21) : Boxy{}));
    }
}

TEST(AccessoryPicker, HeadingsSplitTheCrossSection) {
    const std::pair<const char*, std::array<QString, 2>> kPripady[] = {
        {"16", {"16", ""}}, {"14/16", {"14", "16"}}, {"", {"", ""}}};
    for (const auto& [prurez, nadpisy] : kPripady) {
        const ModelPrislusenstvi m({"MIV", QString::fromLatin1(prurez)}, {});
        EXPECT_EQ((std::array<QString, 2>{m.nadpis(0), m.nadpis(1)}), nadpisy) << prurez;
    }
}

// Reopening keeps what can still be had; OK stores every box as it stands, the hand-over
// boxes included; a click on a box that cannot be ticked changes nothing.
TEST(AccessoryPicker, TicksFromTheFlagsAndOkStoresEveryBox) {
    Priznaky predtim{};
    for (int i : {0, 3, 13, 16, 26}) predtim[static_cast<size_t>(i)] = true;
    // MIV "16" without shaft: 13 is disabled, 16 and 3 are hidden.
    ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, predtim);
    for (int i : {0, 3, 13, 16, 26}) EXPECT_EQ(m.box(i).zaskrtnuty, i == 0 || i == 26) << i;

    m.nastav(13, true);  // disabled
    m.nastav(16, true);  // hidden
    m.nastav(26, false);
    m.nastav(1, true);
    m.predej({.soupravy = {false, true, false}, .doKrovu = false, .doHrebene = true});
    Priznaky ocekavane{};
    for (int i : {0, 1, 4, 7}) ocekavane[static_cast<size_t>(i)] = true;
    EXPECT_EQ(m.priznaky(), ocekavane);
    EXPECT_EQ(ModelPrislusenstvi({"DORVA", "14"}, predtim).priznaky(), Priznaky{});
}

TEST(AccessoryPicker, PreviewOnlyForBoxesThatGetTheMouse) {
    const ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, {});
    const std::optional<NahledPrislusenstvi> n = m.nahled(27);
    ASSERT_TRUE(n);
    EXPECT_TRUE(n->obrazek.startsWith(dataDir()) && n->obrazek.endsWith(QStringLiteral("/Pict/Prislusenstvi/27.jpg")));
    EXPECT_EQ(n->nazev, QStringLiteral("prostup 150mm"));
    EXPECT_EQ(n->popis, QStringLiteral("Slouží k prostupu kouřovodu hořlavou stěnou"));
    for (int i : {3, 7, 13, 16, 33}) EXPECT_FALSE(m.nahled(i)) << i;
}
