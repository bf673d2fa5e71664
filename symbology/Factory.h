#pragma once

#include "Barcode.h"

#include <array>
#include <memory>
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
};

inline constexpr int kSymbologyCount = 11;

// The Symbology list's texts, indexed by SymbologyId.
inline constexpr std::array<std::string_view, kSymbologyCount> kSymbologyNames{
    "Code 39",
    "Code 93",
    "Code 128",
    "Interleaved 2 of 5",
    "Code 39 Extended",
    "Code 39 (Mod43 Check Digit)",
    "Postnet",
    "UPC A",
    "UPC E",
    "EAN 13",
    "EAN 8",
};

// Builds the symbology object for a SymbologyId from the data text (8-bit
// characters). Returns nothing for an id outside 0 to 10, or for a symbology
// this build does not provide.
std::unique_ptr<CBarcode> CreateBarcode(int symbologyId, std::string_view text);
