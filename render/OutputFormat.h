#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

class QImage;

// The file formats a symbol can be written in. Every dispatch over formats is
// a switch without a default, so that a format one does not handle is a
// compile error, never a silent fall-through.
enum class OutputFormat {
    Bmp, // 1-bit Windows bitmap, as the desktop program's Save writes it
    Png, // 1-bit PNG
    Svg, // vector, true size
    Pdf, // vector, true size
    Zpl, // ZPL II for thermal label printers: the dots of each label
};

// How a format holds a symbol: dots at the device's resolution, shapes at
// true size, or a label printer's language carrying the dots of each label.
enum class FormatKind { Raster, Vector, PrinterLanguage };

// Everything the program knows of a format: one row per format, in
// OutputFormat order, for the Save dialog, the tool's options and messages.
struct FormatFacts {
    OutputFormat format;
    const char* name; // the --format name and the file extension
    // The Save dialog's filter (translated in context "CBarcodeOutput"; a
    // vector format's %1 takes the note that it keeps true size).
    const char* filter;
    FormatKind kind;
};

const std::array<FormatFacts, 5>& OutputFormats();
const FormatFacts& FactsOf(OutputFormat format);

// The format names as a list for messages: "bmp, png, svg, pdf or zpl", each
// name after `prefix` (".bmp, .png, .svg or .pdf" with "."), in the user's
// language.
QString FormatNameList(const QString& prefix = {});

// A format by its name or file extension ("bmp", ".PNG", ...), ignoring case.
std::optional<OutputFormat> FormatByName(const QString& name);
// The format a path's extension names; nothing for an unknown or no extension.
std::optional<OutputFormat> FormatOfPath(const QString& path);
// The extension of a format, without the dot.
QString ExtensionOf(OutputFormat format);
// Whether the format holds dots at the device's resolution: a bitmap, or a
// printer language.
bool IsRaster(OutputFormat format);

// A monochrome bitmap as the bytes of a BMP, PNG or ZPL file (one label of
// the bitmap's size, as the printer is set up); empty when the image cannot
// be encoded (or the format holds no dots).
QByteArray EncodeBitmap(const QImage& bitmap, OutputFormat format);
