// Waiting with the events flowing: ends by its condition, by the program's clock or by the end
// of the session, which also ends every later wait at once.
#include "platform/Cekani.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Cekani, EndsByConditionClockOrSessionEnd) {
    FakeServices sluzby;
    bool hotovo = false;
    const QObject kontext;
    QTimer::singleShot(0, &kontext, [&] { hotovo = true; });
    EXPECT_EQ(cekani::cekej([&] { return hotovo; }, 1000), KonecCekani::Splneno);

    // The limit is measured on the program's clock, not the wall clock: an hour of the timer
    // passes unnoticed while the clock stands, a second of the clock ends the wait.
    QElapsedTimer stopky;
    stopky.start();
    QTimer::singleShot(20, &kontext, [&] { sluzby.clock.ms += 999; });
    QTimer::singleShot(40, &kontext, [&] { sluzby.clock.ms += 1; });
    EXPECT_EQ(cekani::cekej([] { return false; }, 1000), KonecCekani::Vyprselo);
    EXPECT_LT(stopky.elapsed(), 900);

    // The condition is looked at as soon as the event that makes it hold has been handled.
    int dotazu = 0;
    hotovo = false;
    QTimer::singleShot(30, &kontext, [&] { hotovo = false; });
    QTimer::singleShot(80, &kontext, [&] { hotovo = true; });
    EXPECT_EQ(cekani::cekej([&] { ++dotazu; return hotovo; }, 5000), KonecCekani::Splneno);
    EXPECT_LE(dotazu, 5);  // at the start and after each of the two events; a 10 ms tick would give 9

    QTimer::singleShot(0, &kontext, [] { cekani::ukonciSezeni(); });
    EXPECT_EQ(cekani::cekej([] { return false; }), KonecCekani::KonecSezeni);
    EXPECT_TRUE(cekani::sezeniKonci());
    EXPECT_EQ(cekani::cekej([] { return true; }), KonecCekani::KonecSezeni);
    cekani::obnovSezeni();
    EXPECT_EQ(cekani::cekej([] { return true; }), KonecCekani::Splneno);
}
