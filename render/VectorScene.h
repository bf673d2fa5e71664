#pragma once

#include "Encoding.h"
#include "Surface.h"

#include <QByteArray>

#include <cstdint>
#include <string>

// A symbol in its cell as vector shapes, for the outputs that keep true size
// (SVG, PDF). All lengths are mils in a frame whose origin is the cell's
// bottom-left corner, x to the right and y upward.
struct VectorBar {
    double x = 0;      // left edge
    double y = 0;      // bottom edge
    double width = 0;  // along x
    double height = 0; // along y
};

// A label piece: drawn on an opaque white box of its measured extent, its
// top-left corner (in its own upright frame) at (x, y), turned clockwise on
// the output by `turn` degrees.
struct VectorText {
    double x = 0;
    double y = 0;
    int turn = 0;
    std::string text; // 8-bit (Latin-1)
    double fontHeight = 0;
    double boxWidth = 0;
    double boxHeight = 0;
};

// Takes a symbol's shapes one at a time, in drawing order (a later shape
// covers an earlier one), as a writer puts them into its file: no list of
// every shape is ever held.
class VectorSink {
public:
    virtual ~VectorSink() = default;
    virtual void Bar(const VectorBar& bar) = 0;
    virtual void Text(const VectorText& text) = 0;
};

// A number as the vector files write it: at most `decimals` places, no
// trailing zeros, and no "-0".
QByteArray CompactNumber(double value, int decimals);

// The label font's metrics as every vector output uses them: a fixed pitch of
// 0.6 em, as Courier and its metric twins have.
inline constexpr double kLabelAdvancePerEm = 0.6;
inline constexpr double kLabelAscentPerEm = 0.8325;
inline constexpr double kLabelLineHeightPerEm = 1.1328;

// Everything a vector writer needs to place one symbol in its cell: the
// encoding, the bar length it is drawn with, the cell's size in mils and the
// symbol's origin relative to the cell's centre (y upward).
struct VectorJob {
    const Encoding* encoding = nullptr;
    std::int32_t barLength = 0;
    bool showText = true;
    int orientation = 0;
    std::int64_t cellWidth = 0;
    std::int64_t cellHeight = 0;
    Point origin;
    // Moves the whole drawing, in mils (a label sheet places each symbol on
    // its page this way).
    double shiftX = 0;
    double shiftY = 0;
};

// Walks the encoding with the engine's one draw routine and hands the sink
// every bar (one element, already merged with its neighbours of one colour)
// as a rectangle and every label piece as a text.
void WalkVectorShapes(const VectorJob& job, VectorSink& sink);
