// Cost of the view's render path: building the symbol and painting it onto a
// bitmap, as copy and save do, and a screen full of tiles.
#include "BarcodeView.h"
#include "QtBench.h"
#include "ResourceIds.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// One symbol rendered to a bitmap at a printer's resolution.
void BM_RenderBitmap600Dpi(benchmark::State& state) {
    BenchPanel panel;
    panel.data = QStringLiteral("012345678901"); // digits: valid for every symbology benchmarked
    CBarcodeView view;
    view.SetInputValues(&panel);
    view.SetSymbology(static_cast<int>(state.range(0)));
    constexpr int kDpi = 600;
    for (auto _ : state) {
        const QImage image = view.Output().RenderToImage(kDpi, kDpi, QSize(2400, 900));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderBitmap600Dpi)->Arg(0)->Arg(2)->Arg(9)->Unit(benchmark::kMillisecond);

// A full-HD screen of tiles, as a paint in tile mode draws it.
void BM_RenderTiledScreen(benchmark::State& state) {
    BenchPanel panel;
    panel.data = QStringLiteral("21898623818");
    CBarcodeView view;
    view.SetInputValues(&panel);
    CNotifyEvent tile(ids::kTileModeCheck, NotifyCode::Clicked);
    view.DispatchMessage(tile);
    constexpr int kDpi = 96;
    for (auto _ : state) {
        const QImage image = view.Output().RenderToImage(kDpi, kDpi, QSize(1920, 1080));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderTiledScreen)->Unit(benchmark::kMillisecond);

// One repaint of a 1026 x 649 view at the Text field's 32,767 characters:
// without tile mode (0) and in it (1).
void BM_RepaintLongTextView(benchmark::State& state) {
    BenchPanel panel;
    constexpr int kMaxText = 32767;
    panel.data = QString(kMaxText, QLatin1Char('7'));
    CBarcodeView view;
    view.SetInputValues(&panel);
    view.SetSymbology(2); // Code 128
    if (state.range(0) != 0) {
        CNotifyEvent tile(ids::kTileModeCheck, NotifyCode::Clicked);
        view.DispatchMessage(tile);
    }
    constexpr int kDpi = 96;
    for (auto _ : state) {
        const QImage image = view.Output().RenderToImage(kDpi, kDpi, QSize(1026, 649));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintLongTextView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithWidgets(argc, argv);
}
