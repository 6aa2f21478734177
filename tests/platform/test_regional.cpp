#include "platform/Errors.h"
#include "platform/Regional.h"

#include <gtest/gtest.h>

namespace {
const QString nbsp(QChar(0x00A0));

}  // namespace

TEST(Regional, CzechIsTheDefaultWhateverTheMachineAndTheEnvironmentOverrides) {
    EXPECT_EQ(std::pair(Regional::current().desetinnaCarka(), Regional::current().oddelovacTisicu()),
              std::pair(QChar(u','), QChar(0x00A0)));
    qputenv("SORVENIKA_LOCALE", "C");
    Regional::setCurrent({});
    EXPECT_EQ(Regional::current().Format(12345.678), QStringLiteral("12,345.68"));
    qunsetenv("SORVENIKA_LOCALE");
    Regional::setCurrent({});
}

TEST(Regional, FormatGroupsAndRoundsUnderBothSeparators) {
    const Regional cs, c(QStringLiteral("C"));
    struct { double v; int dec; bool grp; QString cs, c; } cases[] = {
        {1234.5, 2, true, QStringLiteral("1") + nbsp + QStringLiteral("234,50"), QStringLiteral("1,234.50")},
        {0.125, 2, true, QStringLiteral("0,13"), QStringLiteral("0.13")},
        {-1234567.891, 2, true, QStringLiteral("-1") + nbsp + QStringLiteral("234") + nbsp + QStringLiteral("567,89"),
         QStringLiteral("-1,234,567.89")},
        {999.999, 2, true, QStringLiteral("1") + nbsp + QStringLiteral("000,00"), QStringLiteral("1,000.00")},
        {21, 0, false, QStringLiteral("21"), QStringLiteral("21")},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(cs.Format(k.v, k.dec, k.grp), k.cs) << k.v;
        EXPECT_EQ(c.Format(k.v, k.dec, k.grp), k.c) << k.v;
    }
}

TEST(Regional, ParsesRegionalNumbersAndRefusesOthers) {
    const Regional cs, c(QStringLiteral("C"));
    struct { QString text; bool csOk; double csV; bool cOk; double cV; } cases[] = {
        // The original's conversion skips thousand separators wherever they stand.
        {QStringLiteral("20,5"), true, 20.5, true, 205},
        {QStringLiteral("20.5"), false, 0, true, 20.5},
        {QStringLiteral(" 21 "), true, 21, true, 21},
        {QStringLiteral("1 234,5"), true, 1234.5, false, 0},
        {QStringLiteral("1") + nbsp + QStringLiteral("234,5"), true, 1234.5, false, 0},
        {QStringLiteral("1,234.5"), false, 0, true, 1234.5},
        {QStringLiteral("1E3"), true, 1000, true, 1000},
        {QStringLiteral(""), false, 0, false, 0},
        {QStringLiteral("12abc"), false, 0, false, 0},
        {QStringLiteral(","), false, 0, false, 0},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(cs.IsNumeric(k.text), k.csOk) << k.text.toStdString();
        EXPECT_EQ(c.IsNumeric(k.text), k.cOk) << k.text.toStdString();
        if (k.csOk) EXPECT_DOUBLE_EQ(cs.CDbl(k.text), k.csV);
        else EXPECT_THROW(cs.CDbl(k.text), RuntimeError);
        if (k.cOk) EXPECT_DOUBLE_EQ(c.CDbl(k.text), k.cV);
        else EXPECT_THROW(c.CDbl(k.text), RuntimeError);
    }
}

TEST(Regional, CurrencyTextRoundTripsExactly) {
    const Regional cs;
    struct { QString text; qint64 raw; QString back; } cases[] = {
        {QStringLiteral("20,5"), 205000, QStringLiteral("20,5")},
        {QStringLiteral("0,00005"), 0, QStringLiteral("0")},       // half to even, decimal exact
        {QStringLiteral("0,00015"), 2, QStringLiteral("0,0002")},
        {QStringLiteral("0,000151"), 2, QStringLiteral("0,0002")},
        {QStringLiteral("-1 234,56"), -12345600, QStringLiteral("-1234,56")},
        {QStringLiteral("1,5E2"), 1500000, QStringLiteral("150")},
    };
    for (const auto& k : cases) {
        const Currency v = cs.CCur(k.text);
        EXPECT_EQ(v.raw(), k.raw) << k.text.toStdString();
        EXPECT_EQ(cs.Str(v), k.back) << k.text.toStdString();
    }
    EXPECT_THROW(cs.CCur(QStringLiteral("99999999999999999999")), RuntimeError);
    EXPECT_EQ(cs.CInt(QStringLiteral("2,5")), 2);
    EXPECT_THROW(cs.CInt(QStringLiteral("40000")), RuntimeError);
}

TEST(Regional, StrGivesFifteenSignificantDigitsAndDatesTheShortForm) {
    const Regional cs, c(QStringLiteral("C"));
    EXPECT_EQ(std::pair(cs.Str(20.5), c.Str(20.5)), std::pair(QStringLiteral("20,5"), QStringLiteral("20.5")));
    EXPECT_EQ(cs.Str(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(cs.Str(-0.0), QStringLiteral("0"));
    EXPECT_EQ(cs.Str(1e20), QStringLiteral("1E+20"));

    const std::pair<const char*, QDate> data[] = {
        {"5.12.2026", QDate(2026, 12, 5)}, {"01.02.2009", QDate(2009, 2, 1)}, {"1.2.09", QDate(2009, 2, 1)},
        {"1.2.45", QDate(1945, 2, 1)},     {"31.2.2009", {}}, {"nikdy", {}}, {"", {}}, {"5.12", {}},
    };
    for (const auto& [text, datum] : data) {
        EXPECT_EQ(cs.IsDate(QString::fromLatin1(text)), datum.isValid()) << text;
        if (datum.isValid()) { EXPECT_EQ(cs.CDate(QString::fromLatin1(text)), datum); }
    }
    EXPECT_EQ(cs.KratkeDatum(QDate(2009, 2, 1)), QStringLiteral("1.2.2009"));
    EXPECT_EQ(c.KratkeDatum(QDate(2009, 2, 1)), QStringLiteral("2/1/2009"));
    EXPECT_EQ(c.CDate(QStringLiteral("2/1/2009")), QDate(2009, 2, 1));
}
