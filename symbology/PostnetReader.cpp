#include "PostnetReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// A half bar is 50 of a full bar's 125 mils (0.4); anything above the
// midpoint of the two is a full bar.
constexpr double kFullBarThreshold = 0.7;
// Feet may differ by a rounded device unit or two; a quarter of a full bar
// still tells a bar standing on the common line from one that is not.
constexpr double kFootTolerance = 0.25;
// Bars lie one pitch apart; rounding to device units moves a centre by up
// to a unit, which at screen sizes is a fifth of the pitch.
constexpr double kPitchTolerance = 0.35;
constexpr std::size_t kBarsPerDigit = 5;
constexpr std::size_t kFullBarsPerDigit = 2;
constexpr std::array<int, kBarsPerDigit> kWeights{7, 4, 2, 1, 0};
constexpr int kWeightSumOfZero = 11; // 7 + 4 stands for the digit 0

PostnetReading Failure(std::string error) {
    return {{}, -1, std::move(error)};
}

double Median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// "1" for a full bar, "0" for a half bar, after the geometry is checked.
PostnetReading Heights(std::span<const PostnetBar> bars, std::string& heights) {
    double tallest = 0;
    for (const PostnetBar& bar : bars) {
        tallest = std::max(tallest, bar.height);
    }
    if (tallest <= 0) {
        return Failure("no bar has a height");
    }
    const double foot = Median([&] {
        std::vector<double> feet;
        for (const PostnetBar& bar : bars) {
            feet.push_back(bar.foot);
        }
        return feet;
    }());
    std::vector<double> pitches;
    for (std::size_t i = 1; i < bars.size(); ++i) {
        pitches.push_back(bars[i].centre - bars[i - 1].centre);
    }
    const double pitch = pitches.empty() ? 0 : Median(pitches);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (std::abs(bars[i].foot - foot) > kFootTolerance * tallest) {
            return Failure("bar " + std::to_string(i) + " does not stand on the common line");
        }
        if (i > 0 && std::abs(pitches[i - 1] - pitch) > kPitchTolerance * pitch) {
            return Failure("bar " + std::to_string(i) + " is off the pitch");
        }
        heights += bars[i].height > kFullBarThreshold * tallest ? '1' : '0';
    }
    return {};
}

} // namespace

PostnetReading ReadPostnet(std::span<const PostnetBar> input) {
    std::vector<PostnetBar> bars(input.begin(), input.end());
    std::sort(bars.begin(), bars.end(),
              [](const PostnetBar& a, const PostnetBar& b) { return a.centre < b.centre; });
    std::string heights;
    if (PostnetReading failed = Heights(bars, heights); !failed.Valid()) {
        return failed;
    }
    // Two frame bars around at least the check digit's group.
    if (heights.size() < kBarsPerDigit + 2 || (heights.size() - 2) % kBarsPerDigit != 0 ||
        heights.front() != '1' || heights.back() != '1') {
        return Failure("no frame bars around groups of five: " + heights);
    }
    std::string values;
    int sum = 0;
    for (std::size_t group = 1; group + 1 < heights.size(); group += kBarsPerDigit) {
        int weights = 0;
        std::size_t full = 0;
        for (std::size_t i = 0; i < kBarsPerDigit; ++i) {
            if (heights[group + i] == '1') {
                weights += kWeights[i];
                ++full;
            }
        }
        if (full != kFullBarsPerDigit) {
            return Failure("a group without two full bars: " + heights);
        }
        const int digit = weights % kWeightSumOfZero;
        values += static_cast<char>('0' + digit);
        sum += digit;
    }
    PostnetReading reading{values.substr(0, values.size() - 1), values.back() - '0', {}};
    if (sum % 10 != 0) {
        reading.error = "the check digit does not match";
    }
    return reading;
}
