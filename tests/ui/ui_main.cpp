#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The window tests run headless wherever they run, listing included.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Closing a test's window must not end the application for the next test.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
