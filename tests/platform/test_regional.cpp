#include "platform/Errors.h"
#include "platform/Regional.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

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
    for (const QStringList& k : pripady("pripady/format.txt")) {
        EXPECT_EQ(cs.Format(k[0].toDouble(), k[1].toInt(), k[2] == "1"), k[3]) << k[0].toStdString();
        EXPECT_EQ(c.Format(k[0].toDouble(), k[1].toInt(), k[2] == "1"), k[4]) << k[0].toStdString();
    }
}

TEST(Regional, ParsesRegionalNumbersAndRefusesOthers) {
    const Regional cs, c(QStringLiteral("C"));
    for (const QStringList& k : pripady("pripady/cdbl.txt")) {
        for (int i : {0, 1}) {
            const Regional& r = i ? c : cs;
            const QString& cekano = k[1 + i];
            EXPECT_EQ(r.IsNumeric(k[0]), cekano != "x") << k[0].toStdString() << " " << i;
            if (cekano == "x") EXPECT_THROW(r.CDbl(k[0]), RuntimeError);
            else EXPECT_DOUBLE_EQ(r.CDbl(k[0]), cekano.toDouble());
        }
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
    EXPECT_EQ(cs.ObecneDatum(QDateTime(QDate(2009, 2, 1), QTime(7, 5, 9))), QStringLiteral("1.2.2009 7:05:09"));
    EXPECT_EQ(cs.ObecneDatum(QDateTime(QDate(2009, 2, 1), QTime(0, 0))), QStringLiteral("1.2.2009"));
    EXPECT_EQ(c.CDate(QStringLiteral("2/1/2009")), QDate(2009, 2, 1));
}
