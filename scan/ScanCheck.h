#pragma once

#include "SymbolRender.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The scan check: the symbol rendered at an output's resolution, exactly as
// the bitmap that output gets, and read back as a scanner would (ZXing for
// the bar-and-space symbologies, with zbar's second opinion; the bar-height
// reader for Postnet), compared with what its label says.

// One symbol on one output, everything the check needs and nothing that
// lives on the user-interface thread.
struct ScanJob {
    RenderRequest request; // its format plays no part: the check reads a bitmap
    std::string expected;  // what a scanner should report (ExpectedReading)
    // The bars are those of an empty text: they carry none of the label.
    bool barsCarryNothing = false;
    // Wide elements as narrow as the narrow ones (Ratio 1): no reader can
    // tell a wide bar from a narrow one.
    bool equalWidths = false;
    // The symbol as a file that keeps true size (SVG, PDF) and is printed at
    // the request's resolution: its bars fall where they fall, off the device
    // grid, a dot inked where a bar covers most of it. There is no zoom to
    // try: the file is saved at true size.
    bool trueSize = false;

    friend bool operator==(const ScanJob&, const ScanJob&) = default;
};

// A job for the request's symbol on an output of the request's resolution.
ScanJob MakeScanJob(const RenderRequest& request);

enum class ScanVerdict {
    NotChecked,    // nothing drawn, or too large to render for the check
    Scans,         // reads as the label says
    OneReader,     // reads as the label says with ZXing, but zbar misses it
    ScansAs,       // reads, but as something else
    DoesNotScan,   // no reading at all
    NoData,        // the text is empty: read holds what the symbol reads, if anything
    ShortNumber,   // reads as the label, but an EAN/UPC number filled with zeros
    LeftOut,       // the label shows characters the bars leave out (read: the rest)
    EqualWidths,   // wide and narrow elements are equal (Ratio 1)
    LengthRefused, // the reader used here takes no symbol of this many characters
    NoReader,      // the readers' module cannot be loaded: read says why
};

struct ScanResult {
    ScanVerdict verdict = ScanVerdict::NotChecked;
    std::string read;     // what the reader returned
    std::string expected; // what the label says
    // When the symbol does not scan (or not with both readers): the smallest larger zoom, else the
    // smallest larger Density, at which it does (0: none found).
    int scansAtZoom = 0;
    std::int32_t scansAtDensity = 0;
    // LengthRefused: the fewest characters the reader takes.
    int readerMinimum = 0;
    // ShortNumber: the digits typed and the data digits the symbology takes.
    int typedDigits = 0;
    int dataDigits = 0;

    friend bool operator==(const ScanResult&, const ScanResult&) = default;
};

// The symbol's bitmap as the request renders it (its cell, margins and all)
// on a white field that gives it a quiet zone, as grey levels: what a scanner
// sees of the bitmap. Null when the request draws nothing or the image would
// be too large. trueSize: the request's symbol as a vector file printed at
// its resolution (see ScanJob).
QImage RenderForScan(const RenderRequest& request, bool trueSize = false);

// Reads a monochrome image with the symbology's reader; nothing when it finds
// no symbol. Code 39 Extended is read in full-ASCII mode.
std::optional<std::string> ReadSymbol(const QImage& image, SymbologyId id);

// Renders, reads and compares; when the symbol does not scan, tries the larger
// zooms at the same resolution and then larger Densities. A symbol of no data,
// of equal wide and narrow elements, or of a length the reader refuses is
// said to be so, without a larger size tried. cancelled is asked between the
// steps; a cancelled check returns NotChecked.
ScanResult CheckScan(const ScanJob& job, const std::function<bool()>& cancelled = {});

// The status field's text for a result.
QString ScanStatusText(const ScanResult& result);
