#include "Postnet.h"

#include "Symbologies.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// The POSTNET digit table as the postal service publishes it: five bars per
// digit, "1" a full bar and "0" a half bar, exactly two full bars each.
constexpr std::array<std::string_view, 10> kDigitBars{
    "11000", "00011", "00101", "00110", "01001", "01010", "01100", "10001", "10010", "10100",
};
constexpr std::size_t kBarsPerDigit = 5;

constexpr std::ptrdiff_t kFullBarsPerDigit = 2;
constexpr bool EveryDigitIsTwoOfFive() {
    return std::all_of(kDigitBars.begin(), kDigitBars.end(), [](std::string_view bars) {
        return bars.size() == kBarsPerDigit &&
               std::count(bars.begin(), bars.end(), '1') == kFullBarsPerDigit;
    });
}
static_assert(EveryDigitIsTwoOfFive());

constexpr std::string_view kFrameBar = "1";
constexpr char kFullBar = '1';
// Bars besides the data digits: the two frame bars and the check digit's five.
constexpr std::int64_t kFixedBars = 2 + kBarsPerDigit;
constexpr int kModulus = 10;

// The bars of a digit, or none.
std::string_view BarsOf(char c) {
    return IsDigit(c) ? kDigitBars[static_cast<std::size_t>(c - '0')] : std::string_view();
}

} // namespace

CPostnet::CPostnet(std::string_view text, const BarWidths& widths)
    : CBarcode(std::string(text), widths),
      m_nFullBarHeight(FactsOf(SymbologyId::Postnet).fixedBarLength) {}

std::string CPostnet::CharPattern(char c) const {
    return std::string(BarsOf(c));
}

int CPostnet::CheckDigit() const {
    int sum = 0;
    for (const char c : m_strData) {
        if (IsDigit(c)) {
            sum = (sum + (c - '0')) % kModulus; // kept reduced: any length sums safely
        }
    }
    return (kModulus - sum) % kModulus;
}

std::int32_t CPostnet::TotalWidth() const {
    std::int64_t digits = 0;
    for (const char c : m_strData) {
        digits += IsDigit(c) ? 1 : 0;
    }
    const std::int64_t pitch = std::int64_t{m_nBarWidth} + m_nBarGap;
    return ClampToInt32(pitch * (static_cast<std::int64_t>(kBarsPerDigit) * digits + kFixedBars));
}

void CPostnet::AddBars(EncodingBuilder& builder, std::string_view pattern) const {
    for (const char bar : pattern) {
        const std::int32_t height = bar == kFullBar ? m_nFullBarHeight : m_nHalfBarHeight;
        // Half bars start further out so that every bar ends on the same line.
        builder.Bar(m_nBarWidth, height, m_nFullBarHeight - height);
        builder.Space(m_nBarGap);
    }
}

Encoding CPostnet::Encode() const {
    EncodingBuilder builder = Builder();
    // A bar and its gap per bar: five bars a digit, the check digit's and the frame.
    builder.Reserve(2 * (kBarsPerDigit * (m_strData.size() + 1) + 2), 0); // no label
    builder.FixedSizes();
    AddBars(builder, kFrameBar);
    for (const char c : m_strData) {
        AddBars(builder, BarsOf(c));
    }
    AddBars(builder, BarsOf(static_cast<char>('0' + CheckDigit())));
    AddBars(builder, kFrameBar);
    return builder.Finish(TotalWidth());
}
