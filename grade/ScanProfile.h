#pragma once

#include <span>
#include <vector>

// One element of a scan line: a bar (below the global threshold) or a space.
struct ProfileElement {
    bool bar = false;
    double start = 0; // its edges where the line crosses the threshold, in samples
    double end = 0;
    double extreme = 0;       // the darkest reflectance of a bar, the lightest of a space
    double nonUniformity = 0; // the deepest valley in a space, the highest peak in a bar
    double Width() const { return end - start; }
};

// What a scan reflectance profile measures, reflectances in percent.
struct ProfileMeasures {
    double rmax = 0;
    double rmin = 0;
    double symbolContrast = 0;  // rmax - rmin
    double threshold = 0;       // rmin + half the symbol contrast
    double edgeContrastMin = 0; // the smallest step between neighbouring elements
    double modulation = 0;      // edgeContrastMin over the symbol contrast, in percent
    double nonUniformityMax = 0;
    double defects = 0; // nonUniformityMax over the symbol contrast, in percent
    // The whole line, from its first sample to its last: the light before
    // the first bar (the leading quiet zone), the bars and spaces, the light
    // after the last bar.
    std::vector<ProfileElement> elements;
    int BarCount() const;
};

// Measures a line of reflectances (0 to 100 %, one per sample).
ProfileMeasures MeasureProfile(std::span<const double> reflectance);

// The widths of the elements from the first bar to the last, in samples.
std::vector<double> SymbolWidths(const ProfileMeasures& measures);
