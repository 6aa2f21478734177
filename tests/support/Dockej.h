#pragma once
// Every wait of the tests ends at the event it awaits. The ceiling only stops a test that would
// hang: it is generous, because the suite runs beside other builds and tests on a busy machine.
#include <QtCore/qtestsupport_core.h>

inline constexpr int kStropCekaniMs = 60000;

// Keeps the events flowing until `hotovo` holds; false when the ceiling came first.
template <typename Podminka>
[[nodiscard]] bool dockej(Podminka hotovo) {
    return QTest::qWaitFor(hotovo, kStropCekaniMs);
}
