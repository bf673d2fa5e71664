#include "DeviceMapping.h"

#include <cmath>
#include <cstdlib>
#include <limits>

double DeviceMapping::ScaleX() const {
    return gridScaleX > 0 ? gridScaleX : static_cast<double>(ViewportExtentX()) / kMilsPerInch;
}

double DeviceMapping::ScaleY() const {
    return gridScaleY > 0 ? gridScaleY : static_cast<double>(ViewportExtentY()) / kMilsPerInch;
}

QTransform DeviceMapping::MilsToDevice() const {
    // The negative vertical scale makes logical y grow upward.
    return QTransform(ScaleX(), 0, 0, -ScaleY(), viewportOrigin.x(), viewportOrigin.y());
}

DeviceMapping PrepareMapping(int zoom, int dpiX, int dpiY, const QRect& area) {
    return DeviceMapping{zoom, dpiX, dpiY, area, CentreOf(area)};
}

DeviceMapping PrepareMapping(int zoom, const QPaintDevice& device, const QRect& area) {
    const double ratio = device.devicePixelRatioF() > 0 ? device.devicePixelRatioF() : 1.0;
    const auto physical = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    DeviceMapping mapping =
        PrepareMapping(zoom, physical(device.logicalDpiX()), physical(device.logicalDpiY()),
                       QRect(physical(area.x()), physical(area.y()), physical(area.width()),
                             physical(area.height())));
    mapping.devicePixelRatio = ratio;
    return mapping;
}

QPoint CentreOf(const QRect& area) {
    // QRect::right() is inclusive; the exclusive edge is left + width.
    const std::int64_t left = area.left();
    const std::int64_t top = area.top();
    const std::int64_t right = left + area.width();
    const std::int64_t bottom = top + area.height();
    return {static_cast<int>((left + right) / 2), static_cast<int>((top + bottom) / 2)};
}

std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    if (c == 0) {
        return 0;
    }
    const bool negative = ((a < 0) != (b < 0)) != (c < 0);
    // Magnitudes; INT64_MIN has none, so it saturates like any huge value.
    auto magnitude = [](std::int64_t v) {
        return v == std::numeric_limits<std::int64_t>::min() ? kMax : std::llabs(v);
    };
    const std::int64_t ua = magnitude(a);
    const std::int64_t ub = magnitude(b);
    const std::int64_t uc = magnitude(c);
    if (ua != 0 && ub > kMax / ua) {
        return negative ? -kMax : kMax;
    }
    const std::int64_t product = ua * ub;
    // Round half away from zero: add half the divisor before dividing, unless
    // that would itself overflow.
    const std::int64_t rounded = product > kMax - uc / 2 ? product / uc : (product + uc / 2) / uc;
    return negative ? -rounded : rounded;
}
