// The parameter summary of a costing: lines, outer dimensions, picture, price options and the
// middle-set decision.
#include "costing/SouhrnParametru.h"

#include "engine/EngineFixture.h"

#include <gtest/gtest.h>

namespace {

struct Zadani {
    const char* system = "MIV";
    const char* prurez = "18";
    bool sachta = false;
    float vyska = 9.5f;
    int ukonceni = 4;
    float vyskaUkonceni = 0;
    int druhPlaste = 0;
    const char* piktogram = "Pict\\MIV_P.gif|Pict\\MIV25_P.gif||Pict\\MIV_S_P.gif";
};

SorvenikaParametry parametry(const Zadani& z) {
    SorvenikaParametry p;
    p.System = QString::fromLatin1(z.system);
    p.Prurez = QString::fromLatin1(z.prurez);
    p.Sachta = z.sachta;
    p.Vyska = z.vyska;
    p.Ukonceni = z.ukonceni;
    p.VyskaUkonceni = z.vyskaUkonceni;
    p.DruhPlaste = z.druhPlaste;
    p.Zaznam.PiktogramPrurez = QString::fromLatin1(z.piktogram);
    return p;
}

}  // namespace

TEST(ParameterSummary, LinesUnderCzechAndDotSettings) {
    const std::pair<Zadani, std::array<const char*, 4>> kPripady[] = {
        {{.sachta = true, .ukonceni = 3, .vyskaUkonceni = 1.2f},
         {"Průměr komína : 18 cm", "Výška : 9,5 m", "Typ : S větrací šachtou", "Ukončení : Orlex (1,2 m)"}},
        {{.prurez = "14/16", .vyska = 5.33f, .ukonceni = 1, .vyskaUkonceni = 1.5f},
         {"Průměr komína : 14/16 cm", "Výška : 5,33 m", "Typ : Bez větrací šachty", "Ukončení : Obezdívka (1,5 m)"}},
        {{.vyska = 12, .ukonceni = 2, .vyskaUkonceni = 125, .druhPlaste = 1}, {"", "Výška : 12 m", "", "Ukončení : Plášť - omítka (125 cm)"}},
        {{.ukonceni = 2, .vyskaUkonceni = 250, .druhPlaste = 2}, {"", "", "", "Ukončení : Plášť - cihla (250 cm)"}},
        {{.ukonceni = 4}, {"", "", "", "Ukončení : Krycí deska bet. na místě"}},
        {{.ukonceni = 5}, {"", "", "", "Ukončení : KDS"}},
        {{.ukonceni = 6}, {"", "", "", "Ukončení : KDVO"}},
        // No termination, or a cladding without a finish: nothing left over from an earlier costing.
        {{.ukonceni = 0}, {"", "", "", ""}},
        {{.ukonceni = 2, .vyskaUkonceni = 100, .druhPlaste = 0}, {"", "", "", ""}},
    };
    PevneNastaveni cs;
    for (const auto& [z, radky] : kPripady) {
        SCOPED_TRACE(radky[3]);
        const SouhrnParametru s = SouhrnSorveniky(parametry(z), 0);
        for (size_t i = 0; i < 4; ++i)
            if (*radky[i] || i == 3) { EXPECT_EQ(s.parametry[i], QString::fromUtf8(radky[i])); }
    }
    PevneNastaveni en(QStringLiteral("en_US"));
    const SouhrnParametru s = SouhrnSorveniky(parametry(kPripady[0].first), 0);
    EXPECT_EQ(std::pair(s.parametry[1], s.parametry[3]), std::pair(QStringLiteral("Výška : 9.5 m"), QStringLiteral("Ukončení : Orlex (1.2 m)")));
}

TEST(ParameterSummary, OuterDimensions) {
    PevneNastaveni cs;
    for (const QStringList& c : pripady("pripady/tvarnice.txt")) {
        const QByteArray system = c[0].toLatin1(), prurez = c[1].toLatin1();
        const SouhrnParametru s = SouhrnSorveniky(parametry({.system = system.constData(), .prurez = prurez.constData(), .sachta = c[2] == "1"}), 0);
        EXPECT_EQ(s.tvarnice, c[3]) << c.join(' ').toStdString();
    }
}

TEST(ParameterSummary, CrossSectionPicture) {
    const std::tuple<Zadani, const char*> kPripady[] = {
        {{.prurez = "18", .sachta = true}, "Pict\\MIV_S_P.gif"},
        {{.prurez = "25"}, "Pict\\MIV25_P.gif"},
        {{.prurez = "20"}, "Pict\\MIV_P.gif"},
        // The second name is for MIV alone.
        {{.system = "T-REMOL", .prurez = "30"}, "Pict\\MIV_P.gif"},
        {{.system = "MIV2R", .prurez = "18/20", .piktogram = "a.gif||b.gif"}, "a.gif"},
        // A value without the expected parts: no picture.
        {{.prurez = "18", .sachta = true, .piktogram = "a.gif"}, ""},
        {{.prurez = "30", .piktogram = "a.gif||b.gif"}, ""},
    };
    for (const auto& [z, obrazek] : kPripady)
        EXPECT_EQ(SouhrnSorveniky(parametry(z), 0).obrazekPrurezu, QString::fromLatin1(obrazek))
            << z.system << " " << z.prurez << " " << z.piktogram;
}

TEST(ParameterSummary, MiddleSetFitsOnlySomeMivChimneys) {
    const std::tuple<Zadani, bool> kPripady[] = {
        // x = 9.5 - 3 - 1.2 = 5.3, but a shaft rules it out for 18.
        {{.prurez = "18", .sachta = true, .vyska = 9.5f, .ukonceni = 3, .vyskaUkonceni = 1.2f}, false},
        {{.prurez = "18", .vyska = 9.5f}, true},
        {{.prurez = "16", .vyska = 6.5f}, false},  // x = 3.5
        {{.prurez = "20", .sachta = true, .vyska = 8}, true},
        {{.prurez = "18", .vyska = 7.0f}, true},   // x = 4.0 exactly
        {{.prurez = "14", .vyska = 8, .ukonceni = 3, .vyskaUkonceni = 1.05f}, false},  // x = 3.95
        // Only the Orlex height counts against the chimney's.
        {{.prurez = "14", .vyska = 8, .ukonceni = 1, .vyskaUkonceni = 1.5f}, true},
        {{.prurez = "25", .vyska = 12}, false},
        {{.system = "T-REMOL", .prurez = "18", .vyska = 12}, false},
    };
    for (const auto& [z, sada] : kPripady)
        EXPECT_EQ(SouhrnSorveniky(parametry(z), 0).sadaStred, sada) << z.system << " " << z.prurez << " " << z.vyska;
}

TEST(ParameterSummary, PricesHiddenOnlyForTRemolOfAnOrdinaryUser) {
    for (const char* s : {"T-REMOL", "T-REMOL2S", "T-REMOL2R"}) {
        EXPECT_FALSE(SouhrnSorveniky(parametry({.system = s}), 0).ceny) << s;
        EXPECT_TRUE(SouhrnSorveniky(parametry({.system = s}), 1).ceny) << s;
    }
    EXPECT_TRUE(SouhrnSorveniky(parametry({.system = "KALVIR"}), 0).ceny);
}
