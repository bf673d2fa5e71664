// Label stock: the built-in sheets against their published dimensions, and
// custom sheets as typed.
#include "SheetLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kMilsPerMm = 1000.0 / 25.4;

// Each sheet's labels, per its maker, in the unit it is sold in; every sheet
// here has equal margins left and right, top and bottom.
TEST(SheetLayout, BuiltInSheetsMatchTheirPublishedDimensions) {
    struct Row {
        const char* name;
        int labels;
        double width, height; // one label
        double milsPerUnit;
    };
    const Row rows[] = {
        {"letter-3x10", 30, 2.625, 1, 1000},    {"letter-2x10", 20, 4, 1, 1000},
        {"letter-4x20", 80, 1.75, 0.5, 1000},   {"a4-3x8", 24, 70, 37, kMilsPerMm},
        {"a4-3x7", 21, 70, 42.3, kMilsPerMm},   {"a4-4x10", 40, 48.5, 25.4, kMilsPerMm},
        {"a4-2x7", 14, 99.1, 38.1, kMilsPerMm}, {"roll-2x1in", 1, 2, 1, 1000},
        {"roll-4x6in", 1, 4, 6, 1000},          {"roll-57x32mm", 1, 57, 32, kMilsPerMm},
    };
    ASSERT_EQ(BuiltInSheets().size(), std::size(rows));
    for (const Row& row : rows) {
        std::string error;
        const auto sheet = ParseSheetLayout(row.name, &error);
        ASSERT_TRUE(sheet) << row.name << ": " << error;
        EXPECT_EQ(sheet->LabelsPerSheet(), row.labels) << row.name;
        const LabelPlace first = LabelAt(*sheet, 0);
        const LabelPlace last = LabelAt(*sheet, row.labels - 1);
        EXPECT_NEAR(first.width, row.width * row.milsPerUnit, 0.01) << row.name;
        EXPECT_NEAR(first.height, row.height * row.milsPerUnit, 0.01) << row.name;
        EXPECT_NEAR(sheet->pageWidth - (last.x + last.width), first.x, 0.01) << row.name;
        EXPECT_NEAR(sheet->pageHeight - (last.y + last.height), first.y, 0.01) << row.name;
    }
}

TEST(SheetLayout, CustomSheetsAreReadOrRefusedWithTheReason) {
    struct Row {
        const char* text;
        const char* fault; // empty: read
    };
    const Row rows[] = {
        {"page=8.5x11in,grid=3x10,label=2.625x1in,margins=0.5x0.1875in,pitch=2.75x1in", ""},
        {"page=100x50mm,grid=2x1,label=50x50mm", ""},
        {"letter-5x5", "unknown sheet"},
        {"page=8.5x11in,grid=3x10", "needs page=, grid= and label="},
        {"page=8.5x11,grid=3x10,label=2x1in", "width x height"},
        {"page=8.5x11in,grid=2.5x10,label=2x1in", "columns x rows"},
        {"page=8.5x11in,grid=3x10,label=2x1in,colour=red", "unknown field"},
        {"page=8.5x11in,grid=5x10,label=2x1in", "do not fit the page"},
        {"page=8.5x11in,grid=3x10,label=2x1in,pitch=1.5x1in", "overlap"},
        {"page=8.5x11in,grid=0x10,label=2x1in", "at least one column"},
        {"page=8.5x11in,grid=1x1,label=1e308x1in", "passes the largest page"},
        {"page=201x11in,grid=1x1,label=2x1in", "passes the largest page"},
        {"page=8.5x11in,grid=-1e300x1,label=2x1in", "at most 1000 columns"},
        {"page=8.5x11in,grid=1x1,label=2x1in,label=3x1in", "\"label\" is given twice"},
    };
    for (const Row& row : rows) {
        std::string error;
        const auto sheet = ParseSheetLayout(row.text, &error);
        EXPECT_EQ(sheet.has_value(), *row.fault == '\0') << row.text << ": " << error;
        EXPECT_NE(error.find(row.fault), std::string::npos) << row.text << ": " << error;
    }
    std::string error;
    const auto custom = ParseSheetLayout("page=100x50mm,grid=2x1,label=50x50mm", &error);
    ASSERT_TRUE(custom);
    EXPECT_NEAR(LabelAt(*custom, 1).x, 50 * kMilsPerMm, 0.01); // the pitch is the label's
}

} // namespace
