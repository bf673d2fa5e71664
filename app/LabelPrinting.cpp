#include "LabelPrinting.h"

#include "Calibration.h"
#include "LabelSheet.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double kMilsPerInch = 1000.0;
// A preview's sheets are drawn at no more than a common printer's resolution,
// and no coarser than bars can still be told apart when zoomed in.
constexpr int kPreviewDpi = 300;
constexpr int kLeastPreviewDpi = 100;
// What a preview's sheets may take together: 64 MiB of 1-bit dots, some fifty
// letter sheets at 300 dpi.
constexpr double kPreviewDots = 64.0 * 1024 * 1024 * 8;

using PageImage = std::function<QImage(int page)>;
using PageAtDpi = std::function<QImage(int page, int dpi)>;
using NextPage = std::function<bool()>;
using DrawPage = std::function<void(QPainter&, const QImage&)>;

// The same page with its colours the other way round in its bits: black 0,
// white 1. That is the one 1-bit image the PDF engine under the printers
// keeps as one bit a dot; any other it turns into a colour image, compressed
// with loss, which blurs the bars' edges.
QImage AsPdfBitmap(QImage page) {
    page.invertPixels();
    page.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    return page;
}

// A page as the printer gets it: one image dot on one device dot.
void DrawPrinterPage(QPainter& painter, const QImage& page) {
    painter.drawImage(QPoint(0, 0), AsPdfBitmap(page));
}

// A preview keeps every page it is shown as a picture, an image in the
// screen's 32-bit format: at a printer's 1200 dpi half a gigabyte a sheet.
// Its pages go as 1-bit bitmaps instead, their set dots in the pen's black,
// at no more than kPreviewDpi, scaled up to the printer's dots.
void DrawPreviewPage(QPainter& painter, const QImage& page, double scale) {
    painter.save();
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawPixmap(QPoint(0, 0), QBitmap::fromImage(page));
    painter.restore();
}

PrintRun PaintPages(QPainter& painter, int first, int last, const PageImage& pageImage,
                    const DrawPage& draw, const NextPage& nextPage, QWidget* progressParent) {
    const int pages = last - first + 1;
    std::unique_ptr<QProgressDialog> progress;
    if (pages > kQuietPages) {
        progress = std::make_unique<QProgressDialog>(
            QString(), QCoreApplication::translate("LabelPrinting", "Stop"), 0, pages,
            progressParent);
        progress->setWindowTitle(QCoreApplication::translate("LabelPrinting", "Print Labels"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    // Device dots: no scaling lies between a page's image and the device.
    painter.resetTransform();
    for (int page = first; page <= last; ++page) {
        if (progress) {
            progress->setValue(page - first);
            progress->setLabelText(
                QCoreApplication::translate("LabelPrinting", "Printing page %1 of %2")
                    .arg(page - first + 1)
                    .arg(pages));
            QCoreApplication::processEvents();
            if (progress->wasCanceled()) {
                return PrintRun::Stopped;
            }
        }
        if (page != first && !nextPage()) {
            return PrintRun::Failed;
        }
        const QImage image = pageImage(page);
        if (image.isNull()) {
            return PrintRun::Failed; // too large for this resolution
        }
        draw(painter, image);
    }
    if (progress) {
        progress->setValue(pages);
    }
    return PrintRun::Printed;
}

// Opens a painter on the printer and paints on it; with the full page the
// painter's origin is the paper's corner.
PrintRun PaintOnPrinter(QPrinter& printer,
                        const std::function<PrintRun(QPainter&, const NextPage&)>& paint) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintRun::Failed;
    }
    const PrintRun run = paint(painter, [&printer] { return printer.newPage(); });
    if (run != PrintRun::Printed) {
        printer.abort();
        return run;
    }
    return painter.end() ? PrintRun::Printed : PrintRun::Failed;
}

// The pages into a print preview. A preview cannot be aborted (its pages
// would be gone while it shows them): a stopped run keeps those painted.
PrintRun PreviewPages(QPrinter& printer, const SheetLayout& layout, int first, int last,
                      const PageAtDpi& pageImage, QWidget* progressParent) {
    const PreviewPlan plan = PlanPreview(layout, last - first + 1, printer.resolution());
    const int dpi = plan.dpi;
    const double scale = static_cast<double>(printer.resolution()) / dpi;
    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintRun::Failed;
    }
    const PrintRun run = PaintPages(
        painter, first, first + plan.sheets - 1,
        [&pageImage, dpi](int page) { return pageImage(page, dpi); },
        [scale](QPainter& on, const QImage& page) { DrawPreviewPage(on, page, scale); },
        [&printer] { return printer.newPage(); }, progressParent);
    painter.end();
    return run;
}

// One page drawn at the printer's resolution and printed as PrintSheetJob
// prints, whole, one image dot on one printer dot.
PrintRun PrintOnePage(QPrinter& printer, const std::function<QImage(int dpi)>& page) {
    const int dpi = printer.resolution();
    return PaintOnPrinter(printer, [&page, dpi](QPainter& painter, const NextPage& nextPage) {
        return PaintPages(
            painter, 0, 0, [&page, dpi](int) { return page(dpi); }, DrawPrinterPage, nextPage,
            nullptr);
    });
}

} // namespace

PreviewPlan PlanPreview(const SheetLayout& layout, int sheets, int printerDpi) {
    const double squareInches =
        std::max(layout.pageWidth / kMilsPerInch * (layout.pageHeight / kMilsPerInch), 1e-6);
    const int most = std::clamp(printerDpi, 1, kPreviewDpi);
    const double fitting = std::sqrt(kPreviewDots / (squareInches * std::max(sheets, 1)));
    PreviewPlan plan;
    plan.dpi = std::clamp(static_cast<int>(fitting), std::min(kLeastPreviewDpi, most), most);
    const double perSheet = squareInches * plan.dpi * plan.dpi;
    plan.sheets = std::clamp(static_cast<int>(kPreviewDots / perSheet), 1, std::max(sheets, 1));
    return plan;
}

void SetUpSheetPrinter(QPrinter& printer, const SheetLayout& layout) {
    // Inches, not points: a page of millimetre stock keeps its fraction of a
    // point, and a size within a hair of a standard paper is taken as that
    // paper, which a printer knows by name. Portrait with the sizes as given:
    // a roll label wider than tall is fed as its printer's media says.
    const QPageSize size(QSizeF(layout.pageWidth / kMilsPerInch, layout.pageHeight / kMilsPerInch),
                         QPageSize::Inch);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
}

PrintRun PaintSheetJob(QPainter& painter, const SheetJob& job, int dpi, int first, int last,
                       const std::function<bool()>& nextPage, QWidget* progressParent) {
    return PaintPages(
        painter, first, last,
        [&job, dpi](int page) { return RenderSheetPage(job, page, dpi, dpi); }, DrawPrinterPage,
        nextPage, progressParent);
}

PrintRun PrintPageImages(QPrinter& printer, const SheetLayout& layout, int first, int last,
                         const PageAtDpi& pageImage, QWidget* progressParent) {
    if (printer.paintEngine() != nullptr &&
        printer.paintEngine()->type() == QPaintEngine::Picture) {
        return PreviewPages(printer, layout, first, last, pageImage, progressParent);
    }
    return PaintOnPrinter(printer, [&](QPainter& painter, const NextPage& nextPage) {
        const int dpi = printer.resolution();
        return PaintPages(
            painter, first, last, [&pageImage, dpi](int page) { return pageImage(page, dpi); },
            DrawPrinterPage, nextPage, progressParent);
    });
}

PrintRun PrintSheetJob(QPrinter& printer, const SheetJob& job, int first, int last,
                       QWidget* progressParent) {
    return PrintPageImages(
        printer, job.layout, first, last,
        [&job](int page, int dpi) { return RenderSheetPage(job, page, dpi, dpi); }, progressParent);
}

PrintRun PrintAlignmentPage(QPrinter& printer, const SheetJob& job) {
    return PrintOnePage(printer, [&job](int dpi) { return RenderAlignmentPage(job, dpi, dpi); });
}

PrintRun PrintCalibrationPage(QPrinter& printer, const SheetLayout& layout) {
    return PrintOnePage(printer,
                        [&layout](int dpi) { return RenderCalibrationPage(layout, dpi, dpi); });
}
