#include "Code93.h"

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

// Code 93 full ASCII (ANSI/AIM BC5-1995, full ASCII character set), indexed
// by the 7-bit code. A one-character entry is that basic character; in a
// two-character entry the first is a shift character, written as the sign in
// its parentheses ("%U" is (%) U), and the second a letter.
constexpr std::array<std::string_view, 128> kFullAscii{
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", // 0-7
    "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O", // 8-15
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", // 16-23
    "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E", // 24-31
    " ",  "/A", "/B", "/C", "$",  "%",  "/F", "/G", // 32-39
    "/H", "/I", "/J", "+",  "/L", "-",  ".",  "/",  // 40-47
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  // 48-55
    "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J", // 56-63
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  // 64-71
    "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",  // 72-79
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  // 80-87
    "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O", // 88-95
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", // 96-103
    "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O", // 104-111
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", // 112-119
    "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T", // 120-127
};

// The full-ASCII table as symbol values.
struct Encoding {
    std::array<int, 2> values{};
    std::size_t count = 0;
};

constexpr Encoding EncodingOf(std::string_view entry) {
    Encoding encoding;
    if (entry.size() == 1) {
        encoding.values[0] = static_cast<int>(kBasicCharacters.find(entry[0]));
    } else {
        encoding.values[0] = kFirstShiftValue + static_cast<int>(kShiftCharacters.find(entry[0]));
        encoding.values[1] = static_cast<int>(kBasicCharacters.find(entry[1]));
    }
    encoding.count = entry.size();
    return encoding;
}

constexpr std::array<Encoding, 128> MakeEncodings() {
    std::array<Encoding, 128> encodings{};
    for (std::size_t code = 0; code < kFullAscii.size(); ++code) {
        encodings[code] = EncodingOf(kFullAscii[code]);
    }
    return encodings;
}
constexpr std::array<Encoding, 128> kEncodings = MakeEncodings();

} // namespace

CCode93::CCode93(std::string_view text) : CBarcode(std::string(text)) {}

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
    if (code >= kEncodings.size()) {
        return {};
    }
    const Encoding& encoding = kEncodings[code];
    return {encoding.values.data(), encoding.count};
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

void CCode93::Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
                   int orientation) const {
    const Point entry = origin;
    const std::vector<int> values = SymbolValues();
    const CheckCharacters checks = ChecksOf(values);
    DrawModules(surface, Pattern(kStartStop), origin, barLength, orientation);
    for (const int value : values) {
        DrawModules(surface, Pattern(value), origin, barLength, orientation);
    }
    DrawModules(surface, Pattern(checks.c), origin, barLength, orientation);
    DrawModules(surface, Pattern(checks.k), origin, barLength, orientation);
    DrawModules(surface, Pattern(kStopWithTerminationBar), origin, barLength, orientation);
    if (showText) {
        DrawLabel(surface, entry.x, entry.y, TotalWidth(), barLength, m_strData, orientation);
    }
}
