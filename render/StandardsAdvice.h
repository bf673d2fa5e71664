#pragma once

#include "Symbologies.h"

#include <QString>

#include <cstdint>

// A symbol as it comes out on one device: what the published ranges of its
// symbology are checked against.
struct DrawnMeasure {
    SymbologyId symbology = SymbologyId::Code39;
    double moduleMils = 0;    // the narrow element as the device grid achieves it
    double barLengthMils = 0; // the bars' height
    double quietMils = 0;     // the clear space kept on each side of the bars
};

// The range GS1 publishes for a symbology, or nullptr for one without.
inline const SymbolRange* PublishedRange(SymbologyId symbology) {
    return FactsOf(symbology).range;
}

// Says how the symbol stands against its range: "GS1: X 0.254 mm, below the
// 0.264 to 0.660 mm range; bars 19.05 mm high, at least 17.58 mm for this X;
// quiet zones 12 X each side, at least 11 X / 7 X". Empty for a symbology
// without a published range. *meets (when given) tells whether everything is
// within it.
QString StandardsAdvice(const DrawnMeasure& measure, bool* meets = nullptr);
