#include "Code39.h"
#include "Decode.h"
#include "Drawing.h"
#include "RecordingSurface.h"
#include "SymbologyOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

using namespace std::string_literals;

TEST(Code39Family, WidthsAndLabels) {
    struct Row {
        const char* name;
        SymbologyId id;
        std::string text;
        std::int32_t width;
        std::string label;
    };
    const Row rows[] = {
        {"empty plain", SymbologyId::Code39, "", 320, ""},
        {"default sample", SymbologyId::Code39, "21898623818", 2080, "21898623818"},
        {"plain upper-cases", SymbologyId::Code39, "abc", 800, "ABC"},
        {"plain counts a byte without pattern", SymbologyId::Code39, "A\xE9", 640, "A\xE9"},
        {"extended lower case is a pair", SymbologyId::Code39Extended, "a", 640, "a"},
        {"extended single characters", SymbologyId::Code39Extended, "A-1", 800, "A-1"},
        {"extended control and DEL", SymbologyId::Code39Extended, "\x01\x7f", 960, "\x01\x7f"},
        {"extended skips codes above 127", SymbologyId::Code39Extended, "A\xE9", 480, "A\xE9"},
        {"extended NUL is a pair", SymbologyId::Code39Extended, "\0"s, 640, "\0"s},
        {"mod43 CODE39", SymbologyId::Code39Mod43, "CODE39", 1440, "CODE39  (W)"},
        {"mod43 upper-cases", SymbologyId::Code39Mod43, "code39", 1440, "CODE39  (W)"},
        {"mod43 single A", SymbologyId::Code39Mod43, "A", 640, "A  (A)"},
        {"mod43 check is a space", SymbologyId::Code39Mod43, "SA", 800, "SA  ( )"},
        {"mod43 empty", SymbologyId::Code39Mod43, "", 480, "  (0)"},
        {"mod43 star adds nothing", SymbologyId::Code39Mod43, "A*", 800, "A*  (A)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto barcode = CreateBarcode(row.id, row.text);
        ASSERT_NE(barcode, nullptr);
        EXPECT_EQ(barcode->TotalWidth(), row.width);
        const Drawn drawn = DrawAt(*barcode, 0);
        if (row.label.empty()) {
            EXPECT_TRUE(drawn.surface.texts.empty());
        } else {
            ASSERT_EQ(drawn.surface.texts.size(), 1u);
            EXPECT_EQ(drawn.surface.texts[0].text, row.label);
        }
    }
}

TEST(Code39Family, CheckCharacters) {
    struct Row {
        const char* text;
        char check;
    };
    const Row rows[] = {
        {"CODE39", 'W'}, {"A", 'A'},  {"SA", ' '},    {"", '0'},
        {"%", '%'},      {"%%", '+'}, {"A\xE9", 'A'}, // no value for a byte without pattern
        {"*A*", 'A'},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CCode39Mod43(row.text).CheckChar(), row.check) << row.text;
    }
}

TEST(Code39Family, PatternTableFollowsTheSymbologyRules) {
    // Every character: nine elements, exactly three wide, then a narrow gap.
    const std::string charset = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
    const CCode39 code39("");
    for (const char c : charset) {
        const std::string p = code39.CharPattern(c);
        ASSERT_EQ(p.size(), 10u) << c;
        EXPECT_EQ(std::count(p.begin(), p.begin() + 9, 'w'), 3) << c;
        EXPECT_EQ(p[9], 'n') << c;
    }
    // Published examples.
    EXPECT_EQ(code39.CharPattern('0'), "nnnwwnwnnn");
    EXPECT_EQ(code39.CharPattern('A'), "wnnnnwnnwn");
    EXPECT_EQ(code39.CharPattern(' '), "nwwnnnwnnn");
    EXPECT_EQ(code39.CharPattern('*'), "nwnnwnwnnn");
    for (int c = 0; c < 256; ++c) {
        if (charset.find(static_cast<char>(c)) == std::string::npos) {
            EXPECT_EQ(code39.CharPattern(static_cast<char>(c)), "") << c;
        }
    }
}

TEST(Code39Family, ExtendedPatternsArePairsOfCode39Characters) {
    const CCode39Ext ext("");
    const CCode39 code39("");
    EXPECT_EQ(ext.CharPattern('a'), code39.CharPattern('+') + code39.CharPattern('A'));
    EXPECT_EQ(ext.CharPattern('\0'), code39.CharPattern('%') + code39.CharPattern('U'));
    EXPECT_EQ(ext.CharPattern('@'), code39.CharPattern('%') + code39.CharPattern('V'));
    EXPECT_EQ(ext.CharPattern('Z'), code39.CharPattern('Z'));
    EXPECT_EQ(ext.CharPattern('\x80'), "");
    for (int c = 0; c < 128; ++c) {
        const std::size_t size = ext.CharPattern(static_cast<char>(c)).size();
        EXPECT_TRUE(size == 10 || size == 20) << c;
    }
}

TEST(Code39Family, BarsEndOneNarrowGapBeforeTheTotalWidth) {
    for (const SymbologyId id :
         {SymbologyId::Code39, SymbologyId::Code39Extended, SymbologyId::Code39Mod43}) {
        const auto barcode = CreateBarcode(id, "Ab-1");
        const Drawn drawn = DrawAt(*barcode, 0, false);
        EXPECT_EQ(drawn.end, (Point{barcode->TotalWidth(), 0})) << id;
        const auto& last = drawn.surface.lines.back();
        EXPECT_EQ(last.from.x - last.width / 2 + last.width, barcode->TotalWidth() - 10) << id;
    }
}

TEST(Code39Family, CharacterWithoutPatternDrawsNothingAndDoesNotAdvance) {
    const CCode39 withByte("A\xE9");
    const CCode39 without("A");
    const Drawn a = DrawAt(withByte, 0, false);
    const Drawn b = DrawAt(without, 0, false);
    EXPECT_EQ(a.end, b.end);
    EXPECT_EQ(a.surface.lines.size(), b.surface.lines.size());
    EXPECT_EQ(withByte.TotalWidth(), without.TotalWidth() + 160);
}

TEST(Code39Family, DrawingTwiceGivesIdenticalSymbols) {
    const CCode39Mod43 barcode("REPEAT");
    const Drawn first = DrawAt(barcode, 1);
    const Drawn second = DrawAt(barcode, 1);
    ASSERT_EQ(first.surface.lines.size(), second.surface.lines.size());
    for (std::size_t i = 0; i < first.surface.lines.size(); ++i) {
        EXPECT_EQ(first.surface.lines[i].from, second.surface.lines[i].from);
    }
}

} // namespace
