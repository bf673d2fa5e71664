#pragma once

#include "PrinterOffset.h"

#include <QCoreApplication>
#include <QString>

class QPrinter;
class QWidget;
struct SheetJob;
namespace Ui {
class CPrintLabelsDialog;
}

// Print Labels' printing: the job printed, previewed or its alignment page
// printed on the program's printer, whose paper is set for the stock only
// meanwhile; and the offset of the printer chosen, shown in the dialog's
// offset fields, kept for each printer, and given to the job.
class PrintLabelsPrinter {
    Q_DECLARE_TR_FUNCTIONS(CPrintLabelsDialog)
public:
    // form: the dialog's, set up; printer: the program's, not owned; job: the
    // dialog's, whose offset this keeps.
    PrintLabelsPrinter(Ui::CPrintLabelsDialog& form, QPrinter& printer, SheetJob& job);

    // The offset in mils, of the printer last shown.
    const PrinterOffset& Offset() const { return m_offset; }
    // Shows the offset in the unit chosen.
    void ShowOffset();
    // Takes the value typed across (true) or down, and stores it.
    void OnOffsetEdited(bool across);

    // Each asks for the printer first; false when nothing was printed.
    bool Print(QWidget* parent);
    void Preview(QWidget* parent);
    void PrintAlignment(QWidget* parent);

private:
    // Shows and uses the offset of the printer now chosen, should it have
    // changed since it was last shown.
    void FollowPrinter();

    Ui::CPrintLabelsDialog& m_form;
    QPrinter& m_printer;
    SheetJob& m_job;
    QString m_offsetPrinter; // the printer whose offset is shown
    PrinterOffset m_offset;  // in mils
};
