#include "BarcodeSettings.h"

#include "SettingsStore.h"

#include <QSettings>

#include <memory>
#include <mutex>

namespace {

constexpr std::string_view kSection = "Barcode";
constexpr std::string_view kDensityKey = "Density";
constexpr std::string_view kRatioKey = "Ratio";
constexpr std::string_view kCodeSetsKey = "CodeSets";
constexpr std::string_view kBearerBarsKey = "BearerBars";
constexpr std::string_view kBarReductionKey = "BarReduction";
constexpr std::string_view kQuietZoneMarksKey = "QuietZoneMarks";
constexpr std::string_view kAddOnGapKey = "AddOnGap";

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString StoreKey(std::string_view key) {
    return Latin1(kSection) + QLatin1Char('/') + Latin1(key);
}

} // namespace

BarcodeSettings ReadBarcodeSettings(QSettings& store) {
    return {
        DensityOrDefault(
            ReadProfileInt(store, Latin1(kSection), Latin1(kDensityKey), kDefaultDensity)),
        RatioOrDefault(ReadProfileInt(store, Latin1(kSection), Latin1(kRatioKey), kDefaultRatio)),
        CodeSetChoiceOrDefault(ReadProfileInt(store, Latin1(kSection), Latin1(kCodeSetsKey),
                                              static_cast<int>(CodeSetChoice::AsTyped))),
        BearerBarsOrDefault(ReadProfileInt(store, Latin1(kSection), Latin1(kBearerBarsKey),
                                           static_cast<int>(BearerBars::Frame))),
        ReadProfileInt(store, Latin1(kSection), Latin1(kQuietZoneMarksKey), 0) == 1,
        AddOnGapOrDefault(
            ReadProfileInt(store, Latin1(kSection), Latin1(kAddOnGapKey), kDefaultAddOnGap))};
}

void WriteBarcodeSettings(QSettings& store, const BarcodeSettings& before,
                          const BarcodeSettings& wanted) {
    if (wanted.density != before.density) {
        store.setValue(StoreKey(kDensityKey), wanted.density);
    }
    if (wanted.ratio != before.ratio) {
        store.setValue(StoreKey(kRatioKey), wanted.ratio);
    }
    if (wanted.codeSets != before.codeSets) {
        store.setValue(StoreKey(kCodeSetsKey), static_cast<int>(wanted.codeSets));
    }
    if (wanted.bearers != before.bearers) {
        store.setValue(StoreKey(kBearerBarsKey), static_cast<int>(wanted.bearers));
    }
    if (wanted.quietZoneMarks != before.quietZoneMarks) {
        store.setValue(StoreKey(kQuietZoneMarksKey), wanted.quietZoneMarks ? 1 : 0);
    }
    if (wanted.addOnGap != before.addOnGap) {
        store.setValue(StoreKey(kAddOnGapKey), wanted.addOnGap);
    }
}

int ReadBarReduction(QSettings& store) {
    const int dots = ReadProfileInt(store, Latin1(kSection), Latin1(kBarReductionKey), 0);
    return dots >= 0 && dots <= kMaxBarReduction ? dots : 0;
}

void WriteBarReduction(QSettings& store, int before, int wanted) {
    if (wanted != before) {
        store.setValue(StoreKey(kBarReductionKey), wanted);
    }
}

ProfileReader SettingsStoreReader() {
    // Each reader keeps its own store, opened at its first read, so a reader
    // installed after the store's names are set reads the right file.
    struct SharedStore {
        std::mutex mutex;
        CSettingsStore store;
    };
    auto shared = std::make_shared<SharedStore>();
    return [shared](std::string_view section, std::string_view key, int defaultValue) {
        const std::lock_guard lock(shared->mutex);
        return ReadProfileInt(shared->store.Current(), Latin1(section), Latin1(key), defaultValue);
    };
}
