#include "Gs1.h"
#include "Decode.h"
#include "Drawing.h"
#include "Itf14.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kDensity = 10;

// zbar reads the bars alone (no labels): ten modules of quiet zone around them.
Decoded ReadWithZbar(const CBarcode& barcode, Symbology symbology) {
    const Drawn drawn = DrawAt(barcode, 0, false);
    return DecodeImageZbar(RasteriseBars(drawn.surface.lines, 0.3, 10 * kDensity), symbology);
}

TEST(Gs1, RefusalsNameTheFaultAndTheRightCheckDigit) {
    const struct {
        const char* text;
        const char* error;
    } rows[] = {
        {"(00)009501234567890018", "(00) check digit 8 is wrong: it should be 0"},
        {"(01)09501101530004", "(01) check digit 4 is wrong: it should be 3"},
        {"(414)9501101021036", "(414) check digit 6 is wrong: it should be 7"},
        {"(01)0950110153000", "(01) takes 14 digits, not 13"},
        {"(10)ABCDEFGHIJKLMNOPQRSTU", "(10) takes 1 to 20 characters, not 21"},
        {"(30)12A", "(30) takes digits only: \"A\" at position 3 of its data"},
        {"(10)A B", "(10): \" \" at position 2 of its data is not in the GS1 character set"},
        {"(17)250230", "(17) 250230 is no date (YYMMDD)"},
        {"(11)231301", "(11) 231301 is no date (YYMMDD)"},
        {"(421)AB1234", "(421) takes digits only in its country code: \"A\" at position 1 of "
                        "its data"},
        {"(99)1234", "(99) is no Application Identifier known here"},
        {"(3700)123456", "(3700) is no Application Identifier known here"},
        {"(10)", "(10) has no data"},
        {"(10", "the \"(\" at position 1 is never closed"},
        {"0109501101530003", "GS1-128 data starts with an Application Identifier in "
                             "parentheses, such as (01)"},
        {"(00)009501234567890010(00)009501234567890010(20)12",
         "the data is 44 characters long; a GS1-128 symbol holds at most 48"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const std::string error = ParseGs1(row.text).error;
        if (std::string(row.error).starts_with("the data is 44")) {
            EXPECT_EQ(error, "") << "44 characters fit";
            EXPECT_NE(ParseGs1(std::string(row.text) + "(10)ABC").error, "");
            continue;
        }
        EXPECT_EQ(error, row.error);
        EXPECT_TRUE(CGs1128(row.text).Encode().Empty());
    }
    // Dates with day 00 (month only) and 29 February of a leap year are dates.
    EXPECT_EQ(ParseGs1("(15)250200(11)240229").error, "");
}

TEST(Gs1, FunctionOneFirstCodeSetCAndHumanReadableText) {
    // The GTIN, date and batch: START C, FNC1, the pairs of the digits,
    // then CODE B for "AB-123" at the end.
    const CGs1128 barcode("(01)09501101530003(17)251231(10)AB-123");
    const std::vector<int> values = barcode.SymbolValues();
    ASSERT_GE(values.size(), 2u);
    EXPECT_EQ(values[0], CCode128::kFnc1);
    EXPECT_EQ(values[1], 1); // "01" as one code set C character
    EXPECT_EQ(values.size(), 21u);
    const Drawn drawn = DrawAt(barcode, 0);
    ASSERT_EQ(drawn.surface.texts.size(), 1u);
    EXPECT_EQ(drawn.surface.texts[0].text, "(01)09501101530003(17)251231(10)AB-123");
    const Decoded read = ReadWithZbar(barcode, Symbology::Code128);
    EXPECT_EQ(read.identifier, "]C1");
    EXPECT_EQ(read.text, "010950110153000317251231"
                         "10AB-123");
}

TEST(Itf14, BearerBarsAsTheSettingSaysAndEveryChoiceReads) {
    const struct {
        BearerBars bearers;
        std::size_t horizontal; // lines along the reading direction
        std::int32_t width;     // drawn width in mils
    } rows[] = {
        // 14 digits of (2 x 3 + 3) modules, start and stop 9, quiet zones 20:
        // 155 modules; the frame adds two bars of 5 modules.
        {BearerBars::Frame, 2, 1550 + 100},
        {BearerBars::TopAndBottom, 2, 1550},
        {BearerBars::None, 0, 1550},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.bearers));
        const CItf14 barcode("1540014128876", {kDensity, 3, CodeSetChoice::AsTyped, row.bearers});
        const Drawn drawn = DrawAt(barcode, 0, false);
        std::size_t horizontal = 0;
        for (const RecordedLine& line : drawn.surface.lines) {
            horizontal += line.from.y == line.to.y ? 1 : 0;
        }
        EXPECT_EQ(horizontal, row.horizontal);
        EXPECT_EQ(drawn.end.x, row.width);
        EXPECT_EQ(barcode.TotalWidth(), row.width);
        EXPECT_EQ(ReadWithZbar(barcode, Symbology::Itf).text, "15400141288763");
    }
    EXPECT_EQ(CItf14::Refusal("15400141288764"), "ITF-14 check digit 4 is wrong: it should be 3");
    EXPECT_EQ(CItf14::Refusal("154001412887"),
              "ITF-14 takes 13 digits, or 14 with the check digit");
}

} // namespace
