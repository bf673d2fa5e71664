#pragma once

#include "Inputs.h"
#include "LabelTypesetter.h"
#include "RenderOptions.h"

#include <cstdio>

// Draws the entries as labels on the options' sheet and writes one PDF
// document, or one BMP or PNG file per page. Every entry is checked first
// (its text against the symbology, its symbol against its label): if any is
// refused or does not fit, each is named and nothing is written. Returns the
// exit status.
int RunSheet(const RenderOptions& options, const BarWidths& widths, const LabelSource& labels,
             const QList<Entry>& entries, std::FILE* errors);

// The output name of one page: the pattern with every "{page}" replaced by the
// page's number (from 1), zero-padded to the digits of the last.
QString PagePath(const QString& pattern, int page, int pages);
