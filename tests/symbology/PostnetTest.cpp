#include "Postnet.h"
#include "PostnetReader.h"
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

// Reads a recorded POSTNET symbol: its geometry must be exactly the
// symbology's in mils (every bar 20 mils wide and one pitch from the last, all
// ending on one line 125 mils from the origin line, full bars 125 and half
// bars 50 high); the program's bar-height reader then reads the digits.
PostnetReading ReadRecorded(const std::vector<RecordedLine>& lines, int orientation) {
    std::vector<PostnetBar> bars;
    for (const RecordedLine& line : lines) {
        const Point from = Upright(line.from, orientation);
        const Point to = Upright(line.to, orientation);
        if (from.x != to.x) {
            return {{}, -1, "a bar is not across the reading direction"};
        }
        const std::int32_t nearEnd = std::max(from.y, to.y);
        const std::int32_t farEnd = std::min(from.y, to.y);
        const std::int32_t height = nearEnd - farEnd;
        if (line.width != kBarWidth || farEnd != -kFullBar ||
            (height != kFullBar && height != kHalfBar)) {
            return {{}, -1, "a bar of the wrong size or off the common line"};
        }
        bars.push_back({static_cast<double>(from.x), static_cast<double>(farEnd),
                        static_cast<double>(height)});
    }
    std::sort(bars.begin(), bars.end(),
              [](const PostnetBar& a, const PostnetBar& b) { return a.centre < b.centre; });
    for (std::size_t i = 1; i < bars.size(); ++i) {
        if (bars[i].centre - bars[i - 1].centre != kPitch) {
            return {{}, -1, "bar " + std::to_string(i) + " is off the pitch"};
        }
    }
    return ReadPostnet(bars);
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
            const PostnetReading reading = ReadRecorded(drawn.surface.lines, orientation);
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
        EXPECT_EQ(ReadRecorded(drawn.surface.lines, 2).error, "");
    }
}

// The bars of a height pattern ("1" full, "0" half) as a 96-dpi image holds
// them: the pitch of 4.5 pixels rounded to 4 and 5 in turn, full bars 12
// pixels and half bars 5, every foot on row 40.
std::vector<PostnetBar> PixelBars(std::string_view heights) {
    std::vector<PostnetBar> bars;
    double centre = 3;
    for (const char h : heights) {
        bars.push_back({centre, 40, h == '1' ? 12.0 : 5.0});
        centre += bars.size() % 2 == 0 ? 4 : 5;
    }
    return bars;
}

std::string FramedPattern(std::string_view digits) {
    const CPostnet postnet("");
    std::string heights = "1";
    for (const char d : digits) {
        heights += postnet.CharPattern(d);
    }
    return heights + "1";
}

// The reader as the scan check uses it, on bars measured in device pixels:
// sizes are compared with each other only, and a damaged symbol is refused
// with the reason rather than read as other digits.
TEST(PostnetReader, ReadsPixelBarsAndRefusesDamagedOnes) {
    struct Row {
        const char* name;
        std::vector<PostnetBar> bars;
        bool reads;
        std::string digits;
    };
    const std::string sample = FramedPattern("218986238184"); // check digit 4
    std::vector<PostnetBar> lifted = PixelBars(sample);
    lifted[2].foot -= 5; // a half bar floating above the common line
    std::vector<PostnetBar> gap = PixelBars(sample);
    gap.erase(gap.begin() + 7); // a bar lost: its neighbours two pitches apart
    std::vector<PostnetBar> shuffled = PixelBars(FramedPattern("123455"));
    std::reverse(shuffled.begin(), shuffled.end()); // order comes from the centres
    const Row rows[] = {
        {"the start-up sample", PixelBars(sample), true, "21898623818"},
        {"five digits, bars given in any order", shuffled, true, "12345"},
        {"no digits: frame, check 0, frame", PixelBars(FramedPattern("0")), true, ""},
        {"wrong check digit", PixelBars(FramedPattern("123454")), false, ""},
        {"a group of three full bars",
         PixelBars("1"
                   "11100"
                   "11000"
                   "1"),
         false, ""},
        {"no closing frame bar", PixelBars(sample.substr(0, sample.size() - 1)), false, ""},
        {"a half bar off the common line", lifted, false, ""},
        {"a bar missing", gap, false, ""},
        {"nothing", {}, false, ""},
    };
    for (const Row& row : rows) {
        const PostnetReading reading = ReadPostnet(row.bars);
        EXPECT_EQ(reading.Valid(), row.reads) << row.name << ": " << reading.error;
        if (row.reads) {
            EXPECT_EQ(reading.digits, row.digits) << row.name;
        }
    }
}

} // namespace
