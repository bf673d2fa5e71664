#pragma once

#include "RenderOptions.h"

#include <QString>

#include <cstdio>

// The Density and Ratio to draw with: the options, or for those not given,
// the desktop program's settings, read once.
BarWidths ResolveWidthSettings(const RenderOptions& options);

// Runs the checked command line: reads the input, draws and writes every
// symbol, and reports on the error stream (progress there too, when it is a
// terminal and the batch is long). Returns the exit status.
int RunRender(const RenderOptions& options, std::FILE* errors);
