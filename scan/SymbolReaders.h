#pragma once

#include "Symbologies.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>
#include <string>

class QPainter;

// What the scan check reads symbols back with: ZXing's reader for the
// bar-and-space symbologies, zbar's as a second opinion on them, and Qt's SVG
// renderer for a file that keeps true size. They live in a module of their own (quillmark-readers),
// loaded the first time a symbol is read back, so that a program that only draws (a
// quillmark-render run without --verify) loads neither library.
struct SymbolReaders {
    // Reads a grey (Format_Grayscale8) image with a family's reader: what
    // the symbol holds, nothing when no symbol is found. Code 39 in
    // full-ASCII mode decodes its pairs; GS1-128 keeps its symbology
    // identifier in front.
    std::optional<std::string> (*readBars)(const QImage& grey, ReaderFamily family);
    // The same with zbar, a second opinion: its data as zbar gives it (Code 39
    // pairs undecoded, no FNC4, no identifier), an add-on after a space.
    // Two readers' edge finders differ most at one dot a module, where a
    // symbol one reads the other may miss.
    std::optional<std::string> (*readBarsSecond)(const QImage& grey, ReaderFamily family);
    // An SVG file's view box; empty when the bytes are no SVG.
    QRectF (*svgViewBox)(const QByteArray& svg);
    // Paints an SVG file into a rectangle of the painter's device.
    void (*paintSvg)(const QByteArray& svg, QPainter& painter, const QRectF& target);
};

// The readers, the module loaded on the first call; null when it cannot be
// loaded, error (if given) then saying why.
const SymbolReaders* LoadSymbolReaders(QString* error);
