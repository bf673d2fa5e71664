#include "Interleaved25.h"
#include "Decode.h"
#include "Drawing.h"
#include "Profile.h"
#include "RecordingSurface.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using namespace std::string_literals;

constexpr std::int32_t kBarLength = 400;

// The elements of a symbol drawn in orientation 0, read back from its bars:
// "n"/"w" by width, bars and spaces alternating from the first bar.
std::string ElementsOf(const std::vector<RecordedLine>& lines, std::int32_t narrow) {
    std::string elements;
    std::int32_t previousEnd = lines.empty() ? 0 : lines.front().from.x - lines.front().width / 2;
    for (const RecordedLine& line : lines) {
        const std::int32_t left = line.from.x - line.width / 2;
        if (left > previousEnd) {
            elements += left - previousEnd == narrow ? 'n' : 'w';
        }
        elements += line.width == narrow ? 'n' : 'w';
        previousEnd = left + line.width;
    }
    return elements;
}

TEST(Interleaved25, NormalisationAndWidth) {
    struct Row {
        const char* name;
        std::string text;
        std::string data;
        std::int32_t width;
    };
    const Row rows[] = {
        {"odd length gets a leading zero", "123", "0123", 450},
        {"even length is kept", "12", "12", 270},
        {"empty: start and stop only", "", "", 90},
        {"single digit", "7", "07", 270},
        {"start-up sample", "21898623818", "021898623818", 1170},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto barcode = CreateBarcode(SymbologyId::Interleaved25, row.text);
        ASSERT_NE(barcode, nullptr);
        EXPECT_EQ(barcode->Data(), row.data);
        EXPECT_EQ(barcode->TotalWidth(), row.width);
        // The reported width is the exact drawn length.
        EXPECT_EQ(DrawAt(*barcode, 0, false, kBarLength).end, (Point{row.width, 0}));
    }
}

TEST(Interleaved25, RatioTwoMakesWideElementsTwentyMils) {
    SetProfileReader(
        [](std::string_view, std::string_view key, int def) { return key == "Ratio" ? 2 : def; });
    const CInterleaved25 itf("123");
    SetProfileReader({});
    EXPECT_EQ(itf.TotalWidth(), 360); // ((2*2 + 3) * 4 + 2 + 6) * 10
    const Drawn drawn = DrawAt(itf, 0, false, kBarLength);
    EXPECT_EQ(drawn.end, (Point{360, 0}));
    for (const RecordedLine& line : drawn.surface.lines) {
        EXPECT_TRUE(line.width == 10 || line.width == 20) << line.width;
    }
}

TEST(Interleaved25, DigitPatternsFollowThePublishedWeights) {
    // Each digit is five elements, two wide; the wide positions carry the
    // weights 1, 2, 4, 7, 0 and add up to the digit (4 + 7 = 11 stands for 0).
    constexpr int kWeights[] = {1, 2, 4, 7, 0};
    for (char digit = '0'; digit <= '9'; ++digit) {
        // The bars of a pair are the first digit's elements.
        const std::string pair = CInterleaved25::PairPattern(digit, '0');
        ASSERT_EQ(pair.size(), 10u) << digit;
        int sum = 0;
        int wide = 0;
        for (std::size_t i = 0; i < 5; ++i) {
            if (pair[2 * i] == 'w') {
                sum += kWeights[i];
                ++wide;
            }
            // The spaces are those of 0: "nnwwn".
            EXPECT_EQ(pair[2 * i + 1], "nnwwn"[i]) << digit;
        }
        EXPECT_EQ(wide, 2) << digit;
        EXPECT_EQ(sum % 11, digit - '0') << digit;
    }
    EXPECT_EQ(CInterleaved25::PairPattern('0', '1'), "nwnnwnwnnw");
    EXPECT_EQ(CInterleaved25::PairPattern('2', '3'), "nwwwnnnnwn");
    EXPECT_EQ(CInterleaved25::PairPattern('2', 'x'), "");
}

TEST(Interleaved25, DrawsStartPairsAndStop) {
    const Drawn drawn = DrawAt(CInterleaved25("123"), 0, false, kBarLength);
    EXPECT_EQ(ElementsOf(drawn.surface.lines, 10), "nnnn"
                                                   "nwnnwnwnnw"
                                                   "nwwwnnnnwn"
                                                   "wnn");
    EXPECT_EQ(drawn.surface.lines.front().from, (Point{5, 0}));
    for (const RecordedLine& line : drawn.surface.lines) {
        EXPECT_EQ(line.from.y - line.to.y, kBarLength);
    }
}

TEST(Interleaved25, LabelIsCentredBeyondTheBars) {
    struct Row {
        int orientation;
        Point corner;
    };
    // "0123" is 268 mils wide on the recorder: centred on 450 mils, 91 in.
    const Row rows[] = {
        {0, {91, -kBarLength}},
        {1, {kBarLength, 91}},
        {2, {-91, kBarLength}},
        {3, {-kBarLength, -91}},
    };
    for (const Row& row : rows) {
        const Drawn drawn = DrawAt(CInterleaved25("123"), row.orientation, true, kBarLength);
        ASSERT_EQ(drawn.surface.texts.size(), 1u);
        EXPECT_EQ(drawn.surface.texts[0].text, "0123");
        EXPECT_EQ(drawn.surface.texts[0].topLeft, row.corner) << row.orientation;
    }
    EXPECT_TRUE(DrawAt(CInterleaved25("123"), 0, false, kBarLength).surface.texts.empty());
}

TEST(Interleaved25, ANonDigitDrawsNothingAtAll) {
    for (const std::string& text : {"12A4"s, "A"s, "12 4"s, "1\0"s, "\xFF\x39"s}) {
        const CInterleaved25 itf(text);
        for (int orientation = 0; orientation < 4; ++orientation) {
            const Drawn drawn = DrawAt(itf, orientation, true, kBarLength);
            EXPECT_TRUE(drawn.surface.lines.empty()) << text;
            EXPECT_TRUE(drawn.surface.texts.empty()) << text;
            EXPECT_EQ(drawn.end, (Point{0, 0})) << text;
        }
    }
}

} // namespace
