#pragma once

#include "LabelTypesetter.h"
#include "RenderOptions.h"

#include <QString>

#include <cstdio>

// The Density and Ratio to draw with: the options, or for those not given,
// the desktop program's settings, read once.
BarWidths ResolveWidthSettings(const RenderOptions& options);

// What RunRender returns when a label could be drawn only with the fonts
// (labels neither painted nor in the store, see LabelSource): nothing
// has been written, and the run is to be made again with them.
inline constexpr int kRunNeedsFonts = -1;

// Runs the checked command line: reads the input, draws and writes every
// symbol, and reports on the error stream (progress there too, when it is a
// terminal and the batch is long). Returns the exit status.
int RunRender(const RenderOptions& options, const LabelSource& labels, std::FILE* errors);
