#include "PoolThreads.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// The output library needs a GUI application for the label's fonts, and no
// display and no widgets: without a platform chosen it runs on the offscreen one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    const int status = RUN_ALL_TESTS();
    EndPoolThreads();
    return status;
}
