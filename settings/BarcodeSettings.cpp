#include "BarcodeSettings.h"

#include "SettingsStore.h"

#include <QSettings>

#include <memory>
#include <mutex>

namespace {

constexpr std::string_view kSection = "Barcode";
constexpr std::string_view kDensityKey = "Density";
constexpr std::string_view kRatioKey = "Ratio";

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
        RatioOrDefault(ReadProfileInt(store, Latin1(kSection), Latin1(kRatioKey), kDefaultRatio))};
}

void WriteBarcodeSettings(QSettings& store, const BarcodeSettings& before,
                          const BarcodeSettings& wanted) {
    if (wanted.density != before.density) {
        store.setValue(StoreKey(kDensityKey), wanted.density);
    }
    if (wanted.ratio != before.ratio) {
        store.setValue(StoreKey(kRatioKey), wanted.ratio);
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
