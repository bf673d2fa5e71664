#pragma once

#include "DeviceMapping.h"
#include "Encoding.h"
#include "Surface.h"

#include <cstdint>

// Space around a symbol in a tile cell (and in a copied or saved bitmap), in
// mils: along the reading direction (the least on each side is half of it),
// and across it, where the label also goes.
inline constexpr std::int32_t kCellMarginAlong = 138;
inline constexpr std::int32_t kCellMarginAcross = 277;

// The clear space kept on each side of the bars along the reading direction:
// the larger of the symbology's two quiet zones and a module to spare, and
// never less than half kCellMarginAlong. It is in the symbol's mils, so on a device grid it is as
// many achieved modules as the standard asks for.
std::int32_t CellMarginAlong(const Encoding& encoding);

// The symbol's origin that centres its drawn bars (from the first element's
// start to the last one's end) and its bar length on logical (0, 0), halves
// truncated toward zero. With the text shown, the elements start the
// encoding's lead space past the origin.
Point SymbolOrigin(const Encoding& encoding, std::int32_t barLength, bool showText,
                   int orientation);

// A size in mils or in device units, wide enough never to overflow.
struct CellSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
    friend bool operator==(const CellSize&, const CellSize&) = default;
};

// The tile cell of one symbol in mils: (drawn length + twice its margin along)
// x (bar length + 277), width by height, turned with the symbol in
// orientations 1 and 3.
CellSize TileCellMils(const Encoding& encoding, std::int32_t barLength, int orientation);

// Whether the last column and row of cells may overhang the area (a window
// that shows as much as it can) or only whole cells are laid out (a printed
// page, where a cut symbol is a spoilt label).
enum class TileEdge { Overhang, WholeCells };

// The cells that fill an output area from its top-left corner.
struct TileGrid {
    CellSize cell;            // device units
    std::int64_t columns = 0; // area width / cell width, + 1 when overhanging
    std::int64_t rows = 0;    // area height / cell height, + 1 when overhanging
    QPoint areaTopLeft;

    bool IsEmpty() const { return columns <= 0 || rows <= 0; }
    // The device point on which the centre of cell (column, row) lies.
    QPoint CellCentre(std::int64_t column, std::int64_t row) const;
};

// Scales the cell to device units (rounded to the nearest unit) and counts the
// columns and rows: with Overhang the last of each overhang the area, with
// WholeCells none does, and a cell larger than the area gives an empty grid. A
// cell that rounds to no device unit at all gives an empty grid: its symbol
// would be invisible.
TileGrid LayOutTiles(const CellSize& cellMils, const DeviceMapping& mapping,
                     TileEdge edge = TileEdge::Overhang);

// Largest side, in pixels, of a copied or saved bitmap. A larger one (a Height
// of thousands of inches, say) is refused rather than allocated.
inline constexpr std::int64_t kMaxBitmapSide = 16384;

// The pixel size of a copied or saved bitmap of a cell of cellMils at the
// resolution and zoom: dpi x zoom x mils / 1000, truncated. Either side is 0
// when the bitmap would be empty or larger than kMaxBitmapSide.
QSize BitmapPixelSize(const CellSize& cellMils, int dpiX, int dpiY, int zoom);
// The same for device units per mil that the device grid sets.
QSize BitmapPixelSize(const CellSize& cellMils, double scaleX, double scaleY);
