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
};

inline constexpr int kSymbologyCount = 13;

// Which filter guards the Text field for a symbology.
enum class TextFilter {
    Alphanumeric, // free text without a set of excluded characters
    Digits,       // the digits 0 to 9 up to a limit, no sign
};

// Everything the program knows of a symbology besides its encoding: one row per
// symbology in the one table below.
struct SymbologyFacts {
    SymbologyId id;
    std::string_view name;  // the Symbology list's text
    std::string_view alias; // a short name, lower case, for scripts
    std::unique_ptr<CBarcode> (*build)(std::string_view text);
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
    // For data that must hold together as a whole (GS1 AIs, a check digit):
    // why a text of accepted characters is still refused, or nothing. Null
    // where the characters alone decide.
    EngineMessage (*refusal)(std::string_view text) = nullptr;
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

// Builds the symbology object from the data text (8-bit characters).
std::unique_ptr<CBarcode> CreateBarcode(SymbologyId id, std::string_view text);
// The same with widths of its own instead of the settings' (a width outside
// its range is its default).
std::unique_ptr<CBarcode> CreateBarcode(SymbologyId id, std::string_view text, BarWidths widths);

// The bar length a symbol is drawn with when the Height field asks for
// requested mils.
std::int32_t BarLengthOf(SymbologyId id, std::int32_t requested);
