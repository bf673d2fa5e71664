#pragma once

#include "SymbolGrade.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// The grades in words, in the user's language.

// A grade to one decimal, cut rather than rounded, so that the number never
// reaches a letter the grade does not (2.47 is 2.4, C, not 2.5).
QString GradeNumber(double grade);

// "grade B (3.2)": the same in every language, as scripts read it.
QString GradeVerdict(double grade);

// The parameter that held a line's grade down ("modulation", "decode").
QString ParameterName(const std::string& worst);

// The parameter at fault in a symbol: that of its lowest line, empty when
// every line grades 4.0.
QString ParameterAtFault(const SymbolGrade& graded);

// One scan line: each parameter with its value and grade, and the line's grade.
QString ProfileLine(int number, int row, const ProfileGrade& g);

// What was found: the symbology and data the reference decode read, the
// rows the bars cross and the module.
QString SymbolLine(const SymbolGrade& graded);

// The image as reflectances see it, row after row: grey, anything
// transparent on white paper.
std::vector<std::uint8_t> GreyPixels(const QImage& image);
