// Code 128's shortest form: the fewest symbol characters for a text, planned
// over what a reader reports (code set and FNC4 latch), with the function
// characters as the text carries them.
#include "Code128.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int kNoValue = CCode128::kNoValue;

int LookUp(CCode128::CodeSet set, char c) {
    return CCode128::ValueInSet(set, c);
}

CCode128::CodeSet OtherSet(CCode128::CodeSet set) {
    return CCode128::OtherSet(set);
}

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
