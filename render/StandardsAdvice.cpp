#include "StandardsAdvice.h"

#include <array>
#include <cmath>

#include <QCoreApplication>

namespace {

constexpr double kMillimetresPerMil = 25.4 / 1000.0;

QString Millimetres(double value) {
    return QString::number(value, 'f', 3);
}

} // namespace

QString StandardsAdvice(const DrawnMeasure& measure, bool* meets) {
    const SymbolRange* range = PublishedRange(measure.symbology);
    if (meets != nullptr) {
        *meets = true;
    }
    if (range == nullptr || measure.moduleMils <= 0) {
        return {};
    }
    const double x = measure.moduleMils * kMillimetresPerMil;
    const double height = measure.barLengthMils * kMillimetresPerMil;
    const double leastHeight = range->heightScalesWithX
                                   ? range->heightAtRecommendedX * x / range->recommendedX
                                   : range->heightAtRecommendedX;
    // Within a thousandth of a millimetre: the figures are published to it.
    constexpr double kSlack = 0.0005;
    const bool xWithin = x + kSlack >= range->minX && x - kSlack <= range->maxX;
    const bool heightWithin = height + kSlack >= leastHeight;
    const QuietZone zone = FactsOf(measure.symbology).quietZone;
    const double quietModules = measure.quietMils / measure.moduleMils;
    const bool quietWithin = quietModules + 1e-6 >= std::max(zone.before, zone.after);
    if (meets != nullptr) {
        *meets = xWithin && heightWithin && quietWithin;
    }
    const QString quiet = zone.before == zone.after
                              ? QStringLiteral("%1 X").arg(zone.before)
                              : QStringLiteral("%1 X / %2 X").arg(zone.before).arg(zone.after);
    return QCoreApplication::translate(
               "StandardsAdvice",
               "GS1: X %1 mm, %2 the %3 to %4 mm range; bars %5 mm high, %6 %7 mm "
               "for this X; quiet zones %8 X each side, %9 %10")
        .arg(Millimetres(x),
             xWithin ? QCoreApplication::translate("StandardsAdvice", "within")
                     : (x < range->minX ? QCoreApplication::translate("StandardsAdvice", "below")
                                        : QCoreApplication::translate("StandardsAdvice", "above")),
             Millimetres(range->minX), Millimetres(range->maxX), QString::number(height, 'f', 2),
             heightWithin ? QCoreApplication::translate("StandardsAdvice", "at least")
                          : QCoreApplication::translate("StandardsAdvice", "short of"),
             // Rounded up: a height shown as enough is enough.
             QString::number(std::ceil(leastHeight * 100 - 1e-6) / 100, 'f', 2),
             QString::number(std::floor(quietModules)),
             quietWithin ? QCoreApplication::translate("StandardsAdvice", "at least")
                         : QCoreApplication::translate("StandardsAdvice", "short of"),
             quiet);
}
