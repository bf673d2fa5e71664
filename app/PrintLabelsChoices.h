#pragma once

#include "PrinterOffset.h"

#include <QString>

class LabelSource;
namespace Ui {
class CPrintLabelsDialog;
}

// What Print Labels keeps in the settings store: the choices of its last use
// (section "PrintLabels") and each printer's offset.

// Sets the form's fields to the choices last remembered; the layout list
// already filled.
void RestorePrintLabelsChoices(Ui::CPrintLabelsDialog& form, LabelSource& source);
void RememberPrintLabelsChoices(const Ui::CPrintLabelsDialog& form, const LabelSource& source);

// The offset stored for a printer (empty name: PDF output), in mils.
PrinterOffset StoredPrinterOffset(const QString& printer);
void StorePrinterOffset(const QString& printer, const PrinterOffset& offset);
