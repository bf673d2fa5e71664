#pragma once

#include "VectorScene.h"

#include <QByteArray>

// The scene as an SVG document at true size: width and height in inches, one
// user unit per mil, each bar one rectangle, each label piece a text on its
// opaque white box.
QByteArray WriteSvg(const VectorScene& scene);
