#pragma once

#include <string>

// What the reference decode of one scan line found: the symbology, the data,
// the narrowest margin a measurement left to its threshold, and the quiet
// zones the symbology asks for.
struct ReferenceDecoded {
    bool decoded = false;
    // "Code 128", "Code 93", "EAN-13", "UPC-A", "UPC-E", "EAN-8", "Code 39",
    // "Interleaved 2 of 5" or "POSTNET" (by its bars' heights).
    std::string symbology;
    std::string text;               // the data characters (Code 128: sets A, B and C)
    double decodability = 0;        // 0 to 1: the worst margin over the nominal half module
    bool decodabilityGraded = true; // false: the decode measures no margins
    double module = 0;              // the mean module width, in samples
    double quietLeft = 0;           // the quiet zones the symbology asks for, in modules
    double quietRight = 0;
};
