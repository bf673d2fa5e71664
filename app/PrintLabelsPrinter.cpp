#include "PrintLabelsPrinter.h"

#include "CalibrationDialog.h"
#include "LabelPrinting.h"
#include "LabelSheet.h"
#include "PrintLabelsChoices.h"
#include "PrintLabelsControls.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr double kMilsPerMillimetre = 1000.0 / 25.4;

// The offset unit's choices.
enum Unit { kMillimetres, kInches };

double MilsPer(int unit) {
    return unit == kInches ? 1000.0 : kMilsPerMillimetre;
}

// Puts back the paper and the pages to print that the printer had, once
// labels have been printed on it: the other print commands keep theirs.
class PaperKeeper {
public:
    explicit PaperKeeper(QPrinter& printer)
        : m_printer(printer), m_layout(printer.pageLayout()), m_fullPage(printer.fullPage()),
          m_range(printer.printRange()), m_from(printer.fromPage()), m_to(printer.toPage()) {}
    ~PaperKeeper() {
        m_printer.setFullPage(m_fullPage);
        m_printer.setPageLayout(m_layout);
        m_printer.setPrintRange(m_range);
        m_printer.setFromTo(m_from, m_to);
    }
    PaperKeeper(const PaperKeeper&) = delete;
    PaperKeeper& operator=(const PaperKeeper&) = delete;

private:
    QPrinter& m_printer;
    QPageLayout m_layout;
    bool m_fullPage;
    QPrinter::PrintRange m_range;
    int m_from;
    int m_to;
};

} // namespace

PrintLabelsPrinter::PrintLabelsPrinter(const PrintLabelsControls& ui, QPrinter& printer,
                                       SheetJob& job)
    : m_ui(ui), m_printer(printer), m_job(job), m_offsetPrinter(printer.printerName()),
      m_offset(StoredPrinterOffset(m_offsetPrinter)) {}

void PrintLabelsPrinter::FollowPrinter() {
    const QString printer = m_printer.printerName();
    if (printer == m_offsetPrinter) {
        return;
    }
    m_offsetPrinter = printer;
    m_offset = StoredPrinterOffset(printer);
    ShowOffset();
}

void PrintLabelsPrinter::ShowOffset() {
    const QString printer = m_offsetPrinter.isEmpty() ? tr("PDF output") : m_offsetPrinter;
    m_ui.offsetPrinter->setText(m_offset.scaleX == 1 && m_offset.scaleY == 1
                                    ? tr("Printer offset for %1:").arg(printer)
                                    : tr("Printer offset for %1 (scale %2 % across, %3 % down):")
                                          .arg(printer,
                                               QLocale().toString(m_offset.scaleX * 100, 'f', 2),
                                               QLocale().toString(m_offset.scaleY * 100, 'f', 2)));
    const int unit = m_ui.offsetUnit->currentIndex();
    const double perUnit = MilsPer(unit);
    const auto show = [unit, perUnit](QDoubleSpinBox* spin, double mils) {
        const QSignalBlocker quiet(spin);
        spin->setDecimals(unit == kInches ? 4 : 3);
        spin->setSingleStep(unit == kInches ? 0.01 : 0.1);
        spin->setRange(-kMaxPrinterOffsetMils / perUnit, kMaxPrinterOffsetMils / perUnit);
        spin->setValue(mils / perUnit);
    };
    show(m_ui.offsetX, m_offset.x);
    show(m_ui.offsetY, m_offset.y);
    ApplyCorrection();
}

void PrintLabelsPrinter::ApplyCorrection() {
    m_job.offsetX = m_offset.x;
    m_job.offsetY = m_offset.y;
    m_job.scaleX = m_offset.scaleX;
    m_job.scaleY = m_offset.scaleY;
}

void PrintLabelsPrinter::OnOffsetEdited(bool across) {
    // Only the value typed: the other keeps its mils, never rounded to the
    // field's decimals.
    const QDoubleSpinBox* spin = across ? m_ui.offsetX : m_ui.offsetY;
    (across ? m_offset.x : m_offset.y) = spin->value() * MilsPer(m_ui.offsetUnit->currentIndex());
    ApplyCorrection();
    StorePrinterOffset(m_offsetPrinter, m_offset);
}

bool PrintLabelsPrinter::Print(QWidget* parent) {
    const PaperKeeper keeper(m_printer);
    SetUpSheetPrinter(m_printer, m_job.layout);
    m_printer.setPrintRange(QPrinter::AllPages);
    const int pages = SheetPageCount(m_job);
    QPrintDialog dialog(&m_printer, parent);
    dialog.setWindowTitle(tr("Print Labels"));
    dialog.setMinMax(1, pages);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    FollowPrinter(); // another printer has its own offset
    int first = 0;
    int last = pages - 1;
    if (m_printer.printRange() == QPrinter::PageRange) {
        first = std::clamp(m_printer.fromPage() - 1, 0, last);
        last = std::clamp(m_printer.toPage() - 1, first, last);
    }
    switch (PrintSheetJob(m_printer, m_job, first, last, parent)) {
    case PrintRun::Printed:
        return true;
    case PrintRun::Stopped:
        break;
    case PrintRun::Failed:
        QMessageBox::warning(parent, tr("Print Labels"), tr("The labels could not be printed."));
        break;
    }
    return false;
}

void PrintLabelsPrinter::Preview(QWidget* parent) {
    const PaperKeeper keeper(m_printer);
    SetUpSheetPrinter(m_printer, m_job.layout);
    m_printer.setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog preview(&m_printer, parent);
    const int pages = SheetPageCount(m_job);
    const int shown = PlanPreview(m_job.layout, pages, m_printer.resolution()).sheets;
    preview.setWindowTitle(
        shown < pages ? tr("Print Labels: the first %1 of %2 sheets shown; Print prints all %2")
                            .arg(shown)
                            .arg(pages)
                      : tr("Print Labels"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [this, &preview](QPrinter* target) {
                         FollowPrinter(); // the preview's own Print may choose another
                         PrintSheetJob(*target, m_job, 0, SheetPageCount(m_job) - 1, &preview);
                     });
    preview.exec();
}

void PrintLabelsPrinter::PrintAlignment(QWidget* parent) {
    const PaperKeeper keeper(m_printer);
    SetUpSheetPrinter(m_printer, m_job.layout);
    m_printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&m_printer, parent);
    dialog.setWindowTitle(tr("Print Alignment Page"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    FollowPrinter();
    if (PrintAlignmentPage(m_printer, m_job) == PrintRun::Failed) {
        QMessageBox::warning(parent, tr("Print Labels"),
                             tr("The alignment page could not be printed."));
    }
}

void PrintLabelsPrinter::Calibrate(QWidget* parent) {
    CCalibrationDialog dialog(
        m_job.layout, m_offsetPrinter.isEmpty() ? tr("PDF output") : m_offsetPrinter, parent);
    QObject::connect(&dialog, &CCalibrationDialog::PrintPageRequested, &dialog, [this, &dialog] {
        const PaperKeeper keeper(m_printer);
        SetUpSheetPrinter(m_printer, m_job.layout);
        m_printer.setPrintRange(QPrinter::AllPages);
        QPrintDialog choose(&m_printer, &dialog);
        choose.setWindowTitle(tr("Print Calibration Page"));
        choose.setOption(QAbstractPrintDialog::PrintPageRange, false);
        if (choose.exec() == QDialog::Accepted &&
            PrintCalibrationPage(m_printer, m_job.layout) == PrintRun::Failed) {
            QMessageBox::warning(&dialog, tr("Print Labels"),
                                 tr("The calibration page could not be printed."));
        }
    });
    if (dialog.exec() != QDialog::Accepted || !dialog.Correction()) {
        return;
    }
    FollowPrinter(); // the page may have gone to another printer
    const PrintCorrection& correction = *dialog.Correction();
    m_offset = {correction.offsetX, correction.offsetY, correction.scaleX, correction.scaleY};
    StorePrinterOffset(m_offsetPrinter, m_offset);
    m_offset = StoredPrinterOffset(m_offsetPrinter); // as bounded there
    ShowOffset();
}
