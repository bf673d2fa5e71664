#pragma once

#include "DeviceMapping.h"
#include "Encoding.h"

#include <QSize>

#include <cstdint>

class QPainter;

// One symbol as the view draws it: its encoding and how it is laid out.
struct SymbolScene {
    Encoding encoding;
    std::int32_t barLength = 0;
    bool showText = true;
    int orientation = 0;
    bool tiled = false; // the whole output tiled with the symbol
};

// The symbol's tile cell in device units of the mapping (its margins
// included): the size the symbol needs on the device.
QSize SymbolCellSize(const DeviceMapping& mapping, const SymbolScene& scene);

// Paints the symbol onto a painter that works in device units: centred on the
// mapping's origin, or in every tile cell of the mapping's area.
void PaintSymbol(QPainter& painter, const DeviceMapping& mapping, const SymbolScene& scene);
