#pragma once

#include "BarcodeMainView.h"
#include "BarcodeView.h"
#include "InputPanel.h"
#include "MainFrame.h"
#include "ModalDialogs.h"
#include "QuillmarkApp.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

// The program's settings store, empty at the start of each test and again at
// its end, under the program's own names (test mode: never the user's).
class EmptyStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(kSettingsCompany);
        QCoreApplication::setApplicationName(kApplicationName);
        QSettings().clear();
    }
    void TearDown() override { QSettings().clear(); }
};

// The program as it starts, with its main window shown and active, so that
// focus, shortcuts, painting and scrolling work as for a user.
class ShownAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        ASSERT_TRUE(app.InitInstance(true));
        frame = app.MainFrame();
        host = app.MainView();
        view = host->BarcodeView();
        panel = host->InputPanel();
        frame->activateWindow();
        Settle();
    }
    void TearDown() override {
        frame->close();
        QSettings().clear();
    }

    // Lets pending paints and the work they queue run.
    static void Settle() {
        for (int round = 0; round < 5; ++round) {
            QApplication::processEvents();
        }
    }

    CQuillmarkApp app;
    CMainFrame* frame = nullptr;
    CBarcodeMainView* host = nullptr;
    CBarcodeView* view = nullptr;
    CInputPanel* panel = nullptr;
};
