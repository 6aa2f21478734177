#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Core tests never need a display; the regional service starts from its Czech default.
    qunsetenv("SORVENIKA_LOCALE");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
