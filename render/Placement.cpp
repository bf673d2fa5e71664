#include "Placement.h"

#include "Barcode.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Origin of a centred symbol as multiples of half its length (W / 2) and half
// its bar length (H / 2), per orientation.
struct OriginRule {
    int xFromW, xFromH;
    int yFromW, yFromH;
};
constexpr std::array<OriginRule, 4> kOriginRules{{
    {-1, 0, 0, +1}, // 0: (-(W / 2), H / 2)
    {0, -1, -1, 0}, // 1: (-(H / 2), -(W / 2))
    {+1, 0, 0, -1}, // 2: (W / 2, -(H / 2))
    {0, +1, +1, 0}, // 3: (H / 2, W / 2)
}};

bool IsTurnedAcross(int orientation) {
    return orientation % 2 != 0;
}

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

} // namespace

std::int32_t CellMarginAlong(const Encoding& encoding) {
    // One module more than the standard's: placing the bars on the device's
    // grid and cutting the bitmap to whole dots may each take part of a dot.
    // A symbol off the grid (Postnet's pitch) gets more than a 96-dpi dot.
    constexpr std::int32_t kOffGridSlack = 11; // mils
    const std::int32_t slack = encoding.module > 0 ? encoding.module : kOffGridSlack;
    return std::max(
        kCellMarginAlong / 2,
        ClampToInt32(std::int64_t{std::max(encoding.quietBefore, encoding.quietAfter)} + slack));
}

Point SymbolOrigin(const Encoding& encoding, std::int32_t barLength, bool showText,
                   int orientation) {
    const OriginRule& rule = kOriginRules[static_cast<std::size_t>(NormalOrientation(orientation))];
    // The first element lies the lead space past the origin, the bars' middle
    // half their drawn length past that.
    const Encoding::Span bars = encoding.Bars();
    const std::int32_t halfW = ClampToInt32(bars.start + bars.Length() / 2 +
                                            (showText ? std::int64_t{encoding.leadSpace} : 0));
    const std::int32_t halfH = barLength / 2;
    return {halfW * rule.xFromW + halfH * rule.xFromH, halfW * rule.yFromW + halfH * rule.yFromH};
}

CellSize TileCellMils(const Encoding& encoding, std::int32_t barLength, int orientation) {
    const std::int64_t along =
        encoding.SymbolLength() + 2 * std::int64_t{CellMarginAlong(encoding)};
    const std::int64_t across = std::int64_t{barLength} + kCellMarginAcross;
    if (IsTurnedAcross(NormalOrientation(orientation))) {
        return {across, along};
    }
    return {along, across};
}

QPoint TileGrid::CellCentre(std::int64_t column, std::int64_t row) const {
    return {ClampToInt(areaTopLeft.x() + column * cell.width + cell.width / 2),
            ClampToInt(areaTopLeft.y() + row * cell.height + cell.height / 2)};
}

TileGrid LayOutTiles(const CellSize& cellMils, const DeviceMapping& mapping, TileEdge edge) {
    TileGrid grid;
    grid.areaTopLeft = mapping.area.topLeft();
    // On the device grid a cell follows the symbol as drawn; at the true scale
    // it is rounded exactly, with no floating point.
    const auto scaled = [](std::int64_t mils, double gridScale, std::int64_t extent) {
        return gridScale > 0 ? std::llround(std::min(static_cast<double>(mils) * gridScale,
                                                     static_cast<double>(INT64_MAX / 2)))
                             : MulDiv(mils, extent, kMilsPerInch);
    };
    grid.cell = {scaled(cellMils.width, mapping.gridScaleX, mapping.ViewportExtentX()),
                 scaled(cellMils.height, mapping.gridScaleY, mapping.ViewportExtentY())};
    if (grid.cell.width <= 0 || grid.cell.height <= 0) {
        return grid; // no columns: nothing is drawn
    }
    const std::int64_t overhang = edge == TileEdge::Overhang ? 1 : 0;
    grid.columns = mapping.area.width() / grid.cell.width + overhang;
    grid.rows = std::llabs(mapping.area.height() / grid.cell.height) + overhang;
    return grid;
}

QSize BitmapPixelSize(const CellSize& cellMils, int dpiX, int dpiY, int zoom) {
    const auto side = [zoom](std::int64_t mils, int dpi) -> int {
        if (mils <= 0 || dpi <= 0 || zoom <= 0 || mils > kMaxBitmapSide * kMilsPerInch) {
            return 0;
        }
        const std::int64_t pixels = std::int64_t{dpi} * zoom * mils / kMilsPerInch;
        return pixels > kMaxBitmapSide ? 0 : static_cast<int>(pixels);
    };
    const int width = side(cellMils.width, dpiX);
    const int height = side(cellMils.height, dpiY);
    return width == 0 || height == 0 ? QSize() : QSize(width, height);
}

QSize BitmapPixelSize(const CellSize& cellMils, double scaleX, double scaleY) {
    const auto side = [](std::int64_t mils, double scale) -> int {
        if (mils <= 0 || !(scale > 0) || mils > kMaxBitmapSide * kMilsPerInch) {
            return 0;
        }
        const double units = std::floor(static_cast<double>(mils) * scale);
        return units > kMaxBitmapSide ? 0 : static_cast<int>(units);
    };
    const int width = side(cellMils.width, scaleX);
    const int height = side(cellMils.height, scaleY);
    return width == 0 || height == 0 ? QSize() : QSize(width, height);
}
