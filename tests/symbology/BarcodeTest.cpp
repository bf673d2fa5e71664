#include "Barcode.h"
#include "Code128.h"
#include "Code39.h"
#include "Code93.h"
#include "EanUpc.h"
#include "Factory.h"
#include "Interleaved25.h"
#include "Postnet.h"
#include "Profile.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <typeinfo>

namespace {

// A symbology without elements of its own, to exercise the shared primitives.
class PrimitiveProbe : public CBarcode {
public:
    PrimitiveProbe() = default;
    std::int32_t TotalWidth() const override { return 0; }
    void Draw(Surface&, Point&, std::int32_t, bool, int) const override {}
};

// Installs a profile holding the given "Barcode" values for one test.
class ScopedProfile {
public:
    explicit ScopedProfile(std::map<std::string, int> values) {
        SetProfileReader(
            [values = std::move(values)](std::string_view section, std::string_view key, int def) {
                if (section != "Barcode") {
                    return def;
                }
                const auto it = values.find(std::string(key));
                return it == values.end() ? def : it->second;
            });
    }
    ~ScopedProfile() { SetProfileReader({}); }
    ScopedProfile(const ScopedProfile&) = delete;
    ScopedProfile& operator=(const ScopedProfile&) = delete;
};

TEST(DrawBar, RunsAlongTheBarDirectionOffsetByHalfTheWidth) {
    struct Row {
        int orientation;
        Point from, to;
    };
    // Bar at (100, 200), length 750, width 10.
    const Row rows[] = {
        {0, {105, 200}, {105, -550}},
        {1, {100, 205}, {850, 205}},
        {2, {95, 200}, {95, 950}},
        {3, {100, 195}, {-650, 195}},
    };
    const PrimitiveProbe probe;
    for (const Row& row : rows) {
        RecordingSurface surface;
        probe.DrawBar(surface, 100, 200, 750, 10, row.orientation);
        ASSERT_EQ(surface.lines.size(), 1u) << "orientation " << row.orientation;
        EXPECT_EQ(surface.lines[0].from, row.from) << "orientation " << row.orientation;
        EXPECT_EQ(surface.lines[0].to, row.to) << "orientation " << row.orientation;
        EXPECT_EQ(surface.lines[0].width, 10);
    }
}

TEST(DrawBar, OddWidthTruncatesTheHalfWidth) {
    RecordingSurface surface;
    PrimitiveProbe().DrawBar(surface, 0, 0, 750, 15, 0);
    ASSERT_EQ(surface.lines.size(), 1u);
    EXPECT_EQ(surface.lines[0].from, (Point{7, 0}));
    EXPECT_EQ(surface.lines[0].width, 15);
}

TEST(DrawElements, NarrowWideNarrowInOrientationZero) {
    RecordingSurface surface;
    Point origin{0, 0};
    PrimitiveProbe().DrawElements(surface, "nwn", origin, 750, 0);
    ASSERT_EQ(surface.lines.size(), 2u);
    // Bars cover x 0..10 and 40..50, from y 0 down to -750.
    EXPECT_EQ(surface.lines[0].from, (Point{5, 0}));
    EXPECT_EQ(surface.lines[0].to, (Point{5, -750}));
    EXPECT_EQ(surface.lines[1].from, (Point{45, 0}));
    EXPECT_EQ(surface.lines[1].to, (Point{45, -750}));
    EXPECT_EQ(origin, (Point{50, 0}));
}

TEST(DrawElements, NarrowWideNarrowInOrientationOne) {
    RecordingSurface surface;
    Point origin{0, 0};
    PrimitiveProbe().DrawElements(surface, "nwn", origin, 750, 1);
    ASSERT_EQ(surface.lines.size(), 2u);
    EXPECT_EQ(surface.lines[0].from, (Point{0, 5}));
    EXPECT_EQ(surface.lines[0].to, (Point{750, 5}));
    EXPECT_EQ(surface.lines[1].from, (Point{0, 45}));
    EXPECT_EQ(surface.lines[1].to, (Point{750, 45}));
    EXPECT_EQ(origin, (Point{0, 50}));
}

TEST(DrawElements, EveryCallStartsWithABar) {
    RecordingSurface surface;
    Point origin{0, 0};
    const PrimitiveProbe probe;
    probe.DrawElements(surface, "nn", origin, 100, 0); // bar, space
    probe.DrawElements(surface, "n", origin, 100, 0);  // bar again
    ASSERT_EQ(surface.lines.size(), 2u);
    EXPECT_EQ(surface.lines[1].from.x, 25);
}

TEST(DrawModules, BarsAbutAndSpacesAdvance) {
    RecordingSurface surface;
    Point origin{0, 0};
    PrimitiveProbe().DrawModules(surface, "bbsb", origin, 500, 2);
    ASSERT_EQ(surface.lines.size(), 3u);
    EXPECT_EQ(surface.lines[0].from, (Point{-5, 0}));
    EXPECT_EQ(surface.lines[1].from, (Point{-15, 0}));
    EXPECT_EQ(surface.lines[2].from, (Point{-35, 0}));
    EXPECT_EQ(surface.lines[2].to, (Point{-35, 500}));
    EXPECT_EQ(origin, (Point{-40, 0}));
}

TEST(DrawLabel, ReferenceCornerAndEscapementPerOrientation) {
    struct Row {
        int orientation;
        Point corner;
        std::int32_t escapement;
    };
    // Origin (100, 200), symbol 1000 long, bars 750, text of 4 x 67 = 268 mils:
    // centring offset (1000 - 268) / 2 = 366.
    const Row rows[] = {
        {0, {466, -550}, 0},
        {1, {850, 566}, -900},
        {2, {-266, 950}, 1800},
        {3, {-650, -166}, 900},
    };
    for (const Row& row : rows) {
        RecordingSurface surface;
        PrimitiveProbe().DrawLabel(surface, 100, 200, 1000, 750, "ABCD", row.orientation);
        ASSERT_EQ(surface.texts.size(), 1u);
        const auto& text = surface.texts[0];
        EXPECT_EQ(text.topLeft, row.corner) << "orientation " << row.orientation;
        EXPECT_EQ(text.font, (Font{"Courier New", 111, 100, row.escapement}));
        EXPECT_EQ(text.text, "ABCD");
        EXPECT_TRUE(surface.lines.empty());
    }
}

TEST(DrawLabel, WiderThanTheSymbolOverhangsBothEndsEqually) {
    RecordingSurface surface(100);
    // 5 characters = 500 mils on a 301-mil symbol: (301 - 500) / 2 = -99.
    PrimitiveProbe().DrawLabel(surface, 0, 0, 301, 750, "ABCDE", 0);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].topLeft, (Point{-99, -750}));
}

TEST(DrawLabel, EmptyTextDrawsNothing) {
    RecordingSurface surface;
    PrimitiveProbe().DrawLabel(surface, 0, 0, 320, 750, "", 0);
    EXPECT_TRUE(surface.texts.empty());
}

TEST(Primitives, CoordinatesSaturateInsteadOfOverflowing) {
    RecordingSurface surface;
    Point origin{INT32_MAX - 5, INT32_MIN + 5};
    PrimitiveProbe().DrawElements(surface, "wwww", origin, INT32_MAX, 0);
    EXPECT_EQ(origin.x, INT32_MAX);
    ASSERT_FALSE(surface.lines.empty());
    EXPECT_EQ(surface.lines[0].to.y, INT32_MIN);
}

TEST(Profile, DefaultsWithoutAReader) {
    const PrimitiveProbe probe;
    EXPECT_EQ(probe.Density(), 10);
    EXPECT_EQ(probe.Ratio(), 3);
}

TEST(Profile, RatioSetsTheWideElement) {
    ScopedProfile profile({{"Ratio", 2}});
    RecordingSurface surface;
    Point origin{0, 0};
    PrimitiveProbe().DrawElements(surface, "w", origin, 100, 0);
    ASSERT_EQ(surface.lines.size(), 1u);
    EXPECT_EQ(surface.lines[0].width, 20);
}

TEST(Profile, ChangedDensityTakesEffectAtTheNextConstruction) {
    auto before = CreateBarcode(0, "");
    ScopedProfile profile({{"Density", 15}});
    auto after = CreateBarcode(0, "");
    EXPECT_EQ(before->TotalWidth(), 320);
    EXPECT_EQ(after->TotalWidth(), 480); // 2 x (3 x 3 + 7) x 15
    EXPECT_EQ(before->Density(), 10);    // an existing object keeps its values
}

TEST(Profile, ValuesOutsideTheSaneRangeReadAsDefaults) {
    struct Row {
        int density, ratio;
        int expectedDensity, expectedRatio;
    };
    const Row rows[] = {
        {0, 0, 10, 3},     {-5, -1, 10, 3}, {INT_MAX, INT_MAX, 10, 3}, {INT_MIN, INT_MIN, 10, 3},
        {1001, 11, 10, 3}, {1, 1, 1, 1},    {1000, 10, 1000, 10},      {13, 2, 13, 2},
    };
    for (const Row& row : rows) {
        ScopedProfile profile({{"Density", row.density}, {"Ratio", row.ratio}});
        const PrimitiveProbe probe;
        EXPECT_EQ(probe.Density(), row.expectedDensity) << row.density;
        EXPECT_EQ(probe.Ratio(), row.expectedRatio) << row.ratio;
    }
}

TEST(Factory, BuildsTheClassOfEveryListPositionAndNothingOutsideTheList) {
    const std::type_info* classes[kSymbologyCount] = {
        &typeid(CCode39),    &typeid(CCode93),      &typeid(CCode128), &typeid(CInterleaved25),
        &typeid(CCode39Ext), &typeid(CCode39Mod43), &typeid(CPostnet), &typeid(CUpcA),
        &typeid(CUpcE),      &typeid(CEan13),       &typeid(CEan8),
    };
    for (int id = 0; id < kSymbologyCount; ++id) {
        const auto barcode = CreateBarcode(id, "1");
        ASSERT_NE(barcode, nullptr) << id;
        EXPECT_EQ(typeid(*barcode), *classes[id]) << kSymbologyNames[static_cast<std::size_t>(id)];
    }
    for (const int id : {-1, 11, INT_MIN, INT_MAX}) {
        EXPECT_EQ(CreateBarcode(id, "A"), nullptr) << id;
    }
}

} // namespace
