#pragma once

#include "PrinterOffset.h"

#include <QCoreApplication>
#include <QString>

class QPrinter;
class QWidget;
struct SheetJob;
struct PrintLabelsControls;

// Print Labels' printing: the job printed, previewed or its alignment page
// printed on the program's printer, whose paper is set for the stock only
// meanwhile; and the offset and scale of the printer chosen, shown in the
// dialog's offset fields, kept for each printer, and given to the job.
class PrintLabelsPrinter {
    Q_DECLARE_TR_FUNCTIONS(CPrintLabelsDialog)
public:
    // ui: the dialog's controls; printer: the program's, not owned; job: the
    // dialog's, whose offset this keeps.
    PrintLabelsPrinter(const PrintLabelsControls& ui, QPrinter& printer, SheetJob& job);

    // The offset in mils, of the printer last shown.
    const PrinterOffset& Offset() const { return m_offset; }
    // Shows the offset in the unit chosen.
    void ShowOffset();
    // Takes the value typed across (true) or down, and stores it.
    void OnOffsetEdited(bool across);
    // Gives the job the offset and scale of the printer last shown.
    void ApplyCorrection();

    // Each asks for the printer first; false when nothing was printed.
    bool Print(QWidget* parent);
    void Preview(QWidget* parent);
    void PrintAlignment(QWidget* parent);
    // The calibration dialog; what it measures becomes the printer's offset
    // and scale.
    void Calibrate(QWidget* parent);

private:
    // Shows and uses the offset of the printer now chosen, should it have
    // changed since it was last shown.
    void FollowPrinter();

    const PrintLabelsControls& m_ui;
    QPrinter& m_printer;
    SheetJob& m_job;
    QString m_offsetPrinter; // the printer whose offset is shown
    PrinterOffset m_offset;  // in mils
};
