#pragma once

#include "Symbologies.h"

#include <QString>

#include <optional>
#include <string>

// Why a data text cannot be drawn as given.
struct TextRefusal {
    QString reason; // names the character and its position (1-based), or the length
};

// A data text checked against its symbology: the 8-bit text the engine gets,
// or why it is refused.
struct CheckedText {
    std::string engineText;
    std::optional<TextRefusal> refusal;
};

// Checks a data text against what the Text field accepts for the symbology:
// digits up to the symbology's limit, or any 8-bit (Latin-1) character but the
// excluded ones. A character the symbology has no encoding for is refused as
// well: the symbol would silently leave it out. With dropInvalid every refused
// character is dropped (and a digit string cut to its limit), as the Text
// field does, and nothing is refused.
// Code 128 takes other characters as typed than in its shortest form: the
// code sets the symbol will be drawn with decide. EAN and UPC take exactly
// their data digits, or those and the right check digit (the engine text then
// holds the data digits); with zeroFill a shorter number is filled with zeros
// on the right instead of refused.
CheckedText CheckText(SymbologyId id, const QString& text, bool dropInvalid, CodeSetChoice codeSets,
                      bool zeroFill = false);
