#pragma once

#include "LabelData.h"
#include "SheetLayout.h"
#include "SymbolRender.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <functional>
#include <vector>

// A run of labels on label stock: the symbol's settings, the labels' data,
// where on the first sheet to begin and how many of each.
struct SheetJob {
    SheetLayout layout;
    // Symbology, bar length, Density and Ratio, turn and text shown; each
    // label gives its own text, and every symbol is drawn at its true size.
    RenderRequest symbol;
    std::vector<SheetLabel> labels;
    int startAt = 1; // the first label place used on the first sheet, from 1
    int copies = 1;  // of each label, one after another
    bool outlines = false;
    // The printer's offset, in mils: everything on the page is moved this far
    // right and down (negative: left and up).
    double offsetX = 0;
    double offsetY = 0;
    // The printer's scale correction: positions on the page are multiplied
    // by these (a printer that draws 100 mm as 99 mm gets 100/99) before the
    // offset is added. Symbols keep their size, on whole dots.
    double scaleX = 1;
    double scaleY = 1;
};

// Where a page position (mils from the top-left corner) is drawn once the
// printer's scale and offset corrections are applied.
inline double PrintedX(const SheetJob& job, double x) {
    return x * job.scaleX + job.offsetX;
}
inline double PrintedY(const SheetJob& job, double y) {
    return y * job.scaleY + job.offsetY;
}

inline constexpr int kMaxCopies = 1000;

// The request one label's symbol is drawn with: the job's symbol with the
// label's text, at true size.
RenderRequest LabelRequest(const SheetJob& job, const SheetLabel& label);

// Why the job cannot be printed as it is (a start place off the sheet, copies
// out of range, too many labels), or an empty text.
QString SheetJobFault(const SheetJob& job);

// The pages the job fills.
int SheetPageCount(const SheetJob& job);

// The label drawn in place `place` (0 is the top-left, row by row) of page
// `page` (from 0): an index into job.labels, or -1 for a place left empty.
int LabelIndexAt(const SheetJob& job, int page, int place);

// The labels whose symbol (with its quiet zones, text and caption) does not
// fit its label, each named with its line and the sizes: nothing is printed
// while this holds anything, and nothing is ever cut.
QStringList LabelsThatDoNotFit(const SheetJob& job);

// On a continuous roll, makes the label (and its page) as long as the
// longest label's drawing and a tenth of an inch at each end; other stock
// stays as it is.
void FitContinuousLength(SheetJob& job);

// One page as the printer gets it: a white Format_Mono image of the whole
// page at the resolution (colour 0 white, 1 black), each symbol drawn at its
// true size on the device's grid of dots, centred in its label with its
// caption above it; with the label outlines when the job asks for them. Null
// when the page cannot be allocated.
QImage RenderSheetPage(const SheetJob& job, int page, int dpiX, int dpiY);

// The alignment page, moved by the job's offset: every label's outline and a
// crosshair through the centre of each corner label in half-point lines,
// rulers along the top (inches) and left (millimetres) edges, an arrow at the
// edge that feeds first, and in words the stock and the offset in force.
QImage RenderAlignmentPage(const SheetJob& job, int dpiX, int dpiY);

// Label `place` of a page rendered at the resolution, with the job's offset
// applied: the part of the page image that holds it.
QRect LabelRectOnPage(const SheetJob& job, int place, int dpiX, int dpiY);

// The job as a PDF document at true size, one page per sheet, each symbol in
// vector shapes with its first bar edge on the grid of `gridDpi` dots per
// inch (so that a printer of that resolution, or any multiple of it, draws
// every module alike). The document is handed to `write` a page at a time,
// never held whole; a false from `write` stops the run and returns false.
bool WriteSheetPdf(const SheetJob& job, int gridDpi,
                   const std::function<bool(const QByteArray&)>& write);
