#pragma once

#include "VectorScene.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

// The extent of what a symbol draws, in mils about its bar area's centre
// (y upward): its bars alone, and its bars with its label's boxes.
struct InkExtent {
    double minX = std::numeric_limits<double>::max();
    double minY = std::numeric_limits<double>::max();
    double maxX = std::numeric_limits<double>::lowest();
    double maxY = std::numeric_limits<double>::lowest();

    bool Empty() const { return minX > maxX; }
    double Width() const { return Empty() ? 0 : maxX - minX; }
    double Height() const { return Empty() ? 0 : maxY - minY; }
    void Add(double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

// Measures a symbol's shapes as WalkVectorShapes hands them on.
class ExtentSink : public VectorSink {
public:
    void Bar(const VectorBar& bar) override {
        for (InkExtent* extent : {&bars, &ink}) {
            extent->Add(bar.x, bar.y);
            extent->Add(bar.x + bar.width, bar.y + bar.height);
        }
    }
    // The text's box, turned clockwise about its top-left corner.
    void Text(const VectorText& text) override {
        const double radians = -text.turn * std::acos(-1.0) / 180.0;
        const double c = std::cos(radians);
        const double s = std::sin(radians);
        for (const auto& [u, v] : {std::pair{0.0, 0.0},
                                   {text.boxWidth, 0.0},
                                   {0.0, -text.boxHeight},
                                   {text.boxWidth, -text.boxHeight}}) {
            ink.Add(text.x + u * c - v * s, text.y + u * s + v * c);
        }
    }
    InkExtent bars;
    InkExtent ink;
};
