#include "platform/Vysledek.h"

#include <gtest/gtest.h>

// A failure handed on keeps the title its message is shown under (a printer's failure is shown
// as "Tiskárna"), whatever the result's type on either side.
TEST(Vysledek, AFailureHandedOnKeepsItsTitleAndText) {
    const Vysledek<int> tisk = Chyba{QStringLiteral("Tiskárna není připravena."), QStringLiteral("Tiskárna")};
    const auto predej = [&](const QString& dodatek) -> Vysledek<> { return tisk.selhani(dodatek); };
    for (const QString& dodatek : {QString(), QStringLiteral(" Nic nebylo vytištěno.")}) {
        const Vysledek<> v = predej(dodatek);
        ASSERT_FALSE(v);
        EXPECT_EQ(v.chyba(), QStringLiteral("Tiskárna není připravena.") + dodatek);
        EXPECT_EQ(v.zdroj(), QStringLiteral("Tiskárna"));
    }
    const Vysledek<> prazdny = Chyba{QStringLiteral("x")};
    EXPECT_EQ(prazdny.selhani().zdroj, kZdrojProgramu);
}
