#include "PoolThreads.h"

#include <QApplication>

#include <gtest/gtest.h>

#ifdef __linux__
#include <sched.h>
#include <sys/mount.h>
#endif

// The view tests need a GUI application (widgets, fonts, printers) but no
// display: without a platform chosen they run on the offscreen one, also when
// CTest lists them at build time.
int main(int argc, char** argv) {
#ifdef __linux__
    // A mount namespace of the program's own, taken while it has one thread:
    // the small file systems the save tests mount are seen by no other
    // program and go with this one. Without the right to do so, those tests
    // say so and use failures that need no mount.
    if (::unshare(CLONE_NEWNS) == 0) {
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
    }
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    const int status = RUN_ALL_TESTS();
    EndPoolThreads();
    return status;
}
