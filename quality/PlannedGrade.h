#pragma once

#include "PrintModel.h"
#include "SymbolRender.h"

#include <QString>

// The grade of a symbol as a printer is to print it: the request's 1-bit
// image at its resolution (bar reduction and all), its bars spread by
// `gainMils`, measured with the reference aperture for its narrow element.
// `apertureMils` gets the aperture used.
SymbolGrade GradePlannedPrint(const RenderRequest& request, double gainMils,
                              double* apertureMils = nullptr);

// The planned grade in one line, with the parameter at fault: "planned print
// at 300 dpi, bars 1.5 mils wider, 5-mil aperture: grade B (3.2), held down
// by modulation", or that there are no bars to grade.
QString PlannedGradeText(const RenderRequest& request, double gainMils);
