#pragma once

#include "VectorScene.h"

#include <QByteArray>

// One symbol in its cell as an SVG document at true size times the zoom:
// width and height in inches, one user unit per mil, each bar one rectangle,
// each label piece a text on its opaque white box. Each shape is written as
// the walk of the encoding gives it: the file is the only copy of the drawing.
QByteArray WriteSvg(const VectorJob& job, int zoom);
