// The accessory-row mechanism the calculators share, on a made-up table; which flag reaches which
// row of a system is in the system's case file.
#include "systems/TabulkaPrislusenstvi.h"

#include <gtest/gtest.h>
#include <vector>

TEST(TabulkaPrislusenstvi, RowsByFlagsAndConditions) {
    using R = RadekPrislusenstvi;
    constexpr RadekPrislusenstvi kTabulka[] = {
        {.radek = 1, .priznak = 0},
        {.radek = 2, .priznak = 1, .priznak2 = 2, .nasobek = 3},
        {.radek = 3, .priznak = 0, .prurezy = "12/12 16/18"},
        {.radek = 4, .priznak = 0, .sachta = R::Bez},
        {.radek = 5, .priznak = 0, .sachta = R::Se},
        {.radek = 6, .priznak = 0, .ukonceni = 3},
        {.radek = 7, .priznak = 0, .jenNabizeny = true},
        {.radek = 8, .priznak = 0, .jenNabizeny = true},
        {.radek = 9, .priznak = 1},
        {.radek = 9, .priznak = 0, .prurezy = "16"},  // a later row wins
    };
    struct {
        const char* prurez;
        bool sachta;
        int ukonceni;
        std::vector<int> priznaky;
        std::vector<int> radky;  // rows 1 to 10, each 7 before; a row whose conditions fail keeps it
    } const kPripady[] = {
        {"16/18", false, 3, {0}, {1, 0, 1, 1, 7, 1, 1, 0, 0, 7}},
        {"12/12", true, 4, {0}, {1, 0, 1, 7, 1, 7, 1, 0, 0, 7}},
        {"16", false, 1, {0}, {1, 0, 7, 1, 7, 7, 1, 0, 1, 7}},
        {"16/1", false, 1, {1}, {0, 3, 7, 0, 7, 7, 0, 0, 1, 7}},  // a label is matched whole
        {"16", false, 1, {1, 2}, {0, 6, 7, 0, 7, 7, 0, 0, 0, 7}},
        {"16", false, 1, {2, 35}, {0, 3, 7, 0, 7, 7, 0, 0, 0, 7}},
    };
    for (const auto& c : kPripady) {
        SCOPED_TRACE(testing::Message() << c.prurez << " shaft " << c.sachta << " termination " << c.ukonceni);
        SorvenikaParametry p;
        p.Prurez = QString::fromLatin1(c.prurez);
        p.Sachta = c.sachta;
        p.Ukonceni = c.ukonceni;
        p.Prislusenstvi.vytvor(35);
        for (int i : c.priznaky) p.Prislusenstvi(i) = true;
        VektorMnozstvi q(10);
        for (Integer& x : q) x = Integer(7);
        prenesPrislusenstvi(kTabulka, q, p, [](int radek) { return radek != 8; });  // row 8 is "-"
        for (int r = 1; r <= 10; ++r) EXPECT_EQ(q(r), c.radky[static_cast<size_t>(r - 1)]) << "row " << r;
    }
}
