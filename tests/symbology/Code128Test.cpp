#include "Code128.h"
#include "Code128Text.h"
#include "Decode.h"
#include "Drawing.h"
#include "RecordingSurface.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

} // namespace
