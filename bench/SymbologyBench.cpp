// Cost of building and drawing symbols, independent of any device: a surface
// that only counts what it is asked to draw.
#include "Symbologies.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class CountingSurface : public Surface {
public:
    void Line(Point, Point, std::int32_t) override { ++lines; }
    Extent MeasureText(const Font& font, std::string_view text) override {
        return {static_cast<std::int32_t>(text.size()) * 67, font.height};
    }
    void DrawText(const Font&, Point, std::string_view) override { ++texts; }
    long lines = 0;
    long texts = 0;
};

// Build + draw, as the view does at every paint, for each symbology the factory knows.
void BM_BuildAndDraw(benchmark::State& state) {
    const auto id = static_cast<SymbologyId>(state.range(0));
    const std::string text(static_cast<std::size_t>(state.range(1)), '7');
    CountingSurface surface;
    for (auto _ : state) {
        const auto barcode = CreateBarcode(id, text);
        if (barcode) {
            Point origin{0, 0};
            barcode->Draw(surface, origin, 750, true, 0);
            benchmark::DoNotOptimize(origin);
        }
    }
    state.counters["lines/iter"] =
        benchmark::Counter(static_cast<double>(surface.lines), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BuildAndDraw)->ArgsProduct({benchmark::CreateDenseRange(0, 10, 1), {11, 10000}});

// What a repaint costs: the view encodes once per change and draws the kept
// encoding at every paint.
void BM_DrawKeptEncoding(benchmark::State& state) {
    const auto id = static_cast<SymbologyId>(state.range(0));
    const std::string text(static_cast<std::size_t>(state.range(1)), '7');
    const Encoding encoding = CreateBarcode(id, text)->Encode();
    CountingSurface surface;
    for (auto _ : state) {
        Point origin{0, 0};
        CBarcode::DrawEncoding(encoding, surface, origin, 750, true, 0);
        benchmark::DoNotOptimize(origin);
    }
}
BENCHMARK(BM_DrawKeptEncoding)->ArgsProduct({{0, 2, 6, 9}, {11, 10000}});

} // namespace
