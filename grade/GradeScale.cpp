#include "GradeScale.h"

#include <algorithm>
#include <array>

namespace {

// Where a band of a rising parameter starts and the grade it starts at; the
// grade climbs linearly to the next band's start, and the top band's start
// earns 4.0.
struct Band {
    double from;
    double grade;
};

double Rising(double value, const std::array<Band, 5>& bands) {
    if (value >= bands[0].from) {
        return 4.0;
    }
    for (std::size_t i = 1; i < bands.size(); ++i) {
        if (value >= bands[i].from) {
            const double span = bands[i - 1].from - bands[i].from;
            return bands[i].grade + (value - bands[i].from) / span;
        }
    }
    return 0.0;
}

// Keeps a grade inside 0.0 to 4.0.
double Tidy(double grade) {
    return std::clamp(grade, 0.0, 4.0);
}

} // namespace

double SymbolContrastGrade(double percent) {
    return Tidy(Rising(percent, {{{70, 4}, {55, 3}, {40, 2}, {20, 1}, {15, 0}}}));
}

double ModulationGrade(double percent) {
    return Tidy(Rising(percent, {{{70, 4}, {60, 3}, {50, 2}, {40, 1}, {30, 0}}}));
}

double DecodabilityGrade(double percent) {
    return Tidy(Rising(percent, {{{62, 4}, {50, 3}, {37, 2}, {25, 1}, {20, 0}}}));
}

double DefectsGrade(double percent) {
    // Falling: 15 % or less earns 4.0, each band of 5 % one grade less, and
    // beyond 30 % nothing.
    if (percent > 30.0) {
        return 0.0;
    }
    if (percent <= 15.0) {
        return 4.0;
    }
    return Tidy(1.0 + (30.0 - percent) / 5.0);
}

double MinimumReflectanceGrade(double rmin, double rmax) {
    return rmin <= 0.5 * rmax ? 4.0 : 0.0;
}

double EdgeContrastGrade(double percent) {
    return percent >= 15.0 ? 4.0 : 0.0;
}

char GradeLetter(double grade) {
    if (grade >= 3.5) {
        return 'A';
    }
    if (grade >= 2.5) {
        return 'B';
    }
    if (grade >= 1.5) {
        return 'C';
    }
    if (grade >= 0.5) {
        return 'D';
    }
    return 'F';
}
