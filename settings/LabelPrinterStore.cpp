#include "LabelPrinterStore.h"

#include <QSettings>
#include <QUrl>

namespace {

// A printer's name may hold any character, '/' included: it is
// percent-encoded into its group.
QString GroupOf(const QString& name) {
    return QStringLiteral("LabelPrinter/") + QString::fromLatin1(QUrl::toPercentEncoding(name));
}

std::optional<int> ReadInt(const QSettings& store, const QString& key, int low, int high) {
    bool ok = false;
    const int value = store.value(key).toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

} // namespace

std::optional<PrinterProfile> ReadLabelPrinter(QSettings& store, const QString& name) {
    if (name.isEmpty() || !store.childGroups().contains(QStringLiteral("LabelPrinter"))) {
        return std::nullopt;
    }
    store.beginGroup(GroupOf(name));
    const bool stored = !store.childKeys().isEmpty();
    PrinterProfile profile;
    profile.name = name;
    // ZPL is the one language so far; a profile naming another is not used.
    const QString language =
        store.value(QStringLiteral("Language"), QStringLiteral("zpl")).toString().toLower();
    if (const std::optional<int> dpi = ReadInt(store, QStringLiteral("Dpi"), 0, 600);
        dpi && IsPrintHeadDpi(*dpi)) {
        profile.dpi = *dpi;
    }
    profile.darkness = ReadInt(store, QStringLiteral("Darkness"), 0, kMaxDarkness);
    profile.speed = ReadInt(store, QStringLiteral("Speed"), kMinPrintSpeed, kMaxPrintSpeed);
    profile.mediaMode = MediaModeByName(store.value(QStringLiteral("MediaMode")).toString())
                            .value_or(MediaMode::Printer);
    profile.mediaType = MediaTypeByName(store.value(QStringLiteral("MediaType")).toString())
                            .value_or(MediaType::Printer);
    profile.offsetXDots =
        ReadInt(store, QStringLiteral("HomeX"), 0, kMaxHomeOffsetDots).value_or(0);
    profile.offsetYDots =
        ReadInt(store, QStringLiteral("HomeY"), 0, kMaxHomeOffsetDots).value_or(0);
    profile.barReduction =
        ReadInt(store, QStringLiteral("BarReduction"), 0, kMaxProfileBarReduction).value_or(0);
    store.endGroup();
    if (!stored || language != QLatin1String("zpl")) {
        return std::nullopt;
    }
    return profile;
}

void WriteLabelPrinter(QSettings& store, const PrinterProfile& profile) {
    store.remove(GroupOf(profile.name));
    store.beginGroup(GroupOf(profile.name));
    store.setValue(QStringLiteral("Language"), QStringLiteral("zpl"));
    store.setValue(QStringLiteral("Dpi"), profile.dpi);
    if (profile.darkness) {
        store.setValue(QStringLiteral("Darkness"), *profile.darkness);
    }
    if (profile.speed) {
        store.setValue(QStringLiteral("Speed"), *profile.speed);
    }
    store.setValue(QStringLiteral("MediaMode"), MediaModeName(profile.mediaMode));
    store.setValue(QStringLiteral("MediaType"), MediaTypeName(profile.mediaType));
    store.setValue(QStringLiteral("HomeX"), profile.offsetXDots);
    store.setValue(QStringLiteral("HomeY"), profile.offsetYDots);
    store.setValue(QStringLiteral("BarReduction"), profile.barReduction);
    store.endGroup();
}
