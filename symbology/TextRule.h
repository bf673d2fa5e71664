#pragma once

#include "Symbologies.h"

// What the Text field, label data and the tool hold against one character of
// a symbology's text: the one rule all three use.
enum class CharFault {
    None,
    NotADigit,    // a symbology of digits only
    BeyondLatin1, // above U+00FF: no 8-bit character of the engine's text
    Excluded,     // a character the symbology's Text field refuses
    NoEncoding,   // the symbol would silently leave it out
};

// The Text field's own rule: digits for a symbology of digits, else any
// Latin-1 character but the excluded ones.
CharFault FieldFault(const SymbologyFacts& facts, char32_t c);

// The field's rule and then the encoder's: a character the symbology has no
// encoding for (its symbol would be the empty text's) is refused too, unless
// the data holds together as a whole (GS1 AIs, a check digit) and is checked
// as a whole. Code 128 encodes other characters as typed than in its
// shortest form: the code-set choice decides.
CharFault CharFaultOf(SymbologyId id, char32_t c, CodeSetChoice codeSets);
