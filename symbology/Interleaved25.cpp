#include "Interleaved25.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// The 2 of 5 digit patterns (ISO/IEC 16390, table of digit encodation): five
// elements per digit, exactly two of them wide.
constexpr std::array<std::string_view, 10> kDigitPatterns{
    "nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw", "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn",
};
constexpr std::size_t kElementsPerDigit = 5;
constexpr std::size_t kWidePerDigit = 2;

constexpr bool PatternsAreTwoOfFive() {
    return std::all_of(kDigitPatterns.begin(), kDigitPatterns.end(), [](std::string_view p) {
        return p.size() == kElementsPerDigit &&
               std::count(p.begin(), p.end(), 'w') == static_cast<std::ptrdiff_t>(kWidePerDigit);
    });
}
static_assert(PatternsAreTwoOfFive());

constexpr std::string_view kStart = "nnnn";
constexpr std::string_view kStop = "wnn";
// Narrow modules of the start and the stop besides the stop's wide bar.
constexpr std::int64_t kStartStopNarrow = 6;
// Narrow elements of each digit.
constexpr std::int64_t kNarrowPerDigit = kElementsPerDigit - kWidePerDigit;

} // namespace

CInterleaved25::CInterleaved25(std::string_view text, const BarWidths& widths)
    : CBarcode(std::string(text), widths) {
    if (m_strData.size() % 2 != 0) {
        m_strData.insert(0, 1, '0');
    }
}

std::string CInterleaved25::PairPattern(char first, char second) {
    if (!IsDigit(first) || !IsDigit(second)) {
        return {};
    }
    const std::string_view bars = kDigitPatterns[static_cast<std::size_t>(first - '0')];
    const std::string_view spaces = kDigitPatterns[static_cast<std::size_t>(second - '0')];
    std::string pattern;
    for (std::size_t i = 0; i < kElementsPerDigit; ++i) {
        pattern += bars[i];
        pattern += spaces[i];
    }
    return pattern;
}

std::int32_t CInterleaved25::TotalWidth() const {
    const std::int64_t digits = static_cast<std::int64_t>(m_strData.size());
    const std::int64_t ratio = m_nRatio;
    const std::int64_t perDigit =
        static_cast<std::int64_t>(kWidePerDigit) * ratio + kNarrowPerDigit;
    return ClampToInt32((perDigit * digits + ratio + kStartStopNarrow) * m_nDensity);
}

Encoding CInterleaved25::Encode() const {
    // A character without a pattern would shift every following pair from bars
    // to spaces; an unreadable partial symbol is worse than none.
    if (!IsAllDigits(m_strData)) {
        return Unencodable();
    }
    EncodingBuilder builder = Builder();
    builder.Reserve(kElementsPerDigit * m_strData.size() + kStart.size() + kStop.size());
    builder.Elements(kStart);
    for (std::size_t i = 0; i + 1 < m_strData.size(); i += 2) {
        builder.Elements(PairPattern(m_strData[i], m_strData[i + 1]));
    }
    builder.Elements(kStop);
    const std::int32_t totalWidth = TotalWidth();
    CentredLabel(builder, m_strData);
    return builder.Finish(totalWidth);
}
