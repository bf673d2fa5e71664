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

constexpr int kNoValue = -1;

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

// The shortest form's function bytes.
constexpr char kFnc1Byte = '\xCA';
constexpr char kFnc2Byte = '\xC5';
constexpr char kFnc3Byte = '\xC4';
constexpr char kFnc4ByteA = '\xC9';
constexpr char kFnc4ByteB = '\xC8';
constexpr int kFnc2 = 97;
constexpr int kFnc3 = 96;
constexpr int kFnc4InA = CCode128::kCodeA;
constexpr int kFnc4InB = CCode128::kCodeB;
constexpr int kLastAscii = 127;
constexpr int kCodeSets = 3;
// More symbol characters than any text of this length can need.
constexpr std::size_t kUnreachable = SIZE_MAX / 4;

// The value of one shortest-form byte in a code set, or kNoValue; for code set
// C only FNC1 (a digit pair is two bytes, see ShortestPlan).
int ShortestValueIn(CCode128::CodeSet set, char c) {
    if (c == kFnc1Byte) {
        return CCode128::kFnc1;
    }
    if (set == CCode128::kCodeSetC) {
        return kNoValue;
    }
    switch (c) {
    case kFnc2Byte:
        return kFnc2;
    case kFnc3Byte:
        return kFnc3;
    case kFnc4ByteA:
    case kFnc4ByteB:
        return set == CCode128::kCodeSetA ? kFnc4InA : kFnc4InB;
    default:
        break;
    }
    if (static_cast<unsigned char>(c) > kLastAscii) {
        return kNoValue;
    }
    return LookUp(set, c);
}

// The code change from any set into `to`.
int CodeChangeTo(CCode128::CodeSet to) {
    switch (to) {
    case CCode128::kCodeSetA:
        return CCode128::kCodeA;
    case CCode128::kCodeSetB:
        return CCode128::kCodeB;
    case CCode128::kCodeSetC:
        break;
    }
    return CCode128::kCodeC;
}

// One way to carry the byte(s) at a position without changing the working set.
struct Step {
    std::size_t cost = kUnreachable; // symbol characters from here to the end
    std::size_t bytes = 0;           // bytes of the text this step carries
    std::vector<int> values;         // its symbol values
};

// The preferred order of equally short choices: code set C, then B, then A,
// so ties always resolve the same way.
constexpr std::array<CCode128::CodeSet, kCodeSets> kPreference{
    CCode128::kCodeSetC, CCode128::kCodeSetB, CCode128::kCodeSetA};

} // namespace

bool CCode128::HasShortestValue(char c) {
    return ShortestValueIn(kCodeSetA, c) != kNoValue || ShortestValueIn(kCodeSetB, c) != kNoValue;
}

namespace {

// What a reader reports of the shortest form, one unit at a time: a data
// byte (FNC4 before a byte below 128 adding 128, however many FNC4 stand
// before it) or a function character FNC1, FNC2 or FNC3. Bytes the form has
// no value for are left out; an FNC4 with no data byte after it is kept as
// one FNC4 at the end, which a reader reports as nothing.
struct Unit {
    int byte = 0;            // 0 to 255 for data
    int function = kNoValue; // kFnc1, kFnc2 or kFnc3; kNoValue for data
    bool IsData() const { return function == kNoValue; }
    bool IsDigit() const { return IsData() && byte >= '0' && byte <= '9'; }
};

std::vector<Unit> UnitsOf(std::string_view text) {
    std::vector<Unit> units;
    bool high = false;
    for (const char c : text) {
        if (!CCode128::HasShortestValue(c)) {
            continue;
        }
        switch (c) {
        case kFnc1Byte:
            units.push_back({0, CCode128::kFnc1});
            break;
        case kFnc2Byte:
            units.push_back({0, kFnc2});
            break;
        case kFnc3Byte:
            units.push_back({0, kFnc3});
            break;
        case kFnc4ByteA:
        case kFnc4ByteB:
            high = true;
            break;
        default:
            units.push_back({static_cast<unsigned char>(c) + (high ? kLastAscii + 1 : 0)});
            high = false;
            break;
        }
    }
    if (high) {
        units.push_back({0, kFnc4InB});
    }
    return units;
}

// The encoder's state between symbol characters: the working code set and
// whether FNC4 is latched (two FNC4 in a row switch every following byte of
// code sets A and B to 128 and up, two more switch back; one FNC4 inverts
// the next byte alone).
constexpr std::size_t kStates = std::size_t{2} * kCodeSets;
std::size_t StateOf(CCode128::CodeSet set, bool latched) {
    return static_cast<std::size_t>(set) * 2 + (latched ? 1 : 0);
}
CCode128::CodeSet SetOf(std::size_t state) {
    return static_cast<CCode128::CodeSet>(state / 2);
}
bool LatchedIn(std::size_t state) {
    return state % 2 == 1;
}

int Fnc4In(CCode128::CodeSet set) {
    return set == CCode128::kCodeSetA ? kFnc4InA : kFnc4InB;
}

// The fewest symbol characters from each state to each other one: code
// changes (one each) and FNC4 latches in code sets A and B (two each).
using Moves = std::array<std::array<std::vector<int>, kStates>, kStates>;
const Moves& ShortestMoves() {
    static const Moves moves = [] {
        Moves all;
        std::array<std::array<std::size_t, kStates>, kStates> cost{};
        for (std::size_t from = 0; from < kStates; ++from) {
            cost[from].fill(kUnreachable);
            cost[from][from] = 0;
            for (const CCode128::CodeSet to : kPreference) {
                const std::size_t state = StateOf(to, LatchedIn(from));
                if (to != SetOf(from)) {
                    cost[from][state] = 1;
                    all[from][state] = {CodeChangeTo(to)};
                }
            }
            if (SetOf(from) != CCode128::kCodeSetC) {
                const std::size_t toggled = StateOf(SetOf(from), !LatchedIn(from));
                cost[from][toggled] = 2;
                all[from][toggled] = {Fnc4In(SetOf(from)), Fnc4In(SetOf(from))};
            }
        }
        for (std::size_t via = 0; via < kStates; ++via) {
            for (std::size_t from = 0; from < kStates; ++from) {
                for (std::size_t to = 0; to < kStates; ++to) {
                    if (cost[from][via] + cost[via][to] < cost[from][to]) {
                        cost[from][to] = cost[from][via] + cost[via][to];
                        all[from][to] = all[from][via];
                        all[from][to].insert(all[from][to].end(), all[via][to].begin(),
                                             all[via][to].end());
                    }
                }
            }
        }
        return all;
    }();
    return moves;
}

// The index of the first data unit, or the number of units where there is
// none.
std::size_t FirstData(const std::vector<Unit>& units) {
    std::size_t first = 0;
    while (first < units.size() && !units[first].IsData()) {
        ++first;
    }
    return first;
}

// Whether the next unit from a position that is not FNC2 or FNC3 is FNC1. A
// reader takes an FNC1 right after a first letter, or after a first code set
// C pair, for the mark of an AIM application and reports nothing for it,
// even after a leading FNC1.
bool Fnc1Next(const std::vector<Unit>& units, std::size_t at) {
    while (at < units.size() && !units[at].IsData() && units[at].function != CCode128::kFnc1) {
        ++at;
    }
    return at < units.size() && units[at].function == CCode128::kFnc1;
}

// The ways to carry the unit(s) at a position in one state: symbol values and
// units carried.
struct Option {
    std::vector<int> values;
    std::size_t units = 1;
};
std::vector<Option> OptionsAt(const std::vector<Unit>& units, std::size_t i, std::size_t state,
                              std::size_t firstData) {
    const Unit& unit = units[i];
    const CCode128::CodeSet set = SetOf(state);
    const bool latched = LatchedIn(state);
    std::vector<Option> options;
    if (set == CCode128::kCodeSetC) {
        if (!unit.IsData()) {
            if (unit.function == CCode128::kFnc1) {
                options.push_back({{CCode128::kFnc1}});
            }
            return options;
        }
        // A pair right before an FNC1 at the start would read as an AIM mark.
        const bool aimPair = i == firstData && Fnc1Next(units, i + 2);
        if (!latched && !aimPair && i + 1 < units.size() && unit.IsDigit() &&
            units[i + 1].IsDigit()) {
            options.push_back({{(unit.byte - '0') * 10 + (units[i + 1].byte - '0')}, 2});
        }
        return options;
    }
    if (!unit.IsData()) {
        options.push_back({{unit.function == kFnc4InB ? Fnc4In(set) : unit.function}});
        return options;
    }
    const char low = static_cast<char>(unit.byte & kLastAscii);
    const bool high = unit.byte > kLastAscii;
    if (const int value = LookUp(set, low); value != kNoValue) {
        options.push_back(high == latched ? Option{{value}} : Option{{Fnc4In(set), value}});
    }
    // SHIFT takes the next character from the other set; an FNC4 before it
    // still applies to that character.
    if (const int value = LookUp(OtherSet(set), low); value != kNoValue) {
        options.push_back(high == latched ? Option{{CCode128::kShift, value}}
                                          : Option{{Fnc4In(set), CCode128::kShift, value}});
    }
    return options;
}

} // namespace

CCode128::Plan CCode128::ShortestPlan(std::string_view text) {
    const std::vector<Unit> units = UnitsOf(text);
    const std::size_t n = units.size();
    const std::size_t firstData = FirstData(units);
    const Moves& moves = ShortestMoves();
    // carry[i][s]: the fewest symbol characters for units i.. when unit i is
    // carried in state s; best[i][s]: the same with any moves first. Filled
    // from the end backwards.
    std::vector<std::array<std::size_t, kStates>> carry(n + 1);
    std::vector<std::array<std::size_t, kStates>> best(n + 1);
    carry[n].fill(0);
    best[n].fill(0);
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t state = 0; state < kStates; ++state) {
            carry[i][state] = kUnreachable;
            for (const Option& option : OptionsAt(units, i, state, firstData)) {
                carry[i][state] =
                    std::min(carry[i][state], option.values.size() + best[i + option.units][state]);
            }
        }
        for (std::size_t from = 0; from < kStates; ++from) {
            best[i][from] = kUnreachable;
            for (std::size_t to = 0; to < kStates; ++to) {
                best[i][from] = std::min(best[i][from], moves[from][to].size() + carry[i][to]);
            }
        }
    }
    Plan plan; // the empty text starts in code set A, as the classic form does
    std::size_t cheapest = kUnreachable;
    for (const CodeSet set : kPreference) {
        // The start character sets the first code set at no extra cost.
        if (n > 0 && best[0][StateOf(set, false)] < cheapest) {
            cheapest = best[0][StateOf(set, false)];
            plan.start = set;
        }
    }
    // The first of the equally short ways, moves before the unit included:
    // staying in the state where that is as short.
    const auto nextState = [&](std::size_t i, std::size_t from) {
        if (carry[i][from] == best[i][from]) {
            return from;
        }
        for (const CodeSet set : kPreference) {
            for (const bool latched : {false, true}) {
                const std::size_t to = StateOf(set, latched);
                if (carry[i][to] < kUnreachable &&
                    moves[from][to].size() + carry[i][to] == best[i][from]) {
                    return to;
                }
            }
        }
        return from;
    };
    std::size_t state = StateOf(plan.start, false);
    for (std::size_t i = 0; i < n;) {
        const std::size_t to = nextState(i, state);
        plan.values.insert(plan.values.end(), moves[state][to].begin(), moves[state][to].end());
        state = to;
        const std::vector<Option> options = OptionsAt(units, i, state, firstData);
        const auto chosen = std::find_if(options.begin(), options.end(), [&](const Option& o) {
            return o.values.size() + best[i + o.units][state] == carry[i][state];
        });
        if (chosen == options.end()) {
            break; // cannot happen: every unit has a way in some state
        }
        plan.values.insert(plan.values.end(), chosen->values.begin(), chosen->values.end());
        i += chosen->units;
    }
    return plan;
}

std::optional<char> CCode128::AimMarkAfter(std::string_view text) {
    const std::vector<Unit> units = UnitsOf(text);
    const std::size_t first = FirstData(units);
    if (first == units.size()) {
        return std::nullopt;
    }
    const int c = units[first].byte;
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (letter && Fnc1Next(units, first + 1)) {
        return static_cast<char>(c);
    }
    return std::nullopt;
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
