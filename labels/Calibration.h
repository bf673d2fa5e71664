#pragma once

#include "SheetLayout.h"

#include <QImage>

#include <optional>

// Calibrating a printer: a page of marks at known distances, printed without
// any correction; the user measures them on paper, and the offset and scale
// that put every label where it belongs follow.

// The marks of a calibration page, in mils from the page's top-left corner:
// a crosshair at (origin, origin), and marks `across` to its right and `down`
// below it, as long as the page allows (100 mm or 4 in on a sheet; shorter
// lengths of the same unit on small roll labels).
struct CalibrationMarks {
    bool inches = false; // the marks' unit: millimetres or inches
    double origin = 0;
    double across = 0;
    double down = 0;
};
CalibrationMarks CalibrationMarksFor(const SheetLayout& layout, bool inches);

// The calibration page at the resolution: rulers from the crosshair along
// both directions in millimetres (above and left of the line) and inches
// (below and right), the marks of both units labelled, and how to measure.
QImage RenderCalibrationPage(const SheetLayout& layout, int dpiX, int dpiY);

// What was measured on a printed calibration page, in mils: from the
// paper's left and top edges to the crosshair, and from the crosshair to
// the marks across and down.
struct CalibrationMeasures {
    double left = 0;
    double top = 0;
    double across = 0;
    double down = 0;
};

// The correction that undoes what the printer did: positions are multiplied
// by the scale, then moved by the offset (mils), as a SheetJob applies them.
struct PrintCorrection {
    double offsetX = 0;
    double offsetY = 0;
    double scaleX = 1;
    double scaleY = 1;
};

// The printer is taken to draw a point x at x * s + o; the marks give s and o
// in each direction, and the correction is their inverse. None when a
// measure is not a positive length or gives a scale more than 10 % off
// (a slip of the ruler, not a printer).
std::optional<PrintCorrection> CorrectionFrom(const CalibrationMarks& marks,
                                              const CalibrationMeasures& measured);
