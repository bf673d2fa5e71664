#pragma once

#include <functional>

class QImage;
class QPainter;
class QPrinter;
class QWidget;
struct SheetJob;
struct SheetLayout;

// How a print preview shows a run: the resolution its sheets are drawn at and
// how many of them, the first ones, it shows. It keeps every sheet it shows in
// memory as a 1-bit image, so a long run is drawn coarser (down to 100 dpi,
// from at most 300) to show every sheet, and only a run too long even then
// shows fewer than all.
struct PreviewPlan {
    int dpi = 0;
    int sheets = 0;
};
PreviewPlan PlanPreview(const SheetLayout& layout, int sheets, int printerDpi);

// Runs of more pages than this show their progress, with a way to stop.
inline constexpr int kQuietPages = 3;

// How a print run ended.
enum class PrintRun {
    Printed,
    Stopped, // by the user
    Failed,  // the printer could not be opened, or a page not be drawn
};

// Sets the printer up for the stock: the paper is the sheet (for roll stock,
// the label) as wide and as tall as the layout says, printed whole, without
// margins, so that the painter's origin is the paper's top-left corner.
void SetUpSheetPrinter(QPrinter& printer, const SheetLayout& layout);

// Paints pages [first, last] (from 0) of the job onto a painter that works
// in the dots of a device of the resolution: each page drawn whole by
// RenderSheetPage at the device's (0, 0), one image dot on one device dot.
// Before every page but the first, nextPage starts a new one. With more than
// kQuietPages pages a progress dialog over progressParent shows the page
// being painted, and the windows keep answering between pages. Nothing more
// is painted once the user stops the run, a page cannot be drawn, or
// nextPage fails.
PrintRun PaintSheetJob(QPainter& painter, const SheetJob& job, int dpi, int first, int last,
                       const std::function<bool()>& nextPage, QWidget* progressParent);

// Prints pages [first, last] of the job on the printer, already set up for
// its stock, at the printer's resolution; a run that stops early is aborted,
// so that nothing half-printed reaches the printer. Into a print preview go
// the pages PlanPreview says, at its resolution.
PrintRun PrintSheetJob(QPrinter& printer, const SheetJob& job, int first, int last,
                       QWidget* progressParent);

// Prints pages [first, last] of any run on the printer, set up for the stock,
// the same way: each page as pageImage draws it at the dots per inch asked.
PrintRun PrintPageImages(QPrinter& printer, const SheetLayout& layout, int first, int last,
                         const std::function<QImage(int page, int dpi)>& pageImage,
                         QWidget* progressParent);

// Prints the job's alignment page the same way.
PrintRun PrintAlignmentPage(QPrinter& printer, const SheetJob& job);

// Prints the stock's calibration page the same way, without any correction.
PrintRun PrintCalibrationPage(QPrinter& printer, const SheetLayout& layout);
