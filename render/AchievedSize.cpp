#include "AchievedSize.h"

#include "DeviceGrid.h"
#include "FieldValues.h"

#include <cmath>

#include <QCoreApplication>

namespace {

// Beyond this share off the Density the achieved width is called out.
constexpr double kTolerance = 0.10;

} // namespace

QString AchievedSizeText(const Encoding& encoding, int ratio, int dpi, int zoom,
                         const QString& unit) {
    if (dpi <= 0 || zoom <= 0) {
        return {};
    }
    const QString device =
        zoom > 1 ? QCoreApplication::translate("AchievedSize", "%1 dpi \u00d7%2").arg(dpi).arg(zoom)
                 : QCoreApplication::translate("AchievedSize", "%1 dpi").arg(dpi);
    if (encoding.module <= 0) {
        return QCoreApplication::translate("AchievedSize", "Bars at their own true size @ %1")
            .arg(device);
    }
    const double dotsPerInch = static_cast<double>(dpi) * zoom;
    const std::int64_t dots = DotsPerModule(encoding.module, dotsPerInch);
    const double achieved = AchievedModuleMils(encoding.module, dotsPerInch);
    QString text = QCoreApplication::translate("AchievedSize", "X %1 mil = %2 %3 @ %4")
                       .arg(MessageNumber(achieved, 1))
                       .arg(dots)
                       .arg(unit, device);
    if (ratio > 0) {
        text += QCoreApplication::translate("AchievedSize", ", ratio %1").arg(ratio);
    }
    if (std::abs(achieved - encoding.module) > kTolerance * encoding.module) {
        text += QCoreApplication::translate(
                    "AchievedSize", " \u2014 %1 mil cannot be drawn within 10 % at this resolution")
                    .arg(encoding.module);
    }
    return text;
}

QString AchievedSizeText(const CBarcode& barcode, const DeviceMapping& mapping,
                         const QString& unit) {
    return AchievedSizeText(barcode.Encode(), barcode.HasRatio() ? barcode.Ratio() : 0,
                            mapping.dpiX, mapping.zoom, unit);
}
