#pragma once

#include "Encoding.h"

#include <cstdint>

// The device grid: how an encoding's elements land on a device of whole dots.
//
// Along the reading direction the module becomes a whole number of dots,
// n = max(1, round(module x dots per inch / 1000)), where the dots per inch
// include the zoom; a wide element is exactly Ratio x n dots and every element
// edge falls on a whole dot, so no bar splits and no space closes. The symbol
// may then differ from its true length by up to half a dot per module: a
// scanner needs even modules far more than an exact total length. Across the
// reading direction (the bar length) the true size is kept. Elements that are
// not whole modules (Postnet) keep the true scale with their edges rounded.

// Whole dots per module at a resolution (zoom included); at least one.
std::int64_t DotsPerModule(std::int32_t module, double dotsPerInch);

// Dots per mil along the reading direction for an encoding at a resolution:
// n / module when its elements are whole modules, the true scale otherwise.
double AlongDotsPerMil(const Encoding& encoding, double dotsPerInch);

// The module width the device achieves, in mils (n dots at the resolution).
double AchievedModuleMils(std::int32_t module, double dotsPerInch);
