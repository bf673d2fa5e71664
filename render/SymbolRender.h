#pragma once

#include "FieldValues.h"
#include "LabelTypesetter.h"
#include "OutputFormat.h"
#include "Symbologies.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <string>

// One symbol to render: every value that decides its pixels or its file, the
// same whether the desktop program's Save and Copy or the tool asks.
struct RenderRequest {
    SymbologyId symbology = SymbologyId::Code39;
    std::string text;                            // the engine's 8-bit text, already checked
    std::int32_t heightMils = kDefaultBarLength; // the Height field's bar length (the cell's)
    BarWidths widths;                            // Density and Ratio
    int zoom = 1;                                // 1 to 8
    int orientation = 0;                         // quarter turns counter-clockwise
    bool showText = true;
    OutputFormat format = OutputFormat::Bmp;
    // The device's dots per inch, across and down (a label printer may have
    // two); raster formats and the scan check only, vector files keep true size.
    int dpiX = 300;
    int dpiY = 300;
    // Raster formats: dots off every bar for a printer that spreads ink.
    int barReduction = 0;
    // Raster formats: where the labels' pixels come from.
    LabelSource labels;

    friend bool operator==(const RenderRequest&, const RenderRequest&) = default;
};

// What a request gives: the file's bytes, or why there are none, with the
// size the device grid achieved.
struct RenderResult {
    QByteArray bytes;
    QString error;
    // Raster formats: the 1-bit bitmap the bytes hold (what Copy puts on the
    // clipboard), at the request's resolution.
    QImage bitmap;
    bool blank = false;        // the text encodes to no element at all: nothing is drawn
    std::int32_t module = 0;   // the symbol's module in mils (0: elements of fixed sizes)
    double achievedModule = 0; // raster: the module on the device's grid of dots, in mils
    // Raster: a label was neither in the label store nor paintable (no fonts
    // in the run, see LabelSource): the bitmap lacks it.
    bool needsFonts = false;
};

// Builds, lays out and draws one symbol and encodes it in the request's
// format: the one place every output file and bitmap comes from.
RenderResult RenderSymbol(const RenderRequest& request);

// The same for a raster format without encoding the file: the bitmap (the
// cell with its margins), the module and the achieved module; bytes stay empty.
RenderResult RenderSymbolImage(const RenderRequest& request);
