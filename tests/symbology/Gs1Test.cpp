#include "Gs1.h"
#include "Decode.h"
#include "Drawing.h"
#include "Gs1Ais.h"
#include "Itf14.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

constexpr int kDensity = 10;

// zbar reads the bars alone (no labels): ten modules of quiet zone around them.
Decoded ReadWithZbar(const CBarcode& barcode, Symbology symbology) {
    const Drawn drawn = DrawAt(barcode, 0, false);
    return DecodeImageZbar(RasteriseBars(drawn.surface.lines, 0.3, 10 * kDensity), symbology);
}

TEST(Gs1, RefusalsNameTheFault) {
    const std::string gtin = "(01)09501101530003";
    const struct {
        std::string text;
        const char* error;
    } rows[] = {
        {"(00)009501234567890018", "(00) check digit 8 is wrong: it should be 0"},
        {"(01)09501101530004", "(01) check digit 4 is wrong: it should be 3"},
        {"(414)9501101021036", "(414) check digit 6 is wrong: it should be 7"},
        {"(01)0950110153000", "(01) takes 14 digits, not 13"},
        {"(10)ABCDEFGHIJKLMNOPQRSTU", "(10) takes 1 to 20 characters, not 21"},
        {"(30)12A", "(30) takes digits only: \"A\" at position 3 of its data"},
        {"(10)A B", "(10): \" \" at position 2 of its data is not in the GS1 character set"},
        {"(8010)ab", "(8010): \"a\" at position 1 of its data is not one of 0-9, A-Z, #, - and /"},
        {"(17)250230", "(17) 250230 is no date (YYMMDD)"},
        {"(11)231301", "(11) 231301 is no date (YYMMDD)"},
        {gtin + "(7003)2512312460", "(7003) 2460 is no time of day (HHMM)"},
        {"(7007)2501011", "(7007) takes its data as N6 [N6], not 7 characters"},
        {"(421)AB1234", "(421) takes digits only: \"A\" at position 1 of its data"},
        {"(421)99912345", "(421) 999 is no ISO 3166 country number"},
        {"(4307)XX", "(4307) XX is no ISO 3166 two-letter country code"},
        {"(3912)123100", "(3912) 123 is no ISO 4217 currency number"},
        {"(3106)123456", "the \"(\" at position 1 starts no Application Identifier: there is no "
                         "AI (3106) (write a parenthesis in data as \\( or \\))"},
        {gtin + "(10)AB(1)", "the \"(\" at position 25 starts no Application Identifier: there "
                             "is no AI (1) (write a parenthesis in data as \\( or \\))"},
        {gtin + "(10)AB)", "(10): \")\" at position 3 of its data: write a parenthesis in data "
                           "as \\( or \\)"},
        {"(10)AB\\x", "the backslash at position 7 stands only before a parenthesis of data"},
        {"(10)", "(10) has no data"},
        {"(10", "the \"(\" at position 1 is never closed"},
        {"0109501101530003", "GS1-128 data starts with an Application Identifier in "
                             "parentheses, such as (01)"},
        {"(10)ABC", "(10) needs one of (01), (02), (03), (8006), (8026) with it"},
        {gtin + "(250)X", "(250) needs (21) with it"},
        {gtin + "(37)5", "(01) may not stand with (37)"},
        {gtin + "(3101)000123(3102)000456", "(3101) may not stand with (3102)"},
        {gtin + "(10)A(10)B", "(10) stands twice with other data"},
        {gtin + "(10)ABCDEFGHIJKLMNOPQRST(21)12345678", ""}, // 48 characters fit
        {gtin + "(10)ABCDEFGHIJKLMNOPQRST(21)123456789",
         "the data is 49 characters long; a GS1-128 symbol holds at most 48"},
        {gtin + "(15)250200(11)240229", ""}, // day 00: the month alone; a leap day
        {gtin + "(10)AB\\(1\\)", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ParseGs1(row.text).error, row.error);
        EXPECT_EQ(CGs1128(row.text).Encode().Empty(), *row.error != '\0');
    }
    // A backslash makes a parenthesis data: the batch "AB(1)".
    EXPECT_EQ(ParseGs1(gtin + "(10)AB\\(1\\)").elements.back().data, "AB(1)");
}

// Data that passes every check of an AI's parts: digits, letters, or what
// each named check takes.
std::string SampleOf(const Gs1Part& part) {
    const std::size_t length = std::min<std::size_t>(part.maxLength, 4);
    std::string sample = part.set == 'N' ? std::string("12345678901234567890123456789012")
                                         : std::string("AB12AB12AB12AB12AB12");
    sample.resize(part.minLength == part.maxLength ? part.maxLength : length, '1');
    for (const std::string& check : part.checks) {
        const std::map<std::string, std::string> fixed = {{"yymmdd", "250131"},
                                                          {"yymmd0", "250100"},
                                                          {"yyyymmdd", "20240229"},
                                                          {"hhmi", "2359"},
                                                          {"hh", "23"},
                                                          {"mi", "59"},
                                                          {"ss", "59"},
                                                          {"iso3166", "276"},
                                                          {"iso3166999", "999"},
                                                          {"iso3166alpha2", "FR"},
                                                          {"iso4217", "978"},
                                                          {"zero", "0"},
                                                          {"yesno", "1"},
                                                          {"hyphen", "-"},
                                                          {"winding", "9"},
                                                          {"iso5218", "2"},
                                                          {"pieceoftotal", "0203"}};
        if (const auto it = fixed.find(check); it != fixed.end()) {
            sample = it->second;
        } else if (check == "csum") {
            sample.back() =
                static_cast<char>('0' + Gs1CheckDigit(sample.substr(0, sample.size() - 1)));
        }
    }
    return sample;
}

// Every AI of the table, with sample data and the AIs it needs (the first
// choice of each need, and theirs in turn), is accepted, encoded and read
// back; a letter where it takes a digit is refused.
TEST(Gs1Table, EveryAiIsAcceptedWithTheAisItNeeds) {
    const Gs1AiTable& table = Gs1Ais();
    EXPECT_EQ(table.edition, "GS1 Barcode Syntax Dictionary, release 2026-01-27");
    EXPECT_EQ(table.ais.size(), 541u);
    EXPECT_EQ(std::count(table.countries.begin(), table.countries.end(), true), 249);
    EXPECT_EQ(std::count(table.currencies.begin(), table.currencies.end(), true), 179);
    for (const Gs1Ai& rule : table.ais) {
        SCOPED_TRACE(rule.ai);
        std::vector<std::string> ais{rule.ai};
        for (std::size_t i = 0; i < ais.size(); ++i) {
            for (const auto& need : FindGs1Ai(ais[i])->required) {
                const auto present = [&ais](const Gs1AiGroup& group) {
                    return std::all_of(group.begin(), group.end(), [&ais](const std::string& p) {
                        return std::any_of(ais.begin(), ais.end(), [&p](const std::string& ai) {
                            return MatchesAiPattern(ai, p);
                        });
                    });
                };
                if (std::none_of(need.begin(), need.end(), present)) {
                    for (std::string ai : need.front()) {
                        std::replace(ai.begin(), ai.end(), 'n', '0');
                        ais.push_back(ai);
                    }
                }
            }
        }
        std::string text;
        for (const std::string& ai : ais) {
            text += "(" + ai + ")";
            for (const Gs1Part& part : FindGs1Ai(ai)->parts) {
                text += SampleOf(part);
            }
        }
        const Gs1Data parsed = ParseGs1(text);
        if (parsed.error.find("a GS1-128 symbol holds at most 48") != std::string::npos) {
            continue; // right in every other way, too long for one symbol
        }
        ASSERT_EQ(parsed.error, "") << text;
        EXPECT_EQ(DrawAndDecode(CGs1128(text), 0, Symbology::Code128).text,
                  Gs1ElementString(parsed.elements));
        if (rule.parts.front().set == 'N' && rule.ai == ais.back()) {
            EXPECT_NE(ParseGs1("(" + rule.ai + ")A" + text.substr(rule.ai.size() + 3)).error, "");
        }
    }
}

// Element strings of each AI family on GS1's example numbers (company prefix
// 9501101), as the GS1 General Specifications write them.
TEST(Gs1Table, PublishedElementStrings) {
    const char* const rows[] = {
        "(00)095011010000000018",                     // SSCC
        "(01)09501101530003(17)251231(10)AB-123",     // GTIN with expiry and batch
        "(01)09501101530003(3103)001250(3922)1299",   // net weight in kg, price
        "(410)9501101020016(420)12345",               // ship-to GLN and postal code
        "(01)09501101530003(8200)HTTP://EXAMPLE.COM", // product URL
    };
    for (const char* text : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseGs1(text).error, "");
    }
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
