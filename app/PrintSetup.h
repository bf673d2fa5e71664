#pragma once

#include <memory>

class QPrintDialog;
class QPrinter;
class QWidget;

// File > Print Setup: the platform's print dialog, used to choose the printer
// and set up its page (paper, orientation, margins) without printing. Accepted,
// it leaves its choices in printer, which the print commands then use.
std::unique_ptr<QPrintDialog> MakePrintSetupDialog(QPrinter& printer, QWidget* parent);
