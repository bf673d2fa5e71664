#pragma once

#include "Symbologies.h"

#include <string>

class CBarcode;

// What a scanner reports for a symbol that says what its label says: the text
// the scan check compares a reading with. It follows each symbology's rules
// rather than the encoder's walk, so a character the encoder drops or changes
// shows up as a difference:
// - Code 39, Code 93, Code 39 Extended (read in full-ASCII mode), Interleaved
//   2 of 5 and Postnet: the data text (upper-cased, zero-led, as the object
//   keeps it); Code 39 with its mod-43 check character appended;
// - UPC-A, EAN-13, EAN-8: the data digits and the check digit; UPC-E its
//   number system 0, the six digits and the check digit; then a space and
//   the add-on, if there is one (ISBN, ISSN and ISMN as their EAN-13);
// - GS1-128: "]C1" (the symbology identifier of GS1 data) and the element
//   strings, GS after each variable-length field that is not last; ITF-14
//   its fourteen digits;
// - Code 128: the text with its function characters as a reader reports them
//   (FNC1 as GS after the first position and as nothing at the start, FNC4
//   adding 128 to the next character, code changes, SHIFT, FNC2 and FNC3 as
//   nothing); every other byte as itself, whether or not the working code set
//   has a value for it. In the shortest form the bytes it encodes, FNC1 as GS
//   after the first position and FNC4 adding 128 to the next byte.
std::string ExpectedReading(SymbologyId id, const CBarcode& barcode);

// The readings by rule, as the symbology table names them for each symbology.
std::string DataReading(const CBarcode& barcode);       // the data text as kept
std::string Mod43Reading(const CBarcode& barcode);      // with the mod-43 check character
std::string Code128Reading(const CBarcode& barcode);    // function characters as read
std::string CheckDigitReading(const CBarcode& barcode); // EAN/UPC: with the check digit
std::string UpcEReading(const CBarcode& barcode);       // "0", the six digits, the check digit
std::string Gs1Reading(const CBarcode& barcode);        // "]C1" and the element strings
