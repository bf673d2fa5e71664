#include "PoolThreads.h"

#include <QGuiApplication>
#include <QImageReader>

#include <gtest/gtest.h>

// Label sheets need a GUI application for the label's fonts, and no
// display and no widgets: without a platform chosen it runs on the offscreen one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    // A Letter page read back at 600 dpi is converted through 32-bit pixels.
    QImageReader::setAllocationLimit(512);
    const int status = RUN_ALL_TESTS();
    EndPoolThreads();
    return status;
}
