// Cost of label sheets: one page of thirty different labels as the printer
// gets it (the whole page's 1-bit image at its resolution), and a label of a
// long PDF document (its shapes written, the document never held whole), and
// a 4x6 in roll label drawn and encoded for a thermal printer.
#include "LabelSheet.h"
#include "ZplWriter.h"

#include "GuiBench.h"

#include <benchmark/benchmark.h>

namespace {

SheetJob Job(int count, const char* layout = "letter-3x10") {
    std::string error;
    SheetJob job;
    job.layout = *ParseSheetLayout(layout, &error);
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

// One roll label as the printer gets it: drawn at its dots and encoded as
// ZPL; the bytes per label against the label's uncompressed dots.
void BM_ZplRollLabel(benchmark::State& state) {
    const SheetJob job = Job(1, "roll-4x6in");
    const int dpi = static_cast<int>(state.range(0));
    qsizetype bytes = 0;
    qsizetype dots = 0;
    for (auto _ : state) {
        const QImage label = RenderSheetPage(job, 0, dpi, dpi);
        bytes = ZplLabel(label, PrinterProfile{}).size();
        dots = static_cast<qsizetype>((label.width() + 7) / 8) * label.height();
    }
    state.counters["zpl_bytes"] = static_cast<double>(bytes);
    state.counters["image_bytes"] = static_cast<double>(dots);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ZplRollLabel)->Arg(203)->Arg(300)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithFonts(argc, argv);
}
