// Cost of one print-quality grade: a Code 128 symbol of 10-mil modules,
// 0.75 inches tall, as a 600-dpi grey image with white above and below.
#include "PrintModel.h"
#include "SymbolGrade.h"
#include "Symbologies.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kDpi = 600;

std::vector<std::uint8_t> Code128Image(int& width, int& height) {
    const auto barcode = CreateBarcode(SymbologyId::Code128, "QUILLMARK-0123456789", {10, 3});
    const Encoding encoding = barcode->Encode();
    std::vector<std::uint8_t> row(static_cast<std::size_t>(encoding.quietBefore * kDpi / 1000),
                                  255);
    for (const Element& element : encoding.elements) {
        row.insert(row.end(), static_cast<std::size_t>(element.width * kDpi / 1000),
                   element.bar ? 0 : 255);
    }
    row.insert(row.end(), static_cast<std::size_t>(encoding.quietAfter * kDpi / 1000), 255);
    width = static_cast<int>(row.size());
    const int bars = 750 * kDpi / 1000;
    height = bars + 150;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * 75, 255);
    for (int y = 0; y < bars; ++y) {
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 255);
    return pixels;
}

// Times one grade of the symbol's image, with what it graded and its size.
template <typename Grade> void TimeGrade(benchmark::State& state, Grade grade) {
    int width = 0;
    int height = 0;
    const std::vector<std::uint8_t> pixels = Code128Image(width, height);
    const GreyImage image{width, height, pixels.data(), width};
    double graded = 0;
    for (auto _ : state) {
        graded = grade(image).grade;
        benchmark::DoNotOptimize(graded);
    }
    state.counters["grade"] = graded;
    state.counters["pixels"] = static_cast<double>(width) * height;
}

void BM_GradeCode128At600Dpi(benchmark::State& state) {
    TimeGrade(state, [](const GreyImage& image) { return GradeImage(image); });
}
BENCHMARK(BM_GradeCode128At600Dpi)->Unit(benchmark::kMillisecond);

// The planned print's grade of the same symbol as 1-bit dots at 600 dpi:
// printed with 1.5 mils of gain, each dot cut in two samples, and graded.
void BM_GradePlannedPrintAt600Dpi(benchmark::State& state) {
    TimeGrade(state, [](const GreyImage& dots) { return GradePrint(dots, {kDpi, 1.5}); });
}
BENCHMARK(BM_GradePlannedPrintAt600Dpi)->Unit(benchmark::kMillisecond);

} // namespace
