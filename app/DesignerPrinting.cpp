// The designer's Print, Print Preview and Export PDF: every label of the run
// on the design's stock, printed as Print Labels prints its sheets.
#include "DesignerWindow.h"

#include "DesignDataPanel.h"
#include "LabelPrinting.h"
#include "PrinterOffset.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

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

// The run when every record prints as designed; else says why not, and
// gives a run without one.
std::optional<DesignJob> CDesignerWindow::PrintableJob() {
    const DesignJob job = Job();
    if (job.run == nullptr) {
        Warn(tr("Nothing can be printed: %1").arg(m_faults.join(u'\n')));
        return std::nullopt;
    }
    if (job.records->empty()) {
        Warn(tr("There are no labels to print: %1").arg(m_data->Data().error));
        return std::nullopt;
    }
    // Every record is laid out before anything prints; a long run takes a while.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList faults = CheckDesignJob(job, kListedFaults);
    QApplication::restoreOverrideCursor();
    if (!faults.isEmpty()) {
        Warn(tr("Nothing was printed:\n%1").arg(faults.join(u'\n')));
        return std::nullopt;
    }
    return job;
}

void CDesignerWindow::Print() {
    std::optional<DesignJob> job = PrintableJob();
    if (!job) {
        return;
    }
    SetUpSheetPrinter(m_printer, job->pages.stock);
    m_printer.setPrintRange(QPrinter::AllPages);
    const int pages = PageCount(*job);
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(tr("Print Designed Labels"));
    dialog.setMinMax(1, pages);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The printer's offset, as Print Labels keeps it for each printer.
    const PrinterOffset offset = ReadPrinterOffset(*OpenSettingsStore(), m_printer.printerName());
    job->pages.offsetX = offset.x;
    job->pages.offsetY = offset.y;
    int first = 0;
    int last = pages - 1;
    if (m_printer.printRange() == QPrinter::PageRange) {
        first = std::clamp(m_printer.fromPage() - 1, 0, last);
        last = std::clamp(m_printer.toPage() - 1, first, last);
    }
    const DesignJob& run = *job;
    if (PrintPageImages(
            m_printer, run.pages.stock, first, last,
            [&run](int page, int dpi) { return DesignJobPage(run, page, dpi); },
            this) == PrintRun::Failed) {
        Warn(tr("The labels could not be printed."));
    }
}

void CDesignerWindow::PrintPreview() {
    const std::optional<DesignJob> job = PrintableJob();
    if (!job) {
        return;
    }
    SetUpSheetPrinter(m_printer, job->pages.stock);
    m_printer.setPrintRange(QPrinter::AllPages);
    const int pages = PageCount(*job);
    QPrintPreviewDialog preview(&m_printer, this);
    const int shown = PlanPreview(job->pages.stock, pages, m_printer.resolution()).sheets;
    preview.setWindowTitle(
        shown < pages ? tr("Label Designer: the first %1 of %2 sheets shown; Print prints all %2")
                            .arg(shown)
                            .arg(pages)
                      : tr("Label Designer"));
    const DesignJob& run = *job;
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&run, pages, &preview](QPrinter* target) {
                PrintPageImages(
                    *target, run.pages.stock, 0, pages - 1,
                    [&run](int page, int dpi) { return DesignJobPage(run, page, dpi); }, &preview);
            });
    preview.exec();
}

bool CDesignerWindow::ExportPdf(const QString& path) {
    const std::optional<DesignJob> job = PrintableJob();
    if (!job) {
        return false;
    }
    QString target = path;
    if (target.isEmpty()) {
        const QString suggested = m_path.isEmpty() ? QString()
                                                   : QFileInfo(m_path).path() + u'/' +
                                                         QFileInfo(m_path).completeBaseName() +
                                                         QStringLiteral(".pdf");
        target = QFileDialog::getSaveFileName(this, tr("Export PDF"), suggested,
                                              tr("PDF documents (*.pdf)"));
        if (target.isEmpty()) {
            return false;
        }
    }
    QString error;
    if (!ExportDesignPdf(*job, target, &error)) {
        Warn(error);
        return false;
    }
    return true;
}
