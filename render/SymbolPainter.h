#pragma once

#include "DeviceMapping.h"
#include "Encoding.h"
#include "LabelTypesetter.h"
#include "Placement.h"

#include <QImage>
#include <QSize>

#include <cstdint>

class QPainter;

// One symbol as the view draws it: its encoding and how it is laid out.
struct SymbolScene {
    Encoding encoding;
    std::int32_t barLength = 0;
    bool showText = true;
    int orientation = 0;
    bool tiled = false;                     // the whole output tiled with the symbol
    TileEdge tileEdge = TileEdge::Overhang; // whole cells only on a printed page
    int barReduction = 0;                   // device units off every bar (printers that spread ink)
};

// The mapping with the symbol's reading direction on the device grid: there a
// module is a whole number of device units, so every element edge falls on a
// whole unit once the first one does.
DeviceMapping OnDeviceGrid(const DeviceMapping& mapping, const SymbolScene& scene);

// The mils-to-device transform of one symbol centred on the mapping's origin,
// moved by less than half a device unit so that its first edge lies on a whole
// unit (every cell of a tiled output moves alike).
QTransform SymbolToDevice(const DeviceMapping& gridMapping, const SymbolScene& scene);

// The symbol's tile cell in device units of the mapping (its margins
// included): the size the symbol needs on the device, on its grid.
QSize SymbolCellSize(const DeviceMapping& mapping, const SymbolScene& scene);

// The monochrome bitmap of one symbol centred in its tile cell (the margins
// around it) at a resolution and zoom, on the device grid: what Copy and Save
// take out of the program and what a printer of that resolution gets. The
// cell's bar length may differ from the drawn one (Postnet's fixed bars in a
// cell of the Height field's). Null when a side would exceed kMaxBitmapSide or
// the resolution is unusable. The labels' pixels come from `labels`; a label
// it can give neither sets *labelMissed (where given).
QImage RenderSymbolCell(const SymbolScene& scene, std::int32_t cellBarLength, int dpiX, int dpiY,
                        int zoom, const LabelSource& labels = {}, bool* labelMissed = nullptr);

// Paints the symbol onto a painter whose device units the mapping counts in:
// centred on the mapping's origin, or in every tile cell of the mapping's area.
// Nothing is drawn outside the area, labels included.
void PaintSymbol(QPainter& painter, const DeviceMapping& mapping, const SymbolScene& scene);
