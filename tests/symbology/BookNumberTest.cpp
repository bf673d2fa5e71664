#include "BookNumber.h"
#include "EanAddOn.h"
#include "IsbnRanges.h"
#include "ScanText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A symbol's modules, "1" a bar and "0" a space, from its first element.
std::string ModulesOf(const CBarcode& barcode) {
    std::string modules;
    for (const Element& element : barcode.Encode().elements) {
        modules.append(static_cast<std::size_t>(element.width / barcode.Density()),
                       element.bar ? '1' : '0');
    }
    return modules;
}

// Published numbers draw the EAN-13 (and add-on) a scanner reports under
// their line; wrong ones are refused naming the fault and draw nothing.
TEST(BookNumbers, PublishedNumbersDrawTheirEanAndWrongOnesAreNamed) {
    using enum SymbologyId;
    const struct {
        SymbologyId id;
        const char* typed;
        const char* reading; // or, for a wrong number, why it is refused
        const char* line;    // the line above the bars; null for a wrong number
        const char* source;
    } rows[] = {
        {Isbn, "ISBN-13: 978-0-306-40615-7", "9780306406157", "ISBN 978-0-306-40615-7",
         "Wikipedia, ISBN"},
        {Isbn, "0-306-40615-2", "9780306406157", "ISBN 978-0-306-40615-7", "Wikipedia, ISBN-10"},
        {Isbn, "0306406152", "9780306406157", "ISBN 978-0-306-40615-7", "hyphens from the ranges"},
        {Isbn, "ISBN 1-55615-678-2", "9781556156786", "ISBN 978-1-55615-678-6",
         "makebarcode.com, Bookland EAN: the ISBN's 2 becomes the EAN's 6"},
        {Isbn, "0123456479 51095", "9780123456472 51095", "ISBN 978-0-12-345647-2",
         "cristallight.com, iBarcoder ISBN help: $10.95 add-on"},
        {Issn, "1144-875X 03", "9771144875007 03", "ISSN 1144-875X",
         "bne.es, ISSNs and bar codes: 977 1144875 00 7, March issue 03"},
        {Issn, "03178471 03 12", "9770317847032 12", "ISSN 0317-8471", "variant 03, issue 12"},
        {Ismn, "979-0-060-11561-5", "9790060115615", "ISMN 979-0-060-11561-5", "Wikipedia, ISMN"},
        {Ismn, "M-060-11561-5", "9790060115615", "ISMN 979-0-060-11561-5", "the older M form"},
        {Ismn, "9790901679177", "9790901679177", "ISMN 979-0-9016791-7-7",
         "Wikipedia, ISMN: Guitar Craft scores"},
        {Isbn, "1-56581-231-5", "ISBN check digit 5 is wrong: it should be X", nullptr, ""},
        {Isbn, "978-0-306-40615-8", "ISBN check digit 8 is wrong: it should be 7", nullptr, ""},
        {Issn, "1144-8750", "ISSN check digit 0 is wrong: it should be X", nullptr, ""},
        {Ismn, "M-060-11561-4", "ISMN check digit 4 is wrong: it should be 5", nullptr, ""},
        {Isbn, "979-0-060-11561-5",
         "ISBN-13 starts with 978 or 979 (979-0 is ISMN): \"979-0-060-11561-5\"", nullptr, ""},
        {Isbn, "0-306-4061", "ISBN takes 10 digits (the last may be X) or 13: \"0-306-4061\" has 8",
         nullptr, ""},
        {Isbn, "0-306-4X615-2", "ISBN takes digits, hyphens and spaces: \"X\" is none of them",
         nullptr, ""},
        {Issn, "0317-847", "ISSN takes 8 digits (the last may be X), as 0317-8471: \"0317-847\"",
         nullptr, ""},
        {Issn, "0317-8471 3 12", "ISSN sequence variant takes 2 digits: \"3\"", nullptr, ""},
        {Ismn, "979-1-060-11561-5",
         "ISMN takes 13 digits from 979-0, or M and 9 digits: \"979-1-060-11561-5\"", nullptr, ""},
        {Isbn, "0-306-40615-2+123", "an add-on takes 2 or 5 digits: \"123\" is no add-on", nullptr,
         ""},
        {UpcA, "21898623818+", "an add-on takes 2 or 5 digits: \"\" is no add-on", nullptr, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.typed) + " (" + row.source + ")");
        const auto barcode = CreateBarcode(row.id, row.typed);
        const Encoding encoding = barcode->Encode();
        if (row.line == nullptr) {
            EXPECT_EQ(FactsOf(row.id).refusal(row.typed, CodeSetChoice::AsTyped).English(),
                      row.reading);
            EXPECT_TRUE(encoding.Empty());
            continue;
        }
        EXPECT_TRUE(FactsOf(row.id).refusal(row.typed, CodeSetChoice::AsTyped).Empty());
        EXPECT_EQ(ExpectedReading(row.id, *barcode), row.reading);
        ASSERT_FALSE(encoding.Empty());
        EXPECT_EQ(encoding.label.front().text, row.line);
        EXPECT_TRUE(encoding.label.front().top);
    }
}

// The add-on's modules as the EAN/UPC standard gives them: start 1011, each
// digit from number set A or B as its parity says, 01 between two digits.
// Sets A and B are written out here, not taken from the engine.
TEST(AddOns, ModulesFollowTheStandardsPatternsAndParities) {
    const struct {
        const char* text;
        const char* modules;
        const char* parity;
    } rows[] = {
        // EAN-2: value mod 4 -> AA, AB, BA, BB.
        {"400638133393 12", "1011 0011001 01 0010011", "12 mod 4 = 0: A A"},
        {"400638133393 05", "1011 0001101 01 0111001", "5 mod 4 = 1: A B"},
        {"400638133393 06", "1011 0100111 01 0101111", "6 mod 4 = 2: B A"},
        {"400638133393 03", "1011 0100111 01 0100001", "3 mod 4 = 3: B B"},
        // EAN-5: 3 x odd places + 9 x even places, mod 10, chooses the parities.
        {"978156581231 52250", "1011 0110001 01 0011011 01 0011011 01 0110001 01 0001101",
         "21 + 63 = 84: check 4, A B B A A"},
        {"978156581231 90000", "1011 0001011 01 0100111 01 0001101 01 0100111 01 0001101",
         "27: check 7, A B A B A"},
        {"978156581231 00000", "1011 0100111 01 0100111 01 0001101 01 0001101 01 0001101",
         "0: check 0, B B A A A"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text) + ": " + row.parity);
        const auto barcode = CreateBarcode(SymbologyId::Ean13, row.text);
        const Encoding encoding = barcode->Encode();
        const std::string modules = ModulesOf(*barcode);
        std::string expected = row.modules; // written in groups
        std::erase(expected, ' ');
        // The main symbol's 95 modules, the 9-module gap, then the add-on,
        // its bars below its digits.
        ASSERT_EQ(modules.size(), 95 + 9 + expected.size());
        EXPECT_EQ(modules.substr(95, 9), std::string(9, '0'));
        EXPECT_EQ(modules.substr(95 + 9), expected);
        EXPECT_GT(encoding.elements.back().lift, kLabelFontHeight);
        EXPECT_EQ(encoding.label.back().text, std::string(row.text).substr(13));
        EXPECT_TRUE(encoding.label.back().top);
        // The length counts gap and add-on; five clear modules follow it.
        EXPECT_EQ(barcode->TotalWidth(),
                  CreateBarcode(SymbologyId::Ean13, "978156581231")->TotalWidth() +
                      (9 + static_cast<std::int32_t>(expected.size())) * barcode->Density());
        EXPECT_EQ(encoding.quietAfter, kAddOnQuietModules * barcode->Density());
    }
    // The gap is 7 to 12 modules as set, 9 otherwise: UPC-A's 95, the add-on's 20.
    for (const int gap : {6, 7, 9, 12, 13}) {
        BarWidths widths;
        widths.addOnGap = gap;
        EXPECT_EQ(ModulesOf(*CreateBarcode(SymbologyId::UpcA, "21898623818 12", widths)).size(),
                  95 + 20 + (gap < 7 || gap > 12 ? 9 : gap));
    }
}

TEST(IsbnRanges, HaveTheirEditionAndLeaveUnpublishedNumbersUnhyphenated) {
    EXPECT_FALSE(IsbnRangesEdition().empty());
    EXPECT_EQ(HyphenateIsbn("9786110000000"), ""); // 978-611 has no published ranges
}

} // namespace
