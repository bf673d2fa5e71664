#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QImage;

// The file formats a symbol can be written in.
enum class OutputFormat {
    Bmp, // 1-bit Windows bitmap, as the desktop program's Save writes it
    Png, // 1-bit PNG
    Svg, // vector, true size
    Pdf, // vector, true size
};

// A format by its name or file extension ("bmp", ".PNG", ...), ignoring case.
std::optional<OutputFormat> FormatByName(const QString& name);
// The format a path's extension names; nothing for an unknown or no extension.
std::optional<OutputFormat> FormatOfPath(const QString& path);
// The extension of a format, without the dot.
QString ExtensionOf(OutputFormat format);
bool IsRaster(OutputFormat format);

// A monochrome bitmap as the bytes of a BMP or PNG file; empty when the image
// cannot be encoded (or the format is not a raster one).
QByteArray EncodeBitmap(const QImage& bitmap, OutputFormat format);
