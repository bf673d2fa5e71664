#pragma once

#include "Decoded.h"

#include <span>

// Decodes the widths of the bars and spaces from the first bar to the last
// (a bar first) by edge-to-similar-edge measurements, forwards or backwards.
// Code 128, Code 93, EAN-13, UPC-A, UPC-E and EAN-8; Code 39 and Interleaved
// 2 of 5 by their wide and narrow elements; nothing decoded for anything else.
ReferenceDecoded ReferenceDecode(std::span<const double> widths);
