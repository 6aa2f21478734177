// Waiting with the events flowing: ends by its condition, by the program's clock or by the end
// of the session, which also ends every later wait at once.
#include "platform/Cekani.h"
#include "support/TestSupport.h"

#include <QTimer>
#include <gtest/gtest.h>

TEST(Cekani, EndsByConditionClockOrSessionEnd) {
    FakeServices sluzby;
    bool hotovo = false;
    QTimer::singleShot(0, [&] { hotovo = true; });
    EXPECT_EQ(cekani::cekej([&] { return hotovo; }, 1000), KonecCekani::Splneno);

    // The limit is measured on the program's clock, not the wall clock.
    int dotazu = 0;
    EXPECT_EQ(cekani::cekej([&] { sluzby.clock.ms += 100; return ++dotazu < 0; }, 1000), KonecCekani::Vyprselo);
    EXPECT_GE(dotazu, 10);

    QTimer::singleShot(0, [] { cekani::ukonciSezeni(); });
    EXPECT_EQ(cekani::cekej([] { return false; }), KonecCekani::KonecSezeni);
    EXPECT_TRUE(cekani::sezeniKonci());
    EXPECT_EQ(cekani::cekej([] { return true; }), KonecCekani::KonecSezeni);
    cekani::obnovSezeni();
    EXPECT_EQ(cekani::cekej([] { return true; }), KonecCekani::Splneno);
}
