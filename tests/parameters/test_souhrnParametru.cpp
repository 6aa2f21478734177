// The parameter summary of a costing: lines, outer dimensions, picture, price options and the
// middle-set decision.
#include "costing/SouhrnParametru.h"

#include "engine/EngineFixture.h"

#include <gtest/gtest.h>

namespace {

// A parameter set from "key=value" words over a MIV "18" chimney of 9,5 m with a cover plate.
SorvenikaParametry parametry(const QString& zadani) {
    SorvenikaParametry p;
    p.System = QStringLiteral("MIV");
    p.Prurez = QStringLiteral("18");
    p.Vyska = 9.5f;
    p.Ukonceni = 4;
    p.Zaznam.PiktogramPrurez = QStringLiteral("Pict\\MIV_P.gif|Pict\\MIV25_P.gif||Pict\\MIV_S_P.gif");
    for (const QString& t : zadani.split(u' ', Qt::SkipEmptyParts)) {
        const QString k = t.section(u'=', 0, 0), v = t.section(u'=', 1);
        if (k == "system") p.System = v;
        else if (k == "prurez") p.Prurez = v;
        else if (k == "sachta") p.Sachta = true;
        else if (k == "vyska") p.Vyska = v.toFloat();
        else if (k == "u") p.Ukonceni = v.toInt();
        else if (k == "vu") p.VyskaUkonceni = v.toFloat();
        else if (k == "plast") p.DruhPlaste = v.toInt();
        else if (k == "pikt") p.Zaznam.PiktogramPrurez = v;
        else ADD_FAILURE() << "unknown parameter " << t.toStdString();
    }
    return p;
}

}  // namespace

// Each case: the parameters, then the four lines; an empty line other than the last is not checked.
TEST(ParameterSummary, LinesUnderCzechAndDotSettings) {
    PevneNastaveni cs;
    for (const QStringList& c : pripady("pripady/souhrn.txt")) {
        const SouhrnParametru s = SouhrnSorveniky(parametry(c[0]), 0);
        for (int i = 0; i < 4; ++i)
            if (!c[i + 1].isEmpty() || i == 3) { EXPECT_EQ(s.parametry[i], c[i + 1]) << c[0].toStdString(); }
    }
    PevneNastaveni en(QStringLiteral("en_US"));
    const SouhrnParametru s = SouhrnSorveniky(parametry(QStringLiteral("sachta u=3 vu=1.2")), 0);
    EXPECT_EQ(std::pair(s.parametry[1], s.parametry[3]), std::pair(QStringLiteral("Výška : 9.5 m"), QStringLiteral("Ukončení : Orlex (1.2 m)")));
}

TEST(ParameterSummary, OuterDimensions) {
    PevneNastaveni cs;
    for (const QStringList& c : pripady("pripady/tvarnice.txt"))
        EXPECT_EQ(SouhrnSorveniky(parametry(c[0]), 0).tvarnice, c[1]) << c[0].toStdString();
}

TEST(ParameterSummary, CrossSectionPicture) {
    const std::pair<const char*, const char*> kPripady[] = {
        {"sachta", "Pict\\MIV_S_P.gif"}, {"prurez=25", "Pict\\MIV25_P.gif"}, {"prurez=20", "Pict\\MIV_P.gif"},
        // The second name is for MIV alone.
        {"system=T-REMOL prurez=30", "Pict\\MIV_P.gif"}, {"system=MIV2R prurez=18/20 pikt=a.gif||b.gif", "a.gif"},
        // A value without the expected parts: no picture.
        {"sachta pikt=a.gif", ""}, {"prurez=30 pikt=a.gif||b.gif", ""},
    };
    for (const auto& [z, obrazek] : kPripady)
        EXPECT_EQ(SouhrnSorveniky(parametry(QString::fromLatin1(z)), 0).obrazekPrurezu, QString::fromLatin1(obrazek)) << z;
}

TEST(ParameterSummary, MiddleSetFitsOnlySomeMivChimneys) {
    for (const QStringList& c : pripady("pripady/sadaStred.txt"))
        EXPECT_EQ(SouhrnSorveniky(parametry(c[0]), 0).sadaStred, c[1] == "1") << c[0].toStdString();
}

TEST(ParameterSummary, PricesHiddenOnlyForTRemolOfAnOrdinaryUser) {
    for (const char* s : {"T-REMOL", "T-REMOL2S", "T-REMOL2R"}) {
        const QString z = QStringLiteral("system=") + QLatin1String(s);
        EXPECT_FALSE(SouhrnSorveniky(parametry(z), 0).ceny) << s;
        EXPECT_TRUE(SouhrnSorveniky(parametry(z), 1).ceny) << s;
    }
    EXPECT_TRUE(SouhrnSorveniky(parametry(QStringLiteral("system=KALVIR")), 0).ceny);
}
