#include "EanUpc.h"
#include "Decode.h"
#include "Drawing.h"
#include "Profile.h"
#include "RecordingSurface.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>

namespace {

using namespace std::string_literals;

constexpr std::int32_t kBarLength = 400;
constexpr std::int32_t kModule = 10; // the default Density

// The modules of a symbol drawn in orientation 0, read back from its bars: "b"
// under a bar, "s" elsewhere, from the first bar to the last.
std::string ModulesOf(const std::vector<RecordedLine>& lines) {
    std::string modules;
    if (lines.empty()) {
        return modules;
    }
    const std::int32_t first = lines.front().from.x - lines.front().width / 2;
    for (const RecordedLine& line : lines) {
        const std::int32_t left = line.from.x - line.width / 2;
        const auto index = static_cast<std::size_t>((left - first) / kModule);
        const auto width = static_cast<std::size_t>(line.width / kModule);
        modules.resize(std::max(modules.size(), index + width), 's');
        modules.replace(index, width, width, 'b');
    }
    return modules;
}

// Widths of the runs of equal modules: "sssbbsb" -> "3211".
std::string RunWidths(std::string_view modules) {
    std::string widths;
    for (std::size_t i = 0; i < modules.size();) {
        std::size_t j = i;
        while (j < modules.size() && modules[j] == modules[i]) {
            ++j;
        }
        widths += static_cast<char>('0' + (j - i));
        i = j;
    }
    return widths;
}

std::string Pattern(const EanTable& table, int digit) {
    return std::string(table[static_cast<std::size_t>(digit)].substr(1));
}

std::string Swapped(std::string text, char a, char b) {
    for (char& c : text) {
        c = c == a ? b : c == b ? a : c;
    }
    return text;
}

TEST(EanUpc, ComputeCheckDigit) {
    struct Row {
        const char* name;
        std::string digits;
        int check;
    };
    const Row rows[] = {
        {"UPC-A start-up sample: weighted sum 128", "21898623818", 2},
        {"sum divisible by ten gives 0", "00000000000", 0},
        {"empty string", "", 0},
        {"EAN-8 sample", "9638507", 4},
        {"EAN-13 sample behind a 0", "0400638133393", 1},
        {"a letter", "12A4", -1},
        {"a byte above 127", "12\xB9", -1},
        {"a NUL byte", "1\0"s, -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ComputeCheckDigit(row.digits), row.check) << row.name;
    }
}

TEST(EanUpc, NormalisationWidthAndCheckDigit) {
    struct Row {
        const char* name;
        SymbologyId id;
        std::string text;
        std::string data;
        int check;
        std::int32_t width;
    };
    const Row rows[] = {
        {"UPC-A sample", SymbologyId::UpcA, "21898623818", "21898623818", 2, 1073},
        {"UPC-A empty is eleven zeros", SymbologyId::UpcA, "", "00000000000", 0, 1073},
        {"UPC-A cut to eleven", SymbologyId::UpcA, "1234567890123", "12345678901", 2, 1073},
        {"UPC-A zero-filled at the end", SymbologyId::UpcA, "12345", "12345000000", 7, 1073},
        {"UPC-E sample", SymbologyId::UpcE, "123456", "123456", 5, 593},
        {"UPC-E zero-filled", SymbologyId::UpcE, "12345", "123450", 5, 593},
        {"UPC-E cut to six", SymbologyId::UpcE, "1234567", "123456", 5, 593},
        {"EAN-13 sample", SymbologyId::Ean13, "400638133393", "400638133393", 1, 1143},
        {"EAN-13 cut, the check digit typed too", SymbologyId::Ean13, "4006381333931",
         "400638133393", 1, 1143},
        {"EAN-8 sample", SymbologyId::Ean8, "9638507", "9638507", 4, 640},
        {"EAN-8 empty", SymbologyId::Ean8, "", "0000000", 0, 640},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto barcode = CreateBarcode(row.id, row.text);
        ASSERT_NE(barcode, nullptr);
        EXPECT_EQ(barcode->Data(), row.data);
        EXPECT_EQ(barcode->TotalWidth(), row.width);
        EXPECT_EQ(dynamic_cast<const CEanUpc&>(*barcode).CheckDigit(), row.check);
    }
}

TEST(EanUpc, ReportedWidthFollowsTheDensity) {
    SetProfileReader(
        [](std::string_view, std::string_view key, int def) { return key == "Density" ? 7 : def; });
    EXPECT_EQ(CUpcA("").TotalWidth(), 99 * 7 + 83);
    EXPECT_EQ(CUpcE("").TotalWidth(), 51 * 7 + 83);
    EXPECT_EQ(CEan13("").TotalWidth(), 106 * 7 + 83);
    EXPECT_EQ(CEan8("").TotalWidth(), 64 * 7);
    SetProfileReader({});
}

TEST(EanUpc, UpcEExpansionByLastDigit) {
    struct Row {
        const char* data;
        const char* expansion;
        int check;
    };
    const Row rows[] = {
        {"123450", "01200000345", 5}, {"123451", "01210000345", 4}, {"123452", "01220000345", 3},
        {"123453", "01230000045", 1}, {"123454", "01234000005", 3}, {"123455", "01234500005", 8},
        {"123456", "01234500006", 5}, {"123459", "01234500009", 6}, {"12345X", "", 0},
    };
    for (const Row& row : rows) {
        const CUpcE upcE(row.data);
        EXPECT_EQ(upcE.Expansion(), row.expansion) << row.data;
        EXPECT_EQ(upcE.CheckDigit(), row.check) << row.data;
    }
    EXPECT_EQ(CUpcE("1234X6").CheckDigit(), -1); // the expansion holds the letter
}

TEST(EanUpcTables, NumberSetsMatchThePublishedSets) {
    // Set A as the standard prints it: the widths of space, bar, space, bar.
    const char* const publishedSetA[] = {"3211", "2221", "2122", "1411", "1132",
                                         "1231", "1114", "1312", "1213", "3112"};
    std::set<std::string> distinct;
    for (int digit = 0; digit < 10; ++digit) {
        SCOPED_TRACE("digit " + std::to_string(digit));
        const std::string a = Pattern(kEanLeftOdd, digit);
        const std::string b = Pattern(kEanLeftEven, digit);
        const std::string c = Pattern(kEanRight, digit);
        EXPECT_EQ(RunWidths(a), publishedSetA[digit]);
        // Set C is set A with bars and spaces swapped; set B is set C backwards.
        EXPECT_EQ(c, Swapped(a, 's', 'b'));
        EXPECT_EQ(b, std::string(c.rbegin(), c.rend()));
        for (const std::string& pattern : {a, b, c}) {
            EXPECT_EQ(pattern.size(), 7u);
            EXPECT_EQ(RunWidths(pattern).size(), 4u); // two bars and two spaces
            distinct.insert(pattern);
        }
        // Left halves start with a space, the right half with a bar; set A has
        // an odd number of bar modules, set B an even one.
        EXPECT_EQ(a.front(), 's');
        EXPECT_EQ(b.front(), 's');
        EXPECT_EQ(c.front(), 'b');
        EXPECT_EQ(std::count(a.begin(), a.end(), 'b') % 2, 1);
        EXPECT_EQ(std::count(b.begin(), b.end(), 'b') % 2, 0);
    }
    EXPECT_EQ(distinct.size(), 30u);
}

TEST(EanUpcTables, ParityPatternsMatchThePublishedPatterns) {
    std::set<std::string> distinct;
    for (int digit = 0; digit < 10; ++digit) {
        SCOPED_TRACE("digit " + std::to_string(digit));
        const std::string ean13 = "O" + Pattern(kEan13Parity, digit);
        const std::string upcE = Pattern(kUpcEParity, digit);
        // Number system 0 of UPC-E uses the EAN-13 patterns with odd and even
        // swapped, except for 0, where EAN-13 keeps all six odd (as UPC-A does).
        if (digit != 0) {
            EXPECT_EQ(upcE, Swapped(ean13, 'O', 'E'));
        }
        // Three digits of six are odd, apart from the all-odd EAN-13 0.
        EXPECT_EQ(std::count(ean13.begin(), ean13.end(), 'O'), digit == 0 ? 6 : 3);
        EXPECT_EQ(std::count(upcE.begin(), upcE.end(), 'O'), 3);
        distinct.insert(ean13);
    }
    EXPECT_EQ(distinct.size(), 10u);
    // Rows quoted by the standard.
    EXPECT_EQ(Pattern(kEan13Parity, 1), "OEOEE");
    EXPECT_EQ(Pattern(kEan13Parity, 4), "EOOEE");
    EXPECT_EQ(Pattern(kUpcEParity, 0), "EEEOOO");
    EXPECT_EQ(Pattern(kUpcEParity, 5), "EOOEEO");
    EXPECT_EQ(Pattern(kUpcEParity, 9), "EOOEOE");
}

TEST(EanUpcDraw, ModuleSequences) {
    const std::string normal = "bsb";
    const std::string centre = "sbsbs";
    auto set = [](const EanTable& table, std::string_view digits) {
        std::string modules;
        for (const char d : digits) {
            modules += Pattern(table, d - '0');
        }
        return modules;
    };
    struct Row {
        const char* name;
        SymbologyId id;
        const char* text;
        std::string modules;
    };
    const Row rows[] = {
        {"UPC-A: six digits of set A, five and the check digit of set C", SymbologyId::UpcA,
         "21898623818",
         normal + set(kEanLeftOdd, "218986") + centre + set(kEanRight, "238182") + normal},
        // Check digit 5 gives the parity EOOEEO.
        {"UPC-E: parity from the check digit, special end guard", SymbologyId::UpcE, "123456",
         normal + Pattern(kEanLeftEven, 1) + Pattern(kEanLeftOdd, 2) + Pattern(kEanLeftOdd, 3) +
             Pattern(kEanLeftEven, 4) + Pattern(kEanLeftEven, 5) + Pattern(kEanLeftOdd, 6) +
             "sbsbsb"},
        // Leading digit 4: the 2nd digit odd, then EOOEE.
        {"EAN-13: the leading digit in the parity", SymbologyId::Ean13, "400638133393",
         normal + Pattern(kEanLeftOdd, 0) + Pattern(kEanLeftEven, 0) + Pattern(kEanLeftOdd, 6) +
             Pattern(kEanLeftOdd, 3) + Pattern(kEanLeftEven, 8) + Pattern(kEanLeftEven, 1) +
             centre + set(kEanRight, "333931") + normal},
        {"EAN-8: four and four", SymbologyId::Ean8, "9638507",
         normal + set(kEanLeftOdd, "9638") + centre + set(kEanRight, "5074") + normal},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto barcode = CreateBarcode(row.id, row.text);
        for (const bool showText : {false, true}) {
            const Drawn drawn = DrawAt(*barcode, 0, showText, kBarLength);
            // The symbol's modules, quiet modules at the end included.
            std::string modules = ModulesOf(drawn.surface.lines);
            modules.resize(row.modules.size(), 's');
            EXPECT_EQ(modules, row.modules);
            const std::int32_t lead = showText && row.id != SymbologyId::Ean8 ? 83 : 0;
            const RecordedLine& first = drawn.surface.lines.front();
            EXPECT_EQ(first.from.x - first.width / 2, lead);
            const auto drawnLength = static_cast<std::int32_t>(row.modules.size()) * kModule;
            EXPECT_EQ(drawn.end, (Point{lead + drawnLength, 0}));
            for (const RecordedLine& line : drawn.surface.lines) {
                EXPECT_EQ(line.width % kModule, 0);
                EXPECT_EQ(line.from.y - line.to.y, kBarLength);
            }
        }
    }
}

TEST(EanUpcDraw, Ean13WithLeadingZeroDrawsTheUpcABars) {
    for (const char* upcA : {"21898623818", "03600029145", "00000000000", "98765432109"}) {
        for (int orientation = 0; orientation < 4; ++orientation) {
            for (const bool showText : {false, true}) {
                const Drawn a = DrawAt(CUpcA(upcA), orientation, showText, kBarLength);
                const Drawn b = DrawAt(CEan13("0"s + upcA), orientation, showText, kBarLength);
                ASSERT_EQ(a.surface.lines.size(), b.surface.lines.size()) << upcA;
                for (std::size_t i = 0; i < a.surface.lines.size(); ++i) {
                    EXPECT_EQ(a.surface.lines[i].from, b.surface.lines[i].from) << upcA;
                    EXPECT_EQ(a.surface.lines[i].to, b.surface.lines[i].to) << upcA;
                }
                EXPECT_EQ(a.end, b.end);
            }
        }
    }
}

// The texts and their anchors: 60 mils short of the bars' far end, the halves'
// groups ending at the centre guard and starting after it.
TEST(EanUpcDraw, TextGroupsAndAnchors) {
    constexpr std::int32_t top = -kBarLength + 60;
    struct Text {
        const char* text;
        Point anchor;
    };
    struct Row {
        const char* name;
        SymbologyId id;
        const char* data;
        int orientation;
        std::vector<Text> texts;
    };
    // UPC-A: lead digit at 0, start guard at 83, centre guard at 83+30+420 = 533.
    const Row rows[] = {
        {"UPC-A",
         SymbologyId::UpcA,
         "21898623818",
         0,
         {{"2", {0, top}},
          {"18986", {533 - 335, top}},
          {"23818", {583, top}},
          {"2", {83 + 950 + 1, top + 1}}}},
        {"UPC-A a quarter turn",
         SymbologyId::UpcA,
         "21898623818",
         1,
         {{"2", {-top, 0}},
          {"18986", {-top, 533 - 335}},
          {"23818", {-top, 583}},
          {"2", {-top + 1, 83 + 950 + 1}}}},
        {"UPC-A half turn: the check digit moves in x only",
         SymbologyId::UpcA,
         "21898623818",
         2,
         {{"2", {0, -top}},
          {"18986", {-533 + 335, -top}},
          {"23818", {-583, -top}},
          {"2", {-83 - 950 + 1, -top}}}},
        {"UPC-A three quarter turns",
         SymbologyId::UpcA,
         "21898623818",
         3,
         {{"2", {top, 0}},
          {"18986", {top, -533 + 335}},
          {"23818", {top, -583}},
          {"2", {top + 1, -83 - 950 + 1}}}},
        // UPC-E: the six digits end 2 mils before the end guard at 83+30+420.
        {"UPC-E",
         SymbologyId::UpcE,
         "123456",
         0,
         {{"0", {0, top}}, {"123456", {533 - 402 - 2, top}}, {"5", {83 + 510 + 1, top + 1}}}},
        {"UPC-E half turn",
         SymbologyId::UpcE,
         "123456",
         2,
         {{"0", {0, -top}}, {"123456", {-533 + 402 + 2, -top}}, {"5", {-83 - 510 + 1, -top}}}},
        // EAN-13: no text after the end guard; the check digit ends the right group.
        {"EAN-13",
         SymbologyId::Ean13,
         "400638133393",
         0,
         {{"4", {0, top}}, {"006381", {533 - 402, top}}, {"333931", {583, top}}}},
        // EAN-8: no lead digit; centre guard at 30+280 = 310.
        {"EAN-8",
         SymbologyId::Ean8,
         "9638507",
         0,
         {{"9638", {310 - 268, top}}, {"5074", {360, top}}}},
        {"EAN-8 three quarter turns",
         SymbologyId::Ean8,
         "9638507",
         3,
         {{"9638", {top, -310 + 268}}, {"5074", {top, -360}}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto barcode = CreateBarcode(row.id, row.data);
        const Drawn drawn = DrawAt(*barcode, row.orientation, true, kBarLength);
        ASSERT_EQ(drawn.surface.texts.size(), row.texts.size());
        for (std::size_t i = 0; i < row.texts.size(); ++i) {
            EXPECT_EQ(drawn.surface.texts[i].text, row.texts[i].text);
            EXPECT_EQ(drawn.surface.texts[i].topLeft, row.texts[i].anchor) << row.texts[i].text;
            EXPECT_EQ(drawn.surface.texts[i].font, LabelFont(row.orientation));
        }
        EXPECT_TRUE(DrawAt(*barcode, row.orientation, false, kBarLength).surface.texts.empty());
    }
}

TEST(EanUpcDraw, ANonDigitDrawsNothingAtAll) {
    struct Row {
        const char* name;
        SymbologyId id;
        std::string text;
    };
    const Row rows[] = {
        {"UPC-A letter", SymbologyId::UpcA, "1234567890A"},
        {"UPC-A NUL byte", SymbologyId::UpcA, "12345\0"s},
        {"UPC-E letter in the last place", SymbologyId::UpcE, "12345X"},
        {"UPC-E letter in the middle", SymbologyId::UpcE, "12X456"},
        {"EAN-13 leading letter", SymbologyId::Ean13, "X00638133393"},
        {"EAN-13 byte above 127", SymbologyId::Ean13, "40063813339\xFF"},
        {"EAN-8 space", SymbologyId::Ean8, "963 507"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto barcode = CreateBarcode(row.id, row.text);
        for (int orientation = 0; orientation < 4; ++orientation) {
            const Drawn drawn = DrawAt(*barcode, orientation, true, kBarLength);
            EXPECT_TRUE(drawn.surface.lines.empty());
            EXPECT_TRUE(drawn.surface.texts.empty());
            EXPECT_EQ(drawn.end, (Point{0, 0}));
        }
    }
}

// Every row of every table reaches the decoder: all leading digits of EAN-13
// and all check digits of UPC-E (its parity rows), with all digits in every set.
TEST(EanUpcRoundTrip, DecoderReadsEveryTableRow) {
    std::set<int> upcEChecks;
    for (int i = 0; upcEChecks.size() < 10 && i < 1000; ++i) {
        const std::string data = std::to_string(100000 + i * 7919 % 900000);
        const CUpcE upcE(data);
        if (!upcEChecks.insert(upcE.CheckDigit()).second) {
            continue;
        }
        const std::string expected = "0" + data + static_cast<char>('0' + upcE.CheckDigit());
        EXPECT_EQ(DrawAndDecode(upcE, 0, Symbology::UpcE).text, expected) << data;
    }
    EXPECT_EQ(upcEChecks.size(), 10u);
    for (char lead = '0'; lead <= '9'; ++lead) {
        // Every digit in each half, in both left-hand sets.
        for (const char* rest : {"01234567890", "56789012345"}) {
            const CEan13 ean13(lead + std::string(rest));
            const std::string expected = ean13.Data() + static_cast<char>('0' + ean13.CheckDigit());
            EXPECT_EQ(DrawAndDecode(ean13, 0, Symbology::Ean13).text, expected) << expected;
        }
    }
}

} // namespace

// With the quiet zone marks on, EAN-13 gets ">" ending seven modules after
// its end guard, EAN-8 "<" too, starting seven modules before its start
// guard; UPC keeps none.
TEST(EanUpc, QuietZoneMarksStandAtTheQuietZonesOuterEdges) {
    const struct {
        SymbologyId id;
        const char* text;
        std::vector<std::string> marks;
    } rows[] = {{SymbologyId::Ean13, "400638133393", {">"}},
                {SymbologyId::Ean8, "9638507", {">", "<"}},
                {SymbologyId::UpcA, "21898623818", {}}};
    for (const auto& row : rows) {
        const Encoding encoding =
            CreateBarcode(row.id, row.text,
                          {10, 3, CodeSetChoice::AsTyped, BearerBars::Frame, true})
                ->Encode();
        std::vector<std::string> marks;
        for (const LabelPiece& piece : encoding.label) {
            if (piece.text == ">") {
                EXPECT_EQ(piece.align, LabelAlign::End);
                EXPECT_EQ(piece.along, encoding.leadSpace + encoding.DrawnWidth() + 70);
            } else if (piece.text == "<") {
                EXPECT_EQ(piece.along, encoding.leadSpace - 70);
            } else {
                continue;
            }
            marks.push_back(piece.text);
        }
        EXPECT_EQ(marks, row.marks) << FactsOf(row.id).name;
        EXPECT_EQ(CreateBarcode(row.id, row.text, {})->Encode().label.size(),
                  encoding.label.size() - row.marks.size());
    }
}
