#include "Code128.h"
#include "Code128Text.h"
#include "Decode.h"
#include "Drawing.h"
#include "RecordingSurface.h"
#include "ScanText.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

constexpr std::int32_t kBarLength = 750;
constexpr std::int32_t kDensity = 10; // the default module width

TEST(Code128, WalkValuesAndCheckCharacter) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<int> values;
        int check;
    };
    const Row rows[] = {
        {"empty", "", {}, 0},
        {"lower case as upper case", "abc", {33, 34, 35}, 0},
        {"CODE128", "CODE128", {35, 47, 36, 37, 17, 18, 24}, 25},
        {"A to C, even digits", "X" + kCodeC + "1234", {56, 99, 12, 34}, 14},
        {"A to C, lone last digit", "X" + kCodeC + "123", {56, 99, 12, 3}, 96},
        {"FNC1 stays in C", "A" + kCodeC + "12" + kFnc1 + "34", {33, 99, 12, 102, 34}, 21},
        {"A to B to A", "AB" + kCodeB + "+/" + kCodeA + "Z", {33, 34, 100, 11, 15, 101, 58}, 90},
        {"C back to A", "X" + kCodeC + "12" + kCodeA + "Z", {56, 99, 12, 101, 58}, 57},
        {"control characters in A", "\0\x1F"s, {64, 95}, 48},
        {"lone CODE C at the end", "X" + kCodeC, {56, 99}, 48},
        {"CODE B twice: FNC4 in B", "A" + kCodeB + kCodeB + "`", {33, 100, 100, 64}, 68},
        {"no value in A: grave, braces, DEL, 127-194, 207-255",
         "A`{|}~\x7F\x80\xC2\xCF\xFF" + "B"s,
         {33, 34},
         101},
        {"START and STOP characters are no data", "A\xCB\xCC\xCD\xCE" + "B"s, {33, 34}, 101},
        // SHIFT: the one symbol character after it is read in the other set.
        {"SHIFT from A into B", "A" + kShift + "{B", {33, 98, 91, 34}, 20},
        {"SHIFT from B into A",
         "A" + kCodeB + "B" + kShift + "\x01" + "C",
         {33, 100, 34, 98, 65, 35},
         26},
        {"SHIFT passes over a byte without value", "A" + kShift + "\x80{", {33, 98, 91}, 90},
        {"shifted code change changes nothing",
         "A" + kShift + kCodeC + "12",
         {33, 98, 99, 17, 18},
         66},
        // Code set C pairs read from their leading digits.
        {"pair with a trailing non-digit", "X" + kCodeC + "1X", {56, 99, 1}, 51},
        {"pair with a sign", "X" + kCodeC + "+1", {56, 99}, 48},
        {"pair with a leading blank", "X" + kCodeC + " 1", {56, 99}, 48},
        {"pair with a minus", "X" + kCodeC + "-5", {56, 99}, 48},
        {"odd digits keep the CODE A after them",
         "X" + kCodeC + "123" + kCodeA + "Z",
         {56, 99, 12, 3, 101, 58},
         22},
        {"lone sign keeps the FNC1 after it",
         "X" + kCodeC + "+" + kFnc1 + "12",
         {56, 99, 102, 12},
         93},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CCode128 barcode(row.text);
        EXPECT_EQ(barcode.SymbolValues(), row.values);
        EXPECT_EQ(barcode.CheckValue(), row.check);
    }
}

TEST(Code128, EmptyTextIsStartCheckZeroAndStop) {
    const Drawn drawn = DrawAt(CCode128(""), 0, false);
    // START A (2 1 1 4 1 2), value 0, STOP with its termination bar.
    EXPECT_EQ(ModulesOf(drawn, kDensity), "bbsbssssbss"
                                          "bbsbbssbbss"
                                          "bbsssbbbsbsbb");
}

TEST(Code128, WidthIsTheTwelveModuleEstimate) {
    struct Row {
        const char* name;
        std::string text;
        std::int32_t totalWidth;
        std::int32_t drawnWidth;
    };
    // The estimate counts every character of the text, also two digits that
    // share one symbol character and bytes that draw nothing.
    const Row rows[] = {
        {"empty", "", 360, 350},
        {"CODE128", "CODE128", 1200, 1120},
        {"digit pairs", "X" + kCodeC + "1234", 1080, 790},
        {"bytes without value", "A\x80\xFF", 720, 460},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto barcode = CreateBarcode(SymbologyId::Code128, row.text);
        EXPECT_EQ(barcode->TotalWidth(), row.totalWidth);
        EXPECT_EQ(DrawAt(*barcode, 0).end, (Point{row.drawnWidth, 0}));
    }
}

TEST(Code128, LabelIsTheUpperCasedTextCentredOnItsBars) {
    const std::string text = "ab" + kCodeC + "12";
    const Drawn drawn = DrawAt(CCode128(text), 0);
    ASSERT_EQ(drawn.surface.texts.size(), 1u);
    const RecordedText& label = drawn.surface.texts[0];
    EXPECT_EQ(label.text, "AB" + kCodeC + "12");
    // Not on the estimate of (5 + 3) x 12 x 10 = 960 mils but on the bars drawn:
    // 7 characters of 11 modules and the stop's 13, 790 mils; 5 characters of 67.
    EXPECT_EQ(label.topLeft, (Point{(790 - 5 * 67) / 2, -kBarLength}));
    EXPECT_TRUE(DrawAt(CCode128(text), 0, false).surface.texts.empty());
}

TEST(Code128, PatternTableFollowsTheSymbologyRules) {
    const CCode128 barcode("");
    std::vector<std::string_view> seen;
    for (int value = 0; value <= CCode128::kStop; ++value) {
        SCOPED_TRACE(value);
        const std::string_view pattern = barcode.CharPattern(value);
        const bool stop = value == CCode128::kStop;
        // 11 modules: three bars and three spaces of 1 to 4 modules, the bars
        // an even number of modules; STOP adds the two-module termination bar.
        ASSERT_EQ(pattern.size(), stop ? 13u : 11u);
        const std::vector<int> runs = RunsOf(pattern);
        ASSERT_EQ(runs.size(), stop ? 7u : 6u);
        EXPECT_EQ(pattern.front(), 'b');
        EXPECT_EQ(pattern.back(), stop ? 'b' : 's');
        int barModules = 0;
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_GE(runs[i], 1);
            EXPECT_LE(runs[i], 4);
            barModules += i % 2 == 0 ? runs[i] : 0;
        }
        EXPECT_EQ(barModules % 2, 0);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), pattern), 0);
        seen.push_back(pattern);
    }
    // Published examples.
    EXPECT_EQ(barcode.CharPattern(0), "bbsbbssbbss");
    EXPECT_EQ(barcode.CharPattern(1), "bbssbbsbbss");
    EXPECT_EQ(RunsOf(barcode.CharPattern(103)), (std::vector<int>{2, 1, 1, 4, 1, 2}));
    EXPECT_EQ(barcode.CharPattern(104), "bbsbssbssss");
    EXPECT_EQ(barcode.CharPattern(105), "bbsbssbbbss");
    EXPECT_EQ(barcode.CharPattern(106), "bbsssbbbsbsbb");
    EXPECT_EQ(barcode.CharPattern(-1), "");
    EXPECT_EQ(barcode.CharPattern(107), "");
}

TEST(Code128, DrawingTwiceGivesIdenticalSymbols) {
    // Every drawing starts again from code set A, also after a code change.
    const CCode128 barcode("X" + kCodeC + "1234" + kCodeB + "`");
    for (int orientation = 0; orientation < 4; ++orientation) {
        const Drawn first = DrawAt(barcode, orientation);
        const Drawn second = DrawAt(barcode, orientation);
        ASSERT_EQ(first.surface.lines.size(), second.surface.lines.size());
        for (std::size_t i = 0; i < first.surface.lines.size(); ++i) {
            EXPECT_EQ(first.surface.lines[i].from, second.surface.lines[i].from);
        }
        EXPECT_EQ(first.end, second.end);
    }
}

TEST(Code128RoundTrip, StartBAndStartCPatternsReadBack) {
    // The walk always starts in code set A; the other two start characters are
    // drawn here by hand from the pattern table to have the reader check them.
    struct Row {
        const char* name;
        int start;
        std::vector<int> values;
        std::string expected;
    };
    const Row rows[] = {
        {"START B", 104, {65, 66, 94}, "ab~"}, // in code set B
        {"START C", 105, {12, 34, 56}, "123456"},
    };
    const CCode128 patterns("");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EncodingBuilder builder(kDensity, 3 * kDensity);
        int sum = row.start;
        builder.Modules(patterns.CharPattern(row.start));
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            sum += row.values[i] * static_cast<int>(i + 1);
            builder.Modules(patterns.CharPattern(row.values[i]));
        }
        builder.Modules(patterns.CharPattern(sum % CCode128::kCheckModulus));
        builder.Modules(patterns.CharPattern(CCode128::kStop));
        RecordingSurface surface;
        Point origin{0, 0};
        CBarcode::DrawEncoding(builder.Finish(0), surface, origin, kBarLength, false, 0);
        const Decoded decoded =
            DecodeImage(RasteriseBars(surface.lines, 0.2, 10 * kDensity), Symbology::Code128);
        ASSERT_TRUE(decoded.valid);
        EXPECT_EQ(decoded.text, row.expected);
    }
}

// The fewest symbol characters (start, check and stop not counted) that a
// reader decodes to the text, found by a breadth-first search over what a
// reader does with each of the 103 values in each state: code set, units read,
// SHIFT pending, FNC4 latched and FNC4 pending. The text's units are what the
// shortest form promises a reader reports: data bytes (FNC4 adding 128 to the
// next), FNC1, FNC2 and FNC3. Like the encoder it reads no code set C pair
// while FNC4 is latched or pending.
std::size_t FewestCharacters(const std::string& text) {
    std::vector<int> units; // bytes 0 to 255; FNC1 to FNC3 as 256 + their value
    bool high = false;
    for (const char c : text) {
        const int byte = static_cast<unsigned char>(c);
        if (c == kCodeA[0] || c == kCodeB[0]) {
            high = true;
        } else if (c == kFnc1[0] || c == kFnc2[0] || c == kFnc3[0]) {
            units.push_back(256 + (c == kFnc1[0] ? 102 : c == kFnc2[0] ? 97 : 96));
        } else {
            units.push_back(byte + (high ? 128 : 0));
            high = false;
        }
    }
    if (high) {
        units.push_back(256 + 100); // a last FNC4 with no byte after it
    }
    // A reader takes an FNC1 right after a first code set C pair for an AIM
    // mark: such a pair is no path.
    std::size_t firstData = 0;
    while (firstData < units.size() && units[firstData] >= 256) {
        ++firstData;
    }
    const auto fnc1After = [&units](std::size_t i) {
        while (i < units.size() && (units[i] == 256 + 97 || units[i] == 256 + 96)) {
            ++i;
        }
        return i < units.size() && units[i] == 256 + 102;
    };
    struct State {
        int set; // 0 A, 1 B, 2 C
        std::size_t read;
        bool shifted, latched, next;
        int Key() const { return set * 8 + shifted * 4 + latched * 2 + next; }
    };
    const auto data = [](int set, int value) -> int { // the byte a value reads as, or -1
        if (value < 64) {
            return value + 32;
        }
        if (value < 96) {
            return set == 0 ? value - 64 : value + 32;
        }
        return -1;
    };
    std::vector<std::array<std::size_t, 24>> steps(text.size() + 1);
    for (auto& row : steps) {
        row.fill(SIZE_MAX);
    }
    std::deque<State> queue;
    for (int set = 0; set < 3; ++set) {
        steps[0][static_cast<std::size_t>(set) * 8] = 0;
        queue.push_back({set, 0, false, false, false});
    }
    while (!queue.empty()) {
        const State at = queue.front();
        queue.pop_front();
        const std::size_t count = steps[at.read][at.Key()];
        if (at.read == units.size() && !at.shifted) {
            return count;
        }
        const int unit = at.read < units.size() ? units[at.read] : -1;
        for (int value = 0; value < 103; ++value) {
            State next = at;
            next.shifted = false;
            if (at.set == 2) {
                const bool aim = at.read == firstData && fnc1After(at.read + 2);
                const bool pair = value < 100 && !at.latched && !at.next && !aim &&
                                  at.read + 1 < units.size() && unit == '0' + value / 10 &&
                                  units[at.read + 1] == '0' + value % 10;
                if (pair) {
                    next.read += 2;
                } else if (value == 102 && unit == 256 + 102) {
                    next.read += 1;
                } else if (value == 100 || value == 101) {
                    next.set = value == 101 ? 0 : 1;
                } else {
                    continue;
                }
            } else {
                const int set = at.shifted ? 1 - at.set : at.set;
                const int byte = data(set, value);
                const bool fnc4 = value == (set == 0 ? 101 : 100);
                if (byte >= 0 && unit == byte + (at.latched != at.next ? 128 : 0)) {
                    next.read += 1;
                    next.next = false;
                } else if (((value == 102 || value == 97 || value == 96) && unit == 256 + value) ||
                           (fnc4 && unit == 256 + 100)) {
                    next.read += 1;
                } else if (!at.shifted && fnc4) { // a shifted character is data or nothing
                    next.latched = at.next ? !at.latched : at.latched;
                    next.next = !at.next;
                } else if (!at.shifted && value == 98) {
                    next.shifted = true;
                } else if (!at.shifted && (value == 99 || value == 100 || value == 101)) {
                    next.set = value == 99 ? 2 : value == 100 ? 1 : 0;
                } else {
                    continue;
                }
            }
            std::size_t& seen = steps[next.read][next.Key()];
            if (seen == SIZE_MAX) {
                seen = count + 1;
                queue.push_back(next);
            }
        }
    }
    return SIZE_MAX;
}

TEST(Code128Shortest, NoReaderPathIsShorterOnRandomShortTexts) {
    // Digits in runs of every parity, letters of both cases, control
    // characters (code set A only), DEL (B only) and the function characters.
    const std::string alphabet =
        "0123456789aZ\x01~\x7F" + kFnc1 + kFnc2 + kFnc3 + kCodeA + kCodeB + kCodeB;
    std::mt19937 random(2024);
    for (int round = 0; round < 2000; ++round) {
        std::string text(1 + random() % 8, ' ');
        for (char& c : text) {
            // Digits half the time, so long and odd runs are common.
            c = random() % 2 == 0 ? static_cast<char>('0' + random() % 10)
                                  : alphabet[random() % alphabet.size()];
        }
        if (CCode128::AimMarkAfter(text)) {
            continue; // no reader path reads these as the text
        }
        SCOPED_TRACE(text);
        const CCode128::Plan plan = CCode128::ShortestPlan(text);
        ASSERT_EQ(plan.values.size(), FewestCharacters(text));
    }
}

TEST(Code128Shortest, FewerCharactersThanTheClassicForm) {
    struct Row {
        const char* text;
        std::size_t classic;
        std::size_t shortest;
    };
    const Row rows[] = {
        {"12345678", 8, 4},       // START C and four pairs
        {"123456789012", 12, 6},  // six pairs
        {"1234567", 7, 5},        // odd run: three pairs, CODE B, the last digit
        {"Part abc", 8, 8},       // all in code set B, lower case kept
        {"AB12345678CD", 12, 10}, // C in the middle pays for itself
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const CCode128 typed(row.text, {kDensity, 3});
        const CCode128 chosen(row.text, {kDensity, 3, CodeSetChoice::Shortest});
        EXPECT_EQ(typed.SymbolValues().size(), row.classic);
        EXPECT_EQ(chosen.SymbolValues().size(), row.shortest);
        // 11 modules a character; the shortest form reports its exact width.
        const std::int32_t saved =
            11 * kDensity * static_cast<std::int32_t>(row.classic - row.shortest);
        EXPECT_EQ(DrawAt(typed, 0).end.x - DrawAt(chosen, 0).end.x, saved);
        EXPECT_EQ(chosen.TotalWidth(), DrawAt(chosen, 0).end.x);
    }
}

TEST(Code128Shortest, ReadsBackAsTypedWithBothReaders) {
    // Control characters apart, so that no hex escape swallows a letter.
    const std::string controls = std::string("\x01\x02") + "abc" + "\x03";
    const std::string texts[] = {"Part abc", "123456789012",
                                 "1234567",  "a1b22c333d4444",
                                 controls,   "xy" + kFnc1 + "12" + kFnc1 + "3"};
    const std::string expected[] = {"Part abc", "123456789012",
                                    "1234567",  "a1b22c333d4444",
                                    controls,   std::string("xy\x1D") + "12\x1D" + "3"};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        SCOPED_TRACE(texts[i]);
        const CCode128 barcode(texts[i], {kDensity, 3, CodeSetChoice::Shortest});
        EXPECT_EQ(DrawAndDecode(barcode, 0, Symbology::Code128).text, expected[i]);
        RecordingSurface surface;
        Point origin{0, 0};
        barcode.Draw(surface, origin, kBarLength, false, 0);
        EXPECT_EQ(
            DecodeImageZbar(RasteriseBars(surface.lines, 0.3, 10 * kDensity), Symbology::Code128)
                .text,
            expected[i]);
    }
}

} // namespace

namespace {

TEST(Code128Shortest, RandomTextsReadBackAsTheirLabels) {
    const BarWidths shortest{kDensity, 3, CodeSetChoice::Shortest};
    const std::string functions = kFnc1 + kFnc2 + kFnc3 + kCodeA + kCodeB;
    std::mt19937 random(32);
    int read = 0;
    for (int round = 0; round < 5000; ++round) {
        // Digits, any ASCII byte (controls and DEL too), Latin-1 as FNC4 and
        // a byte, and the function characters, FNC4 twice in a row included.
        std::string text;
        while (text.size() < 1 + random() % 12) {
            switch (random() % 4) {
            case 0:
                text += static_cast<char>('0' + random() % 10);
                break;
            case 1:
                text += static_cast<char>(random() % 128);
                break;
            case 2:
                text += (random() % 2 == 0 ? kCodeA : kCodeB) + static_cast<char>(random() % 128);
                break;
            default:
                text += functions[random() % functions.size()];
                break;
            }
        }
        const CCode128 barcode(text, shortest);
        const std::string expected = ExpectedReading(SymbologyId::Code128, barcode);
        if (CCode128::AimMarkAfter(text) || expected.empty()) {
            continue; // refused, or nothing for a reader to report
        }
        const Decoded decoded = DrawAndDecode(barcode, 0, Symbology::Code128);
        ASSERT_EQ(decoded.text, expected) << ::testing::PrintToString(text);
        ++read;
    }
    EXPECT_GT(read, 4000);
    RecordProperty("read", read);
}

} // namespace
