#include "Barcode.h"
#include "BookNumber.h"
#include "Code128.h"
#include "Code39.h"
#include "Code93.h"
#include "EanUpc.h"
#include "Gs1.h"
#include "Interleaved25.h"
#include "Itf14.h"
#include "Postnet.h"
#include "Profile.h"
#include "RecordingSurface.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <optional>
#include <string>
#include <typeinfo>

namespace {

// A symbology whose encoding is one run of "n"/"w" elements and then one of
// "b"/"s" modules, to exercise the builder and the one draw routine.
class PrimitiveProbe : public CBarcode {
public:
    explicit PrimitiveProbe(std::string elements = {}, std::string modules = {})
        : CBarcode(std::string(), SettingsWidths()), m_elements(std::move(elements)),
          m_modules(std::move(modules)) {}
    std::int32_t TotalWidth() const override { return 0; }
    Encoding Encode() const override {
        EncodingBuilder builder = Builder();
        builder.Elements(m_elements);
        builder.Modules(m_modules);
        return builder.Finish(0);
    }

private:
    std::string m_elements;
    std::string m_modules;
};

RecordingSurface DrawProbe(const PrimitiveProbe& probe, Point& origin, std::int32_t length,
                           int orientation) {
    RecordingSurface surface;
    probe.Draw(surface, origin, length, false, orientation);
    return surface;
}

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
    Point origin{0, 0};
    const RecordingSurface surface = DrawProbe(PrimitiveProbe("nwn"), origin, 750, 0);
    ASSERT_EQ(surface.lines.size(), 2u);
    // Bars cover x 0..10 and 40..50, from y 0 down to -750.
    EXPECT_EQ(surface.lines[0].from, (Point{5, 0}));
    EXPECT_EQ(surface.lines[0].to, (Point{5, -750}));
    EXPECT_EQ(surface.lines[1].from, (Point{45, 0}));
    EXPECT_EQ(surface.lines[1].to, (Point{45, -750}));
    EXPECT_EQ(origin, (Point{50, 0}));
}

TEST(DrawElements, NarrowWideNarrowInOrientationOne) {
    Point origin{0, 0};
    const RecordingSurface surface = DrawProbe(PrimitiveProbe("nwn"), origin, 750, 1);
    ASSERT_EQ(surface.lines.size(), 2u);
    EXPECT_EQ(surface.lines[0].from, (Point{0, 5}));
    EXPECT_EQ(surface.lines[0].to, (Point{750, 5}));
    EXPECT_EQ(surface.lines[1].from, (Point{0, 45}));
    EXPECT_EQ(surface.lines[1].to, (Point{750, 45}));
    EXPECT_EQ(origin, (Point{0, 50}));
}

TEST(EncodingBuilder, EveryElementRunStartsWithABar) {
    EncodingBuilder builder(10, 30);
    builder.Elements("nn"); // bar, space
    builder.Elements("n");  // bar again
    const Encoding encoding = builder.Finish(0);
    const std::vector<Element> expected{{10, true}, {10, false}, {10, true}};
    EXPECT_EQ(encoding.elements, expected);
    EXPECT_EQ(encoding.DrawnWidth(), 30);
}

TEST(EncodingBuilder, NeighbouringModulesOfOneColourAreOneElement) {
    struct Row {
        const char* name;
        const char* modules;
        std::vector<Element> expected;
    };
    const Row rows[] = {
        {"bars abut", "bbsb", {{20, true}, {10, false}, {10, true}}},
        {"spaces merge", "bssssb", {{10, true}, {40, false}, {10, true}}},
        {"a run across two patterns", "bsbb", {{10, true}, {10, false}, {20, true}}},
    };
    for (const Row& row : rows) {
        EncodingBuilder builder(10, 30);
        builder.Modules(std::string_view(row.modules).substr(0, 2));
        builder.Modules(std::string_view(row.modules).substr(2));
        EXPECT_EQ(builder.Finish(0).elements, row.expected) << row.name;
    }
}

TEST(DrawModules, AMergedRunIsOneBarOfItsWholeWidth) {
    Point origin{0, 0};
    const RecordingSurface surface = DrawProbe(PrimitiveProbe("", "bbsb"), origin, 500, 2);
    ASSERT_EQ(surface.lines.size(), 2u);
    EXPECT_EQ(surface.lines[0].from, (Point{-10, 0}));
    EXPECT_EQ(surface.lines[0].width, 20);
    EXPECT_EQ(surface.lines[1].from, (Point{-35, 0}));
    EXPECT_EQ(surface.lines[1].to, (Point{-35, 500}));
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
    Point origin{INT32_MAX - 5, INT32_MIN + 5};
    const RecordingSurface surface = DrawProbe(PrimitiveProbe("wwww"), origin, INT32_MAX, 0);
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
    Point origin{0, 0};
    const RecordingSurface surface = DrawProbe(PrimitiveProbe("w"), origin, 100, 0);
    ASSERT_EQ(surface.lines.size(), 1u);
    EXPECT_EQ(surface.lines[0].width, 20);
}

TEST(Profile, ChangedDensityTakesEffectAtTheNextConstruction) {
    auto before = CreateBarcode(SymbologyId::Code39, "");
    ScopedProfile profile({{"Density", 15}});
    auto after = CreateBarcode(SymbologyId::Code39, "");
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

TEST(Symbologies, BuildTheClassOfEveryListPositionAndNothingOutsideTheList) {
    const std::type_info* classes[kSymbologyCount] = {
        &typeid(CCode39),    &typeid(CCode93),      &typeid(CCode128), &typeid(CInterleaved25),
        &typeid(CCode39Ext), &typeid(CCode39Mod43), &typeid(CPostnet), &typeid(CUpcA),
        &typeid(CUpcE),      &typeid(CEan13),       &typeid(CEan8),    &typeid(CGs1128),
        &typeid(CItf14),     &typeid(CIsbn),        &typeid(CIssn),    &typeid(CIsmn),
    };
    for (int index = 0; index < kSymbologyCount; ++index) {
        const std::optional<SymbologyId> id = SymbologyAt(index);
        ASSERT_TRUE(id.has_value()) << index;
        const SymbologyFacts& facts = FactsOf(*id);
        EXPECT_EQ(static_cast<int>(facts.id), index) << facts.name;
        const auto barcode = CreateBarcode(*id, "1");
        ASSERT_NE(barcode, nullptr) << facts.name;
        const CBarcode& built = *barcode; // typeid of a reference: no evaluated expression
        EXPECT_EQ(typeid(built), *classes[index]) << facts.name;
    }
    for (const int index : {-1, kSymbologyCount, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(SymbologyAt(index).has_value()) << index;
    }
}

TEST(Symbologies, FoundByListNameOrAliasInAnyCase) {
    struct Row {
        const char* name;
        std::optional<SymbologyId> expected;
    };
    const Row rows[] = {
        {"Code 39", SymbologyId::Code39},
        {"CODE 39 (MOD43 CHECK DIGIT)", SymbologyId::Code39Mod43},
        {"ean13", SymbologyId::Ean13},
        {"I2OF5", SymbologyId::Interleaved25},
        {"upc a", SymbologyId::UpcA},
        {"GS1-128", SymbologyId::Gs1128},
        {"ITF14", SymbologyId::Itf14},
        {"Code39 ", std::nullopt},
        {"", std::nullopt},
        {"qr", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FindSymbology(row.name), row.expected) << row.name;
    }
}

TEST(Symbologies, OnlyPostnetHasABarLengthOfItsOwn) {
    for (const SymbologyFacts& facts : Symbologies()) {
        const std::int32_t expected = facts.id == SymbologyId::Postnet ? 125 : 300;
        EXPECT_EQ(BarLengthOf(facts.id, 300), expected) << facts.name;
    }
}

} // namespace
