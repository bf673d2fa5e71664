#pragma once

#include "Barcode.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Moves p by along mils in the reading direction and by across mils in the bar
// direction of the orientation, saturating to the 32-bit frame. For symbologies
// that place bars or text at points of their own rather than through the
// element primitives.
inline Point MoveInFrame(Point p, std::int64_t along, std::int64_t across, int orientation) {
    // Reading direction per orientation; the bar direction is the reading
    // direction turned a quarter clockwise: (x, y) -> (y, -x).
    constexpr std::array<int, 4> kReadX{1, 0, -1, 0};
    constexpr std::array<int, 4> kReadY{0, 1, 0, -1};
    const auto o = static_cast<std::size_t>(NormalOrientation(orientation));
    return {ClampToInt32(p.x + along * kReadX[o] + across * kReadY[o]),
            ClampToInt32(p.y + along * kReadY[o] - across * kReadX[o])};
}
