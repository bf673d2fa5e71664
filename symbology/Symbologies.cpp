#include "Symbologies.h"

#include "BookNumber.h"
#include "Code128.h"
#include "Code39.h"
#include "Code93.h"
#include "EanUpc.h"
#include "Gs1.h"
#include "Interleaved25.h"
#include "Itf14.h"
#include "Postnet.h"
#include "ScanText.h"

#include <cstddef>

namespace {

template <class Symbology>
std::unique_ptr<CBarcode> Build(std::string_view text, const BarWidths& widths) {
    return std::make_unique<Symbology>(text, widths);
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

EngineMessage Gs1Refusal(std::string_view text, CodeSetChoice /*codeSets*/) {
    return ParseGs1(text).why;
}

EngineMessage Itf14Refusal(std::string_view text, CodeSetChoice /*codeSets*/) {
    return CItf14::RefusalMessage(text);
}

// The shortest form cannot make a reader report an FNC1 right after a first
// letter (see CCode128::AimMarkAfter).
EngineMessage Code128Refusal(std::string_view text, CodeSetChoice codeSets) {
    if (codeSets != CodeSetChoice::Shortest) {
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

template <SymbologyId id>
EngineMessage EanUpcRefusalOf(std::string_view text, CodeSetChoice /*codeSets*/) {
    return EanUpcRefusal(id, text);
}

template <BookForm form>
EngineMessage BookRefusalOf(std::string_view text, CodeSetChoice /*codeSets*/) {
    return ParseBookNumber(form, text).why;
}
constexpr std::string_view kIsbnRuleText = QT_TRANSLATE_NOOP(
    "Resources", "ISBN-13 or ISBN-10, hyphens allowed, e.g. 978-1-56581-231-4; a space or + "
                 "and a 5-digit price add-on may follow.");
constexpr std::string_view kIssnRuleText = QT_TRANSLATE_NOOP(
    "Resources", "ISSN, e.g. 0317-8471; then the sequence variant (00 if none) and a 2-digit "
                 "issue add-on may follow, e.g. 0317-8471 00 05.");
constexpr std::string_view kIsmnRuleText = QT_TRANSLATE_NOOP(
    "Resources", "ISMN, e.g. 979-0-2600-0043-8 or M-2600-0043-8; an add-on may follow.");
// Printed on an EAN-13: its quiet zones with room for the add-on's five
// clear modules after it.
constexpr QuietZone kEan13Quiet{11, 7, 0};

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

// GS1's ranges: X from the smallest magnification to the largest, and the
// bars' height at the recommended X (EAN/UPC: it scales with X; ITF-14 and
// GS1-128 on cartons: a fixed least height).
constexpr SymbolRange kEanUpcRange{0.264, 0.660, 0.330, 22.85, true};
constexpr SymbolRange kEan8Range{0.264, 0.660, 0.330, 18.23, true};
constexpr SymbolRange kLogisticsRange{0.495, 1.016, 0.495, 31.75, false};
// ZXing's reader takes Interleaved 2 of 5 of six digits or more only.
constexpr int kShortestInterleavedRead = 6;

using enum SymbologyId;
using enum TextFilter;

constexpr std::array<SymbologyFacts, kSymbologyCount> kSymbologies{{
    {.id = Code39,
     .name = "Code 39",
     .alias = "code39",
     .build = Build<CCode39>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = kCode39Excluded,
     .ruleText = kCode39RuleText,
     .fixedBarLength = 0,
     .quietZone = kTenModules,
     .refusal = nullptr,
     .reader = ReaderFamily::Code39,
     .reading = DataReading,
     .range = nullptr,
     .readerMinimum = 0},
    {.id = Code93,
     .name = "Code 93",
     .alias = "code93",
     .build = Build<CCode93>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = kCode39Excluded,
     .ruleText = kCode39RuleText,
     .fixedBarLength = 0,
     .quietZone = kTenModules,
     .refusal = nullptr,
     .reader = ReaderFamily::Code93,
     .reading = DataReading,
     .range = nullptr,
     .readerMinimum = 0},
    {.id = Code128,
     .name = "Code 128",
     .alias = "code128",
     .build = Build<CCode128>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = "",
     .ruleText = kAnyTextRuleText,
     .fixedBarLength = 0,
     .quietZone = kTenModules,
     .refusal = Code128Refusal,
     .reader = ReaderFamily::Code128,
     .reading = Code128Reading,
     .range = nullptr,
     .readerMinimum = 0},
    {.id = Interleaved25,
     .name = "Interleaved 2 of 5",
     .alias = "i2of5",
     .build = Build<CInterleaved25>,
     .filter = Digits,
     .digitLimit = kInterleavedDigitLimit,
     .excluded = "",
     .ruleText = kDigitsRuleText,
     .fixedBarLength = 0,
     .quietZone = kTenModules,
     .refusal = nullptr,
     .reader = ReaderFamily::Interleaved25,
     .reading = DataReading,
     .range = nullptr,
     .readerMinimum = kShortestInterleavedRead},
    {.id = Code39Extended,
     .name = "Code 39 Extended",
     .alias = "code39ext",
     .build = Build<CCode39Ext>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = "",
     .ruleText = kAnyTextRuleText,
     .fixedBarLength = 0,
     .quietZone = kTenModules,
     .refusal = nullptr,
     .reader = ReaderFamily::Code39FullAscii,
     .reading = DataReading,
     .range = nullptr,
     .readerMinimum = 0},
    {.id = Code39Mod43,
     .name = "Code 39 (Mod43 Check Digit)",
     .alias = "code39mod43",
     .build = Build<CCode39Mod43>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = kCode39Excluded,
     .ruleText = kCode39RuleText,
     .fixedBarLength = 0,
     .quietZone = kTenModules,
     .refusal = nullptr,
     .reader = ReaderFamily::Code39,
     .reading = Mod43Reading,
     .range = nullptr,
     .readerMinimum = 0},
    {.id = Postnet,
     .name = "Postnet",
     .alias = "postnet",
     .build = Build<CPostnet>,
     .filter = Digits,
     .digitLimit = kPostnetDigitLimit,
     .excluded = "",
     .ruleText = kDigitsRuleText,
     .fixedBarLength = kPostnetBarLength,
     .quietZone = kPostnetClearZone,
     .refusal = nullptr,
     .reader = ReaderFamily::Postnet,
     .reading = DataReading,
     .range = nullptr,
     .readerMinimum = 0},
    {.id = UpcA,
     .name = "UPC A",
     .alias = "upca",
     .build = Build<CUpcA>,
     .filter = Digits,
     .digitLimit = kUpcADigits,
     .excluded = "",
     .ruleText = kDigitsRuleText,
     .fixedBarLength = 0,
     .quietZone = {9, 9, 0},
     .refusal = EanUpcRefusalOf<UpcA>,
     .reader = ReaderFamily::UpcA,
     .reading = CheckDigitReading,
     .range = &kEanUpcRange,
     .readerMinimum = 0},
    {.id = UpcE,
     .name = "UPC E",
     .alias = "upce",
     .build = Build<CUpcE>,
     .filter = Digits,
     .digitLimit = kUpcEDigits,
     .excluded = "",
     .ruleText = kDigitsRuleText,
     .fixedBarLength = 0,
     .quietZone = {9, 7, 0},
     .refusal = EanUpcRefusalOf<UpcE>,
     .reader = ReaderFamily::UpcE,
     .reading = UpcEReading,
     .range = &kEanUpcRange,
     .readerMinimum = 0},
    {.id = Ean13,
     .name = "EAN 13",
     .alias = "ean13",
     .build = Build<CEan13>,
     .filter = Digits,
     .digitLimit = kEan13Digits,
     .excluded = "",
     .ruleText = kDigitsRuleText,
     .fixedBarLength = 0,
     .quietZone = kEan13Quiet,
     .refusal = EanUpcRefusalOf<Ean13>,
     .reader = ReaderFamily::Ean13,
     .reading = CheckDigitReading,
     .range = &kEanUpcRange,
     .readerMinimum = 0},
    {.id = Ean8,
     .name = "EAN 8",
     .alias = "ean8",
     .build = Build<CEan8>,
     .filter = Digits,
     .digitLimit = kEan8Digits,
     .excluded = "",
     .ruleText = kDigitsRuleText,
     .fixedBarLength = 0,
     .quietZone = {7, 7, 0},
     .refusal = EanUpcRefusalOf<Ean8>,
     .reader = ReaderFamily::Ean8,
     .reading = CheckDigitReading,
     .range = &kEan8Range,
     .readerMinimum = 0},
    {.id = Gs1128,
     .name = "GS1-128",
     .alias = "gs1-128",
     .build = Build<CGs1128>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = kGs1Excluded,
     .ruleText = kGs1RuleText,
     .fixedBarLength = 0,
     .quietZone = kTenModules,
     .refusal = Gs1Refusal,
     .reader = ReaderFamily::Gs1128,
     .reading = Gs1Reading,
     .range = &kLogisticsRange,
     .readerMinimum = 0},
    // The fourteen digits, check digit included, as kept.
    {.id = Itf14,
     .name = "ITF-14",
     .alias = "itf14",
     .build = Build<CItf14>,
     .filter = Digits,
     .digitLimit = kItf14Digits,
     .excluded = "",
     .ruleText = kItf14RuleText,
     .fixedBarLength = 0,
     .quietZone = kTenModules,
     .refusal = Itf14Refusal,
     .reader = ReaderFamily::Interleaved25,
     .reading = DataReading,
     .range = &kLogisticsRange,
     .readerMinimum = 0},
    // Book, serial and music numbers: any 8-bit text, judged as a whole.
    {.id = Isbn,
     .name = "ISBN",
     .alias = "isbn",
     .build = Build<CIsbn>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = "",
     .ruleText = kIsbnRuleText,
     .fixedBarLength = 0,
     .quietZone = kEan13Quiet,
     .refusal = BookRefusalOf<BookForm::Isbn>,
     .reader = ReaderFamily::Ean13,
     .reading = CheckDigitReading,
     .range = &kEanUpcRange,
     .readerMinimum = 0},
    {.id = Issn,
     .name = "ISSN",
     .alias = "issn",
     .build = Build<CIssn>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = "",
     .ruleText = kIssnRuleText,
     .fixedBarLength = 0,
     .quietZone = kEan13Quiet,
     .refusal = BookRefusalOf<BookForm::Issn>,
     .reader = ReaderFamily::Ean13,
     .reading = CheckDigitReading,
     .range = &kEanUpcRange,
     .readerMinimum = 0},
    {.id = Ismn,
     .name = "ISMN",
     .alias = "ismn",
     .build = Build<CIsmn>,
     .filter = Alphanumeric,
     .digitLimit = 0,
     .excluded = "",
     .ruleText = kIsmnRuleText,
     .fixedBarLength = 0,
     .quietZone = kEan13Quiet,
     .refusal = BookRefusalOf<BookForm::Ismn>,
     .reader = ReaderFamily::Ean13,
     .reading = CheckDigitReading,
     .range = &kEanUpcRange,
     .readerMinimum = 0},
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
    return CreateBarcode(id, text, SettingsWidths());
}

std::unique_ptr<CBarcode> CreateBarcode(SymbologyId id, std::string_view text,
                                        const BarWidths& widths) {
    std::unique_ptr<CBarcode> barcode = FactsOf(id).build(text, widths);
    barcode->SetQuietZone(FactsOf(id).quietZone);
    return barcode;
}

std::int32_t BarLengthOf(SymbologyId id, std::int32_t requested) {
    const std::int32_t fixed = FactsOf(id).fixedBarLength;
    return fixed > 0 ? fixed : requested;
}
