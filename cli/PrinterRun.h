#pragma once

#include "LabelSheet.h"
#include "RenderOptions.h"

#include <cstdio>

// Sends the job's pages, each one label in the printer's language at the
// profile's dots, to where the options say: a file or device (--output), a
// printer's network port (--output socket://HOST[:PORT]) or a CUPS queue
// (--printer). Pages are drawn on the workers and sent in order as they are
// done, never held whole. With --verify each label is read as the printer
// prints it. Returns the exit status; nothing is reported sent that was not.
int SendSheetToPrinter(const SheetJob& job, const RenderOptions& options, std::FILE* errors);
