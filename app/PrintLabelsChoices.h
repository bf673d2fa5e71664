#pragma once

#include "PrinterOffset.h"

#include <QString>

struct PrintLabelsControls;

// What Print Labels keeps in the settings store: the choices of its last use
// (section "PrintLabels") and each printer's offset.

// Sets the dialog's fields to the choices last remembered; the layout list
// already filled.
void RestorePrintLabelsChoices(const PrintLabelsControls& ui);
void RememberPrintLabelsChoices(const PrintLabelsControls& ui);

// The offset stored for a printer (empty name: PDF output), in mils.
PrinterOffset StoredPrinterOffset(const QString& printer);
void StorePrinterOffset(const QString& printer, const PrinterOffset& offset);
