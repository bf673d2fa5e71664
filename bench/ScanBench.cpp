// Typing smoothness with the scan check: the time on the user-interface
// thread from a change of the Text field to the finished redraw, without the
// check and with what the main view does for it at each draw; the one-off
// cost of starting a check when drawing pauses, and the check's own cost on
// the runner's thread.
#include "BarcodeView.h"
#include "QtBench.h"
#include "ScanCheckRunner.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <array>

namespace {

// Two texts in turn, so that every draw is of a new symbol.
const std::array<QString, 2> kTyped{QStringLiteral("21898623818"), QStringLiteral("21898623819")};
constexpr int kPauseMs = 150; // as the main view waits
// The barcode view's part of the first main window.
constexpr int kViewWidth = 620;
constexpr int kViewHeight = 400;

// The timer the main view restarts at every draw.
struct PauseTimer : QTimer {
    PauseTimer() {
        setSingleShot(true);
        setInterval(kPauseMs);
    }
};

struct ShownView {
    SymbologyId id;
    BenchPanel panel;
    CBarcodeView view;
    // The view of the benchmark's symbology, painted once; the benchmark is
    // skipped when it does not paint.
    explicit ShownView(benchmark::State& state) : id(static_cast<SymbologyId>(state.range(0))) {
        panel.data = kTyped[0];
        view.SetInputValues(&panel);
        view.SetSymbology(static_cast<int>(id));
        view.resize(kViewWidth, kViewHeight);
        view.show();
        // Painting starts once the window is exposed.
        for (int round = 0; round < 100 && view.Barcode() == nullptr; ++round) {
            QApplication::processEvents();
            view.repaint();
        }
        if (!Drawn()) {
            state.SkipWithError("the view does not paint");
        }
    }
    bool Drawn() const { return view.Barcode() != nullptr; }
    // A text change and the redraw it leads to, painted at once.
    void TypeAndRedraw(int round) {
        panel.data = kTyped[static_cast<std::size_t>(round % 2)];
        view.repaint();
    }
    ScanJob Job() const {
        return MakeScanJob(
            *view.RequestOf(OutputFormat::Bmp, view.logicalDpiX(), view.logicalDpiY(), true));
    }
};

void BM_TypeAndRedraw(benchmark::State& state) {
    ShownView shown(state);
    if (!shown.Drawn()) {
        return;
    }
    int round = 0;
    for (auto _ : state) {
        shown.TypeAndRedraw(++round);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TypeAndRedraw)->Arg(0)->Arg(2)->Arg(9)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The same, and after each redraw what the main view does for the check: the
// running check becomes stale and the pause timer restarts; the check starts
// only when drawing pauses, as it never does here.
void BM_TypeAndRedrawWithScanCheck(benchmark::State& state) {
    ShownView shown(state);
    if (!shown.Drawn()) {
        return;
    }
    CScanCheckRunner runner;
    runner.Start(shown.Job()); // a check under way, as after the last pause
    PauseTimer pause;
    int round = 0;
    for (auto _ : state) {
        shown.TypeAndRedraw(++round);
        runner.Cancel();
        pause.start();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_TypeAndRedrawWithScanCheck)
    ->Arg(0)
    ->Arg(2)
    ->Arg(9)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// Only what the check adds to a draw, measured alone: on a loaded machine the
// redraw's own spread is larger than this.
void BM_CheckWorkPerDraw(benchmark::State& state) {
    CScanCheckRunner runner;
    PauseTimer pause;
    for (auto _ : state) {
        runner.Cancel();
        pause.start();
    }
}
BENCHMARK(BM_CheckWorkPerDraw)->Unit(benchmark::kMicrosecond);

// What the pause costs the user-interface thread once: the job built from the
// drawn symbol and handed to the runner.
void BM_StartCheckAfterThePause(benchmark::State& state) {
    ShownView shown(state);
    if (!shown.Drawn()) {
        return;
    }
    CScanCheckRunner runner;
    for (auto _ : state) {
        runner.Start(shown.Job());
        runner.Cancel();
    }
}
BENCHMARK(BM_StartCheckAfterThePause)->Arg(0)->Arg(2)->Arg(9)->Unit(benchmark::kMicrosecond);

// The check itself, off the user-interface thread: render, read, compare.
void BM_ScanCheckOfTheSample(benchmark::State& state) {
    ShownView shown(state);
    if (!shown.Drawn()) {
        return;
    }
    ScanJob job = shown.Job();
    job.request.zoom = 2; // a size at which the sample scans, so no larger one is tried
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckScan(job));
    }
}
BENCHMARK(BM_ScanCheckOfTheSample)->Arg(0)->Arg(2)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithWidgets(argc, argv);
}
