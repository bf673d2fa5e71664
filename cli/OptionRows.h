#pragma once

#include "Barcode.h"

#include <QCommandLineOption>
#include <QList>

// The range of the resolution a raster output takes, in dots per inch.
inline constexpr int kMinDpi = 10;
inline constexpr int kMaxDpi = 4800;
inline constexpr int kDefaultDpi = 300;
// The most dots --bar-reduction takes (the settings' own limit).
inline constexpr int kMaxBarReductionDots = kMaxBarReduction;
inline constexpr int kMaxJobs = 64;

// The tool's option rows for drawing symbols, batches and sheets, each with
// its help text in the user's language (help and version come first, the
// design and printer rows after them).
QList<QCommandLineOption> SymbolOptionRows();
