#pragma once

#include <QPaintDevice>
#include <QPoint>
#include <QRect>
#include <QTransform>

#include <cstdint>

// One inch of the output is 1000 logical units (mils) at zoom 1.
inline constexpr int kMilsPerInch = 1000;
// Every output shows the symbol at its true size times a zoom of 1 to 8.
inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 8;

// The mapping of the mils frame onto one output device (screen, printer,
// preview or bitmap): one mil spans zoom x (device units per logical inch) /
// 1000 device units, x grows to the right, y grows upward, and logical (0, 0)
// lies on viewportOrigin. The painter that draws with it works in device units.
struct DeviceMapping {
    int zoom = 1;
    int dpiX = 0; // the device's units per logical inch, horizontally
    int dpiY = 0; // and vertically
    QRect area;   // the output rectangle: client area, printable area or bitmap
    QPoint viewportOrigin;
    // Device units per mil along x and along y where the device grid sets them
    // (the reading direction of a symbol of whole modules); 0 keeps the true
    // scale, zoom x dpi / 1000.
    double gridScaleX = 0;
    double gridScaleY = 0;
    // Device pixels per unit of the painter's own coordinates: 2 on a screen
    // that doubles them. The mapping counts in device pixels (dpi and area
    // included), so bars land on the screen's real pixels.
    double devicePixelRatio = 1.0;

    // Absolute viewport extents for a window extent of kMilsPerInch.
    std::int64_t ViewportExtentX() const { return std::int64_t{zoom} * dpiX; }
    std::int64_t ViewportExtentY() const { return std::int64_t{zoom} * dpiY; }
    // Device units per mil.
    double ScaleX() const;
    double ScaleY() const;

    // mils -> device: (x, y) goes to viewportOrigin + (x * scaleX, -y * scaleY).
    QTransform MilsToDevice() const;
};

// Prepares the mapping for a device: viewport extent zoom x the device's
// resolution, origin at the centre of the output rectangle.
DeviceMapping PrepareMapping(int zoom, int dpiX, int dpiY, const QRect& area);
// The same for a paint device and an area in its own units: a screen that
// doubles its pixels is counted in its real pixels, resolution and area alike.
DeviceMapping PrepareMapping(int zoom, const QPaintDevice& device, const QRect& area);

// The centre of a rectangle whose right and bottom edges are exclusive:
// ((left + right) / 2, (top + bottom) / 2), truncated.
QPoint CentreOf(const QRect& area);

// a x b / c rounded to the nearest integer, halves away from zero; 0 when c is
// 0, and saturated instead of overflowing.
std::int64_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c);
