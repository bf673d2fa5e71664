// Properties every symbology shares, checked over the whole symbology table:
// any 8-bit text encodes and draws safely, and every symbol a decoder knows
// reads back as its text in every orientation, with and without its label.
#include "Code128Text.h"
#include "Decode.h"
#include "Drawing.h"
#include "EanAddOn.h"
#include "EanUpc.h"
#include "ScanText.h"
#include "SymbologyOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

constexpr std::int32_t kBarLength = 750;

std::string Noise(std::mt19937& random, std::size_t length) {
    std::string text(length, '\0');
    for (char& c : text) {
        c = static_cast<char>(random() & 0xFF);
    }
    return text;
}

std::string Bytes(int first, int last) {
    std::string text;
    for (int c = first; c <= last; ++c) {
        text += static_cast<char>(c);
    }
    return text;
}

// The texts that once broke or could break an encoder: noise, every byte, long
// runs of one character, NULs, and Code 128's function characters mixed with
// digits (many code changes and odd digit runs).
std::vector<std::string> HostileTexts() {
    std::mt19937 random(128);
    std::vector<std::string> texts{Noise(random, 10001),
                                   Bytes(0, 255),
                                   std::string(10000, '9'),
                                   std::string(10001, '*'),
                                   std::string(10000, 'z'),
                                   std::string(10000, '\xFF'),
                                   "\0\0\0"s,
                                   "",
                                   kCodeC + "1",
                                   kCodeC + "12345",
                                   kShift,
                                   kCodeA + kCodeB,
                                   "\xCE",
                                   kFnc1};
    std::string switches(10000, '\0');
    const std::string alphabet = "0123456789" + kShift + kCodeC + kCodeB + kCodeA + kFnc1;
    for (char& c : switches) {
        c = alphabet[random() % alphabet.size()];
    }
    texts.push_back(switches);
    for (int round = 0; round < 50; ++round) {
        texts.push_back(Noise(random, 13)); // EAN/UPC lengths with stray bytes
    }
    return texts;
}

// How TotalWidth relates to the drawn length: exactly it, an upper bound (the
// Code 39 family counts characters that have no pattern, Code 128 estimates),
// or a fixed figure of the symbology's own (EAN/UPC: EAN-8 reports 64 modules
// and draws 67).
enum class WidthKind { Exact, AtMost, Fixed };

WidthKind WidthKindOf(SymbologyId id) {
    switch (id) {
    case SymbologyId::Code93:
    case SymbologyId::Interleaved25:
    case SymbologyId::Postnet:
    case SymbologyId::Gs1128:
    case SymbologyId::Itf14:
        return WidthKind::Exact;
    case SymbologyId::UpcA:
    case SymbologyId::UpcE:
    case SymbologyId::Ean13:
    case SymbologyId::Ean8:
    case SymbologyId::Isbn:
    case SymbologyId::Issn:
    case SymbologyId::Ismn:
        return WidthKind::Fixed;
    default:
        return WidthKind::AtMost;
    }
}

TEST(EverySymbology, AnyEightBitTextDrawsSafelyWithinItsWidth) {
    const std::vector<std::string> texts = HostileTexts();
    for (const SymbologyFacts& facts : Symbologies()) {
        for (std::size_t t = 0; t < texts.size(); ++t) {
            const auto barcode = CreateBarcode(facts.id, texts[t]);
            ASSERT_NE(barcode, nullptr);
            const Encoding encoding = barcode->Encode();
            for (int orientation = 0; orientation < 4; ++orientation) {
                SCOPED_TRACE(std::string(facts.name) + ", text " + std::to_string(t) +
                             ", orientation " + std::to_string(orientation));
                const Drawn drawn = DrawAt(*barcode, orientation, orientation % 2 == 0, kBarLength);
                // A symbol is drawn whole or not at all.
                EXPECT_EQ(drawn.surface.lines.empty(), encoding.Empty());
                if (encoding.Empty()) {
                    continue;
                }
                const std::int64_t drawnLength = std::max(std::abs(std::int64_t{drawn.end.x}),
                                                          std::abs(std::int64_t{drawn.end.y}));
                const std::int64_t lead = orientation % 2 == 0 ? encoding.leadSpace : 0;
                EXPECT_EQ(drawnLength,
                          std::min<std::int64_t>(lead + encoding.DrawnWidth(), INT32_MAX));
                switch (WidthKindOf(facts.id)) {
                case WidthKind::Exact:
                    EXPECT_EQ(drawnLength, barcode->TotalWidth());
                    break;
                case WidthKind::AtMost:
                    EXPECT_LE(drawnLength, barcode->TotalWidth());
                    break;
                case WidthKind::Fixed: {
                    // An add-on adds its gap and modules.
                    const auto& retail = dynamic_cast<const CEanUpc&>(*barcode);
                    const std::int64_t addOn =
                        retail.AddOn().empty()
                            ? 0
                            : (kDefaultAddOnGap + AddOnModules(retail.AddOn().size())) *
                                  barcode->Density();
                    EXPECT_EQ(barcode->TotalWidth(),
                              CreateBarcode(facts.id, "")->TotalWidth() + addOn);
                    break;
                }
                }
            }
        }
    }
}

// The decoder that reads a symbology; none for Postnet, which has its own
// bar-height read-back.
std::optional<Symbology> DecoderOf(SymbologyId id) {
    switch (id) {
    case SymbologyId::Code39:
    case SymbologyId::Code39Mod43:
        return Symbology::Code39;
    case SymbologyId::Code39Extended:
        return Symbology::Code39Extended;
    case SymbologyId::Code93:
        return Symbology::Code93;
    case SymbologyId::Code128:
    case SymbologyId::Gs1128:
        return Symbology::Code128;
    case SymbologyId::Interleaved25:
    case SymbologyId::Itf14:
        return Symbology::Itf;
    case SymbologyId::UpcA:
        return Symbology::UpcA;
    case SymbologyId::UpcE:
        return Symbology::UpcE;
    case SymbologyId::Ean13:
    case SymbologyId::Isbn:
    case SymbologyId::Issn:
    case SymbologyId::Ismn:
        return Symbology::Ean13;
    case SymbologyId::Ean8:
        return Symbology::Ean8;
    case SymbologyId::Postnet:
        break;
    }
    return std::nullopt;
}

struct RoundTrip {
    const char* name;
    SymbologyId id;
    std::string text;
    std::string expected; // what the reader returns, check digits included
};

std::vector<RoundTrip> RoundTrips() {
    using enum SymbologyId;
    std::string allPairs = "X" + kCodeC;
    for (int pair = 0; pair < 100; ++pair) {
        allPairs += static_cast<char>('0' + pair / 10);
        allPairs += static_cast<char>('0' + pair % 10);
    }
    const std::string codeSetA = Bytes(0, 95);
    const std::string codeSetB = "A" + kCodeB + Bytes(32, 126);
    return {
        // Code 39 family.
        {"39 full character set", Code39, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%",
         "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%"},
        {"39 default sample", Code39, "21898623818", "21898623818"},
        {"39 upper-cased", Code39, "abc", "ABC"},
        {"mod43 ends with its check", Code39Mod43, "CODE39", "CODE39W"},
        {"mod43 space check", Code39Mod43, "SA", "SA "},
        {"extended keeps lower case", Code39Extended, "Hello, World! {~}", "Hello, World! {~}"},
        {"extended punctuation", Code39Extended, "a@b_c`d:e;f?", "a@b_c`d:e;f?"},
        // Code 93.
        {"93 TEST93", Code93, "TEST93", "TEST93"},
        {"93 mixed case with a shift check character", Code93, "Code 93", "Code 93"},
        {"93 lower case and punctuation", Code93, "Hello, World! {~} a*b:c;d@e_f`g",
         "Hello, World! {~} a*b:c;d@e_f`g"},
        {"93 weights wrap", Code93, "0123456789012345678901234", "0123456789012345678901234"},
        {"93 codes 0 to 63", Code93, Bytes(0, 63), Bytes(0, 63)},
        {"93 codes 64 to 127", Code93, Bytes(64, 127), Bytes(64, 127)},
        {"93 codes above 127 skipped", Code93,
         "A\xE9"
         "B",
         "AB"},
        // Code 128.
        {"128 CODE128", Code128, "CODE128", "CODE128"},
        {"128 lower case reads upper-cased", Code128, "code 128", "CODE 128"},
        {"128 A to C to A", Code128, "X" + kCodeC + "1234" + kCodeA + "Z", "X1234Z"},
        {"128 A to B to A", Code128, "AB" + kCodeB + "`{|}~" + kCodeA + "Z\t", "AB`{|}~Z\t"},
        {"128 odd digits before CODE A", Code128, "X" + kCodeC + "123" + kCodeA + "Z", "X1203Z"},
        {"128 SHIFT from A into B", Code128, "A" + kShift + "{B", "A{B"},
        {"128 SHIFT from B into A", Code128, "A" + kCodeB + "b" + kShift + "\x01" + "c",
         "AB\x01"
         "C"},
        // The reader returns an FNC1 after the first position as GS (29), the
        // field separator of GS1 data; a leading FNC1 only marks the symbol as
        // GS1-128 (in its symbology identifier) and adds no byte.
        {"128 FNC1 inside", Code128, "A" + kCodeC + "12" + kFnc1 + "34",
         "A12\x1D"
         "34"},
        {"128 every digit pair", Code128, allPairs, allPairs.substr(0, 1) + allPairs.substr(2)},
        {"128 every code set A character", Code128, codeSetA, codeSetA},
        {"128 every code set B character", Code128, codeSetB,
         "A" + UpperCaseAscii(codeSetB.substr(2))},
        {"128 FNC4 in code set A adds 128", Code128, "A" + kCodeA + "B", "A\xC2"},
        {"128 FNC2, FNC3 and US", Code128, "A" + kFnc2 + "B" + kFnc3 + "C" + kUs, "ABC\x1F"},
        {"128 FNC1 first", Code128, kFnc1 + "A", "A"},
        // Interleaved 2 of 5. The installed reader takes ITF of six digits or
        // more, so the odd-length case is five digits read as 012345.
        {"ITF odd length read with its leading zero", Interleaved25, "12345", "012345"},
        {"ITF six digits", Interleaved25, "123456", "123456"},
        {"ITF start-up sample", Interleaved25, "21898623818", "021898623818"},
        {"ITF every pair of digits", Interleaved25, "0123456789987654321", "00123456789987654321"},
        // EAN/UPC: the reader reports the check digit too.
        {"UPC-A sample", UpcA, "21898623818", "218986238182"},
        {"UPC-A empty", UpcA, "", "000000000000"},
        {"UPC-E sample", UpcE, "123456", "01234565"},
        {"UPC-E zero-filled", UpcE, "12345", "01234505"},
        {"UPC-E ending in 3", UpcE, "654323", "06543236"},
        {"EAN-13 sample", Ean13, "400638133393", "4006381333931"},
        {"EAN-13 leading 9", Ean13, "978020137962", "9780201379624"},
        {"EAN-8 sample", Ean8, "9638507", "96385074"},
        {"EAN-8 zero-filled", Ean8, "12", "12000005"},
        // GS1-128, read with the symbology identifier of GS1 data; examples of
        // the GS1 General Specifications (SSCC, GTIN with date and batch).
        {"GS1 SSCC", Gs1128, "(00)106141411234567897",
         "]C1"
         "00106141411234567897"},
        {"GS1 SSCC of the tool's example", Gs1128, "(00)009501234567890010",
         "]C1"
         "00009501234567890010"},
        {"GS1 GTIN, expiry, batch", Gs1128, "(01)09501101530003(17)251231(10)AB-123",
         "]C1"
         "010950110153000317251231"
         "10AB-123"},
        {"GS1 batch then serial: FNC1 between", Gs1128, "(01)09501101530003(10)abc12(21)4567",
         "]C1"
         "0109501101530003"
         "10abc12\x1D"
         "214567"},
        {"GS1 country and postal code, weight", Gs1128,
         "(01)09501101530003(421)27612345(3103)001250",
         "]C1"
         "0109501101530003"
         "42127612345\x1D"
         "3103001250"},
        // ITF-14 (GS1 General Specifications examples), check digit computed
        // or given.
        {"ITF-14 check digit computed", Itf14, "1540014128876", "15400141288763"},
        {"ITF-14 check digit given", Itf14, "00614141999996", "00614141999996"},
        // Add-ons after a space or "+", read after the number and a space;
        // book numbers as their EAN-13.
        {"EAN-13 with a price add-on", Ean13, "978156581231 52250", "9781565812314 52250"},
        {"EAN-13 with an issue add-on", Ean13, "977031784700+05", "9770317847001 05"},
        {"UPC-A with a 2-digit add-on", UpcA, "21898623818 12", "218986238182 12"},
        {"UPC-E with a 5-digit add-on", UpcE, "123456 90000", "01234565 90000"},
        {"EAN-8 with a 2-digit add-on", Ean8, "9638507 99", "96385074 99"},
        {"ISBN-10 with a price add-on", Isbn, "1-56581-231-X 52250", "9781565812314 52250"},
        {"ISSN with variant and issue", Issn, "0317-8471 03 12", "9770317847032 12"},
        {"ISMN old form", Ismn, "M-2600-0043-8", "9790260000438"},
    };
}

// Shown labels are opaque boxes over the bars: no symbol may fail to read
// because of its label.
TEST(EverySymbology, DecoderReadsEverySymbolInEveryOrientation) {
    for (const RoundTrip& row : RoundTrips()) {
        const std::optional<Symbology> decoder = DecoderOf(row.id);
        ASSERT_TRUE(decoder.has_value()) << row.name;
        const auto barcode = CreateBarcode(row.id, row.text);
        for (int orientation = 0; orientation < 4; ++orientation) {
            for (const bool showText : {false, true}) {
                SCOPED_TRACE(std::string(row.name) + ", orientation " +
                             std::to_string(orientation) + (showText ? ", text" : ", no text"));
                const Decoded decoded = DrawAndDecode(*barcode, orientation, *decoder, showText);
                ASSERT_TRUE(decoded.valid);
                EXPECT_EQ((row.id == SymbologyId::Gs1128 ? decoded.identifier : "") + decoded.text,
                          row.expected);
            }
        }
        // The shipping symbols and the add-ons by the second reader too, GS1
        // flag and all.
        if (row.id == SymbologyId::Gs1128 || row.id == SymbologyId::Itf14 ||
            (*decoder >= Symbology::UpcA && row.expected.find(' ') != std::string::npos)) {
            const Decoded zbar = DecodeImageZbar(
                RasteriseBars(DrawAt(*barcode, 0).surface.lines, 0.3, 10 * barcode->Density()),
                *decoder);
            EXPECT_EQ((row.id == SymbologyId::Gs1128 ? zbar.identifier : "") + zbar.text,
                      row.expected)
                << row.name << " (zbar)";
        }
    }
}

// Every symbology but Postnet has a row above.
TEST(EverySymbology, EveryDecodableSymbologyHasARoundTrip) {
    const std::vector<RoundTrip> rows = RoundTrips();
    for (const SymbologyFacts& facts : Symbologies()) {
        const bool covered = std::any_of(rows.begin(), rows.end(),
                                         [&](const RoundTrip& row) { return row.id == facts.id; });
        EXPECT_EQ(covered, DecoderOf(facts.id).has_value()) << facts.name;
    }
}

// The scan check's expectation is what the reader returns wherever the symbol
// says what its label says. The exceptions are symbols whose encoder drops or
// changes what the label shows: there the check must report a difference.
TEST(EverySymbology, ExpectedReadingIsTheReadingOfASymbolTrueToItsLabel) {
    const std::set<std::string> labelDiffers{
        "128 odd digits before CODE A", // the lone 3 is encoded as the pair 03
        "93 codes above 127 skipped",   // the label shows the dropped byte
    };
    for (const RoundTrip& row : RoundTrips()) {
        const auto barcode = CreateBarcode(row.id, row.text);
        EXPECT_EQ(ExpectedReading(row.id, *barcode) == row.expected,
                  !labelDiffers.contains(row.name))
            << row.name;
    }
}

// Texts whose symbol reads as something other than the label: the label's
// reading keeps what the encoder drops.
TEST(EverySymbology, ExpectedReadingKeepsWhatTheEncoderDrops) {
    using enum SymbologyId;
    const struct {
        const char* name;
        SymbologyId id;
        std::string text;
        std::string expected;
    } rows[] = {
        {"code set A has no braces", Code128, "987654aZ{}", "987654AZ{}"},
        {"odd digits before CODE A", Code128, "X" + kCodeC + "123" + kCodeA + "Z", "X123Z"},
        {"DEL in code set B", Code128, "A" + kCodeB + kUs, "A\x7F"},
        {"Code 93 above 127", Code93, "A\xE9", "A\xE9"},
        {"Code 39 Extended above 127", Code39Extended, "a\xFF", "a\xFF"},
        {"mod 43 adds its check character", Code39Mod43, "CODE39", "CODE39W"},
        {"UPC-E reads with number system 0", UpcE, "123456", "01234565"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ExpectedReading(row.id, *CreateBarcode(row.id, row.text)), row.expected)
            << row.name;
    }
}

} // namespace
