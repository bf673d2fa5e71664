#include "PrinterProfile.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<MediaMode, const char*>, 4> kModes{{
    {MediaMode::Printer, "printer"},
    {MediaMode::TearOff, "tear-off"},
    {MediaMode::Peel, "peel"},
    {MediaMode::Cutter, "cutter"},
}};

constexpr std::array<std::pair<MediaType, const char*>, 3> kTypes{{
    {MediaType::Printer, "printer"},
    {MediaType::DirectThermal, "direct"},
    {MediaType::ThermalTransfer, "transfer"},
}};

template <typename Value, std::size_t N>
QString NameOf(const std::array<std::pair<Value, const char*>, N>& table, Value value) {
    for (const auto& [row, name] : table) {
        if (row == value) {
            return QString::fromLatin1(name);
        }
    }
    return {};
}

template <typename Value, std::size_t N>
std::optional<Value> ByName(const std::array<std::pair<Value, const char*>, N>& table,
                            const QString& name) {
    const QString key = name.trimmed().toLower();
    for (const auto& [row, rowName] : table) {
        if (key == QLatin1String(rowName)) {
            return row;
        }
    }
    return std::nullopt;
}

} // namespace

bool IsPrintHeadDpi(int dpi) {
    return dpi == 203 || dpi == 300 || dpi == 600;
}

QString ProfileFault(const PrinterProfile& profile) {
    if (!IsPrintHeadDpi(profile.dpi)) {
        return QCoreApplication::translate(
                   "PrinterProfile", "a label printer prints at 203, 300 or 600 dpi, not at %1")
            .arg(profile.dpi);
    }
    if (profile.darkness && (*profile.darkness < 0 || *profile.darkness > kMaxDarkness)) {
        return QCoreApplication::translate("PrinterProfile", "the darkness is from 0 to %1, not %2")
            .arg(kMaxDarkness)
            .arg(*profile.darkness);
    }
    if (profile.speed && (*profile.speed < kMinPrintSpeed || *profile.speed > kMaxPrintSpeed)) {
        return QCoreApplication::translate(
                   "PrinterProfile", "the print speed is from %1 to %2 inches a second, not %3")
            .arg(kMinPrintSpeed)
            .arg(kMaxPrintSpeed)
            .arg(*profile.speed);
    }
    if (profile.barReduction < 0 || profile.barReduction > kMaxProfileBarReduction) {
        return QCoreApplication::translate("PrinterProfile",
                                           "the bar width reduction is from 0 to %1 dots, not %2")
            .arg(kMaxProfileBarReduction)
            .arg(profile.barReduction);
    }
    const auto outside = [](int dots) { return dots < 0 || dots > kMaxHomeOffsetDots; };
    if (outside(profile.offsetXDots) || outside(profile.offsetYDots)) {
        return QCoreApplication::translate("PrinterProfile",
                                           "the label home moves from 0 to %1 dots right and down")
            .arg(kMaxHomeOffsetDots);
    }
    return {};
}

QString MediaModeName(MediaMode mode) {
    return NameOf(kModes, mode);
}

std::optional<MediaMode> MediaModeByName(const QString& name) {
    return ByName(kModes, name);
}

QString MediaTypeName(MediaType type) {
    return NameOf(kTypes, type);
}

std::optional<MediaType> MediaTypeByName(const QString& name) {
    return ByName(kTypes, name);
}
