#pragma once

#include "Barcode.h"
#include "EngineMessage.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// SymbologyId: the position of a symbology in the Symbology list.
enum class SymbologyId : int {
    Code39 = 0,
    Code93 = 1,
    Code128 = 2,
    Interleaved25 = 3,
    Code39Extended = 4,
    Code39Mod43 = 5,
    Postnet = 6,
    UpcA = 7,
    UpcE = 8,
    Ean13 = 9,
    Ean8 = 10,
    Gs1128 = 11,
    Itf14 = 12,
    Isbn = 13,
    Issn = 14,
    Ismn = 15,
};

inline constexpr int kSymbologyCount = 16;

// Which filter guards the Text field for a symbology.
enum class TextFilter {
    Alphanumeric, // free text without a set of excluded characters
    Digits,       // the digits 0 to 9 up to a limit, no sign
};

// The reader a scanner (and the scan check) reads a symbology with.
enum class ReaderFamily {
    Code39,          // Code 39 as printed, check character included
    Code39FullAscii, // Code 39 read in full-ASCII mode
    Code93,
    Code128,
    Gs1128, // Code 128 whose symbology identifier says GS1 data
    Interleaved25,
    UpcA,
    UpcE,
    Ean13,
    Ean8,
    Postnet, // told by its bars' heights, not by a bar-and-space reader
};

// The range GS1 publishes for a symbology that carries one (the EAN/UPC
// family, ITF-14, GS1-128): X in millimetres, and the least bar height, in
// millimetres, at the recommended X (it scales with X where said).
struct SymbolRange {
    double minX = 0;
    double maxX = 0;
    double recommendedX = 0;
    double heightAtRecommendedX = 0;
    bool heightScalesWithX = true;
};

// Everything the program knows of a symbology besides its encoding: one row per
// symbology in the one table below.
struct SymbologyFacts {
    SymbologyId id;
    std::string_view name;  // the Symbology list's text
    std::string_view alias; // a short name, lower case, for scripts
    std::unique_ptr<CBarcode> (*build)(std::string_view text, const BarWidths& widths);
    TextFilter filter;
    // Digits: the most digits the Text field takes; for EAN and UPC also the
    // data digits the symbol keeps (the check digit not counted).
    // Alphanumeric: unused (0).
    int digitLimit;
    // Alphanumeric: the 8-bit characters the Text field refuses.
    std::string_view excluded;
    // Shown in the status bar while the symbology is chosen.
    std::string_view ruleText;
    // A bar length of the symbology's own in mils, used whatever the Height
    // field holds; 0 where the Height field sets it.
    std::int32_t fixedBarLength;
    // The least clear space on each side of the bars the symbology's
    // standard asks for.
    QuietZone quietZone;
    // For data that must hold together as a whole (GS1 AIs, a check digit,
    // function characters that a reader takes for marks): why a text of
    // accepted characters is still refused when drawn with the code sets
    // given, or nothing. Null where the characters alone decide.
    EngineMessage (*refusal)(std::string_view text, CodeSetChoice codeSets);
    // The reader that reads it back.
    ReaderFamily reader;
    // What a scanner reports for a symbol true to its label (see ScanText.h).
    std::string (*reading)(const CBarcode& barcode);
    // GS1's published X and height range; null where GS1 publishes none.
    const SymbolRange* range;
    // The fewest data characters the scan check's reader takes (0: any).
    int readerMinimum;
};

// The symbology table, in SymbologyId order.
const std::array<SymbologyFacts, kSymbologyCount>& Symbologies();

const SymbologyFacts& FactsOf(SymbologyId id);

// The SymbologyId at a position of the Symbology list; nothing for a position
// outside the list (-1 is "no selection").
std::optional<SymbologyId> SymbologyAt(int index);

// Finds a symbology by its list name or its alias, ignoring the case of ASCII
// letters.
std::optional<SymbologyId> FindSymbology(std::string_view name);

// Builds the symbology object from the data text (8-bit characters) with the
// given widths (a width outside its range is its default): the one place that
// maps a symbology id to its class.
std::unique_ptr<CBarcode> CreateBarcode(SymbologyId id, std::string_view text,
                                        const BarWidths& widths);
// The same with the widths the settings hold now (SettingsWidths), for the
// program's own path.
std::unique_ptr<CBarcode> CreateBarcode(SymbologyId id, std::string_view text);

// The bar length a symbol is drawn with when the Height field asks for
// requested mils.
std::int32_t BarLengthOf(SymbologyId id, std::int32_t requested);
