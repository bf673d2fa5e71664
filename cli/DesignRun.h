#pragma once

#include "RenderOptions.h"

#include <cstdio>

// Draws the labels of the options' design file, one per record of the CSV,
// line of the batch or number of the sequence, on the design's stock (or the
// options' sheet) into one PDF document, or one BMP or PNG file per page.
// Every record is laid out first: a field no column has, a text that does not
// fit its box even at its least size, or a symbol that does not fit its box
// is named by record and object, and nothing is written. Returns the exit
// status.
int RunDesign(const RenderOptions& options, std::FILE* errors);
