// Cost of one symbol's construction with the program's settings reader
// installed: every construction reads Density and Ratio from the store.
#include "BarcodeSettings.h"
#include "Symbologies.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BuildCode39(benchmark::State& state) {
    for (auto _ : state) {
        const auto barcode = CreateBarcode(SymbologyId::Code39, "21898623818");
        benchmark::DoNotOptimize(barcode->Density());
    }
}

// The store holds both values, as after the Barcode Settings dialog.
void BM_BuildWithSettingsStore(benchmark::State& state) {
    {
        QSettings store;
        store.setValue("Barcode/Density", 12);
        store.setValue("Barcode/Ratio", 2);
    }
    SetProfileReader(SettingsStoreReader());
    BuildCode39(state);
    SetProfileReader({});
}
BENCHMARK(BM_BuildWithSettingsStore);

// The same construction with no reader: every value its default.
void BM_BuildWithoutStore(benchmark::State& state) {
    SetProfileReader({});
    BuildCode39(state);
}
BENCHMARK(BM_BuildWithoutStore);

} // namespace

int main(int argc, char** argv) {
    // A store of the benchmark's own, never the user's.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
