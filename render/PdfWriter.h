#pragma once

#include "VectorScene.h"

#include <QByteArray>

// One symbol as a one-page PDF document at true size: the page is the cell
// (1000 mils = 72 points), each bar one filled rectangle, each label piece a
// text in the standard Courier font on its opaque white box. The file carries
// no dates or identifiers, so the same symbol always gives the same bytes.
// Each shape is written as the walk of the encoding gives it, every length
// zoom times its size: the file is the only copy of the drawing.
QByteArray WritePdf(const VectorJob& job, int zoom);
