#include "PoolThreads.h"

#include <QApplication>

#include <gtest/gtest.h>

// The render tests draw labels with the platform's fonts and compare with the
// desktop view's own bitmaps: a GUI application, no display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    const int status = RUN_ALL_TESTS();
    EndPoolThreads();
    return status;
}
