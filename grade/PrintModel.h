#pragma once

#include "SymbolGrade.h"

#include <cstdint>
#include <vector>

// How a planned symbol comes off a printer and under a verifier's spot: the
// printer's dots spread or shrink, the spot of the measuring aperture
// averages what it covers, and paper and ink reflect what they reflect.
struct PrintModel {
    int dpi = 300; // the printer's dots per inch, across and down
    // How much wider than drawn every bar prints, in mils, half on each edge
    // (ink spread, a hot print head); negative: narrower. Spaces lose what
    // bars gain.
    double gainMils = 0;
    // The measuring aperture's diameter in mils; 0: the reference aperture
    // for the symbol's narrow element (ReferenceApertureMils).
    double apertureMils = 0;
    // The narrow element as the printer draws it, in mils, and whether the
    // symbol is EAN/UPC: what the reference aperture is chosen by. 0: the
    // module measured from the scan lines (a symbol whose bars have closed
    // measures narrower than it was drawn).
    double moduleMils = 0;
    bool eanUpc = false;
    double substrate = 0.85; // the paper's reflectance, 0 to 1
    double ink = 0.05;       // the ink's
    // The symbol drawn has a reference decode: a scan line that does not
    // decode it fails, even when none does.
    bool decodable = true;
};

// The reference aperture for a narrow element of `moduleMils`: 3 mils below
// 0.180 mm, 5 up to 0.330 mm, 10 up to 0.635 mm, 20 from there; EAN and UPC
// symbols are measured with 6 mils whatever their size.
double ReferenceApertureMils(double moduleMils, bool eanUpc);

// The samples a printer dot is cut into across: a sample at most a mil wide.
int SamplesPerDot(int dpi);

// The printed symbol as grey levels, each printer dot `samplesPerDot`
// samples across (a sample at most a mil wide) and one row down.
struct PrintedImage {
    int width = 0;
    int height = 0;
    int samplesPerDot = 1;
    std::vector<std::uint8_t> pixels;
    GreyImage View() const { return {width, height, pixels.data(), width}; }
};

// Prints a 1-bit image of dots (below 128 inked): every ink run of a row
// widened by the gain to fractions of a sample, every ink run of a column by
// the gain rounded to whole rows; each sample grey as paper and ink share it.
PrintedImage PrintDots(const GreyImage& dots, const PrintModel& model);

// The planned print graded: the dots printed, then graded through the
// model's aperture.
SymbolGrade GradePrint(const GreyImage& dots, const PrintModel& model);
