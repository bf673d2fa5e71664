#include "Code93.h"

#include "FullAscii.h"

#include <array>
#include <cstddef>

namespace {

// The Code 93 symbol character table (ANSI/AIM BC5-1995, the Code 93
// symbology standard, table of character patterns), values 0 to 47, written
// module by module, then value 48: the stop character with its one-module
// termination bar.
constexpr std::array<std::string_view, 49> kPatterns{
    "bsssbsbss",  "bsbssbsss", "bsbsssbss", "bsbssssbs", // 0-3: 0 1 2 3
    "bssbsbsss",  "bssbssbss", "bssbsssbs", "bsbsbssss", // 4-7: 4 5 6 7
    "bsssbssbs",  "bssssbsbs", "bbsbsbsss", "bbsbssbss", // 8-11: 8 9 A B
    "bbsbsssbs",  "bbssbsbss", "bbssbssbs", "bbsssbsbs", // 12-15: C D E F
    "bsbbsbsss",  "bsbbssbss", "bsbbsssbs", "bssbbsbss", // 16-19: G H I J
    "bsssbbsbs",  "bsbsbbsss", "bsbssbbss", "bsbsssbbs", // 20-23: K L M N
    "bssbsbbss",  "bsssbsbbs", "bbsbbsbss", "bbsbbssbs", // 24-27: O P Q R
    "bbsbsbbss",  "bbsbssbbs", "bbssbsbbs", "bbssbbsbs", // 28-31: S T U V
    "bsbbsbbss",  "bsbbssbbs", "bssbbsbbs", "bssbbbsbs", // 32-35: W X Y Z
    "bssbsbbbs",  "bbbsbsbss", "bbbsbssbs", "bbbssbsbs", // 36-39: - . space $
    "bsbbsbbbs",  "bsbbbsbbs", "bbsbsbbbs", "bssbssbbs", // 40-43: / + % ($)
    "bbbsbbsbs",  "bbbsbsbbs", "bssbbssbs", "bsbsbbbbs", // 44-47: (%) (/) (+) start/stop
    "bsbsbbbbsb",                                        // 48: stop and termination bar
};

constexpr std::int64_t kModulesPerCharacter = 9;
constexpr std::int64_t kStopModules = 10;
constexpr std::int64_t kStartAndChecks = 3;

// C weights run 1 to 20 from the right, K weights 1 to 15 with C itself first.
constexpr std::size_t kCWeightLimit = 20;
constexpr std::size_t kKWeightLimit = 15;

// The 43 basic characters in the order of their values 0 to 42.
constexpr std::string_view kBasicCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
// The shift characters ($), (%), (/), (+) are the values 43 to 46.
constexpr std::string_view kShiftCharacters = "$%/+";
constexpr int kFirstShiftValue = 43;

// The full-ASCII table as symbol values: one or two per code.
struct AsciiValues {
    std::array<int, 2> values{};
    std::size_t count = 0;
};

constexpr AsciiValues ValuesOf(std::string_view entry) {
    AsciiValues ascii;
    if (entry.size() == 1) {
        ascii.values[0] = static_cast<int>(kBasicCharacters.find(entry[0]));
    } else {
        ascii.values[0] = kFirstShiftValue + static_cast<int>(kShiftCharacters.find(entry[0]));
        ascii.values[1] = static_cast<int>(kBasicCharacters.find(entry[1]));
    }
    ascii.count = entry.size();
    return ascii;
}

constexpr std::size_t kAsciiCodes = 128;

constexpr std::array<AsciiValues, kAsciiCodes> MakeAsciiValues() {
    std::array<AsciiValues, kAsciiCodes> table{};
    for (std::size_t code = 0; code < kAsciiCodes; ++code) {
        table[code] = ValuesOf(FullAsciiCode93(static_cast<char>(code)));
    }
    return table;
}
constexpr std::array<AsciiValues, kAsciiCodes> kAsciiValues = MakeAsciiValues();

} // namespace

CCode93::CCode93(std::string_view text, const BarWidths& widths)
    : CBarcode(std::string(text), widths) {}

std::string_view CCode93::Pattern(int value) {
    if (value < 0 || value >= static_cast<int>(kPatterns.size())) {
        return {};
    }
    return kPatterns[static_cast<std::size_t>(value)];
}

std::span<const int> CCode93::FullAsciiValues(char c) {
    // Codes above 127 have no encoding: they are skipped alike by the drawing,
    // the width and both check characters.
    const auto code = static_cast<unsigned char>(c);
    if (code >= kAsciiValues.size()) {
        return {};
    }
    const AsciiValues& ascii = kAsciiValues[code];
    return {ascii.values.data(), ascii.count};
}

std::vector<int> CCode93::SymbolValues() const {
    std::vector<int> values;
    values.reserve(m_strData.size());
    for (const char c : m_strData) {
        for (const int value : FullAsciiValues(c)) {
            values.push_back(value);
        }
    }
    return values;
}

CCode93::CheckCharacters CCode93::ChecksOf(const std::vector<int>& values) {
    // Weighted from the rightmost data character; both sums are kept reduced.
    int c = 0;
    int k = 0;
    std::size_t position = 0; // from the right, 0 for the rightmost
    for (auto it = values.rbegin(); it != values.rend(); ++it, ++position) {
        const auto cWeight = static_cast<int>(position % kCWeightLimit) + 1;
        // C itself takes K weight 1, so the rightmost data character takes 2.
        const auto kWeight = static_cast<int>((position + 1) % kKWeightLimit) + 1;
        c = (c + *it * cWeight) % kCheckModulus;
        k = (k + *it * kWeight) % kCheckModulus;
    }
    k = (k + c) % kCheckModulus;
    return {c, k};
}

CCode93::CheckCharacters CCode93::Checks() const {
    return ChecksOf(SymbolValues());
}

std::int32_t CCode93::TotalWidth() const {
    const auto characters = static_cast<std::int64_t>(SymbolValues().size()) + kStartAndChecks;
    return ClampToInt32((kModulesPerCharacter * characters + kStopModules) * m_nDensity);
}

Encoding CCode93::Encode() const {
    const std::vector<int> values = SymbolValues();
    const CheckCharacters checks = ChecksOf(values);
    EncodingBuilder builder = Builder();
    // Three bars and three spaces per symbol character.
    constexpr std::size_t kElementsPerCharacter = 6;
    builder.Reserve(kElementsPerCharacter * (values.size() + 5));
    builder.Modules(Pattern(kStartStop));
    for (const int value : values) {
        builder.Modules(Pattern(value));
    }
    builder.Modules(Pattern(checks.c));
    builder.Modules(Pattern(checks.k));
    builder.Modules(Pattern(kStopWithTerminationBar));
    const std::int32_t totalWidth = TotalWidth();
    CentredLabel(builder, m_strData);
    return builder.Finish(totalWidth);
}
