#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Closing a test's window must not end the application for the next test.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
