// Cost of label sheets: one page of thirty different labels as the printer
// gets it (the whole page's 1-bit image at its resolution), and a label of a
// long PDF document (its shapes written, the document never held whole).
#include "LabelSheet.h"

#include "GuiBench.h"

#include <benchmark/benchmark.h>

namespace {

SheetJob Job(int count) {
    std::string error;
    SheetJob job;
    job.layout = *ParseSheetLayout("letter-3x10", &error);
    job.symbol.symbology = SymbologyId::Code128;
    QString sequenceError;
    job.labels = CheckLabels(SymbologyId::Code128,
                             SequenceLabels({"SN-", 100000, 7, count, 0, {}}, &sequenceError),
                             CodeSetChoice::AsTyped)
                     .labels;
    return job;
}

void BM_SheetPage(benchmark::State& state) {
    const SheetJob job = Job(30);
    const int dpi = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const QImage page = RenderSheetPage(job, 0, dpi, dpi);
        benchmark::DoNotOptimize(page.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(BM_SheetPage)->Arg(203)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond);

void BM_SheetPdf(benchmark::State& state) {
    const SheetJob job = Job(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        qsizetype bytes = 0;
        WriteSheetPdf(job, 300, [&bytes](const QByteArray& chunk) {
            bytes += chunk.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SheetPdf)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithFonts(argc, argv);
}
