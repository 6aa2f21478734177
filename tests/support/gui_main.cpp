#include "platform/QtApplication.h"
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The smallest screen the start-up accepts; no frame of its own, as the tests add a window
    // manager's (GuiSupport.h).
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SORVENIKA_SOURCE_DIR "/tests/support/obrazovka.json");
    qunsetenv("SORVENIKA_LOCALE");
    QtApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
