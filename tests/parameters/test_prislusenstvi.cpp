// Which accessories a chimney can have, and the picker's model over those rules.
#include "parameters/ModelPrislusenstvi.h"

#include "platform/DataPaths.h"

#include <QStringList>
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

Boxy povolene(const Dostupnost& d) {
    Boxy b;
    for (int i = 0; i < kPocetPrislusenstvi; ++i)
        if (d.povoleny[static_cast<size_t>(i)] && d.viditelny[static_cast<size_t>(i)]) b.insert(i);
    return b;
}
Boxy skryte(const Dostupnost& d) {
    Boxy b;
    for (int i = 0; i < kPocetPrislusenstvi; ++i)
        if (!d.viditelny[static_cast<size_t>(i)]) b.insert(i);
    return b;
}

const Boxy kPredavaci = rozsah(3, 7);

// A second reading of the availability tables, box by box as the tables are written, to hold
// the data tables against over every combination of the inputs.
Dostupnost druheCteni(const VstupDostupnosti& v) {
    const QString& P = v.Prurez;
    const auto je = [&](std::initializer_list<const char*> l) {
        for (const char* x : l)
            if (P == QLatin1String(x)) return true;
        return false;
    };
    const bool s = v.Sachta, k90 = v.Kourovod == 0, orlex = v.Ukonceni == 3;
    std::array<bool, kPocetPrislusenstvi> en;
    en.fill(true);
    bool skryjDruhy = false;
    const auto nastav = [&](std::initializer_list<int> boxy, bool b) {
        for (int i : boxy) en[static_cast<size_t>(i)] = b;
    };
    const auto nastavRozsah = [&](int od, int po, bool b) {
        for (int i = od; i <= po; ++i) en[static_cast<size_t>(i)] = b;
    };
    const QString& sys = v.System;
    if (sys == "MIV" || sys == "T-REMOL") {
        nastav({0, 1}, !je({"12", "40", "45", "60"}));
        nastav({2}, !je({"25", "30", "35", "40", "45", "60"}));
        nastav({8}, s ? !je({"35", "40", "45", "60"}) : !je({"30", "35", "40", "45", "60"}));
        nastav({9}, s ? !je({"30", "35", "40", "45", "60"}) : !je({"35", "40", "45", "60"}));
        nastav({10}, P == "16");
        nastav({11, 12}, je({"16", "18", "20"}));
        nastav({13}, je({"18", "20"}));
        nastav({14}, P == "20");
        nastav({15}, je({"12", "14", "16"}));
        skryjDruhy = true;
        nastav({22}, s);
        nastav({23, 24}, s && je({"12", "14", "16", "18", "20"}));
        nastav({25}, false);
        nastav({26}, true);
        nastavRozsah(27, 32, sys == "MIV" && k90);
        nastavRozsah(33, 35, false);
    } else if (sys == "MIV2R" || sys == "T-REMOL2R") {
        nastav({2}, !s && !je({"12/14", "12/16", "14/16"}) && !orlex);
        nastav({10}, P == "16/18");
        nastav({11, 12}, je({"16/18", "16/20", "18/20"}));
        nastav({13}, P == "18/20");
        nastav({14}, false);
        nastav({15}, P != "18/20");
        nastav({16}, je({"12/16", "14/16"}));
        nastav({17, 18}, P != "12/14");
        nastav({19}, !je({"12/14", "12/16", "14/16"}));
        nastav({20}, je({"12/20", "14/20", "16/20", "18/20"}));
        nastav({21}, je({"12/14", "12/16", "14/16"}));
        nastav({22, 23, 24}, s);
        nastav({25}, false);
        nastavRozsah(27, 35, false);
    } else if (sys == "MIV2S" || sys == "T-REMOL2S") {
        nastav({0, 1}, !je({"12/12", "14/14"}));
        nastav({2}, s ? !orlex : je({"18/18", "20/20"}) && !orlex);
        nastav({10, 16}, P == "16/16");
        nastav({11, 12, 17, 18}, je({"16/16", "18/18", "20/20"}));
        nastav({13, 19}, je({"18/18", "20/20"}));
        nastav({14, 20}, P == "20/20");
        nastav({15, 21}, je({"12/12", "14/14", "16/16"}));
        nastav({22, 23, 24}, s);
        nastav({25}, false);
        nastavRozsah(27, 35, false);
    } else if (sys == "DORVA") {
        nastav({0, 1, 2}, false);
        nastavRozsah(8, 35, false);
    } else if (sys == "KARNELO") {
        nastav({2, 8, 9}, false);
        nastav({10, 12}, P == "16");
        nastav({11}, je({"16", "18", "20"}));
        nastav({13}, je({"18", "20"}));
        nastav({14}, P == "20");
        nastav({15}, je({"12", "14", "16"}));
        skryjDruhy = true;
        nastav({22, 24, 25}, s);
        nastav({23, 26, 34}, false);
        nastavRozsah(27, 32, k90);
    } else if (sys == "KARNELO2S") {
        nastav({2, 8, 9, 14, 20, 23}, false);
        nastav({10, 12, 16, 18}, P == "16/16");
        nastav({11, 17}, je({"16/16", "18/18"}));
        nastav({13, 19}, P == "18/18");
        nastav({15, 21}, je({"12/12", "14/14", "16/16"}));
        nastav({22, 24, 25}, s);
        nastavRozsah(26, 32, false);
    } else if (sys == "KARNELO2R") {
        nastav({2, 8, 9, 14, 23}, false);
        nastav({10, 12}, je({"16/18", "16/20"}));
        nastav({11}, je({"16/18", "16/20", "18/20"}));
        nastav({13}, P == "18/20");
        nastav({15}, P != "18/20");
        nastav({16, 18}, je({"12/16", "14/16"}));
        nastav({17}, P != "12/14");
        nastav({19}, !je({"12/14", "12/16", "14/16"}));
        nastav({20}, je({"12/20", "14/20", "16/20", "18/20"}));
        nastav({21}, je({"12/14", "12/16", "14/16"}));
        nastav({22, 24, 25}, s);
        nastavRozsah(26, 32, false);
        nastav({33, 34}, !je({"12/20", "14/20", "16/20", "18/20"}));
    }
    if (v.Ukonceni == 2) en[2] = false;

    Dostupnost d;
    d.povoleny = en;
    for (int i = 0; i < kPocetPrislusenstvi; ++i)
        d.viditelny[static_cast<size_t>(i)] = !(i >= 3 && i <= 7) && !(skryjDruhy && i >= 16 && i <= 21);
    return d;
}

}  // namespace

// The examples worked out by hand: one or more per branch, each the whole vector.
TEST(AccessoryAvailability, WorkedExamples) {
    struct Pripad {
        const char* nazev;
        VstupDostupnosti v;
        Boxy povolene;
        Boxy skryte;
    };
    const Boxy druhy = rozsah(16, 21);
    const Pripad kPripady[] = {
        {"MIV 16, casing", {"MIV", "16", false, 0, 1}, Boxy{0, 1, 2, 8, 9, 10, 11, 12, 15, 26} + rozsah(27, 32),
         kPredavaci + druhy},
        {"T-REMOL 14 with shaft, cladding", {"T-REMOL", "14", true, 0, 2}, {0, 1, 8, 9, 15, 22, 23, 24, 26},
         kPredavaci + druhy},
        {"KARNELO2R 16/20 with shaft at 45, plate", {"KARNELO2R", "16/20", true, 1, 4},
         {0, 1, 10, 11, 12, 15, 17, 19, 20, 22, 24, 25, 35}, kPredavaci},
        {"MIV2S 18/18 with shaft, Orlex", {"MIV2S", "18/18", true, 0, 3},
         {0, 1, 8, 9, 11, 12, 13, 17, 18, 19, 22, 23, 24, 26}, kPredavaci},
        {"KALVIR, cladding", {"KALVIR", "16", false, 0, 2}, Boxy{0, 1} + rozsah(8, 35), kPredavaci},
        {"DORVA", {"DORVA", "14", false, 0, 4}, {}, kPredavaci},
        {"MIV 25", {"MIV", "25", false, 0, 4}, Boxy{0, 1, 8, 9, 26} + rozsah(27, 32), kPredavaci + druhy},
        {"MIV 25 at 45", {"MIV", "25", false, 1, 4}, {0, 1, 8, 9, 26}, kPredavaci + druhy},
        {"KARNELO 18 with shaft", {"KARNELO", "18", true, 0, 4}, Boxy{0, 1, 11, 13, 22, 24, 25, 33, 35} + rozsah(27, 32),
         kPredavaci + druhy},
        {"MIV2R 16/18, plate", {"MIV2R", "16/18", false, 0, 4}, {0, 1, 2, 8, 9, 10, 11, 12, 15, 17, 18, 19, 26},
         kPredavaci},
        {"MIV2R 12/14 with shaft, Orlex", {"MIV2R", "12/14", true, 0, 3}, {0, 1, 8, 9, 15, 21, 22, 23, 24, 26},
         kPredavaci},
        {"KARNELO2S 18/18 with shaft", {"KARNELO2S", "18/18", true, 0, 5}, {0, 1, 11, 13, 17, 19, 22, 24, 25, 33, 34, 35},
         kPredavaci},
    };
    for (const Pripad& c : kPripady) {
        SCOPED_TRACE(c.nazev);
        const Dostupnost d = DostupnostPrislusenstvi(c.v);
        EXPECT_EQ(povolene(d), c.povolene);
        EXPECT_EQ(skryte(d), c.skryte);
    }
}

// Every system, every label any system offers, both shaft states, both angles and every
// termination code: the data tables agree with the box-by-box reading.
TEST(AccessoryAvailability, TablesAgreeWithASecondReadingEverywhere) {
    const QStringList systemy{"MIV",       "MIV2R",     "MIV2S",     "DORVA",  "KARNELO", "KARNELO2S", "KARNELO2R",
                              "T-REMOL",   "T-REMOL2S", "T-REMOL2R", "KALVIR", "ORVIK",   "SELVAN"};
    const QStringList prurezy{"",      "12",    "14",    "16",    "18",    "20",    "25",    "30",    "35",
                              "40",    "45",    "60",    "12/12", "14/14", "16/16", "18/18", "20/20", "12/14",
                              "12/16", "12/18", "12/20", "14/16", "14/18", "14/20", "16/18", "16/20", "18/20"};
    int rozdilu = 0;
    for (const QString& s : systemy)
        for (const QString& p : prurezy)
            for (bool sachta : {false, true})
                for (int k : {0, 1})
                    for (int u = 0; u <= 6; ++u) {
                        const VstupDostupnosti v{s, p, sachta, k, u};
                        const Dostupnost a = DostupnostPrislusenstvi(v);
                        const Dostupnost b = druheCteni(v);
                        // A hidden box's enabled state is never seen.
                        for (size_t i = 0; i < a.povoleny.size(); ++i) {
                            const bool shoda = a.viditelny[i] == b.viditelny[i] &&
                                               (!a.viditelny[i] || a.povoleny[i] == b.povoleny[i]);
                            if (!shoda && ++rozdilu <= 10)
                                ADD_FAILURE() << s.toStdString() << " " << p.toStdString() << " shaft " << sachta
                                              << " angle " << k << " termination " << u << ": box " << i;
                        }
                    }
    EXPECT_EQ(rozdilu, 0);
}

TEST(AccessoryPicker, HeadingsSplitTheCrossSection) {
    const std::pair<const char*, std::array<QString, 2>> kPripady[] = {
        {"16", {"16", ""}}, {"14/16", {"14", "16"}}, {"18/18", {"18", "18"}}, {"", {"", ""}}};
    for (const auto& [prurez, nadpisy] : kPripady) {
        const ModelPrislusenstvi m({"MIV", QString::fromLatin1(prurez)}, {});
        EXPECT_EQ(m.nadpis(0), nadpisy[0]) << prurez;
        EXPECT_EQ(m.nadpis(1), nadpisy[1]) << prurez;
    }
}

// Reopening keeps what can still be had; OK stores every box as it stands, the hand-over
// boxes included; a click on a box that cannot be ticked changes nothing.
TEST(AccessoryPicker, TicksFromTheFlagsAndOkStoresEveryBox) {
    Priznaky predtim{};
    for (int i : {0, 3, 13, 16, 26}) predtim[static_cast<size_t>(i)] = true;
    // MIV "16" without shaft: 13 is disabled, 16 and 3 are hidden.
    ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, predtim);
    EXPECT_TRUE(m.box(0).zaskrtnuty);
    EXPECT_TRUE(m.box(26).zaskrtnuty);
    for (int i : {3, 13, 16}) EXPECT_FALSE(m.box(i).zaskrtnuty) << i;

    m.nastav(13, true);  // disabled
    m.nastav(16, true);  // hidden
    m.nastav(26, false);
    m.nastav(1, true);
    m.predej({.soupravy = {false, true, false}, .doKrovu = false, .doHrebene = true});
    Priznaky ocekavane{};
    for (int i : {0, 1, 4, 7}) ocekavane[static_cast<size_t>(i)] = true;
    EXPECT_EQ(m.priznaky(), ocekavane);

    // Nothing ticked: all 36 flags go False.
    EXPECT_EQ(ModelPrislusenstvi({"DORVA", "14"}, predtim).priznaky(), Priznaky{});
}

TEST(AccessoryPicker, PreviewOnlyForBoxesThatGetTheMouse) {
    const ModelPrislusenstvi m({"MIV", "16", false, 0, 4}, {});
    const std::optional<NahledPrislusenstvi> n = m.nahled(27);
    ASSERT_TRUE(n);
    EXPECT_TRUE(n->obrazek.endsWith(QStringLiteral("/Pict/Prislusenstvi/27.jpg"))) << n->obrazek.toStdString();
    EXPECT_TRUE(n->obrazek.startsWith(dataDir()));
    EXPECT_EQ(n->nazev, QStringLiteral("prostup 150mm"));
    EXPECT_EQ(n->popis, QStringLiteral("Slouží k prostupu kouřovodu hořlavou stěnou"));
    for (int i : {3, 7, 13, 16, 33}) EXPECT_FALSE(m.nahled(i)) << i;
}
