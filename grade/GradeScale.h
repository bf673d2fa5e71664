#pragma once

// The grades of a scan reflectance profile's parameters: continuous, from 4.0
// (A) down to 0.0 (F), interpolated inside each band so that a small change
// in a measurement moves the grade a little instead of a whole letter.

// Symbol contrast, the span between the lightest and the darkest reflectance,
// in percent.
double SymbolContrastGrade(double percent);
// Modulation, the smallest edge contrast over the symbol contrast, in percent.
double ModulationGrade(double percent);
// Decodability, the margin the worst measurement leaves to its reference
// threshold, in percent of the nominal margin.
double DecodabilityGrade(double percent);
// Defects, the largest reflectance non-uniformity inside an element over the
// symbol contrast, in percent (lower is better).
double DefectsGrade(double percent);
// The darkest bar must be no lighter than half the lightest space.
double MinimumReflectanceGrade(double rmin, double rmax);
// The smallest edge contrast, in percent, must reach 15.
double EdgeContrastGrade(double percent);

// The letter of a grade: A from 3.5, B from 2.5, C from 1.5, D from 0.5, F below.
char GradeLetter(double grade);
