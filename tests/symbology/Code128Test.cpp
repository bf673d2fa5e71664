#include "Code128.h"
#include "Decode.h"
#include "Drawing.h"
#include "Factory.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

constexpr int kCode128Id = 2;
constexpr std::int32_t kBarLength = 750;
constexpr std::int32_t kDensity = 10; // the default module width

// The function characters of the data text.
const std::string kUs = "\xC3";    // 195: US in code set A
const std::string kFnc3 = "\xC4";  // 196
const std::string kFnc2 = "\xC5";  // 197
const std::string kShift = "\xC6"; // 198
const std::string kCodeC = "\xC7"; // 199
const std::string kCodeB = "\xC8"; // 200: FNC4 in code set B
const std::string kCodeA = "\xC9"; // 201: FNC4 in code set A
const std::string kFnc1 = "\xCA";  // 202

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
        const auto barcode = CreateBarcode(kCode128Id, row.text);
        EXPECT_EQ(barcode->TotalWidth(), row.totalWidth);
        EXPECT_EQ(DrawAt(*barcode, 0).end, (Point{row.drawnWidth, 0}));
    }
}

TEST(Code128, LabelIsTheUpperCasedTextCentredOnTheEstimate) {
    const std::string text = "ab" + kCodeC + "12";
    const Drawn drawn = DrawAt(CCode128(text), 0);
    ASSERT_EQ(drawn.surface.texts.size(), 1u);
    const RecordedText& label = drawn.surface.texts[0];
    EXPECT_EQ(label.text, "AB" + kCodeC + "12");
    // (5 + 3) x 12 x 10 = 960 mils; 5 characters of 67 mils.
    EXPECT_EQ(label.topLeft, (Point{(960 - 5 * 67) / 2, -kBarLength}));
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

TEST(Code128, AnyEightBitTextDrawsSafelyWithinTheEstimate) {
    std::mt19937 random(128);
    std::string noise(10000, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() & 0xFF);
    }
    // Function characters and digits only: many code changes and odd digit runs.
    std::string switches(10000, '\0');
    const std::string alphabet = "0123456789" + kShift + kCodeC + kCodeB + kCodeA + kFnc1;
    for (char& c : switches) {
        c = alphabet[random() % alphabet.size()];
    }
    std::string allBytes;
    for (int c = 0; c < 256; ++c) {
        allBytes += static_cast<char>(c);
    }
    const std::string texts[] = {
        noise,           switches,         allBytes, std::string(10000, '9'),
        kCodeC + "1",    kCodeC + "12345", kShift,   kCodeC,
        kCodeA + kCodeB, "\xCE",           kFnc1};
    for (const std::string& text : texts) {
        const auto barcode = CreateBarcode(kCode128Id, text);
        for (int orientation = 0; orientation < 4; ++orientation) {
            const Drawn drawn = DrawAt(*barcode, orientation);
            EXPECT_FALSE(drawn.surface.lines.empty());
            const std::int32_t drawnLength = std::max(std::abs(drawn.end.x), std::abs(drawn.end.y));
            EXPECT_LE(drawnLength, barcode->TotalWidth());
        }
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
        RecordingSurface surface;
        Point origin{0, 0};
        int sum = row.start;
        patterns.DrawModules(surface, patterns.CharPattern(row.start), origin, kBarLength, 0);
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            sum += row.values[i] * static_cast<int>(i + 1);
            patterns.DrawModules(surface, patterns.CharPattern(row.values[i]), origin, kBarLength,
                                 0);
        }
        patterns.DrawModules(surface, patterns.CharPattern(sum % CCode128::kCheckModulus), origin,
                             kBarLength, 0);
        patterns.DrawModules(surface, patterns.CharPattern(CCode128::kStop), origin, kBarLength, 0);
        const Decoded decoded =
            DecodeImage(RasteriseBars(surface.lines, 0.2, 10 * kDensity), Symbology::Code128);
        ASSERT_TRUE(decoded.valid);
        EXPECT_EQ(decoded.text, row.expected);
    }
}

TEST(Code128RoundTrip, DecoderReadsEveryCaseInEveryOrientation) {
    struct Row {
        const char* name;
        std::string text;
        std::string expected;
    };
    std::string allPairs = "X" + kCodeC;
    for (int pair = 0; pair < 100; ++pair) {
        allPairs += static_cast<char>('0' + pair / 10);
        allPairs += static_cast<char>('0' + pair % 10);
    }
    std::string codeSetA;
    for (int c = 0; c < 96; ++c) {
        codeSetA += static_cast<char>(c);
    }
    std::string codeSetB = "A" + kCodeB;
    for (int c = 32; c < 127; ++c) {
        codeSetB += static_cast<char>(c);
    }
    const Row rows[] = {
        {"CODE128", "CODE128", "CODE128"},
        {"lower case reads upper-cased", "code 128", "CODE 128"},
        {"A to C to A", "X" + kCodeC + "1234" + kCodeA + "Z", "X1234Z"},
        {"A to B to A", "AB" + kCodeB + "`{|}~" + kCodeA + "Z\t", "AB`{|}~Z\t"},
        {"odd digits before CODE A", "X" + kCodeC + "123" + kCodeA + "Z", "X1203Z"},
        {"SHIFT from A into B", "A" + kShift + "{B", "A{B"},
        {"SHIFT from B into A", "A" + kCodeB + "b" + kShift + "\x01" + "c",
         "AB\x01"
         "C"},
        // The reader returns an FNC1 after the first position as GS (29), the
        // field separator of GS1 data; a leading FNC1 only marks the symbol as
        // GS1-128 (in its symbology identifier) and adds no byte.
        {"FNC1 inside", "A" + kCodeC + "12" + kFnc1 + "34",
         "A12\x1D"
         "34"},
        {"every digit pair", allPairs, allPairs.substr(0, 1) + allPairs.substr(2)},
        {"every code set A character", codeSetA, codeSetA},
        {"every code set B character", codeSetB, "A" + UpperCaseAscii(codeSetB.substr(2))},
        {"FNC4 in code set A adds 128 to the next character", "A" + kCodeA + "B", "A\xC2"},
        {"FNC2, FNC3 and US", "A" + kFnc2 + "B" + kFnc3 + "C" + kUs, "ABC\x1F"},
        {"FNC1 first", kFnc1 + "A", "A"},
    };
    for (const Row& row : rows) {
        const auto barcode = CreateBarcode(kCode128Id, row.text);
        for (int orientation = 0; orientation < 4; ++orientation) {
            SCOPED_TRACE(std::string(row.name) + ", orientation " + std::to_string(orientation));
            const Decoded decoded = DrawAndDecode(*barcode, orientation, Symbology::Code128, true);
            ASSERT_TRUE(decoded.valid);
            EXPECT_EQ(decoded.text, row.expected);
        }
    }
}

} // namespace
