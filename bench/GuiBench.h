#pragma once

#include <QGuiApplication>

#include <benchmark/benchmark.h>

// Runs the benchmarks inside a GUI application (the labels need its fonts),
// without widgets and without a display unless a platform is chosen: the
// output library as the tool runs it.
inline int RunBenchmarksWithFonts(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
