#pragma once

#include "OutputFormat.h"
#include "Symbologies.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <string>

// One symbol to write: the values the desktop program draws from.
struct SymbolRequest {
    SymbologyId symbology = SymbologyId::Code39;
    std::string text;              // the engine's 8-bit text, already checked
    std::int32_t heightMils = 750; // the Height field's bar length
    bool showText = true;
    int orientation = 0;
    int zoom = 1;
    int dpi = 300; // raster formats only
    OutputFormat format = OutputFormat::Bmp;
};

// The file's bytes, or why there are none; for raster formats also the
// narrow element the device grid achieved.
struct RenderedSymbol {
    QByteArray bytes;
    QString error;
    std::int32_t module = 0;   // the symbol's module in mils (0: elements of fixed sizes)
    double achievedModule = 0; // the module at the requested resolution, in mils
};

// The monochrome bitmap of one symbol in its cell (the tile margins around
// it) at a resolution and zoom: the one place the raster outputs come from.
// Null when the bitmap would be empty or too large.
QImage RenderCellBitmap(const Encoding& encoding, std::int32_t drawBarLength,
                        std::int32_t cellBarLength, bool showText, int orientation, int dpi,
                        int zoom);

RenderedSymbol RenderSymbol(const SymbolRequest& request);
