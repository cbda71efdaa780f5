#include <gtest/gtest.h>

#include <QApplication>

// Tests that need Qt run with a real QApplication on the offscreen platform
// unless a display platform was asked for.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
