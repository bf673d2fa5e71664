#include "Postnet.h"
#include "RecordingSurface.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

using namespace std::string_literals;

constexpr std::int32_t kPitch = 47;
constexpr std::int32_t kBarWidth = 20;
constexpr std::int32_t kFullBar = 125;
constexpr std::int32_t kHalfBar = 50;

struct Drawn {
    RecordingSurface surface;
    Point end;
};

Drawn DrawAt(const CBarcode& barcode, int orientation, std::int32_t barLength = 125,
             bool showText = false) {
    Drawn drawn;
    barcode.Draw(drawn.surface, drawn.end, barLength, showText, orientation);
    return drawn;
}

// Turns a point of the given orientation back into the upright frame, where
// the symbol reads along +x and its bars hang down (-y).
Point Upright(Point p, int orientation) {
    for (int turn = 0; turn < orientation; ++turn) {
        p = {p.y, -p.x}; // a quarter turn clockwise
    }
    return p;
}

// What a bar-height reader sees: the digits and the check digit, or an error.
struct Reading {
    std::string digits;
    int check = -1;
    std::string error;
};

// Reads a recorded POSTNET symbol by the heights of its bars: every bar 20 mils
// wide and one pitch from the last, all ending on one line 125 mils from the
// origin line; full bars "1", half bars "0"; a frame bar at each end and groups
// of five bars with two full ones, valued by the weights 7 4 2 1 0 (11 stands
// for 0); the last group is the check digit, which brings the sum to a
// multiple of ten.
Reading ReadPostnet(const std::vector<RecordedLine>& lines, int orientation) {
    struct Bar {
        std::int32_t centre, nearEnd, farEnd, width;
    };
    std::vector<Bar> bars;
    for (const RecordedLine& line : lines) {
        const Point from = Upright(line.from, orientation);
        const Point to = Upright(line.to, orientation);
        if (from.x != to.x) {
            return {{}, -1, "a bar is not across the reading direction"};
        }
        bars.push_back({from.x, std::max(from.y, to.y), std::min(from.y, to.y), line.width});
    }
    std::sort(bars.begin(), bars.end(),
              [](const Bar& a, const Bar& b) { return a.centre < b.centre; });
    std::string heights;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Bar& bar = bars[i];
        if (bar.width != kBarWidth || bar.farEnd != -kFullBar) {
            return {{}, -1, "bar " + std::to_string(i) + " has the wrong width or far end"};
        }
        if (i > 0 && bar.centre - bars[i - 1].centre != kPitch) {
            return {{}, -1, "bar " + std::to_string(i) + " is off the pitch"};
        }
        const std::int32_t height = bar.nearEnd - bar.farEnd;
        if (height != kFullBar && height != kHalfBar) {
            return {{}, -1, "bar " + std::to_string(i) + " is neither full nor half"};
        }
        heights += height == kFullBar ? '1' : '0';
    }
    if (heights.size() < 7 || (heights.size() - 2) % 5 != 0 || heights.front() != '1' ||
        heights.back() != '1') {
        return {{}, -1, "no frame bars around groups of five: " + heights};
    }
    constexpr int kWeights[] = {7, 4, 2, 1, 0};
    std::string values;
    for (std::size_t group = 1; group + 1 < heights.size(); group += 5) {
        int value = 0;
        int full = 0;
        for (std::size_t i = 0; i < 5; ++i) {
            if (heights[group + i] == '1') {
                value += kWeights[i];
                ++full;
            }
        }
        if (full != 2) {
            return {{}, -1, "a group without two full bars: " + heights};
        }
        values += static_cast<char>('0' + value % 11);
    }
    Reading reading{values.substr(0, values.size() - 1), values.back() - '0', {}};
    int sum = 0;
    for (const char c : values) {
        sum += c - '0';
    }
    if (sum % 10 != 0) {
        reading.error = "the check digit does not match";
    }
    return reading;
}

TEST(Postnet, ReadBackInEveryOrientation) {
    struct Row {
        const char* name;
        std::string text;
        std::string digits;
        int check;
        std::size_t bars;
        std::int32_t width;
    };
    const Row rows[] = {
        {"five digits, sum 15", "12345", "12345", 5, 32, 1504},
        {"nine digits, sum 45", "123456789", "123456789", 5, 52, 2444},
        {"zeros", "00000", "00000", 0, 32, 1504},
        {"empty: frame, check 0, frame", "", "", 0, 7, 329},
        {"eleven digits", "21898623818", "21898623818", 4, 62, 2914},
        {"every digit", "0123456789", "0123456789", 5, 57, 2679},
        {"a letter adds nothing", "12a3", "123", 4, 22, 1034},
    };
    for (const Row& row : rows) {
        const auto barcode = CreateBarcode(SymbologyId::Postnet, row.text);
        ASSERT_NE(barcode, nullptr);
        EXPECT_EQ(barcode->Data(), row.text) << row.name;
        EXPECT_EQ(barcode->TotalWidth(), row.width) << row.name;
        EXPECT_EQ(dynamic_cast<const CPostnet&>(*barcode).CheckDigit(), row.check) << row.name;
        for (int orientation = 0; orientation < 4; ++orientation) {
            SCOPED_TRACE(std::string(row.name) + ", orientation " + std::to_string(orientation));
            const Drawn drawn = DrawAt(*barcode, orientation);
            EXPECT_EQ(drawn.surface.lines.size(), row.bars);
            const Reading reading = ReadPostnet(drawn.surface.lines, orientation);
            EXPECT_EQ(reading.error, "");
            EXPECT_EQ(reading.digits, row.digits);
            EXPECT_EQ(reading.check, row.check);
            // The origin advances one pitch per bar, the last gap included.
            EXPECT_EQ(Upright(drawn.end, orientation), (Point{row.width, 0}));
        }
    }
}

TEST(Postnet, FirstBarsSitOnThePitch) {
    // 1: "00011" between the frame bars; half bars start 75 mils further out.
    const Drawn drawn = DrawAt(CPostnet("1"), 0);
    ASSERT_GE(drawn.surface.lines.size(), 3u);
    EXPECT_EQ(drawn.surface.lines[0].from, (Point{10, 0}));
    EXPECT_EQ(drawn.surface.lines[0].to, (Point{10, -125}));
    EXPECT_EQ(drawn.surface.lines[1].from, (Point{57, -75}));
    EXPECT_EQ(drawn.surface.lines[1].to, (Point{57, -125}));
    EXPECT_EQ(drawn.surface.lines[2].from, (Point{104, -75}));
}

TEST(Postnet, DigitPatterns) {
    const CPostnet postnet("");
    // Published rows: 0 is 11000, 1 is 00011, 7 is 10001.
    EXPECT_EQ(postnet.CharPattern('0'), "11000");
    EXPECT_EQ(postnet.CharPattern('1'), "00011");
    EXPECT_EQ(postnet.CharPattern('7'), "10001");
    for (const char c : {'a', ' ', '\0', '\xFF', '/', ':'}) {
        EXPECT_EQ(postnet.CharPattern(c), "") << static_cast<int>(c);
    }
}

TEST(Postnet, BarLengthAndShowTextAreIgnored) {
    const CPostnet postnet("12345");
    const Drawn plain = DrawAt(postnet, 1, 125, false);
    const Drawn other = DrawAt(postnet, 1, 750, true);
    EXPECT_TRUE(other.surface.texts.empty());
    ASSERT_EQ(plain.surface.lines.size(), other.surface.lines.size());
    for (std::size_t i = 0; i < plain.surface.lines.size(); ++i) {
        EXPECT_EQ(plain.surface.lines[i].from, other.surface.lines[i].from);
        EXPECT_EQ(plain.surface.lines[i].to, other.surface.lines[i].to);
    }
}

TEST(Postnet, AnyTextReadsBackAsWholeDigitsAndFrame) {
    std::mt19937 random(6);
    std::string noise(10000, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() & 0xFF);
    }
    for (const std::string& text : {noise, std::string(10000, '9'), "\0\0"s}) {
        const CPostnet postnet(text);
        const Drawn drawn = DrawAt(postnet, 2);
        EXPECT_EQ(ReadPostnet(drawn.surface.lines, 2).error, "");
    }
}

} // namespace
