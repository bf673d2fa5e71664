#include "Code128.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

// The Code 128 symbol character table (ISO/IEC 15417, table of symbol
// characters), values 0 to 106, written module by module: each bar and space
// width of the published table as that many "b" or "s". Values 0 to 105 are
// 11 modules; STOP (106) is 13, its last two the termination bar.
constexpr std::array<std::string_view, 107> kPatterns{
    "bbsbbssbbss", "bbssbbsbbss", "bbssbbssbbs",   "bssbssbbsss", // 0-3
    "bssbsssbbss", "bsssbssbbss", "bssbbssbsss",   "bssbbsssbss", // 4-7
    "bsssbbssbss", "bbssbssbsss", "bbssbsssbss",   "bbsssbssbss", // 8-11
    "bsbbssbbbss", "bssbbsbbbss", "bssbbssbbbs",   "bsbbbssbbss", // 12-15
    "bssbbbsbbss", "bssbbbssbbs", "bbssbbbssbs",   "bbssbsbbbss", // 16-19
    "bbssbssbbbs", "bbsbbbssbss", "bbssbbbsbss",   "bbbsbbsbbbs", // 20-23
    "bbbsbssbbss", "bbbssbsbbss", "bbbssbssbbs",   "bbbsbbssbss", // 24-27
    "bbbssbbsbss", "bbbssbbssbs", "bbsbbsbbsss",   "bbsbbsssbbs", // 28-31
    "bbsssbbsbbs", "bsbsssbbsss", "bsssbsbbsss",   "bsssbsssbbs", // 32-35
    "bsbbsssbsss", "bsssbbsbsss", "bsssbbsssbs",   "bbsbsssbsss", // 36-39
    "bbsssbsbsss", "bbsssbsssbs", "bsbbsbbbsss",   "bsbbsssbbbs", // 40-43
    "bsssbbsbbbs", "bsbbbsbbsss", "bsbbbsssbbs",   "bsssbbbsbbs", // 44-47
    "bbbsbbbsbbs", "bbsbsssbbbs", "bbsssbsbbbs",   "bbsbbbsbsss", // 48-51
    "bbsbbbsssbs", "bbsbbbsbbbs", "bbbsbsbbsss",   "bbbsbsssbbs", // 52-55
    "bbbsssbsbbs", "bbbsbbsbsss", "bbbsbbsssbs",   "bbbsssbbsbs", // 56-59
    "bbbsbbbbsbs", "bbssbssssbs", "bbbbsssbsbs",   "bsbssbbssss", // 60-63
    "bsbssssbbss", "bssbsbbssss", "bssbssssbbs",   "bssssbsbbss", // 64-67
    "bssssbssbbs", "bsbbssbssss", "bsbbssssbss",   "bssbbsbssss", // 68-71
    "bssbbssssbs", "bssssbbsbss", "bssssbbssbs",   "bbssssbssbs", // 72-75
    "bbssbsbssss", "bbbbsbbbsbs", "bbssssbsbss",   "bsssbbbbsbs", // 76-79
    "bsbssbbbbss", "bssbsbbbbss", "bssbssbbbbs",   "bsbbbbssbss", // 80-83
    "bssbbbbsbss", "bssbbbbssbs", "bbbbsbssbss",   "bbbbssbsbss", // 84-87
    "bbbbssbssbs", "bbsbbsbbbbs", "bbsbbbbsbbs",   "bbbbsbbsbbs", // 88-91
    "bsbsbbbbsss", "bsbsssbbbbs", "bsssbsbbbbs",   "bsbbbbsbsss", // 92-95
    "bsbbbbsssbs", "bbbbsbsbsss", "bbbbsbsssbs",   "bsbbbsbbbbs", // 96-99
    "bsbbbbsbbbs", "bbbsbsbbbbs", "bbbbsbsbbbs",   "bbsbssssbss", // 100-103
    "bbsbssbssss", "bbsbssbbbss", "bbsssbbbsbsbb",                // 104-106
};

// Width estimate: 12 modules per character, for the data characters and for
// start, check and stop.
constexpr std::int64_t kEstimateModulesPerCharacter = 12;
constexpr std::int64_t kFramingCharacters = 3;

constexpr int kNoValue = CCode128::kNoValue;

// How the bytes of the data text map to symbol values in code sets A and B:
// every byte in [first, last] has the value byte + offset; bytes in no range
// have no value.
struct ByteRange {
    int first, last, offset;
};
// Control characters (A only), space to underscore, grave accent to DEL
// (B only), and the function characters 195 to 202 (values 95 to 102).
// Bytes 203 to 206 would be START A, B, C and STOP: those belong at the ends of
// a symbol only, and one inside it would end or restart the reading there, so
// they have no value here.
constexpr std::array<ByteRange, 3> kCodeSetARanges{{{0, 31, 64}, {32, 95, -32}, {195, 202, -100}}};
constexpr std::array<ByteRange, 3> kCodeSetBRanges{
    {{32, 95, -32}, {96, 127, -32}, {195, 202, -100}}};

using ValueTable = std::array<signed char, 256>;

constexpr ValueTable MakeValueTable(const std::array<ByteRange, 3>& ranges) {
    ValueTable table{};
    for (auto& value : table) {
        value = kNoValue;
    }
    for (const ByteRange& range : ranges) {
        for (int code = range.first; code <= range.last; ++code) {
            table[static_cast<std::size_t>(code)] = static_cast<signed char>(code + range.offset);
        }
    }
    return table;
}
// Indexed by code set A, B.
constexpr std::array<ValueTable, 2> kValueTables{MakeValueTable(kCodeSetARanges),
                                                 MakeValueTable(kCodeSetBRanges)};

// The code-change values and the set each one switches to, per working set.
struct CodeChange {
    CCode128::CodeSet from;
    int value;
    CCode128::CodeSet to;
};
constexpr std::array<CodeChange, 6> kCodeChanges{{
    {CCode128::kCodeSetA, CCode128::kCodeB, CCode128::kCodeSetB},
    {CCode128::kCodeSetA, CCode128::kCodeC, CCode128::kCodeSetC},
    {CCode128::kCodeSetB, CCode128::kCodeA, CCode128::kCodeSetA},
    {CCode128::kCodeSetB, CCode128::kCodeC, CCode128::kCodeSetC},
    {CCode128::kCodeSetC, CCode128::kCodeA, CCode128::kCodeSetA},
    {CCode128::kCodeSetC, CCode128::kCodeB, CCode128::kCodeSetB},
}};

CCode128::CodeSet SetAfter(CCode128::CodeSet set, int value) {
    for (const CodeChange& change : kCodeChanges) {
        if (change.from == set && change.value == value) {
            return change.to;
        }
    }
    return set;
}

int LookUp(CCode128::CodeSet set, char c) {
    return kValueTables[static_cast<std::size_t>(set)][static_cast<unsigned char>(c)];
}

CCode128::CodeSet OtherSet(CCode128::CodeSet set) {
    return set == CCode128::kCodeSetA ? CCode128::kCodeSetB : CCode128::kCodeSetA;
}

// In code set C only CODE A, CODE B and FNC1 stand by themselves; they carry
// the same values as in code set A.
bool IsCodeSetCFunction(char c) {
    const int value = LookUp(CCode128::kCodeSetA, c);
    return value == CCode128::kCodeA || value == CCode128::kCodeB || value == CCode128::kFnc1;
}

// The value of a code set C pair read from its leading digits: two digits give
// 00 to 99, a digit followed by anything else gives that digit. A pair that
// does not start with a digit (a sign, a letter, a blank) has no value.
std::optional<int> PairValue(std::string_view pair) {
    if (pair.empty() || !IsDigit(pair[0])) {
        return std::nullopt;
    }
    const int tens = pair[0] - '0';
    if (pair.size() < 2 || !IsDigit(pair[1])) {
        return tens;
    }
    return tens * 10 + (pair[1] - '0');
}

// The walk over the data text: a cursor, the working code set and whether the
// next symbol character is shifted into the other of code sets A and B.
class Walk {
public:
    Walk(std::string_view data, CCode128::CodeSet start) : m_data(data), m_set(start) {}

    std::vector<int> Run() {
        while (m_cursor < m_data.size()) {
            if (m_set == CCode128::kCodeSetC) {
                StepCodeSetC();
            } else {
                StepCodeSetAOrB();
            }
        }
        return std::move(m_values);
    }

private:
    // Code set C: CODE A, CODE B or FNC1 by itself, else a pair of characters.
    // A pair never takes in a following CODE A, CODE B or FNC1: after an odd
    // digit the lone digit is its own pair, so the code change is kept.
    void StepCodeSetC() {
        const char c = m_data[m_cursor];
        if (IsCodeSetCFunction(c)) {
            const int value = LookUp(CCode128::kCodeSetA, c);
            Emit(value);
            m_set = SetAfter(m_set, value);
            ++m_cursor;
            return;
        }
        std::size_t length = std::min<std::size_t>(2, m_data.size() - m_cursor);
        if (length == 2 && IsCodeSetCFunction(m_data[m_cursor + 1])) {
            length = 1;
        }
        if (const auto value = PairValue(m_data.substr(m_cursor, length))) {
            Emit(*value);
        }
        m_cursor += length;
    }

    // Code sets A and B: one character, looked up in the working set, or in the
    // other one for the symbol character right after SHIFT. A character with no
    // value draws nothing, so a pending SHIFT passes on to the next one that
    // has a value: that is the character a reader shifts.
    void StepCodeSetAOrB() {
        const bool shifted = m_shiftPending;
        const int value = LookUp(shifted ? OtherSet(m_set) : m_set, m_data[m_cursor]);
        ++m_cursor;
        if (value == kNoValue) {
            return;
        }
        Emit(value);
        m_shiftPending = false;
        if (shifted) {
            return; // the shifted character is data of the other set only
        }
        if (value == CCode128::kShift) {
            m_shiftPending = true;
        } else {
            m_set = SetAfter(m_set, value);
        }
    }

    void Emit(int value) { m_values.push_back(value); }

    std::string_view m_data;
    CCode128::CodeSet m_set;
    std::size_t m_cursor = 0;
    bool m_shiftPending = false;
    std::vector<int> m_values;
};

} // namespace

int CCode128::ValueInSet(CodeSet set, char c) {
    return LookUp(set, c);
}

CCode128::CodeSet CCode128::OtherSet(CodeSet set) {
    return ::OtherSet(set);
}

CCode128::CCode128(std::string_view text, const BarWidths& widths)
    : CBarcode(std::string(text), widths) {
    m_shortest = m_codeSets == CodeSetChoice::Shortest;
    if (!m_shortest) {
        m_strData = UpperCaseAscii(m_strData);
    }
}

CCode128::CCode128(std::string_view text, const BarWidths& widths, ShortestForm)
    : CBarcode(std::string(text), widths) {
    m_shortest = true;
}

std::int32_t CCode128::TotalWidth() const {
    if (m_shortest) {
        // Start, values, check character: 11 modules each; the stop 13.
        constexpr std::int64_t kModulesPerCharacter = 11;
        constexpr std::int64_t kStopModules = 13;
        const auto characters = static_cast<std::int64_t>(Walked().values.size()) + 2;
        return ClampToInt32((characters * kModulesPerCharacter + kStopModules) * m_nDensity);
    }
    const auto characters = static_cast<std::int64_t>(m_strData.size()) + kFramingCharacters;
    return ClampToInt32(characters * kEstimateModulesPerCharacter * m_nDensity);
}

std::string_view CCode128::CharPattern(int value) const {
    if (value < 0 || value >= static_cast<int>(kPatterns.size())) {
        return {};
    }
    return kPatterns[static_cast<std::size_t>(value)];
}

CCode128::Plan CCode128::Walked() const {
    if (m_shortest) {
        return ShortestPlan(ShortestText());
    }
    // As typed, every walk starts afresh from code set A, so repeated drawings
    // are identical.
    return {kCodeSetA, Walk(m_strData, kCodeSetA).Run()};
}

std::vector<int> CCode128::SymbolValues() const {
    return Walked().values;
}

int CCode128::CheckValue() const {
    const Plan plan = Walked();
    return CheckValueOf(plan.start, plan.values);
}

int CCode128::CheckValueOf(CodeSet start, const std::vector<int>& values) {
    // Kept reduced at every step, so any length of text sums without overflow.
    std::int64_t sum = (kStartA + start) % kCheckModulus;
    std::int64_t weight = 1;
    for (const int value : values) {
        sum = (sum + value * (weight % kCheckModulus)) % kCheckModulus;
        ++weight;
    }
    return static_cast<int>(sum);
}

Encoding CCode128::Encode() const {
    const Plan plan = Walked();
    EncodingBuilder builder = Builder();
    // Three bars and three spaces per symbol character.
    constexpr std::size_t kElementsPerCharacter = 6;
    builder.Reserve(kElementsPerCharacter * (plan.values.size() + 4));
    builder.Modules(CharPattern(kStartA + plan.start));
    for (const int value : plan.values) {
        builder.Modules(CharPattern(value));
    }
    builder.Modules(CharPattern(CheckValueOf(plan.start, plan.values)));
    builder.Modules(CharPattern(kStop));
    const std::int32_t totalWidth = TotalWidth();
    CentredLabel(builder, LabelText());
    return builder.Finish(totalWidth);
}
