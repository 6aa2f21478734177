#include "platform/Errors.h"
#include "platform/Numbers.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <cfenv>
#include <cmath>

TEST(RoundingWords, HalvesGoToEvenAndRangesAreChecked) {
    struct { double x; int cint; } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-1.5, -2}, {32767.4, 32767}, {-32768.5, -32768}, {2.5000001, 3},
    };
    for (const auto& c : cases) EXPECT_EQ(CInt(c.x), c.cint) << c.x;
    for (double x : {32767.5, 32768.0, -32769.0, -32768.6, double(NAN), double(INFINITY)}) EXPECT_THROW(CInt(x), RuntimeError) << x;
    try { CInt(32768.0); } catch (const RuntimeError& e) { EXPECT_EQ(e.cislo(), 6); }

    // Whatever rounding mode a library left behind, and it is left as it was.
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(FE_TONEAREST);

    EXPECT_EQ(CLng(2147483647.0), 2147483647);
    EXPECT_EQ(CLng(-2.5), -2);
    EXPECT_THROW(CLng(2147483648.0), RuntimeError);
}

TEST(RoundingWords, RoundIntFixAndTheRoundUpIdioms) {
    struct { double x; int n; double r; } rounds[] = {
        {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {1.25, 1, 1.2}, {1.35, 1, 1.4}, {0.125, 2, 0.12},
        // Quantity round-up: any fraction above 0.01 gives the next piece.
        {4.0 + 0.49, 0, 4}, {4.02 + 0.49, 0, 5}, {4.01 + 0.49, 0, 4}, {4.5 + 0.49, 0, 5},
        // Money to tenths, in practice upward.
        {12.31 + 0.049, 1, 12.4}, {12.30 + 0.049, 1, 12.3},
    };
    for (const auto& c : rounds) EXPECT_DOUBLE_EQ(Round(c.x, c.n), c.r) << c.x << " " << c.n;

    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Fix(-2.5), -2);
    EXPECT_EQ(Fix(2.7), 2);
}

TEST(RoundingWords, ValReadsTheLeadingNumberWithAPointOnly) {
    for (const QStringList& c : pripady("pripady/val.txt")) EXPECT_DOUBLE_EQ(Val(c[0]), c[1].toDouble()) << c[0].toStdString();
}

TEST(IntegerType, ArithmeticOverflowRaisesInsteadOfWrapping) {
    Integer a(32767);
    EXPECT_THROW(a + 1, RuntimeError);
    EXPECT_THROW(Integer(-32768) - 1, RuntimeError);
    EXPECT_THROW(Integer(200) * Integer(200), RuntimeError);
    EXPECT_THROW(-Integer(-32768), RuntimeError);
    EXPECT_THROW(Integer(32768), RuntimeError);
    EXPECT_EQ(Integer(-32768).value(), -32768);
    EXPECT_EQ(idiv(Integer(-7), Integer(2)), -3);
    EXPECT_EQ(imod(Integer(-7), Integer(2)), -1);
    EXPECT_THROW(idiv(Integer(1), Integer(0)), RuntimeError);
    Integer k(10);
    k += Integer(5);
    ++k;
    EXPECT_EQ(k, 16);
    EXPECT_EQ(Integer::fromDouble(2.5), 2);
}

TEST(CurrencyType, ConvertsHalfToEvenAtTheFourthDecimal) {
    EXPECT_EQ(Currency::fromDouble(2.675).raw(), 26750);
    EXPECT_EQ(Currency::fromDouble(0.00025).raw(), 2);
    EXPECT_EQ(Currency::fromDouble(-1234.5).raw(), -12345000);
    EXPECT_EQ((Currency::fromInt(3) + Currency::fromRaw(5)).raw(), 30005);
    EXPECT_THROW(Currency::fromDouble(1e20), RuntimeError);
    EXPECT_THROW(Currency::fromRaw(std::numeric_limits<qint64>::max()) + Currency::fromRaw(1), RuntimeError);
}

TEST(DecimalRounding, HalfAwayFromZeroOnFifteenDigits) {
    for (const QStringList& c : pripady("pripady/roundDecimal.txt")) {
        const DecimalDigits d = roundDecimal(c[0].toDouble(), c[1].toInt());
        EXPECT_EQ(QStringList({d.cela, d.desetinna, d.zaporne ? "-" : ""}), c.mid(2)) << c[0].toStdString();
    }
    EXPECT_THROW(roundDecimal(NAN, 2), RuntimeError);
}
