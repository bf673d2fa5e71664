#pragma once

#include "LabelSheet.h"
#include "RenderOptions.h"

#include <QImage>
#include <QStringList>

#include <cstdio>
#include <functional>

// Sends the job's pages, each one label in the printer's language at the
// profile's dots, to where the options say: a file or device (--output), a
// printer's network port (--output socket://HOST[:PORT]) or a CUPS queue
// (--printer). Pages are drawn on the workers and sent in order as they are
// done, never held whole. With --verify each label is read as the printer
// prints it. Returns the exit status; nothing is reported sent that was not.
int SendSheetToPrinter(const SheetJob& job, const RenderOptions& options, std::FILE* errors);

// One label's work, made on the run's thread in page order and run on a
// worker: the label's dots at the printer's resolution, and what --verify
// finds in them (empty when it is not asked for).
struct PrinterLabel {
    QImage dots;
    QStringList faults;
};
using PrinterLabelWork = std::function<PrinterLabel()>;

// Sends `pages` labels the same way, each drawn by the work `prepare` gives
// for its page. Returns the exit status.
int SendLabelsToPrinter(int pages, const std::function<PrinterLabelWork(int page)>& prepare,
                        const RenderOptions& options, std::FILE* errors);
