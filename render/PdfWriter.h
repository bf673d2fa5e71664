#pragma once

#include "VectorScene.h"

#include <QByteArray>

// The scene as a one-page PDF document at true size: the page is the cell
// (1000 mils = 72 points), each bar one filled rectangle, each label piece a
// text in the standard Courier font on its opaque white box. The file carries
// no dates or identifiers, so the same symbol always gives the same bytes.
QByteArray WritePdf(const VectorScene& scene);
