#pragma once

#include "ReferenceDecode.h"
#include "ScanProfile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// An 8-bit grey image, 0 black to 255 white, row after row.
struct GreyImage {
    int width = 0;
    int height = 0;
    const std::uint8_t* pixels = nullptr;
    std::ptrdiff_t stride = 0; // bytes from one row to the next
};

// One scan line graded: every parameter's value and grade (0.0 to 4.0).
struct ProfileGrade {
    ProfileMeasures measures;
    ReferenceDecoded decode;
    double quietLeft = 0; // the light before the first bar and after the last, in modules
    double quietRight = 0;
    double contrastGrade = 0;
    double rminGrade = 0;
    double edgeContrastGrade = 0;
    double modulationGrade = 0;
    double defectsGrade = 0;
    std::optional<double> decodeGrade;       // nothing: no reference decode for the symbol
    std::optional<double> decodabilityGrade; // nothing when not decoded
    double grade = 0;                        // the lowest of them
    std::string worst;                       // the parameter that gave it
};

// A symbol graded from the mean of its scan lines' grades.
struct SymbolGrade {
    bool found = false; // bars were found across some rows
    int top = 0;        // the rows the bars cross
    int bottom = 0;
    std::vector<int> rows; // the scan lines, from 10 % to 90 % of the bars' height
    std::vector<ProfileGrade> profiles;
    // Each scan line's reflectances (0 to 100 %) as the spot saw them.
    std::vector<std::vector<double>> lines;
    double aperture = 0; // the spot's diameter, in samples
    double grade = 0;
};

// The measuring spot's diameter in samples for a symbol the reference decode
// read (or did not: `decode.decoded` false) whose narrow element is `module`
// samples wide.
using ApertureRule = std::function<double(const ReferenceDecoded& decode, double module)>;

// Grades one scan line of reflectances (0 to 100 %). Where no reference
// decode knows the symbol, decode and decodability are not graded;
// `symbolKnown` says a symbol other lines decoded is there, so that a line
// which fails to decode it grades 0 for decode.
ProfileGrade GradeProfile(std::span<const double> reflectance, bool symbolKnown = false);

// A line as a round spot `diameter` samples wide sees it.
std::vector<double> Aperture(const std::vector<double>& line, double diameter);

// Finds the symbol in an image (the longest run of rows crossing the most
// edges) and grades ten scan lines across its bars' height, each seen through
// the spot `aperture` gives (by default 0.8 modules wide). `symbolExpected`:
// the image holds a symbol with a reference decode, so that lines which do
// not decode it fail decode even when no line does.
SymbolGrade GradeImage(const GreyImage& image, const ApertureRule& aperture = {},
                       bool symbolExpected = false);
