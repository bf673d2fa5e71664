#pragma once

#include "InputValues.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// What the view benchmarks share.

// The panel's values: the start-up Height and Show Text, Code 39, and a data
// text the benchmark sets.
struct BenchPanel : CInputValues {
    QString data;
    QString HeightText() const override { return QStringLiteral("0.75"); }
    QString DataText() const override { return data; }
    QLineEdit* TextField() const override { return nullptr; }
    bool IsShowTextChecked() const override { return true; }
    void SetWidthText(const QString&) override {}
    int SelectedSymbology() const override { return 0; }
    void SetStartValues(const QString&, const QString&, bool) override {}
    void FillSymbologyList(const QStringList&, int) override {}
};

// Runs the benchmarks inside a widget application, without a display unless
// a platform is chosen.
inline int RunBenchmarksWithWidgets(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
