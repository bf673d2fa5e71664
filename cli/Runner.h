#pragma once

#include "RenderOptions.h"

#include <QString>

#include <cstdio>

// The exit statuses of the tool.
enum ExitStatus : int {
    kExitSuccess = 0,    // every symbol written
    kExitSomeFailed = 1, // a line of a batch failed, or a file could not be written
    kExitUsage = 2,      // the command line itself is wrong; nothing written
};

// The Density and Ratio to draw with: the options, or for those not given,
// the desktop program's settings, read once.
BarWidths ResolveWidthSettings(const RenderOptions& options);

// Runs the checked command line: reads the input, draws and writes every
// symbol, and reports on the error stream (progress there too, when it is a
// terminal and the batch is long). Returns the exit status.
int RunRender(const RenderOptions& options, std::FILE* errors);
