#include "DeviceGrid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMilsPerInch = 1000.0;

} // namespace

std::int64_t DotsPerModule(std::int32_t module, double dotsPerInch) {
    const double dots = std::round(module * dotsPerInch / kMilsPerInch);
    // Far beyond any device; keeps the conversion defined for absurd inputs.
    constexpr double kMaxDots = 1e12;
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(std::min(dots, kMaxDots)));
}

double AlongDotsPerMil(const Encoding& encoding, double dotsPerInch) {
    if (encoding.module <= 0) {
        return dotsPerInch / kMilsPerInch;
    }
    return static_cast<double>(DotsPerModule(encoding.module, dotsPerInch)) / encoding.module;
}

double AchievedModuleMils(std::int32_t module, double dotsPerInch) {
    return dotsPerInch > 0 ? static_cast<double>(DotsPerModule(module, dotsPerInch)) *
                                 kMilsPerInch / dotsPerInch
                           : 0.0;
}
