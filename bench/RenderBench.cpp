// Cost of one batch line of quillmark-render without the file system: the
// symbol built, drawn into its 1-bit bitmap and encoded as the file's bytes.
// Every line has a text of its own, as in a run of serial numbers, so no
// label is drawn twice.
#include "SymbolRender.h"

#include "GuiBench.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_RenderBatchLine(benchmark::State& state) {
    RenderRequest request;
    request.symbology = SymbologyId::Code128;
    request.format = static_cast<OutputFormat>(state.range(0));
    request.showText = state.range(1) != 0;
    request.dpiX = request.dpiY = static_cast<int>(state.range(2));
    long serial = 0;
    for (auto _ : state) {
        request.text = "QM-" + std::to_string(100000 + serial++ % 900000) + "-ABCDEF";
        const RenderResult symbol = RenderSymbol(request);
        benchmark::DoNotOptimize(symbol.bytes.constData());
    }
}
// Format, label shown, resolution: at 600 dpi the label font is past the size
// whose glyphs the painter keeps, and it fills each glyph's outline instead.
BENCHMARK(BM_RenderBatchLine)
    ->Args({static_cast<int>(OutputFormat::Bmp), 1, 300})
    ->Args({static_cast<int>(OutputFormat::Bmp), 0, 300})
    ->Args({static_cast<int>(OutputFormat::Png), 1, 300})
    ->Args({static_cast<int>(OutputFormat::Bmp), 1, 600})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithFonts(argc, argv);
}
