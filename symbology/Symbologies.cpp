#include "Symbologies.h"

#include "Code128.h"
#include "Code39.h"
#include "Code93.h"
#include "EanUpc.h"
#include "Gs1.h"
#include "Interleaved25.h"
#include "Itf14.h"
#include "Postnet.h"

#include <cstddef>

namespace {

template <class Symbology> std::unique_ptr<CBarcode> Build(std::string_view text) {
    return std::make_unique<Symbology>(text);
}

// Characters that Code 39, Code 93 and Code 39 with its check character
// refuse in the Text field: < > " ' { } [ ] and backslash.
constexpr std::string_view kCode39Excluded = "<>\"'{}[]\\";

// The status bar shows a rule text with the program's resource texts, and
// looks it up in their context.
constexpr std::string_view kCode39RuleText =
    QT_TRANSLATE_NOOP("Resources", "Alphanumeric characters(A-Z, 0-9, +-/%$*SPACE)");
constexpr std::string_view kAnyTextRuleText =
    QT_TRANSLATE_NOOP("Resources", "Any alphanumeric characters.");
constexpr std::string_view kDigitsRuleText =
    QT_TRANSLATE_NOOP("Resources", "Numeric character ( 0~9) only.");

// Printable ASCII outside the GS1 character sets (parentheses enclose the AIs,
// a backslash makes a parenthesis data, "#" belongs to one AI's set).
constexpr std::string_view kGs1Excluded = " $@[]^`{|}~";
constexpr std::string_view kGs1RuleText =
    QT_TRANSLATE_NOOP("Resources", "GS1 data: each Application Identifier in parentheses, then "
                                   "its data, e.g. (01)09501101530003(17)251231(10)AB-123");
constexpr std::string_view kItf14RuleText =
    QT_TRANSLATE_NOOP("Resources", "13 digits (0~9), or 14 with the check digit.");
constexpr int kItf14Digits = 14;

EngineMessage Gs1Refusal(std::string_view text) {
    return ParseGs1(text).why;
}

// The shortest form cannot make a reader report an FNC1 right after a first
// letter (see CCode128::AimMarkAfter).
EngineMessage Code128Refusal(std::string_view text) {
    if (!CCode128("").IsShortestForm()) {
        return {};
    }
    if (const std::optional<char> letter = CCode128::AimMarkAfter(text)) {
        return {QT_TRANSLATE_NOOP("Symbology",
                                  "an FNC1 right after the first letter %1 reads as an AIM mark, "
                                  "not as a separator: put another character first"),
                {Literal(std::string(1, *letter))}};
    }
    return {};
}

template <SymbologyId id> EngineMessage EanUpcRefusalOf(std::string_view text) {
    return EanUpcRefusal(id, text);
}

// The longest POSTNET data: ZIP code, ZIP+4 and the delivery point (5+4+2).
constexpr int kPostnetDigitLimit = 11;
// Interleaved 2 of 5 takes any number of digit pairs: as many digits as a
// line edit holds by default.
constexpr int kInterleavedDigitLimit = 32767;
// The data digits of UPC-A, UPC-E, EAN-13 and EAN-8.
constexpr int kUpcADigits = 11;
constexpr int kUpcEDigits = 6;
constexpr int kEan13Digits = 12;
constexpr int kEan8Digits = 7;
// A POSTNET full bar: the symbology's own bar length (one eighth of an inch).
constexpr std::int32_t kPostnetBarLength = 125;

// Quiet zones, in modules before and after the bars: ten for the bar-and-space
// symbologies read in both directions; the EAN/UPC family's own, with room
// for the digit printed outside the guard bars; a fixed clear zone of an
// eighth of an inch on each side of a POSTNET code.
constexpr QuietZone kTenModules{10, 10, 0};
constexpr QuietZone kPostnetClearZone{0, 0, 125};

using enum SymbologyId;
using enum TextFilter;

constexpr std::array<SymbologyFacts, kSymbologyCount> kSymbologies{{
    {Code39, "Code 39", "code39", Build<CCode39>, Alphanumeric, 0, kCode39Excluded, kCode39RuleText,
     0, kTenModules},
    {Code93, "Code 93", "code93", Build<CCode93>, Alphanumeric, 0, kCode39Excluded, kCode39RuleText,
     0, kTenModules},
    {Code128, "Code 128", "code128", Build<CCode128>, Alphanumeric, 0, "", kAnyTextRuleText, 0,
     kTenModules, Code128Refusal},
    {Interleaved25, "Interleaved 2 of 5", "i2of5", Build<CInterleaved25>, Digits,
     kInterleavedDigitLimit, "", kDigitsRuleText, 0, kTenModules},
    {Code39Extended, "Code 39 Extended", "code39ext", Build<CCode39Ext>, Alphanumeric, 0, "",
     kAnyTextRuleText, 0, kTenModules},
    {Code39Mod43, "Code 39 (Mod43 Check Digit)", "code39mod43", Build<CCode39Mod43>, Alphanumeric,
     0, kCode39Excluded, kCode39RuleText, 0, kTenModules},
    {Postnet, "Postnet", "postnet", Build<CPostnet>, Digits, kPostnetDigitLimit, "",
     kDigitsRuleText, kPostnetBarLength, kPostnetClearZone},
    {UpcA,
     "UPC A",
     "upca",
     Build<CUpcA>,
     Digits,
     kUpcADigits,
     "",
     kDigitsRuleText,
     0,
     {9, 9, 0},
     EanUpcRefusalOf<UpcA>},
    {UpcE,
     "UPC E",
     "upce",
     Build<CUpcE>,
     Digits,
     kUpcEDigits,
     "",
     kDigitsRuleText,
     0,
     {9, 7, 0},
     EanUpcRefusalOf<UpcE>},
    {Ean13,
     "EAN 13",
     "ean13",
     Build<CEan13>,
     Digits,
     kEan13Digits,
     "",
     kDigitsRuleText,
     0,
     {11, 7, 0},
     EanUpcRefusalOf<Ean13>},
    {Ean8,
     "EAN 8",
     "ean8",
     Build<CEan8>,
     Digits,
     kEan8Digits,
     "",
     kDigitsRuleText,
     0,
     {7, 7, 0},
     EanUpcRefusalOf<Ean8>},
    {Gs1128, "GS1-128", "gs1-128", Build<CGs1128>, Alphanumeric, 0, kGs1Excluded, kGs1RuleText, 0,
     kTenModules, Gs1Refusal},
    {Itf14, "ITF-14", "itf14", Build<CItf14>, Digits, kItf14Digits, "", kItf14RuleText, 0,
     kTenModules, CItf14::RefusalMessage},
}};

constexpr bool RowsFollowSymbologyOrder() {
    for (std::size_t i = 0; i < kSymbologies.size(); ++i) {
        if (static_cast<std::size_t>(kSymbologies[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowSymbologyOrder(), "row i of the table is SymbologyId i");

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return UpperCaseAscii(a) == UpperCaseAscii(b);
}

} // namespace

const std::array<SymbologyFacts, kSymbologyCount>& Symbologies() {
    return kSymbologies;
}

const SymbologyFacts& FactsOf(SymbologyId id) {
    return kSymbologies[static_cast<std::size_t>(id)];
}

std::optional<SymbologyId> SymbologyAt(int index) {
    if (index < 0 || index >= kSymbologyCount) {
        return std::nullopt;
    }
    return static_cast<SymbologyId>(index);
}

std::optional<SymbologyId> FindSymbology(std::string_view name) {
    for (const SymbologyFacts& facts : kSymbologies) {
        if (SameIgnoringAsciiCase(name, facts.name) || SameIgnoringAsciiCase(name, facts.alias)) {
            return facts.id;
        }
    }
    return std::nullopt;
}

std::unique_ptr<CBarcode> CreateBarcode(SymbologyId id, std::string_view text) {
    std::unique_ptr<CBarcode> barcode = FactsOf(id).build(text);
    barcode->SetQuietZone(FactsOf(id).quietZone);
    return barcode;
}

std::unique_ptr<CBarcode> CreateBarcode(SymbologyId id, std::string_view text, BarWidths widths) {
    const CGivenWidths given(widths);
    return CreateBarcode(id, text);
}

std::int32_t BarLengthOf(SymbologyId id, std::int32_t requested) {
    const std::int32_t fixed = FactsOf(id).fixedBarLength;
    return fixed > 0 ? fixed : requested;
}
