#include "DesignerPrinting.h"

#include "LabelPrinting.h"
#include "PrinterOffset.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <limits>

namespace {
// Faults listed when printing is refused; the rest are counted.
constexpr int kListedFaults = 10;

int PageCount(const DesignJob& job) {
    return static_cast<int>(
        std::min<std::int64_t>(DesignPageCount(job.pages), std::numeric_limits<int>::max()));
}
} // namespace

std::optional<DesignJob> PrintableDesignJob(const DesignJob& job, const QStringList& faults,
                                            const QString& dataError, QString* why) {
    if (job.run == nullptr) {
        *why = QCoreApplication::translate("CDesignerWindow", "Nothing can be printed: %1")
                   .arg(faults.join(u'\n'));
        return std::nullopt;
    }
    if (job.records->empty()) {
        *why = QCoreApplication::translate("CDesignerWindow", "There are no labels to print: %1")
                   .arg(dataError);
        return std::nullopt;
    }
    // Every record is laid out before anything prints; a long run takes a while.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList unfit = CheckDesignJob(job, kListedFaults);
    QApplication::restoreOverrideCursor();
    if (!unfit.isEmpty()) {
        *why = QCoreApplication::translate("CDesignerWindow", "Nothing was printed:\n%1")
                   .arg(unfit.join(u'\n'));
        return std::nullopt;
    }
    return job;
}

bool PrintDesignJob(QPrinter& printer, DesignJob job, QWidget* parent, QString* error) {
    SetUpSheetPrinter(printer, job.pages.stock);
    printer.setPrintRange(QPrinter::AllPages);
    const int pages = PageCount(job);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("CDesignerWindow", "Print Designed Labels"));
    dialog.setMinMax(1, pages);
    if (dialog.exec() != QDialog::Accepted) {
        return true;
    }
    // The printer's offset, as Print Labels keeps it for each printer.
    const PrinterOffset offset = ReadPrinterOffset(*OpenSettingsStore(), printer.printerName());
    job.pages.offsetX = offset.x;
    job.pages.offsetY = offset.y;
    int first = 0;
    int last = pages - 1;
    if (printer.printRange() == QPrinter::PageRange) {
        first = std::clamp(printer.fromPage() - 1, 0, last);
        last = std::clamp(printer.toPage() - 1, first, last);
    }
    if (PrintPageImages(
            printer, job.pages.stock, first, last,
            [&job](int page, int dpi) { return DesignJobPage(job, page, dpi); },
            parent) == PrintRun::Failed) {
        *error = QCoreApplication::translate("CDesignerWindow", "The labels could not be printed.");
        return false;
    }
    return true;
}

void PreviewDesignJob(QPrinter& printer, const DesignJob& job, QWidget* parent) {
    SetUpSheetPrinter(printer, job.pages.stock);
    printer.setPrintRange(QPrinter::AllPages);
    const int pages = PageCount(job);
    QPrintPreviewDialog preview(&printer, parent);
    const int shown = PlanPreview(job.pages.stock, pages, printer.resolution()).sheets;
    preview.setWindowTitle(
        shown < pages ? QCoreApplication::translate(
                            "CDesignerWindow",
                            "Label Designer: the first %1 of %2 sheets shown; Print prints all %2")
                            .arg(shown)
                            .arg(pages)
                      : QCoreApplication::translate("CDesignerWindow", "Label Designer"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&job, pages, &preview](QPrinter* target) {
                         PrintPageImages(
                             *target, job.pages.stock, 0, pages - 1,
                             [&job](int page, int dpi) { return DesignJobPage(job, page, dpi); },
                             &preview);
                     });
    preview.exec();
}

QString AskPdfPath(QWidget* parent, const QString& designPath) {
    const QString suggested = designPath.isEmpty() ? QString()
                                                   : QFileInfo(designPath).path() + u'/' +
                                                         QFileInfo(designPath).completeBaseName() +
                                                         QStringLiteral(".pdf");
    return QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("CDesignerWindow", "Export PDF"), suggested,
        QCoreApplication::translate("CDesignerWindow", "PDF documents (*.pdf)"));
}
