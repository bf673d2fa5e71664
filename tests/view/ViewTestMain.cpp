#include <QApplication>

#include <gtest/gtest.h>

// The view tests need a GUI application (widgets, fonts, printers) but no
// display: without a platform chosen they run on the offscreen one, also when
// CTest lists them at build time.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
