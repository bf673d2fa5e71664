// Laying out one label of the shelf example: its fields filled in, the name
// shrunk to fit, the price measured and the SKU's Code 128 built at true size.
#include "DesignFile.h"
#include "DesignLayout.h"
#include "GuiBench.h"

#include <QDate>

namespace {

void LayOutShelfLabel(benchmark::State& state) {
    QString error;
    const std::optional<LabelDesign> design =
        LoadDesignFile(QStringLiteral(QUILLMARK_EXAMPLES "/shelf-label.qmd"), &error);
    if (!design) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    const CDesignRun run(*design,
                         {QStringLiteral("name"), QStringLiteral("price"), QStringLiteral("sku")},
                         QDate(2026, 12, 9));
    // A short name that fits at once, and a long one that shrinks.
    const DesignRecord record{0,
                              2,
                              {state.range(0) == 0
                                   ? QStringLiteral("Apples")
                                   : QStringLiteral("Coffee Beans, Dark Roast 12 oz"),
                               QStringLiteral("$11.49"), QStringLiteral("40170749")}};
    QStringList faults;
    for (auto _ : state) {
        benchmark::DoNotOptimize(run.LayOut(record, &faults));
    }
    state.SetLabel(state.range(0) == 0 ? "name fits" : "name shrinks");
}
BENCHMARK(LayOutShelfLabel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksWithFonts(argc, argv);
}
