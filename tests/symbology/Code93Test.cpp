#include "Code93.h"
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

TEST(Code93, ValuesCheckCharactersAndWidth) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<int> values;
        int c, k;
        std::int32_t width;
    };
    const Row rows[] = {
        {"empty", "", {}, 0, 0, 370},
        {"TEST93", "TEST93", {29, 14, 28, 29, 9, 3}, 41, 6, 910},
        {"CODE 93", "CODE 93", {12, 24, 13, 14, 38, 9, 3}, 14, 0, 1000},
        {"lower case is a pair", "a", {46, 10}, 8, 25, 550},
        {"mixed case", "Code 93", {12, 46, 24, 46, 13, 46, 14, 38, 9, 3}, 43, 8, 1270},
        {"asterisk is (/) J", "A*B", {10, 45, 19, 11}, 36, 16, 730},
        {"weights wrap after 20 and 15",
         "0123456789012345678901234",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4},
         16,
         33,
         2620},
        {"codes above 127 are skipped", "A\x80\xE9\xFF" + "B"s, {10, 11}, 31, 36, 550},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CCode93 barcode(row.text);
        EXPECT_EQ(barcode.SymbolValues(), row.values);
        const CCode93::CheckCharacters checks = barcode.Checks();
        EXPECT_EQ(checks.c, row.c);
        EXPECT_EQ(checks.k, row.k);
        EXPECT_EQ(barcode.TotalWidth(), row.width);
        // The width is exact: the drawing ends on it.
        EXPECT_EQ(DrawAt(barcode, 0).end, (Point{row.width, 0}));
    }
}

TEST(Code93, EmptyTextIsStartTwoZeroChecksAndStop) {
    const Drawn drawn = DrawAt(CCode93(""), 0, false);
    EXPECT_EQ(ModulesOf(drawn, kDensity), "bsbsbbbbs"    // start
                                          "bsssbsbss"    // C = 0
                                          "bsssbsbss"    // K = 0
                                          "bsbsbbbbsb"); // stop and termination bar
}

TEST(Code93, CheckCharacterThatIsAShiftUsesTheShiftPattern) {
    // C of "Code 93" is 43, drawn as ($): the 9 modules before K and the stop.
    const Drawn drawn = DrawAt(CCode93("Code 93"), 0, false);
    const std::string modules = ModulesOf(drawn, kDensity);
    EXPECT_EQ(modules.substr(modules.size() - 28, 9), "bssbssbbs");
}

TEST(Code93, LabelIsTheTextAsTyped) {
    const auto barcode = CreateBarcode(SymbologyId::Code93, "a");
    const Drawn drawn = DrawAt(*barcode, 0);
    ASSERT_EQ(drawn.surface.texts.size(), 1u);
    EXPECT_EQ(drawn.surface.texts[0].text, "a");
    EXPECT_EQ(drawn.surface.texts[0].topLeft, (Point{(550 - 67) / 2, -kBarLength}));
    EXPECT_TRUE(DrawAt(*barcode, 0, false).surface.texts.empty());
}

TEST(Code93, PatternTableFollowsTheSymbologyRules) {
    std::vector<std::string_view> seen;
    for (int value = 0; value <= CCode93::kStartStop; ++value) {
        SCOPED_TRACE(value);
        // 9 modules: three bars and three spaces of 1 to 4 modules.
        const std::string_view pattern = CCode93::Pattern(value);
        ASSERT_EQ(pattern.size(), 9u);
        const std::vector<int> runs = RunsOf(pattern);
        ASSERT_EQ(runs.size(), 6u);
        EXPECT_EQ(pattern.front(), 'b');
        EXPECT_EQ(pattern.back(), 's');
        EXPECT_LE(*std::max_element(runs.begin(), runs.end()), 4);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), pattern), 0);
        seen.push_back(pattern);
    }
    // Published examples.
    EXPECT_EQ(CCode93::Pattern(0), "bsssbsbss");
    EXPECT_EQ(CCode93::Pattern(10), "bbsbsbsss");
    EXPECT_EQ(CCode93::Pattern(43), "bssbssbbs");
    EXPECT_EQ(CCode93::Pattern(47), "bsbsbbbbs");
    EXPECT_EQ(CCode93::Pattern(48), "bsbsbbbbsb");
    EXPECT_EQ(CCode93::Pattern(-1), "");
    EXPECT_EQ(CCode93::Pattern(49), "");
}

TEST(Code93, FullAsciiTable) {
    struct Row {
        const char* name;
        char c;
        std::vector<int> values;
    };
    const Row rows[] = {
        {"NUL is (%) U", '\0', {44, 30}},
        {"SOH is ($) A", '\x01', {43, 10}},
        {"ESC is (%) A", '\x1B', {44, 10}},
        {"space", ' ', {38}},
        {"dollar itself", '$', {39}},
        {"slash itself", '/', {40}},
        {"plus itself", '+', {41}},
        {"percent itself", '%', {42}},
        {"exclamation is (/) A", '!', {45, 10}},
        {"comma is (/) L", ',', {45, 21}},
        {"colon is (/) Z", ':', {45, 35}},
        {"semicolon is (%) F", ';', {44, 15}},
        {"at sign is (%) V", '@', {44, 31}},
        {"underscore is (%) O", '_', {44, 24}},
        {"grave is (%) W", '`', {44, 32}},
        {"z is (+) Z", 'z', {46, 35}},
        {"DEL is (%) T", '\x7F', {44, 29}},
        {"128 has none", '\x80', {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto values = CCode93::FullAsciiValues(row.c);
        EXPECT_EQ(std::vector<int>(values.begin(), values.end()), row.values);
    }
    for (int code = 0; code < 128; ++code) {
        SCOPED_TRACE(code);
        const auto values = CCode93::FullAsciiValues(static_cast<char>(code));
        ASSERT_TRUE(values.size() == 1 || values.size() == 2);
        if (values.size() == 1) {
            EXPECT_LE(values[0], 42); // a basic character
        } else {
            EXPECT_GE(values[0], 43); // a shift character, then a letter
            EXPECT_LE(values[0], 46);
            EXPECT_GE(values[1], 10);
            EXPECT_LE(values[1], 35);
        }
    }
}

} // namespace
