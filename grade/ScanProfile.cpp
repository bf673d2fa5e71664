#include "ScanProfile.h"

#include <algorithm>
#include <cstddef>

namespace {

// Where the line crosses the threshold between samples i - 1 and i, each
// sample standing for the middle of its pixel.
double Crossing(std::span<const double> r, std::size_t i, double threshold) {
    const double before = r[i - 1];
    const double after = r[i];
    const double t = after == before ? 0.5 : (threshold - before) / (after - before);
    return static_cast<double>(i) - 0.5 + std::clamp(t, 0.0, 1.0);
}

// The highest interior peak of a bar above its darkest point: a sample with
// a darker one on each side inside the bar. The ramps down into a bar and up
// out of it are no peaks. A space is the same upside down.
double NonUniformity(std::span<const double> r, bool bar) {
    const auto level = [&](std::size_t i) { return bar ? r[i] : -r[i]; };
    const std::size_t n = r.size();
    std::vector<double> rightMin(n);
    double low = 1e9;
    for (std::size_t i = n; i-- > 0;) {
        low = std::min(low, level(i));
        rightMin[i] = low;
    }
    double leftMin = 1e9;
    double peak = -1e9;
    for (std::size_t i = 0; i < n; ++i) {
        leftMin = std::min(leftMin, level(i));
        if (level(i) > leftMin && level(i) > rightMin[i]) {
            peak = std::max(peak, level(i));
        }
    }
    return peak == -1e9 ? 0.0 : peak - rightMin[0];
}

} // namespace

int ProfileMeasures::BarCount() const {
    return static_cast<int>(std::count_if(elements.begin(), elements.end(),
                                          [](const ProfileElement& e) { return e.bar; }));
}

ProfileMeasures MeasureProfile(std::span<const double> r) {
    ProfileMeasures m;
    if (r.empty()) {
        return m;
    }
    const auto [low, high] = std::minmax_element(r.begin(), r.end());
    m.rmin = *low;
    m.rmax = *high;
    m.symbolContrast = m.rmax - m.rmin;
    m.threshold = m.rmin + m.symbolContrast / 2.0;
    if (m.symbolContrast <= 0.0) {
        return m;
    }
    // The elements: runs of samples on one side of the threshold.
    std::size_t first = 0;
    for (std::size_t i = 1; i <= r.size(); ++i) {
        const bool bar = r[first] < m.threshold;
        if (i < r.size() && (r[i] < m.threshold) == bar) {
            continue;
        }
        ProfileElement element;
        element.bar = bar;
        element.start = first == 0 ? 0.0 : Crossing(r, first, m.threshold);
        element.end = i == r.size() ? static_cast<double>(r.size()) : Crossing(r, i, m.threshold);
        const std::span<const double> inside = r.subspan(first, i - first);
        const auto [darkest, lightest] = std::minmax_element(inside.begin(), inside.end());
        element.extreme = bar ? *darkest : *lightest;
        element.nonUniformity = NonUniformity(inside, bar);
        m.elements.push_back(element);
        first = i;
    }
    // Edge contrast between neighbours; non-uniformity of every element, the
    // quiet zones included.
    m.edgeContrastMin = m.elements.size() > 1 ? 100.0 : 0.0;
    for (std::size_t i = 0; i < m.elements.size(); ++i) {
        m.nonUniformityMax = std::max(m.nonUniformityMax, m.elements[i].nonUniformity);
        if (i > 0) {
            const double step = m.elements[i].extreme - m.elements[i - 1].extreme;
            m.edgeContrastMin = std::min(m.edgeContrastMin, step < 0 ? -step : step);
        }
    }
    m.modulation = 100.0 * m.edgeContrastMin / m.symbolContrast;
    m.defects = 100.0 * m.nonUniformityMax / m.symbolContrast;
    return m;
}

std::vector<double> SymbolWidths(const ProfileMeasures& m) {
    std::vector<double> widths;
    const auto isBar = [](const ProfileElement& e) { return e.bar; };
    const auto first = std::find_if(m.elements.begin(), m.elements.end(), isBar);
    const auto last = std::find_if(m.elements.rbegin(), m.elements.rend(), isBar);
    if (first == m.elements.end()) {
        return widths;
    }
    for (auto e = first; e != last.base(); ++e) {
        widths.push_back(e->Width());
    }
    return widths;
}
